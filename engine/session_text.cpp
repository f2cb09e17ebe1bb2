#include "engine/session_text.h"

#include <sstream>

namespace quorvel::engine {
namespace {

// Times and totals only grow, so points store their steps: a long session stays small.
struct Running {
    std::int64_t ms = 0;
    std::int64_t wagered = 0;
    std::int64_t won = 0;
};

bool readPoint(std::istringstream& in, Running& run, SessionPoint& point) {
    std::int64_t ms = 0, wagered = 0, won = 0;
    int mark = 0;
    if (!(in >> ms >> point.credit >> point.paid >> mark >> point.markAmount >> wagered >> won))
        return false;
    if (ms < 0 || wagered < 0 || point.paid < 0 || mark < 0 ||
        mark > static_cast<int>(SessionMark::Gamble))
        return false;
    point.mark = static_cast<SessionMark>(mark);
    point.ms = run.ms += ms;
    point.wagered = run.wagered += wagered;
    point.won = run.won += won;
    // Stored points were tallied into the stored start before they were written.
    point.featureCounted = point.boardCounted = true;
    return true;
}

}  // namespace

std::string sessionStartText(const SessionStart& s) {
    std::ostringstream out;
    out << s.bank << ' ' << s.wager << ' ' << s.invested << ' ' << s.games << ' ' << s.playedMs
        << ' ' << s.biggest << ' ' << s.freeSpinFeatures << ' ' << s.boards;
    return out.str();
}

std::optional<SessionStart> sessionStartFromText(const std::string& text) {
    std::istringstream in(text);
    SessionStart s;
    if (!(in >> s.bank >> s.wager >> s.invested >> s.games >> s.playedMs >> s.biggest >>
          s.freeSpinFeatures >> s.boards))
        return std::nullopt;
    std::string rest;
    if (in >> rest || s.playedMs < 0 || s.games < 0 || s.biggest < 0) return std::nullopt;
    return s;
}

std::string sessionPointsText(const std::deque<SessionPoint>& points) {
    std::ostringstream out;
    if (points.empty()) return "";
    out << points.front().game;
    Running run;
    for (const SessionPoint& p : points) {
        out << ' ' << p.ms - run.ms << ' ' << p.credit << ' ' << p.paid << ' '
            << static_cast<int>(p.mark) << ' ' << p.markAmount << ' ' << p.wagered - run.wagered
            << ' ' << p.won - run.won;
        run = {p.ms, p.wagered, p.won};
    }
    return out.str();
}

std::optional<std::deque<SessionPoint>> sessionPointsFromText(const std::string& text) {
    std::deque<SessionPoint> points;
    std::istringstream in(text);
    std::int32_t game = 0;
    if (!(in >> game))
        return text.find_first_not_of(' ') == std::string::npos ? std::optional(points)
                                                                : std::nullopt;
    if (game < 1) return std::nullopt;
    Running run;
    while (!(in >> std::ws).eof()) {
        SessionPoint point;
        point.game = game++;
        if (points.size() == Session::kMaxPoints || !readPoint(in, run, point)) return std::nullopt;
        points.push_back(point);
    }
    return points;
}

}  // namespace quorvel::engine
