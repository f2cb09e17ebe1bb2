#include <algorithm>
#include <tuple>

#include "game_fixture.h"

using namespace quorvel;
using namespace quorvel::testing_support;
using screen::WinTier;

namespace {

// Draws found for 25 lines at 1 cent a line (a total bet of 25): each pays just under or
// exactly 15, 50 and 100 total bets, with no free spins and no board.
struct Draw {
    std::array<int, 5> stops;
    std::int32_t pays;
    WinTier tier;
};
constexpr Draw kDraws[] = {
    {{1, 1, 2, 9, 11}, 370, WinTier::None},    {{1, 1, 3, 7, 7}, 375, WinTier::Big},
    {{1, 3, 9, 12, 21}, 1245, WinTier::Big},   {{1, 1, 15, 21, 2}, 1250, WinTier::Mega},
    {{2, 1, 12, 15, 13}, 2495, WinTier::Mega}, {{1, 1, 8, 12, 7}, 2500, WinTier::Epic},
};
// A free spin paying 20 (the largest free-spin win under the total bet of 25).
constexpr std::array<int, 5> kTwentyStops{1, 3, 6, 1, 1};

struct Celebrations : GameTest {
    const screen::Celebration& show = q.celebration();

    void spin(const std::array<int, 5>& stops) {
        queueSpin(stops);
        spinButton();
    }
    // Three chests (125), then ten free spins of two chests (25 each), the last paying
    // `last` instead; the feature ends waiting for Collect.
    void playFeature(const std::array<int, 5>& last) {
        queueSpin(kThreeChestStops);
        for (int i = 0; i < 9; ++i)
            queueSpin(kTwoChestStops);
        queueSpin(last);
        spinButton();
        ASSERT_TRUE(p.runUntil([&] { return shown("takewin"); }, 120'000));
    }
    int banner() const { return w.at("celebration").picture().index; }
    // How long the celebration runs on from now, in virtual milliseconds.
    std::int64_t runsFor(std::int64_t limitMs) {
        const std::int64_t from = p.clock.now();
        EXPECT_TRUE(p.runUntil([&] { return !show.running(); }, limitMs));
        return p.clock.now() - from;
    }
};

}  // namespace

TEST_F(Celebrations, StartAtFifteenFiftyAndAHundredTotalBetsOfASpinOrAFeature) {
    startWithCredit(100'000);
    for (const Draw& draw : kDraws) {
        const std::int32_t bank = player.bank;
        spin(draw.stops);
        ASSERT_EQ(run.spinwin, draw.pays) << "the draw moved: the table above needs finding again";
        EXPECT_EQ(show.tier(), draw.tier) << draw.pays;
        EXPECT_EQ(shown("celebration"), draw.tier != WinTier::None) << draw.pays;
        // Mid-count the amount climbs and the coins fall; the meter counts as it always did.
        p.runFor(1000);
        const auto trail = sounds();
        const std::string fanfare = draw.tier == WinTier::Big    ? "138"
                                    : draw.tier == WinTier::Mega ? "139"
                                                                 : "140";
        EXPECT_EQ(std::count(trail.begin(), trail.end(), fanfare),
                  draw.tier == WinTier::None ? 0 : 1)
            << draw.pays;
        if (draw.tier == WinTier::None) continue;
        EXPECT_EQ((banner() + 1) / 2, static_cast<int>(draw.tier)) << "the tier's own banner";
        const std::int32_t half = show.shownAmount();
        EXPECT_GT(half, 0);
        EXPECT_LT(half, draw.pays);
        EXPECT_EQ(text("celebrationamount"), std::to_string(half));
        const int coinTop = w.at("celebrationcoin", 1).top();
        p.runFor(200);
        EXPECT_NE(w.at("celebrationcoin", 1).top(), coinTop);
        ASSERT_TRUE(p.runUntil([&] { return show.atRest(); }, 5000));
        EXPECT_EQ(text("celebrationamount"), std::to_string(draw.pays));
        runsFor(4000);
        EXPECT_FALSE(shown("celebration"));
        EXPECT_EQ(text("LABWIN"), std::to_string(draw.pays));
        EXPECT_EQ(player.bank, bank - 25 + draw.pays) << "it only shows";
    }
    // A feature's whole total counts once collected: 125 + 9 x 25 + 20 = 370, then 375.
    for (const auto& [last, total, tier] : {std::tuple{kTwentyStops, 370, WinTier::None},
                                            std::tuple{kTwoChestStops, 375, WinTier::Big}}) {
        playFeature(last);
        EXPECT_FALSE(show.running()) << "free spins do not celebrate one by one";
        click("takewin");
        EXPECT_EQ(run.featurewin, total);
        EXPECT_EQ(show.tier(), tier) << total;
        EXPECT_EQ(shown("celebration"), tier != WinTier::None);
        spin(kLosingStops);
        EXPECT_FALSE(shown("celebration")) << "a new spin ends it at once";
    }
}

TEST_F(Celebrations, AClickOrTheSpaceBarSkipsAndAutoplayKeepsItToThreeSeconds) {
    startWithCredit(100'000);
    const Draw& epic = kDraws[5];
    // A click lands the count on the win; a second click at rest ends it.
    spin(epic.stops);
    p.runFor(500);
    down("celebration");
    EXPECT_TRUE(show.atRest());
    EXPECT_EQ(text("celebrationamount"), "2500");
    down("celebrationcoin", 4);
    EXPECT_FALSE(show.running());
    EXPECT_EQ(player.games, 1) << "no click on it spins";

    // The space bar spins as ever, and the spin ends the celebration.
    spin(epic.stops);
    queueSpin(kLosingStops);
    key(' ');
    EXPECT_EQ(player.games, 3);
    EXPECT_FALSE(show.running());
    EXPECT_FALSE(shown("celebration"));

    // Left alone, an epic win counts for 4.5 s and rests for 3, with nothing started.
    spin(epic.stops);
    const std::int64_t alone = runsFor(10'000);
    EXPECT_GE(alone, 7500);
    EXPECT_LE(alone, 7600) << "behind the paid lines' sleeping ticks it keeps its length";
    EXPECT_EQ(player.games, 4);

    // Under autoplay it is over within three seconds, and the space bar, which cannot
    // spin there, hurries it. Autoplay is turned off after its first spin: no next spin cuts
    // the celebration short.
    queueSpin(epic.stops);
    down("autoplayon");
    up("autoplayon");
    down("autoplayon");
    up("autoplayon");
    ASSERT_EQ(show.tier(), WinTier::Epic);
    const std::int64_t hurried = runsFor(10'000);
    EXPECT_GT(hurried, 2500);
    EXPECT_LE(hurried, 3000);
    queueSpin(epic.stops);
    down("autoplayon");
    up("autoplayon");
    p.runFor(300);
    key(' ');
    EXPECT_TRUE(show.atRest());
    EXPECT_EQ(text("celebrationamount"), "2500");
    EXPECT_EQ(player.games, 6) << "the key under autoplay spins nothing";
    // Autoplay spins on when it would have.
    queueSpin(kLosingStops);
    ASSERT_TRUE(p.runUntil([&] { return player.games == 7; }, 3000));
    EXPECT_FALSE(show.running());
}

TEST(CelebrationsAlone, LeaveTheCreditTheBooksAndTheMeterAsAGameWithoutThem) {
    // Two cabinets play the same draws; in one every celebration is clicked away at once.
    using Game = LoneGame;
    Game left, cut;
    for (Game* game : {&left, &cut}) {
        game->p.store.write("quorvel", "player1", "bank", "5000");
        game->p.store.write("quorvel", "player1", "winroll", "1");
        game->q.Form_Load();
        for (const auto& stops : {kDraws[5].stops, kThreeChestStops})
            queueSpinDraws(game->p.random, stops);
        for (int i = 0; i < 10; ++i)
            queueSpinDraws(game->p.random, kTwoChestStops);
        queueSpinDraws(game->p.random, kDraws[3].stops);
    }
    auto sameSoFar = [&](const char* when) {
        const engine::PlayerValues& a = left.q.player();
        const engine::PlayerValues& b = cut.q.player();
        EXPECT_EQ(std::tie(a.bank, a.wager, a.totalwon, a.games),
                  std::tie(b.bank, b.wager, b.totalwon, b.games))
            << when;
        const engine::Books& x = left.q.books();
        const engine::Books& y = cut.q.books();
        EXPECT_EQ(std::tie(x.freeSpinFeatures, x.freeSpinsPlayed, x.gambles),
                  std::tie(y.freeSpinFeatures, y.freeSpinsPlayed, y.gambles))
            << when;
        EXPECT_EQ(left.q.window().at("LABWIN").caption(), cut.q.window().at("LABWIN").caption())
            << when;
        EXPECT_EQ(left.p.store.read("quorvel", "player1", "bank"),
                  cut.p.store.read("quorvel", "player1", "bank"))
            << when;
    };
    auto both = [&](auto act) {
        act(left);
        act(cut);
        if (cut.q.celebration().running()) {
            cut.press("celebration");
            cut.press("celebration");
        }
    };
    both([](Game& g) { g.press("btnspin"); });
    ASSERT_TRUE(left.q.celebration().running());
    for (int step = 0; step < 60; ++step) {
        both([](Game& g) { g.p.runFor(50); });
        sameSoFar("counting an epic win");
    }
    both([](Game& g) { g.press("btnspin"); });
    for (Game* game : {&left, &cut})
        ASSERT_TRUE(
            game->p.runUntil([&] { return game->q.window().at("takewin").shown(); }, 120'000));
    both([](Game& g) {
        g.q.window().dispatch(g.q.window().at("takewin"), platform::EventKind::Click);
        g.p.runFor(0);
    });
    sameSoFar("the feature collected");
    both([](Game& g) { g.press("btnspin"); });
    both([](Game& g) { g.p.runFor(6000); });
    sameSoFar("a mega win counted");
    EXPECT_EQ(left.q.player().bank, 5000 - 75 + 2500 + 375 + 1250);
}
