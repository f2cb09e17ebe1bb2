// Autoplay's own stops and the reminder of time played, driven through the real handlers
// in virtual time.
#include <regex>

#include "engine/session_text.h"
#include "game_fixture.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

using Autoplayer = LoneGame;

struct Stop {
    const char* key;
    const char* value;
    std::vector<std::array<int, 5>> draws;  // then losing spins
    int games;
    const char* sentence;
};

}  // namespace

// Each stop ends autoplay before the spin after the one that reached it, says so over the
// help strip, and the next spin brings the strip's usual face back.
TEST(AutoplayStops, EachStopEndsAutoplayAtItsSpinWithItsSentence) {
    const std::vector<Stop> stops{
        {"autostopspins", "10", {}, 10, "Autoplay stopped after 10 spins."},
        {"autostoploss", "500", {}, 20, "Autoplay stopped: the credit fell by $5.00."},
        {"autostopwin",
         "10",
         {kLosingStops, kLosingStops, kThousandStops},
         3,
         "Autoplay stopped on a win of $10.00."},
        {"autostopfeature",
         "1",
         {kLosingStops, kThreeChestStops},
         2,
         "Autoplay stopped: free spins won."},
    };
    for (const Stop& stop : stops) {
        SCOPED_TRACE(stop.key);
        Autoplayer a;
        a.p.store.write("quorvel", "player1", "bank", "2000");
        a.p.store.write("quorvel", "player1", "amountinvested", "2000");
        a.p.store.write("quorvel", "player1", stop.key, stop.value);
        a.p.store.write("quorvel", "notice", "autoplay", "-1");
        a.q.Form_Load();
        for (const auto& draw : stop.draws)
            queueSpinDraws(a.p.random, draw);
        for (int i = 0; i < 40; ++i)
            queueSpinDraws(a.p.random, kLosingStops);
        a.press("autoplayon");
        if (std::string(stop.key) == "autostopspins") {
            EXPECT_EQ(a.caption("lblautoplay"), "Autoplay: 9 spins left");
            EXPECT_TRUE(a.shown("lblautoplay"));
        }
        ASSERT_TRUE(a.p.runUntil([&] { return a.q.counters().pace.autoplaymode == 0; }, 600'000));
        EXPECT_EQ(a.q.player().games, stop.games);
        EXPECT_EQ(a.caption("lblautoplay"), stop.sentence);
        EXPECT_TRUE(a.shown("lblautoplay"));
        EXPECT_FALSE(a.q.window().at("autoplayon").value()) << "AUTO no longer lit";
        a.p.runFor(5000);
        EXPECT_EQ(a.q.player().games, stop.games) << "no spin after the stop";
        if (a.q.window().at("takewin").visible()) a.press("takewin");
        a.p.runFor(3000);
        a.press("btnspin");
        EXPECT_FALSE(a.shown("lblautoplay")) << "the next spin clears the sentence";
        EXPECT_EQ(a.q.cabinet().unexplained(), 0);
    }
}

// A reminder every 15 minutes under autoplay: it waits for a rest (never inside free spins),
// tells the session's figures, and Keep Playing lets autoplay go on.
TEST(Reminders, AReminderWaitsForRestTellsTheSessionAndKeepPlayingResumesAutoplay) {
    Autoplayer a;
    a.p.store.write("quorvel", "player1", "bank", "100000");
    a.p.store.write("quorvel", "player1", "amountinvested", "100000");
    a.p.store.write("quorvel", "player1", "reminder", "15");
    a.p.store.write("quorvel", "notice", "autoplay", "-1");
    a.q.Form_Load();
    std::vector<bool> boxInFeature;
    std::vector<engine::SessionFigures> atBox;
    a.p.messages.onShow = [&] {
        boxInFeature.push_back(a.q.cabinet().phase() != engine::Phase::Idle);
        atBox.push_back(a.q.session().figures(a.q.player(), a.p.clock.steadyMs()));
        EXPECT_EQ(atBox.back().net, a.q.player().bank - 100000);
    };
    a.press("autoplayon");
    ASSERT_TRUE(a.p.runUntil([&] { return !a.p.messages.shown().empty(); }, 16 * 60'000));
    const auto& box = a.p.messages.shown().front();
    const engine::SessionFigures& f = atBox.front();
    EXPECT_EQ(f.won - f.wagered, f.net);
    // Whole dollars and two figures of cents; a loss with a true minus sign.
    const std::regex sentence(
        "You have played 15 minutes: (\\d+) games, wagered \\$(\\d+)\\.(\\d\\d), won "
        "\\$(\\d+)\\.(\\d\\d), net ((?:\u2212)?)\\$(\\d+)\\.(\\d\\d)\\.");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(box.text, m, sentence)) << box.text;
    auto cents = [&](int at) { return std::stoll(m[at]) * 100 + std::stoll(m[at + 1]); };
    EXPECT_EQ(std::stoi(m[1]), f.games);
    EXPECT_EQ(cents(2), f.wagered);
    EXPECT_EQ(cents(4), f.won);
    EXPECT_EQ((m[6].length() ? -1 : 1) * cents(7), f.net);
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"Keep Playing", "Session", "Quit"}));
    const int gamesAtBox = a.q.player().games;
    ASSERT_TRUE(a.p.runUntil([&] { return a.q.player().games > gamesAtBox + 5; }, 60'000))
        << "Keep Playing (the default) lets autoplay go on";
    ASSERT_TRUE(a.p.runUntil([&] { return a.p.messages.shown().size() >= 3; }, 31 * 60'000));
    EXPECT_EQ(a.p.messages.shown()[2].text.rfind("You have played 45 minutes: ", 0), 0u);
    for (bool inFeature : boxInFeature)
        EXPECT_FALSE(inFeature) << "a box opened with play in progress";

    // Quit closes the game as the close box would.
    a.p.messages.chooseNext("Quit");
    ASSERT_TRUE(a.p.runUntil([&] { return a.q.ended(); }, 16 * 60'000));
    EXPECT_EQ(a.p.store.read("quorvel", "player1", "session"), "") << "a close ends the session";
}

// A crash cuts the session short; the next start goes on with its clock, figures and chart,
// however much of the stored chart survived.
TEST(Sessions, ACrashedSessionGoesOnWithItsClockFiguresAndChart) {
    Autoplayer a;
    a.p.store.write("quorvel", "player1", "bank", "100000");
    a.p.store.write("quorvel", "player1", "amountinvested", "100000");
    a.p.store.write("quorvel", "notice", "autoplay", "-1");
    a.q.Form_Load();
    a.press("autoplayon");
    a.p.runFor(5 * 60'000);
    const auto stored = [&] { return a.p.store.read("session1", "session", "points"); };
    ASSERT_TRUE(a.p.runUntil([&] { return a.q.cabinet().atRest() && !stored().empty(); }, 60'000));
    const auto crashed = a.p.store;  // the store as the crash left it
    const auto storedPoints = engine::sessionPointsFromText(stored());
    ASSERT_TRUE(storedPoints && storedPoints->size() > 40);

    for (const std::string damage : {"", "7 x", "5000 5 100 0 0 0 25 0"}) {
        SCOPED_TRACE("points stored as \"" + damage + "\"");
        Autoplayer b;
        b.p.store = crashed;
        if (damage != "") b.p.store.write("session1", "session", "points", damage);
        b.q.Form_Load();
        const auto& points = b.q.session().points();
        const auto f = b.q.session().figures(b.q.player(), b.p.clock.steadyMs());
        EXPECT_EQ(f.games, b.q.player().games);
        EXPECT_GE(f.seconds, storedPoints->back().ms / 1000) << "the clock goes on";
        EXPECT_EQ(f.won - f.wagered, b.q.player().bank - 100000);
        if (damage == "") {
            ASSERT_EQ(points.size(), static_cast<std::size_t>(f.games)) << "every game charted";
            EXPECT_EQ(points.front().game, 1);
            EXPECT_EQ(points.back().credit, b.q.player().bank);
            for (std::size_t i = 0; i < storedPoints->size(); ++i)
                EXPECT_EQ(points[i].won, (*storedPoints)[i].won) << "game " << i + 1;
        } else {
            ASSERT_EQ(points.size(), 0u) << "a damaged chart starts afresh";
        }
        b.press("btnspin");
        b.p.runFor(10'000);
        ASSERT_FALSE(b.q.session().points().empty());
        EXPECT_EQ(b.q.session().points().back().game, b.q.player().games);
        EXPECT_EQ(b.q.cabinet().unexplained(), 0);
    }
}
