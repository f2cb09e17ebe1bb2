#include "info/session_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/money.h"

namespace quorvel::info {
namespace {

using platform::ChartData;
using platform::ChartMark;
using platform::ChartMarkKind;
using platform::ChartPoint;
using platform::TextCatalogue;

constexpr const char* kContext = "quorvelsession";

// Twice the band's last half-width above the long run: the band's end stays inside the
// chart however short the session, and the funnel it narrows through shows.
double returnCeiling(double mean, double sd, const std::deque<engine::SessionPoint>& points) {
    const double games = points.empty() ? 1 : std::max(1, points.back().game);
    return mean + 400 * sd / std::sqrt(games);
}

std::string markTip(const engine::SessionPoint& point, const TextCatalogue& text) {
    const char* source = QV_TRANSLATE_NOOP("quorvelsession", "Game %1: gamble won %2");
    if (point.mark == engine::SessionMark::FreeSpins)
        source = QV_TRANSLATE_NOOP("quorvelsession", "Game %1: free spins won %2");
    else if (point.mark == engine::SessionMark::Board)
        source = QV_TRANSLATE_NOOP("quorvelsession", "Game %1: board prize %2");
    else if (point.markAmount < 0)
        source = QV_TRANSLATE_NOOP("quorvelsession", "Game %1: gamble lost %2");
    return platform::fillIn(
        text.translate(kContext, source),
        {std::to_string(point.game), engine::dollarsAndCents(std::abs(point.markAmount))});
}

// The source holds English's plural alone; its singular is written here.
std::string gamesCount(int games, const TextCatalogue& text) {
    if (games == 1 && text.language() == "en") return "1 game";
    return text.translate("quorvelsession", "%n games", "%n game", games);
}

ChartMarkKind markKind(engine::SessionMark mark) {
    if (mark == engine::SessionMark::FreeSpins) return ChartMarkKind::FreeSpins;
    return mark == engine::SessionMark::Board ? ChartMarkKind::Board : ChartMarkKind::Gamble;
}

double percentOf(std::int64_t won, std::int64_t wagered) {
    return wagered > 0 ? 100.0 * static_cast<double>(won) / static_cast<double>(wagered) : 0;
}

}  // namespace

int luckPercent(double returned, const ReturnOdds& odds, int games) {
    if (games <= 0 || odds.sd <= 0) return 50;
    const double z = (returned - odds.mean) * std::sqrt(double(games)) / odds.sd;
    const double share = 0.5 * std::erfc(-z / std::sqrt(2.0));
    return static_cast<int>(std::lround(share * 20)) * 5;
}

std::string luckSentence(const engine::SessionFigures& figures, const ReturnOdds& odds,
                         const TextCatalogue& text) {
    if (figures.games <= 0 || figures.wagered <= 0)
        return text.translate("quorvelsession",
                              "No games yet this session: the chart starts with your first spin.");
    const double returned = double(figures.won) / double(figures.wagered);
    const int share = luckPercent(returned, odds, figures.games);
    const std::string length = gamesCount(figures.games, text);
    const char* source = "";
    if (share >= 100)
        source = QV_TRANSLATE_NOOP("quorvelsession", "Luckier than almost every session of %2.");
    else if (share <= 0)
        source = QV_TRANSLATE_NOOP("quorvelsession", "Less lucky than almost every session of %2.");
    else if (share >= 50)
        source = QV_TRANSLATE_NOOP("quorvelsession", "Luckier than about %1 % of sessions of %2.");
    else
        source =
            QV_TRANSLATE_NOOP("quorvelsession", "Less lucky than about %1 % of sessions of %2.");
    const int shown = share >= 50 ? share : 100 - share;
    return platform::fillIn(text.translate(kContext, source), {std::to_string(shown), length});
}

ChartData creditChart(const std::deque<engine::SessionPoint>& points, const TextCatalogue& text) {
    ChartData chart;
    chart.title = text.translate("quorvelsession", "Credit after each game");
    chart.xTitle = text.translate("quorvelsession", "Game");
    chart.yTitle = text.translate("quorvelsession", "Credit ($)");
    chart.seriesName = text.translate("quorvelsession", "Credit");
    chart.markNames = {text.translate("quorvelsession", "Free spins"),
                       text.translate("quorvelsession", "Board prize"),
                       text.translate("quorvelsession", "Gamble")};
    chart.series.reserve(points.size());
    for (const engine::SessionPoint& point : points) {
        const ChartPoint at{double(point.game), point.credit / 100.0};
        chart.series.push_back(at);
        if (point.mark != engine::SessionMark::None)
            chart.marks.push_back(ChartMark{markKind(point.mark), at, markTip(point, text)});
    }
    return chart;
}

ChartData returnChart(const std::deque<engine::SessionPoint>& points, const ReturnOdds& odds,
                      const TextCatalogue& text) {
    ChartData chart;
    chart.title = text.translate("quorvelsession", "Return so far");
    chart.xTitle = text.translate("quorvelsession", "Game");
    chart.yTitle = text.translate("quorvelsession", "Return (%)");
    chart.seriesName = text.translate("quorvelsession", "Your return");
    chart.meanName = text.translate("quorvelsession", "Long-run return");
    chart.bandName = text.translate("quorvelsession", "Two standard deviations");
    const double mean = odds.mean * 100;
    const double ceiling = returnCeiling(mean, odds.sd, points);
    chart.yMax = ceiling;
    for (const engine::SessionPoint& point : points) {
        if (point.wagered <= 0) continue;
        const double x = point.game;
        chart.series.push_back({x, std::min(percentOf(point.won, point.wagered), ceiling)});
        const double spread = 200 * odds.sd / std::sqrt(x);
        chart.mean.push_back({x, mean});
        chart.bandLow.push_back({x, std::max(0.0, mean - spread)});
        chart.bandHigh.push_back({x, std::min(ceiling, mean + spread)});
    }
    return chart;
}

}  // namespace quorvel::info
