#pragma once

#include <span>

#include "platform/element.h"
#include "platform/text_catalogue.h"
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

// Adds every element of the design to the window, in order (later rows draw on top). Captions
// and tooltips are shown in the catalogue's language, the window's name their context: mark
// them in the design with QV_TRANSLATE_NOOP(that name, text).
void buildElements(Window& window, std::span<const ElementSpec> design, const TextCatalogue& text);
// The design's captions and tooltips again, in the language now in force; what the game
// writes over them it writes again itself.
void retranslateElements(Window& window, std::span<const ElementSpec> design,
                         const TextCatalogue& text);

}  // namespace quorvel::platform
