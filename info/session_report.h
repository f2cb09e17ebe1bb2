#pragma once

#include <deque>
#include <string>

#include "engine/session.h"
#include "info/return_odds.h"
#include "platform/chart.h"
#include "platform/text_catalogue.h"

namespace quorvel::info {

// The share of sessions this long that return less than `returned` (won / wagered), by the
// normal approximation, rounded to the nearest 5 %.
int luckPercent(double returned, const ReturnOdds& odds, int games);
// Where the session falls among sessions as long, in a sentence.
std::string luckSentence(const engine::SessionFigures& figures, const ReturnOdds& odds,
                         const platform::TextCatalogue& text);

// The credit after each game, its features, board prizes and gambles marked.
platform::ChartData creditChart(const std::deque<engine::SessionPoint>& points,
                                const platform::TextCatalogue& text);
// The return so far after each game, in percent, against the long-run return and the band
// two standard deviations of a session's mean return either side of it.
platform::ChartData returnChart(const std::deque<engine::SessionPoint>& points,
                                const ReturnOdds& odds, const platform::TextCatalogue& text);

}  // namespace quorvel::info
