#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorvel::platform {

struct ChartPoint {
    double x = 0, y = 0;
    bool operator==(const ChartPoint&) const = default;
};

// A point the chart singles out, drawn in its kind's colour with its own tooltip.
enum class ChartMarkKind { FreeSpins, Board, Gamble };

struct ChartMark {
    ChartMarkKind kind = ChartMarkKind::FreeSpins;
    ChartPoint at;
    std::string tooltip;
    bool operator==(const ChartMark&) const = default;
};

// What a chart element shows, as plain figures: the toolkit chooses how to draw it.
struct ChartData {
    std::string title;
    std::string xTitle, yTitle;
    std::string seriesName;
    std::vector<ChartPoint> series;
    std::vector<ChartMark> marks;
    // The legend's name of each kind of mark, in ChartMarkKind's order.
    std::array<std::string, 3> markNames;
    // An expected value drawn as a line, and a band between two lines around it.
    std::string meanName;
    std::vector<ChartPoint> mean;
    std::string bandName;
    std::vector<ChartPoint> bandLow, bandHigh;
    // The top of the value axis; 0 lets the toolkit fit it to the figures.
    double yMax = 0;
    bool operator==(const ChartData&) const = default;
};

}  // namespace quorvel::platform
