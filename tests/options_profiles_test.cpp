#include "options_fixture.h"

namespace quorvel {
namespace {

using platform::Answer;
using testing_support::OptionsTest;

TEST_F(OptionsTest, AFreshStoreListsSixVacantSlotsAndTitlesOnly) {
    start();
    openOptions();
    EXPECT_EQ(options->caption(), "Quorvel Options");
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(opt("machine", slot), "Vacant") << slot;
    EXPECT_TRUE(selected("machine", 1));
    EXPECT_EQ(opt("lblcurrentplayer"), "Current Player    ");
    EXPECT_EQ(opt("lblgames"), "Games Played      ");
    EXPECT_EQ(opt("lblwager"), "Total Wagered     ");
    EXPECT_EQ(opt("lbltotalwon"), "Total Won      ");
    EXPECT_EQ(opt("lblwinlose"), "Winning/Losing     ");
    EXPECT_EQ(opt("lblreturned"), "Returned To Player     ");
    EXPECT_EQ(opt("lblinvested"), "Total Invested      ");
    EXPECT_EQ(opt("lblfreespins"), "Freespins Won     ");
    EXPECT_EQ(opt("lblgrandwon"), "Grand Jackpots Won     ");
    EXPECT_EQ(opt("lblmajorwon"), "Major jackpots Won     ");
    EXPECT_EQ(opt("lblminorwon"), "Minor Jackpots Won     ");
    EXPECT_FALSE(w.enabled());
    EXPECT_FALSE(enabled("doublebutton"));
    // Opening saves the profile in use, so the store now holds slot 1's keys.
    EXPECT_EQ(stored("machinepay"), "4");
    EXPECT_EQ(stored("reelspeed"), "1");
}

TEST_F(OptionsTest, NamingAVacantSlotStoresTheNameAndShowsItInCapitals) {
    start();
    openOptions();
    enterName("Anne Bonny");
    EXPECT_EQ(opt("machine", 1), "ANNE BONNY");
    EXPECT_EQ(opt("lblcurrentplayer"), "Current Player  ANNE BONNY");
    EXPECT_EQ(opt("player1"), "");
    EXPECT_EQ(w.caption(), "Current Player       ANNE BONNY");
    EXPECT_EQ(stored("currentplayer"), "Anne Bonny");
    EXPECT_EQ(text("panelbank"), "0");
    EXPECT_EQ(text("Lblcredit"), "$ 0");
}

TEST_F(OptionsTest, AnEmptyOrLongNameIsRefusedWithItsMessage) {
    put(1, "currentplayer", "Mary");
    start();
    openOptions();
    enterName("");
    enterName("Thirteen char");
    ASSERT_EQ(p.messages.shown().size(), 2u);
    EXPECT_EQ(p.messages.shown()[0].text, "Nothing Entered");
    EXPECT_EQ(p.messages.shown()[0].title, "Slots_Quorvel");
    EXPECT_EQ(p.messages.shown()[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(p.messages.shown()[1].text, "Name Too Long");
    EXPECT_EQ(player.currentplayer, "Mary");
    EXPECT_EQ(opt("lblcurrentplayer"), "Current Player  MARY");
    EXPECT_EQ(opt("player1"), "");
    enterName("Twelve chars");
    EXPECT_EQ(p.messages.shown().size(), 2u);
    EXPECT_EQ(stored("currentplayer"), "Twelve chars");
}

// Twelve letters of two bytes each: characters count, not bytes.
TEST_F(OptionsTest, TwelveGreekOrCyrillicLettersAreAName) {
    start();
    openOptions();
    enterName("Αλεξάνδρεια!");
    clickOpt("machine", 2);
    enterName("Александрина");
    EXPECT_TRUE(p.messages.shown().empty());
    EXPECT_EQ(stored("currentplayer", "player1"), "Αλεξάνδρεια!");
    EXPECT_EQ(stored("currentplayer", "player2"), "Александрина");
    EXPECT_EQ(opt("machine", 2), "АЛЕКСАНДРИНА");
    enterName("Αλεξάνδρειας!");
    EXPECT_EQ(p.messages.shown().at(0).text, "Name Too Long");
}

TEST_F(OptionsTest, AnyCharactersReadBackUnchanged) {
    start();
    openOptions();
    const std::string names[] = {"a=b", "[x]", "semi;colon", "back\\slash", "two\nlines\x1b"};
    int slot = 1;
    for (const std::string& name : names) {
        clickOpt("machine", slot);
        enterName(name);
        // Control characters never reach the name: ESC, a line break.
        EXPECT_EQ(stored("currentplayer", "player" + std::to_string(slot)),
                  slot == 5 ? "twolines" : name);
        ++slot;
    }
    EXPECT_EQ(w.caption(), "Current Player       TWOLINES");
    clickOpt("machine", 4);
    EXPECT_EQ(player.currentplayer, "back\\slash");
}

TEST_F(OptionsTest, TypingGoesIntoTheNameBoxKeyByKey) {
    start();
    openOptions();
    for (int key : {int{'J'}, int{'a'}, int{'c'}, int{'k'}, int{'x'}, platform::keys::kBackspace})
        options->type(key);
    EXPECT_EQ(opt("player1"), "Jack");
    options->type(platform::keys::kEnter);
    EXPECT_EQ(player.currentplayer, "Jack");
    EXPECT_EQ(opt("player1"), "");
}

TEST_F(OptionsTest, SwitchingSlotsAndBackBringsEachProfile) {
    put(1, "currentplayer", "Anne");
    put(1, "bank", "2550");
    put(1, "machinepay", "3");
    put(3, "currentplayer", "Calico");
    put(3, "bank", "700");
    put(3, "games", "2");
    put(3, "wager", "50");
    put(3, "total", "20");
    start();
    openOptions();
    EXPECT_EQ(opt("machine", 3), "CALICO");
    clickOpt("machine", 3);
    EXPECT_EQ(player.playerslot, "3");
    EXPECT_EQ(player.bank, 700);
    EXPECT_EQ(player.machinepay, 4);
    EXPECT_EQ(text("panelbank"), "700");
    EXPECT_EQ(text("Lblcredit"), "$ 7");
    EXPECT_EQ(w.caption(), "Current Player       CALICO");
    EXPECT_EQ(opt("lblcurrentplayer"), "Current Player   CALICO");
    EXPECT_EQ(opt("lblgames"), "Games Played            2");
    EXPECT_EQ(opt("lblreturned"), "Returned To Player     % 40");
    EXPECT_TRUE(selected("Amtpayout", 0));
    EXPECT_EQ(options->focus(), &options->at("player1"));
    clickOpt("machine", 1);
    EXPECT_EQ(player.bank, 2550);
    EXPECT_EQ(player.machinepay, 3);
    EXPECT_TRUE(selected("Amtpayout", 1));
    EXPECT_EQ(text("Lblcredit"), "$ 25.5");
    EXPECT_EQ(w.caption(), "Current Player       ANNE");
    EXPECT_EQ(opt("lblgames"), "Games Played          ");
    EXPECT_EQ(opt("lblreturned"), "Returned To Player ");
    EXPECT_EQ(opt("lblcurrentplayer"), "Current Player    ANNE");
}

TEST_F(OptionsTest, AVacantSlotShowsNoCreditAndTakesANameWithIt) {
    put(1, "bank", "5000");
    start();
    openOptions();
    clickOpt("machine", 5);
    EXPECT_EQ(text("Lblcredit"), "$ 0");
    EXPECT_EQ(opt("machine", 5), "Vacant");
    enterName("Read");
    EXPECT_EQ(stored("currentplayer", "player5"), "Read");
    EXPECT_EQ(stored("bank", "player5"), "0");
    EXPECT_EQ(stored("bank", "player1"), "5000");
}

// A slot without stored statistics must start from none, whoever played before it.
TEST_F(OptionsTest, AVacantSlotDoesNotInheritThePreviousPlayersStatistics) {
    put(1, "howmanyspins", "5");
    put(1, "grandwon", "2");
    put(1, "majorwon", "1");
    put(1, "minorwon", "3");
    put(1, "jackpotbank", "777");
    put(1, "soundonoff", "-1");
    put(1, "sizescreen", "800");
    put(1, "games", "9");
    put(1, "grand", "100000", "allslot");
    put(1, "major", "20000", "allslot");
    put(1, "minor", "3000", "allslot");
    start();
    openOptions();
    clickOpt("machine", 4);
    EXPECT_EQ(player.howmanyspins, 0);
    EXPECT_EQ(player.grandwon, 0);
    EXPECT_EQ(player.majorwon, 0);
    EXPECT_EQ(player.minorwon, 0);
    EXPECT_EQ(player.jackpotbank, 0);
    EXPECT_EQ(player.games, 0);
    // What belongs to the cabinet rather than the player carries over.
    EXPECT_EQ(player.soundonoff, -1);
    EXPECT_EQ(player.sizescreen, 800);
    EXPECT_EQ(player.grand, 100000);
    EXPECT_EQ(player.major, 20000);
    EXPECT_EQ(player.minor, 3000);
    clickOpt("btnokplayer");
    EXPECT_EQ(stored("howmanyspins", "player4"), "0");
    EXPECT_EQ(stored("jackpotbank", "player4"), "0");
    EXPECT_EQ(stored("grand", "player4", "allslot"), "100000");
}

TEST_F(OptionsTest, StatisticsOfAPlayedSlotOnOpening) {
    put(1, "currentplayer", "Ned");
    put(1, "games", "12");
    put(1, "wager", "200");
    put(1, "total", "150");
    put(1, "amountinvested", "5000");
    put(1, "howmanyspins", "2");
    put(1, "grandwon", "1");
    put(1, "majorwon", "-3");
    put(1, "minorwon", "4");
    start();
    openOptions();
    EXPECT_EQ(opt("lblcurrentplayer"), "Current Player    NED");
    EXPECT_EQ(opt("lblgames"), "Games Played            12");
    EXPECT_EQ(opt("lblwager"), "Total Wagered           200");
    EXPECT_EQ(opt("lbltotalwon"), "Total Won                   150");
    EXPECT_EQ(opt("lblwinlose"), "Winning/Losing 50");
    EXPECT_EQ(opt("lblreturned"), "Returned To Player     % 75");
    EXPECT_EQ(opt("lblinvested"), "Total Invested             5000");
    EXPECT_EQ(opt("lblfreespins"), "Freespins Won            2");
    EXPECT_EQ(opt("lblgrandwon"), "Grand Jackpots Won     1");
    EXPECT_EQ(opt("lblmajorwon"), "Major jackpots Won     -3");
    EXPECT_EQ(opt("lblminorwon"), "Minor Jackpots Won     4");
}

TEST_F(OptionsTest, ChosenSlotStatisticsDropTheFractionAndShowALoss) {
    put(2, "games", "1");
    put(2, "wager", "3");
    put(2, "total", "2");
    put(2, "howmanyspins", "6");
    put(3, "games", "1");
    put(3, "wager", "100");
    put(3, "total", "250");
    start();
    openOptions();
    clickOpt("machine", 2);
    EXPECT_EQ(opt("lblreturned"), "Returned To Player     % 66");
    EXPECT_EQ(opt("lblfreespins"), "Freespins Won     6");
    EXPECT_EQ(opt("lbltotalwon"), "Total Won                   2");
    clickOpt("machine", 3);
    EXPECT_EQ(opt("lblwinlose"), "Winning/Losing -150");
    EXPECT_EQ(opt("lblreturned"), "Returned To Player     % 250");
}

// Games without a wager cannot give a return; that label alone keeps what it showed.
TEST_F(OptionsTest, NothingWageredLeavesTheReturnLabelAsItWas) {
    put(1, "games", "3");
    put(1, "total", "40");
    start();
    openOptions();
    EXPECT_EQ(opt("lblreturned"), "");
    EXPECT_EQ(opt("lblgames"), "Games Played            3");
    clickOpt("machine", 2);
    EXPECT_EQ(opt("lblreturned"), "Returned To Player ");
    clickOpt("machine", 1);
    EXPECT_EQ(opt("lblreturned"), "Returned To Player ");
    EXPECT_EQ(opt("lblwinlose"), "Winning/Losing -40");
    EXPECT_EQ(opt("lblinvested"), "Total Invested             0");
}

TEST_F(OptionsTest, ClearingWithYesKeepsNameAndSettingsAndBlanksTheCredit) {
    put(1, "currentplayer", "Jack");
    put(1, "bank", "900");
    put(1, "games", "7");
    put(1, "wager", "70");
    put(1, "total", "35");
    put(1, "soundonoff", "-1");
    put(1, "reelspeed", "8");
    put(1, "winroll", "1");
    put(1, "machinepay", "2");
    put(1, "grandwon", "1");
    put(1, "jackpotbank", "55");
    engine::GameRecord game;
    game.stops = {1, 2, 3, 4, 5};
    game.lines = 25;
    game.bet = 1;
    put(1, "recall1", engine::recordText(game));
    start();
    ASSERT_EQ(player.history.games().size(), 1u);
    openOptions();
    p.messages.answerNext(Answer::Yes);
    clickOpt("Btndeletedetails");
    const auto& box = p.messages.shown().at(0);
    EXPECT_EQ(box.text, "Are you sure you want to Delete Current Player's Details ?");
    EXPECT_EQ(box.title, "Slots_Quorvel");
    EXPECT_EQ(box.icon, platform::MessageIcon::Critical);
    EXPECT_TRUE(box.question);
    EXPECT_EQ(player.bank, 0);
    EXPECT_EQ(player.games, 0);
    EXPECT_EQ(player.grandwon, 0);
    EXPECT_EQ(player.machinepay, 4);
    EXPECT_EQ(player.currentplayer, "Jack");
    EXPECT_EQ(player.soundonoff, -1);
    EXPECT_EQ(player.reelspeed, 8);
    EXPECT_EQ(player.winroll, 1);
    EXPECT_EQ(player.jackpotbank, 55);
    EXPECT_EQ(stored("bank"), "0");
    EXPECT_EQ(stored("wager"), "0");
    EXPECT_EQ(stored("currentplayer"), "Jack");
    EXPECT_TRUE(player.history.games().empty()) << "the games go with their money";
    EXPECT_EQ(stored("recall1"), "");
    EXPECT_EQ(text("Lblcredit"), "");
    EXPECT_EQ(text("panelbank"), "");
    EXPECT_FALSE(optionsOpen());
    EXPECT_TRUE(w.enabled());
    EXPECT_EQ(opt("lblreturned"), "Returned To Player     % ");
    EXPECT_EQ(opt("lblgames"), "Games Played            0");
    EXPECT_EQ(opt("lblcurrentplayer"), "Current Player   JACK");
}

TEST_F(OptionsTest, ClearingWithNoOnlyClosesTheWindow) {
    put(1, "bank", "900");
    start();
    openOptions();
    p.messages.answerNext(Answer::No);
    clickOpt("Btndeletedetails");
    EXPECT_EQ(player.bank, 900);
    EXPECT_EQ(stored("bank"), "900");
    EXPECT_EQ(text("panelbank"), "900");
    EXPECT_FALSE(optionsOpen());
    EXPECT_TRUE(w.enabled());
}

TEST_F(OptionsTest, OptionChangesAreLostOnASlotSwitchAndKeptOnOk) {
    put(1, "machinepay", "4");
    start();
    openOptions();
    clickOpt("Amtpayout", 2);
    clickOpt("setspeed", 4);
    clickOpt("sounds", 1);
    EXPECT_EQ(player.machinepay, 2);
    EXPECT_EQ(player.reelspeed, 10);
    clickOpt("machine", 2);
    clickOpt("machine", 1);
    EXPECT_EQ(player.machinepay, 4);
    EXPECT_EQ(player.reelspeed, 1);
    EXPECT_TRUE(selected("setspeed", 0));
    clickOpt("Amtpayout", 1);
    clickOpt("wincounter", 1);
    clickOpt("sounds", 1);
    clickOpt("btnokplayer");
    EXPECT_FALSE(optionsOpen());
    EXPECT_EQ(stored("machinepay"), "3");
    EXPECT_EQ(stored("winroll"), "1");
    EXPECT_EQ(stored("soundonoff"), "-1");
    EXPECT_TRUE(w.enabled());
    EXPECT_EQ(p.windows.front(), &w);
}

// Closing by the close box writes everything but the name, which only its own steps write.
TEST_F(OptionsTest, TheCloseBoxSavesAllButTheNameAndGivesTheScreenBack) {
    put(1, "currentplayer", "Kidd");
    start();
    openOptions();
    w.at("flasher", 7).show();
    clickOpt("sounds", 2);
    arrange([&](auto&, auto& v) { v.currentplayer = "Someone else"; });
    p.closeRequest(*options);
    p.runFor(0);
    EXPECT_FALSE(optionsOpen());
    EXPECT_TRUE(w.enabled());
    EXPECT_FALSE(enabled("doublebutton"));
    EXPECT_FALSE(w.at("flasher", 7).visible());
    EXPECT_EQ(stored("soundonoff"), "0");
    EXPECT_EQ(stored("currentplayer"), "Kidd");
}

// Another player is chosen, and the close box is clicked while the choice is still being
// made (its handler lets queued input run): the game ends, the window it was acting on
// outlives that handler, and a window opened after it replaces it cleanly.
TEST_F(OptionsTest, TheGameClosedWhileAPlayerIsChosenEndsWithoutHarm) {
    put(2, "currentplayer", "Mary");
    put(2, "bank", "500");
    put(2, "amountinvested", "500");
    start();
    openOptions();
    p.clock.post([&] { p.closeRequest(w); });
    ASSERT_NO_THROW(clickOpt("machine", 2));
    EXPECT_TRUE(q.ended());
    EXPECT_FALSE(optionsOpen());
    EXPECT_EQ(q.cabinet().player().bank, 500) << "Mary's profile, as chosen";
    EXPECT_EQ(q.cabinet().unexplained(), 0);
}

}  // namespace
}  // namespace quorvel
