#pragma once

#include <span>

#include "platform/layout.h"

namespace quorvel::info {

inline constexpr int kRecallWidth = 12045;  // twips: the reels sit where the cabinet has them
inline constexpr int kRecallHeight = 9030;
inline constexpr int kRecallLines = 25;
inline constexpr int kSegmentsPerLine = 6;

// The recall window's elements in drawing order.
std::span<const platform::ElementSpec> recallDesign();

}  // namespace quorvel::info
