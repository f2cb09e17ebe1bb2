#pragma once

#include <span>

#include "platform/child_window.h"
#include "platform/layout.h"

namespace quorvel::info {

inline constexpr int kAboutClientWidth = 5910;  // twips
inline constexpr int kAboutClientHeight = 8775;

// Every element of the about window in its design state, in drawing order.
std::span<const platform::ElementSpec> aboutDesign();
std::span<const platform::TabStop> aboutTabOrder();

}  // namespace quorvel::info
