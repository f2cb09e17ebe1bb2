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

// Twice the band's last half-width above the long run: the band's end stays inside the
// chart however short the session, and the funnel it narrows through shows.
double returnCeiling(double mean, double sd, const std::deque<engine::SessionPoint>& points) {
    const double games = points.empty() ? 1 : std::max(1, points.back().game);
    return mean + 400 * sd / std::sqrt(games);
}

std::string markTip(const engine::SessionPoint& point) {
    const std::string amount = engine::dollarsAndCents(std::abs(point.markAmount));
    switch (point.mark) {
        case engine::SessionMark::FreeSpins:
            return "Game " + std::to_string(point.game) + ": free spins won " + amount;
        case engine::SessionMark::Board:
            return "Game " + std::to_string(point.game) + ": board prize " + amount;
        default:
            return "Game " + std::to_string(point.game) + ": gamble " +
                   (point.markAmount < 0 ? "lost " : "won ") + amount;
    }
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

std::string luckSentence(const engine::SessionFigures& figures, const ReturnOdds& odds) {
    if (figures.games <= 0 || figures.wagered <= 0)
        return "No games yet this session: the chart starts with your first spin.";
    const double returned = double(figures.won) / double(figures.wagered);
    const int share = luckPercent(returned, odds, figures.games);
    const std::string length =
        std::to_string(figures.games) + (figures.games == 1 ? " game" : " games");
    if (share >= 100) return "Luckier than almost every session of " + length + ".";
    if (share <= 0) return "Less lucky than almost every session of " + length + ".";
    if (share >= 50)
        return "Luckier than about " + std::to_string(share) + " % of sessions of " + length + ".";
    return "Less lucky than about " + std::to_string(100 - share) + " % of sessions of " + length +
           ".";
}

ChartData creditChart(const std::deque<engine::SessionPoint>& points) {
    ChartData chart;
    chart.title = "Credit after each game";
    chart.xTitle = "Game";
    chart.yTitle = "Credit ($)";
    chart.seriesName = "Credit";
    chart.series.reserve(points.size());
    for (const engine::SessionPoint& point : points) {
        const ChartPoint at{double(point.game), point.credit / 100.0};
        chart.series.push_back(at);
        if (point.mark != engine::SessionMark::None)
            chart.marks.push_back(ChartMark{markKind(point.mark), at, markTip(point)});
    }
    return chart;
}

ChartData returnChart(const std::deque<engine::SessionPoint>& points, const ReturnOdds& odds) {
    ChartData chart;
    chart.title = "Return so far";
    chart.xTitle = "Game";
    chart.yTitle = "Return (%)";
    chart.seriesName = "Your return";
    chart.meanName = "Long-run return";
    chart.bandName = "Two standard deviations";
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
