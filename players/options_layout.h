#pragma once

#include <span>

#include "platform/child_window.h"
#include "platform/layout.h"

namespace quorvel::players {

inline constexpr int kOptionsClientWidth = 8580;  // twips
// Taller than the main frame by the band of the reminder and autoplay's stops.
inline constexpr int kOptionsClientHeight = 7820;
inline constexpr const char* kOptionsCaption = "Quorvel Options";

// Every element of the options window in its design state, in drawing order.
std::span<const platform::ElementSpec> optionsDesign();

// Names a screen reader gives controls whose captions say too little on their own.
struct SpokenName {
    const char* name;
    int index;
    const char* spoken;
};
std::span<const SpokenName> optionsSpokenNames();

// The order in which Tab walks the window's controls.
std::span<const platform::TabStop> optionsTabOrder();

}  // namespace quorvel::players
