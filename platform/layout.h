#pragma once

#include <span>

#include "platform/element.h"
#include "platform/window.h"

namespace quorvel::platform {

// One row of a window's design: what an element is, where it sits and how it starts.
// Positions and sizes are in twips relative to the parent (the window when none).
struct ElementSpec {
    const char* name;
    int index = 0;
    ElementKind kind = ElementKind::PictureBox;
    const char* parent = "";
    int parentIndex = 0;  // the container's place in its control array
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;
    const char* caption = "";
    const char* tooltip = "";
    const char* picture = "";  // the design picture, by name
    const char* fontFamily = "Comic Sans MS";
    double fontPoints = 8.25;
    bool bold = true;
    bool italic = false;
    Colour fore{0, 0, 0};
    bool hasBack = false;
    Colour back{0, 0, 0};
    Align align = Align::Left;
    bool autoSize = false;
    bool border = false;
    bool stretch = false;
    LinePoints points{};
    int lineWidth = 1;                                // pixels
    int images = 0, imageWidth = 0, imageHeight = 0;  // image lists, pixels
};

struct TimerSpec {
    const char* name;
    int intervalMs;
    bool runningAtStart;
};

// Adds every element of the design to the window, in order (later rows draw on top).
void buildElements(Window& window, std::span<const ElementSpec> design);

}  // namespace quorvel::platform
