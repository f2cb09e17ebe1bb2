#include <cmath>
#include <numeric>

#include "engine/money.h"
#include "game_fixture.h"
#include "info/return_odds.h"
#include "info/session_report.h"
#include "math/volatility.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

struct SessionWindowTest : GameTest {
    void f3() { keyDown(platform::kKeyF3); }
    platform::Window* sessionWindow() { return openWindow("quorvelsession"); }
    std::string shownText(const char* name) { return sessionWindow()->at(name).caption(); }
};

}  // namespace

TEST_F(SessionWindowTest, FiguresChartAndBandFollowTheBooksAndF3WaitsForRest) {
    startWithCredit(1000);
    f3();
    ASSERT_NE(sessionWindow(), nullptr);
    EXPECT_EQ(shownText("lblluck"),
              "No games yet this session: the chart starts with your first spin.");
    EXPECT_TRUE(sessionWindow()->at("chtcredit").chart().series.empty());
    sessionWindow()->keyPress(platform::kKeyEscape);
    ASSERT_EQ(sessionWindow(), nullptr) << "Escape closes it";

    queueSpin(kLosingStops);
    p.mouseDown(w, "btnspin");
    p.keyDown(w, platform::kKeyF3);
    p.runFor(0);
    up("btnspin");
    EXPECT_EQ(sessionWindow(), nullptr) << "refused mid-spin";

    queueSpin(kTenCentStops);
    spinButton();
    down("doublebutton");
    f3();
    EXPECT_EQ(sessionWindow(), nullptr) << "refused with a stake on the gamble panel";
    p.random.queueDraw(2, 4);
    click("betblack");
    click("cancelbet");

    playLosingFreeSpinsAndCollect();
    queueSpin(kLosingStops);
    spinButton();

    p.mouseMove(w, "btnopenmenu");
    click("mnusession");
    ASSERT_NE(sessionWindow(), nullptr);
    EXPECT_FALSE(w.enabled());

    // Each game's own credit change, summed, is the session's net: no coins went in.
    const auto& games = player.history.games();
    ASSERT_EQ(games.size(), 4u);
    const std::int64_t net = std::accumulate(games.begin(), games.end(), std::int64_t{0},
                                             [](std::int64_t sum, const engine::GameRecord& g) {
                                                 return sum + g.bankAfter - g.bankBefore;
                                             });
    EXPECT_EQ(net, player.bank - 1000);
    const std::int64_t wagered = 4 * 25;
    EXPECT_EQ(shownText("lblgames"), "Games: 4");
    EXPECT_EQ(shownText("lblwagered"), "Wagered: " + engine::dollarsAndCents(wagered));
    EXPECT_EQ(shownText("lblnet"), "Net: " + engine::dollarsAndCents(net));
    EXPECT_EQ(shownText("lblwon"), "Won: " + engine::dollarsAndCents(net + wagered));
    EXPECT_EQ(shownText("lblbiggest"),
              "Biggest win: " + engine::dollarsAndCents(games[1].win + games[1].freeSpinTotal));
    EXPECT_EQ(shownText("lblfeatures"), "Features won: free spins 1, boards 0");

    const platform::ChartData& credit = sessionWindow()->at("chtcredit").chart();
    ASSERT_EQ(credit.series.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(credit.series[i].x, double(i + 1));
        EXPECT_DOUBLE_EQ(credit.series[i].y, games[3 - i].bankAfter / 100.0) << "game " << i + 1;
    }
    ASSERT_EQ(credit.marks.size(), 2u);
    EXPECT_EQ(credit.marks[0].kind, platform::ChartMarkKind::Gamble);
    EXPECT_EQ(credit.marks[0].tooltip, "Game 2: gamble won $0.20");
    EXPECT_EQ(credit.marks[1].kind, platform::ChartMarkKind::FreeSpins);
    EXPECT_EQ(credit.marks[1].tooltip,
              "Game 3: free spins won " + engine::dollarsAndCents(games[1].freeSpinTotal));

    // The band is the long run's two standard deviations of a mean over so many games.
    const math::Volatility v = math::volatility(info::spinTally(25), 25, player.machinepay);
    const platform::ChartData& ret = sessionWindow()->at("chtreturn").chart();
    ASSERT_EQ(ret.series.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const double n = double(i + 1);
        const double spread = 200 * v.sd / std::sqrt(n);
        EXPECT_NEAR(ret.mean[i].y, 100 * v.meanBets, 1e-9);
        EXPECT_NEAR(ret.bandHigh[i].y, std::min(ret.yMax, 100 * v.meanBets + spread), 1e-9);
        EXPECT_NEAR(ret.bandLow[i].y, std::max(0.0, 100 * v.meanBets - spread), 1e-9);
    }
    EXPECT_NEAR(ret.series[3].y, std::min(ret.yMax, 100.0 * double(net + wagered) / wagered), 1e-9);
    EXPECT_LT(ret.bandHigh.back().y, ret.yMax) << "the band's end shows below the chart's top";
    const std::string luck = shownText("lblluck");
    EXPECT_TRUE(luck.starts_with("Luckier than about ")) << luck;
    EXPECT_TRUE(luck.ends_with(" % of sessions of 4 games.")) << luck;
}

// Sessions as far above the long run as others fall below it split the hundred between them.
TEST(SessionLuck, SharesAreSymmetricMonotonicAndInFives) {
    const info::ReturnOdds odds{0.95, 6.0};
    const platform::SourceCatalogue english;
    int last = 0;
    for (double r = 0; r <= 2; r += 0.05) {
        const int share = info::luckPercent(r, odds, 400);
        EXPECT_EQ(share % 5, 0);
        EXPECT_GE(share, last) << r;
        EXPECT_EQ(share + info::luckPercent(2 * odds.mean - r, odds, 400), 100) << r;
        last = share;
    }
    EXPECT_EQ(info::luckSentence({.games = 400, .wagered = 10'000, .won = 4'500}, odds, english),
              "Less lucky than about 95 % of sessions of 400 games.");
    EXPECT_EQ(info::luckSentence({.games = 1, .wagered = 25, .won = 25'000}, odds, english),
              "Luckier than almost every session of 1 game.");
}
