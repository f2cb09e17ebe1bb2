// Inputs at the wrong moment and damaged stored records: none of them moves money wrongly.
#include "engine/play_record.h"
#include "game_fixture.h"
#include "players/settings_layout.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {
struct OrderOfPlay : GameTest {};
}  // namespace

// Space starts a spin; AUTO and BET pressed while its reels turn must neither start a second
// spin nor change what the first was charged and recorded at.
TEST_F(OrderOfPlay, PressesWhileTheReelsTurnStartNoSpinInsideTheSpin) {
    startWithCredit(1000);
    arrange([](auto&, auto& v) {
        v.reelspeed = 10;
        v.quickstop = 0;
    });
    queueSpin(kTenCentStops);
    queueSpin(kThousandStops);
    const auto t = p.clock.now();
    p.pressAt(t + 300, w, "autoplayon");
    p.pressAt(t + 400, w, "btnbet");
    key(' ');
    ASSERT_TRUE(
        p.runUntil([&] { return player.games >= 1 && !q.cabinet().spinRunning(); }, 20'000));
    EXPECT_EQ(player.games, 1) << "one spin, one charge";
    EXPECT_EQ(q.deepestSpin(), 1);
    EXPECT_EQ(player.bank, 1000 - 25 + 10);
    ASSERT_EQ(player.history.games().size(), 1u);
    EXPECT_EQ(player.history.games().front().bet, 1) << "the stake it was charged";
    EXPECT_EQ(player.history.games().front().win, 10);
    EXPECT_EQ(q.cabinet().unexplained(), 0);
}

// A hostile or damaged record is refused whole: play starts idle, the money the books say
// was in play returns to the credit, and the player is told.
TEST_F(OrderOfPlay, ADamagedStateOfPlayIsRefusedAndItsMoneyReturned) {
    struct Damage {
        const char* what;
        std::function<void(engine::RunState&, engine::PlayState&)> edit;
        std::string raw;
    };
    const std::vector<Damage> damages{
        {"played past target",
         [](auto& r, auto& s) {
             s.featureOwed = true;
             r.freespinmode = -1;
             r.freespinsplayed = 12;
             r.freespintarget = 11;
         },
         ""},
        {"owed feature, no spins",
         [](auto& r, auto& s) {
             s.featureOwed = true;
             r.freespinmode = -1;
         },
         ""},
        {"unreachable stake at risk",
         [](auto& r, auto& s) {
             s.gamble = engine::PlayState::Gamble{};
             r.atrisk = 2'000'000'000;
             r.gamblestake = 0;
         },
         ""},
        {"a win the reels do not show",
         [](auto& r, auto& s) {
             s.winUnsettled = true;
             r.stop = {0, 1, 4, 3, 1, 1};
             r.spinwin = 2'000'000'000;
         },
         ""},
        {"a prize its stop does not give",
         [](auto& r, auto& s) {
             s.board = engine::PlayState::Board{true};
             r.ballstop = 2;
             r.jackpotprize = 2'000'000'000;
         },
         ""},
        {"a fraction", nullptr, R"("reel3":1.5)"},
        {"a gamble that is a number", nullptr, R"("gamble":5)"},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        platform::headless::HeadlessPlatform first;
        first.store.write("quorvel", "player1", "bank", "1000");
        first.store.write("quorvel", "player1", "amountinvested", "1000");
        engine::RunState run;
        engine::PlayState play;
        std::string text;
        if (damage.edit) {
            damage.edit(run, play);
            text = engine::playText(run, play);
        } else {
            text = engine::playText(run, play);
            // Replace the stored value itself: a duplicate key would only be overridden.
            const std::string key = damage.raw.substr(0, damage.raw.find(':') + 1);
            const auto at = text.find(key);
            if (at == std::string::npos)
                text.insert(1, damage.raw + ",");
            else
                text.replace(at, text.find_first_of(",}", at) - at, damage.raw);
        }
        first.store.write("quorvel", "player1", players::kPlayKey, text);
        screen::Quorvel game(first.services());
        game.Form_Load();
        EXPECT_EQ(game.cabinet().phase(), engine::Phase::Idle);
        EXPECT_EQ(game.player().bank, 1000);
        EXPECT_EQ(game.cabinet().unexplained(), 0);
        EXPECT_EQ(first.store.read("quorvel", "player1", players::kRefusedPlayKey), text);
        ASSERT_EQ(first.messages.shown().size(), 1u);
        EXPECT_NE(first.messages.shown()[0].text.find("could not be restored"), std::string::npos);
    }
}

// A gamble's stake out of the credit comes back when its record is refused.
TEST_F(OrderOfPlay, ARefusedGambleGivesItsStakeBack) {
    platform::headless::HeadlessPlatform first;
    first.store.write("quorvel", "player1", "bank", "975");
    first.store.write("quorvel", "player1", "amountinvested", "1000");
    first.store.write("quorvel", "player1", "wager", "25");
    first.store.write("quorvel", "player1", "total", "10");
    engine::RunState run;
    engine::PlayState play;
    play.gamble = engine::PlayState::Gamble{};
    run.gamblestake = 10;
    run.atrisk = 30;  // no guesses reach three times the stake
    first.store.write("quorvel", "player1", players::kPlayKey, engine::playText(run, play));
    screen::Quorvel game(first.services());
    game.Form_Load();
    EXPECT_EQ(game.cabinet().phase(), engine::Phase::Idle);
    EXPECT_EQ(game.player().bank, 985) << "the 10 staked";
    EXPECT_EQ(game.cabinet().unexplained(), 0);
    ASSERT_EQ(first.messages.shown().size(), 1u);
    EXPECT_NE(first.messages.shown()[0].text.find("$ 0.1"), std::string::npos);
}
