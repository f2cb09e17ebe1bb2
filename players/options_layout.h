#pragma once

#include <span>

#include "platform/child_window.h"
#include "platform/layout.h"
#include "platform/text_catalogue.h"

namespace quorvel::players {

inline constexpr int kOptionsClientWidth = 8580;  // twips
// Taller than the main frame by the bands of the reminder and autoplay's stops and of the
// language.
inline constexpr int kOptionsClientHeight = 8460;
inline constexpr const char* kOptionsCaption =
    QV_TRANSLATE_NOOP("quorveloptions", "Quorvel Options");

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
