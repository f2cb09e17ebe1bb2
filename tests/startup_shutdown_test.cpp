#include "game_fixture.h"
#include "players/settings_layout.h"
#include "screen/sound_cues.h"

using namespace quorvel;
using Strings = std::vector<std::string>;

namespace {

struct StartUp : testing_support::GameTest {};

const Strings kPlayerKeys{"sizescreen", "howmanyspins", "soundonoff",     "machinepay",
                          "winroll",    "reelspeed",    "amountinvested", "wager",
                          "total",      "bank",         "games",          "currentplayer",
                          "grandwon",   "majorwon",     "minorwon",       "jackpotbank"};

}  // namespace

TEST_F(StartUp, AFreshStoreStartsWithNothingButTheTwoRepairs) {
    start();
    EXPECT_EQ(w.caption(), "Current Player       ");
    EXPECT_EQ(text("panelbank"), "0");
    EXPECT_EQ(text("Lblcredit"), "$ 0");
    for (const char* meter : {"lblgrand", "lblmajor", "lblminor"})
        EXPECT_EQ(text(meter), "$ 0") << meter;
    EXPECT_EQ(player.machinepay, 4);
    EXPECT_EQ(player.reelspeed, 1);
    EXPECT_EQ(player.soundonoff, 0);
    EXPECT_EQ(text("lbllines"), "25");
    EXPECT_EQ(text("lblbet"), "1");
    EXPECT_EQ(run.betstep, 1);
    for (int k = 1; k <= 25; ++k) {
        EXPECT_EQ(w.at("lin", k).picture(), (platform::Picture{"linepics", k})) << k;
        EXPECT_FALSE(enabled("lin", k)) << k;
    }
    EXPECT_TRUE(enabled("lin", 26));
    for (int cell = 1; cell <= 15; ++cell)
        EXPECT_EQ(w.at("flasher", cell).picture(), (platform::Picture{"ImageList2", 19}));
    EXPECT_EQ(w.mousePointer(), platform::MousePointer::Arrow);
    EXPECT_TRUE(w.visible());
    EXPECT_TRUE(p.sound.calls().empty()) << "sounds are off";
    for (const auto& timer : {"tmrtick", "tmrautospin", "Timerwincounter", "tmrlineflash"})
        EXPECT_FALSE(p.clock.enabled(timer)) << timer;
    EXPECT_TRUE(p.clock.enabled("tmrshowbuttons"));
    // All 36 recordings are asked for, in order, and nothing else.
    const auto& asked = p.resources.requested();
    ASSERT_EQ(asked.size(), 36u);
    for (std::size_t i = 0; i < asked.size(); ++i)
        EXPECT_EQ(asked[i], screen::cue::kRecordings[i]);
    EXPECT_EQ(asked.front(), "RESOURCE_ID_102");
    EXPECT_EQ(asked.back(), "RESOURCE_ID_140");
}

TEST_F(StartUp, AReturningPlayerGetsSlotOneWithItsSound) {
    store("currentplayer", "Anne Bonny");
    store("bank", "123456");
    store("grand", "2000150", "allslot");
    store("soundonoff", "-1");
    store("reelspeed", "8");
    store("machinepay", "2");
    p.store.write("quorvel", "player2", "bank", "999");
    q.Form_Load();
    EXPECT_EQ(w.caption(), "Current Player       Anne Bonny");
    EXPECT_EQ(text("panelbank"), "123456");
    EXPECT_EQ(text("Lblcredit"), "$ 1234.56");
    EXPECT_EQ(text("lblgrand"), "$ 20001.5");
    EXPECT_EQ(player.reelspeed, 8);
    EXPECT_EQ(player.machinepay, 2);
    EXPECT_EQ(p.sound.played(), (Strings{"RESOURCE_ID_117"}));
}

TEST_F(StartUp, BadStoredValuesLeaveTheirVariablesAlone) {
    store("bank", "abc");
    store("soundonoff", "99999");  // outside 16 bits
    store("wager", "12x");
    store("games", "1.5");
    store("total", " ");
    store("machinepay", "0");
    store("reelspeed", "-3");
    store("amountinvested", "99999999999");
    store("howmanyspins", "+7");
    store("minor", "-250", "allslot");
    start();
    EXPECT_EQ(player.bank, 0);
    EXPECT_EQ(player.soundonoff, 0);
    EXPECT_EQ(player.wager, 0);
    EXPECT_EQ(player.games, 0);
    EXPECT_EQ(player.totalwon, 0);
    EXPECT_EQ(player.machinepay, 4);
    EXPECT_EQ(player.reelspeed, 1);
    EXPECT_EQ(player.amountinvested, 0);
    EXPECT_EQ(player.howmanyspins, 7);
    EXPECT_EQ(player.minor, -250) << "a number in range is taken as it stands";
}

TEST(StoredNumbers, OnlyWholeDecimalNumbersConvert) {
    using players::parseStoredInteger;
    EXPECT_EQ(parseStoredInteger("2500"), 2500);
    EXPECT_EQ(parseStoredInteger("-1"), -1);
    EXPECT_EQ(parseStoredInteger("+12"), 12);
    EXPECT_EQ(parseStoredInteger("000000000000000000001234"), 1234);
    EXPECT_EQ(parseStoredInteger("-00000000000000000000007"), -7);
    for (const char* bad :
         {"", "-", "+", "+-1", "1e3", "0x10", "12 ", " 12", "١٢", "99999999999999999999"})
        EXPECT_FALSE(parseStoredInteger(bad).has_value()) << bad;
    EXPECT_EQ(players::slotSection("3"), "player3");
    EXPECT_EQ(players::slotSection("7"), "player");
    EXPECT_EQ(players::slotSection(""), "player");
}

TEST_F(StartUp, ShutDownWritesEveryKeyOfTheCurrentSlot) {
    startWithCredit(1000, false);
    queueSpin(testing_support::kTenCentStops);
    spinButton();
    const std::string slot = "3", name = "Mary Read";
    arrange([&](auto&, auto& v) {
        v.playerslot = slot;
        v.currentplayer = name;
    });
    p.sound.clear();
    p.closeRequest(w);
    p.runFor(0);
    EXPECT_TRUE(q.ended());
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(sounds(), (Strings{"130"})) << "the exit click plays with sounds off";
    const std::map<std::string, std::string> expected{{"bank", "985"},
                                                      {"wager", "25"},
                                                      {"total", "10"},
                                                      {"games", "1"},
                                                      {"soundonoff", "0"},
                                                      {"machinepay", "4"},
                                                      {"reelspeed", "1"},
                                                      {"winroll", "0"},
                                                      {"amountinvested", "1000"},
                                                      {"currentplayer", "Mary Read"},
                                                      {"sizescreen", "0"},
                                                      {"howmanyspins", "0"},
                                                      {"grandwon", "0"},
                                                      {"majorwon", "0"},
                                                      {"minorwon", "0"},
                                                      {"jackpotbank", "0"}};
    for (const auto& key : kPlayerKeys)
        EXPECT_EQ(stored(key, "player3"), expected.at(key)) << key;
    EXPECT_EQ(stored("grand", "player3", "allslot"), "2000000");
    EXPECT_EQ(stored("minor", "player3", "allslot"), "2000");
    // The display goes back to the desktop's mode: width and height 0, only they count.
    ASSERT_EQ(p.display.changes().size(), 1u);
    EXPECT_EQ(p.display.changes()[0].width, 0);
    EXPECT_EQ(p.display.changes()[0].fields, 3u);
    for (const char* timer : {"tmrshowbuttons", "tmrtick", "tmrlineflash", "Timerwincounter"})
        EXPECT_FALSE(p.clock.enabled(timer)) << timer;

    // The next start takes the slot last used.
    platform::headless::HeadlessPlatform next;
    next.store = p.store;
    screen::Quorvel again(next.services());
    again.Form_Load();
    EXPECT_EQ(again.player().playerslot, "3");
    EXPECT_EQ(again.player().bank, 985);
    EXPECT_EQ(again.player().currentplayer, "Mary Read");
}

// The exit entry saves twice; the second save finds every value already stored.
TEST_F(StartUp, TheExitEntrySavesTwiceWithTheSameValues) {
    startWithCredit(700);
    const int writesBefore = p.store.writes();
    p.mouseMove(w, "btnopenmenu");
    click("xit");
    EXPECT_EQ(p.store.writes() - writesBefore, 19 + 3 + 2 + 5 + 10 + 2)
        << "19 keys, 3 totals, 2 cabinet choices, 5 limits, 10 games, the state of play, the "
           "last slot";
    EXPECT_EQ(sounds(), (Strings{"130", "130"}));
    EXPECT_EQ(stored("bank"), "700");
    EXPECT_EQ(p.display.changes().size(), 2u);
    EXPECT_TRUE(q.ended());
    p.closeRequest(w);  // a late close request finds the program over
    p.runFor(1000);
    EXPECT_EQ(p.store.writes() - writesBefore, 19 + 3 + 2 + 5 + 10 + 2);
}

// Hand-edited totals past their range are refused, never added (a signed overflow before).
TEST_F(StartUp, StoredTotalsOutOfRangeAreRefused) {
    engine::GameRecord huge;
    huge.stops = {1, 1, 1, 1, 1};
    huge.lines = 25;
    huge.bet = 100'000'000;
    store("recall1", engine::recordText(huge));
    store("featureowed", "9223372036854775807");
    store("gamblelost", "9223372036854775807");
    store("betmultiples", "-5");
    startWithCredit(100);
    EXPECT_EQ(player.bank, 100);
    EXPECT_EQ(player.featureowed, 0);
    EXPECT_EQ(player.gamblelost, 0);
    EXPECT_EQ(player.betmultiples, 0);
    EXPECT_TRUE(player.history.games().empty()) << "a stake no cabinet offers is no game";
}

// The meters show the player's own figures from the first moment, never the design's samples;
// and line 1's right-hand marker comes back with the next spin after a blink hid it.
TEST_F(StartUp, TheMetersStartFromThePlayersFigures) {
    startWithCredit(1000);
    EXPECT_EQ(text("LABWIN"), "0");
    EXPECT_EQ(text("lblwin"), "$ 0");
    EXPECT_EQ(text("lbllast"), "25");
    EXPECT_EQ(text("lbltotallast"), "$ 0.25");
    w.at("lin", 26).hide();
    queueSpin(testing_support::kLosingStops);
    spinButton();
    EXPECT_TRUE(w.at("lin", 26).visible());
}

TEST_F(StartUp, TheGameStartsWithTheSlotLastUsed) {
    p.store.write("quorvel", "player3", "bank", "700");
    p.store.write("allslot", "player1", "lastslot", "3");
    start();
    EXPECT_EQ(player.playerslot, "3");
    EXPECT_EQ(player.bank, 700);
    p.closeRequest(w);
    p.runFor(0);
    EXPECT_EQ(stored("lastslot", "player1", "allslot"), "3");
    EXPECT_EQ(stored("bank", "player3"), "700");
}
