#pragma once

#include <deque>
#include <optional>
#include <string>

#include "engine/session.h"

namespace quorvel::engine {

// A session kept through a crash: where it began, and its chart's points. Each reads back
// whole or not at all, so a damaged text starts the chart (or the session) afresh.
std::string sessionStartText(const SessionStart& start);
std::optional<SessionStart> sessionStartFromText(const std::string& text);
std::string sessionPointsText(const std::deque<SessionPoint>& points);
std::optional<std::deque<SessionPoint>> sessionPointsFromText(const std::string& text);

}  // namespace quorvel::engine
