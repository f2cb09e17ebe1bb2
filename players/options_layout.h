#pragma once

#include <span>

#include "platform/child_window.h"
#include "platform/layout.h"

namespace quorvel::players {

inline constexpr int kOptionsClientWidth = 8580;  // twips
inline constexpr int kOptionsClientHeight = 5745;
inline constexpr const char* kOptionsCaption = "Quorvel Options";

// Every element of the options window in its design state, in drawing order.
std::span<const platform::ElementSpec> optionsDesign();

// The order in which Tab walks the window's controls.
std::span<const platform::TabStop> optionsTabOrder();

}  // namespace quorvel::players
