#pragma once

#include <span>

#include "platform/layout.h"

namespace quorvel::screen {

inline constexpr int kMainClientWidth = 12045;  // twips
inline constexpr int kMainClientHeight = 9030;
inline constexpr const char* kMainDesignCaption = "Slots_Quorvel";

// Every element of the main screen in its design state, in drawing order.
std::span<const platform::ElementSpec> mainScreenDesign();
// Puts the design on an empty window: caption, background and every element.
platform::Window& buildMainScreen(platform::Window& window, const platform::TextCatalogue& text);
// The main screen's interval timers with their periods.
std::span<const platform::TimerSpec> mainScreenTimers();

// The timers by name, in the order of mainScreenTimers().
enum class Timer {
    tmrshowbuttons,
    tmrtick,
    tmrautospin,
    Timerwincounter,
    Timerrespin,
    Timer4,
    tmrfrees,
    tmrshowjackpot,
    tmrdecidejackpot,
    tmrbell,
    Timerscatters,
    tmrlineflash,
};
const char* timerName(Timer timer);

}  // namespace quorvel::screen
