#include "options_fixture.h"

namespace quorvel {
namespace {

using platform::DisplayModeRecord;
using testing_support::OptionsTest;
namespace keys = platform::keys;

TEST_F(OptionsTest, EachButtonSetsItsValue) {
    start();
    openOptions();
    const std::pair<int, int> speeds[] = {{0, 1}, {1, 2}, {2, 4}, {3, 8}, {4, 10}};
    for (auto [button, speed] : speeds) {
        clickOpt("setspeed", button);
        EXPECT_EQ(player.reelspeed, speed);
        EXPECT_EQ(opt("speedlab"), "Current Speed =   " + std::to_string(speed));
    }
    const std::pair<int, int> payouts[] = {{0, 4}, {1, 3}, {2, 2}};
    for (auto [button, payout] : payouts) {
        clickOpt("Amtpayout", button);
        EXPECT_EQ(player.machinepay, payout);
    }
    clickOpt("sounds", 1);
    EXPECT_EQ(player.soundonoff, -1);
    clickOpt("sounds", 2);
    EXPECT_EQ(player.soundonoff, 0);
    clickOpt("wincounter", 1);
    EXPECT_EQ(player.winroll, 1);
    EXPECT_EQ(opt("wincounter", 1), " ON");
    EXPECT_EQ(opt("wincounter", 2), "");
    clickOpt("wincounter", 2);
    EXPECT_EQ(player.winroll, 0);
    EXPECT_EQ(opt("wincounter", 2), " OFF");
    EXPECT_EQ(opt("wincounter", 1), "");
    // Only one button of a group is ever selected.
    EXPECT_FALSE(selected("wincounter", 1));
    EXPECT_TRUE(selected("Amtpayout", 2));
    EXPECT_FALSE(selected("Amtpayout", 0));
}

TEST_F(OptionsTest, OpeningSelectsTheStoredSettings) {
    put(1, "winroll", "1");
    put(1, "reelspeed", "4");
    put(1, "machinepay", "2");
    put(1, "soundonoff", "-1");
    start();
    openOptions();
    EXPECT_TRUE(selected("wincounter", 1));
    EXPECT_EQ(opt("wincounter", 1), " ON");
    EXPECT_EQ(opt("wincounter", 2), "");
    EXPECT_TRUE(selected("setspeed", 2));
    EXPECT_EQ(opt("speedlab"), "Current Speed =   4");
    EXPECT_TRUE(selected("Amtpayout", 2));
    EXPECT_TRUE(selected("sounds", 1));
}

TEST_F(OptionsTest, ASlotWithoutASpeedPlaysAtOneAndShowsNoneChosen) {
    put(1, "reelspeed", "8");
    put(2, "currentplayer", "Flint");
    start();
    openOptions();
    EXPECT_TRUE(selected("setspeed", 3));
    EXPECT_EQ(opt("speedlab"), "Current Speed =   8");
    clickOpt("machine", 2);
    EXPECT_EQ(player.reelspeed, 1);
    for (int button = 0; button <= 4; ++button)
        EXPECT_FALSE(selected("setspeed", button)) << button;
    EXPECT_EQ(opt("speedlab"), "") << "no speed of the last slot stays on show";
    clickOpt("btnokplayer");
    EXPECT_EQ(stored("reelspeed", "player2"), "1");
    openOptions();
    EXPECT_TRUE(selected("setspeed", 0));
}

TEST_F(OptionsTest, TheSoundChoiceIsStoredAsMinusOneOrZero) {
    start();
    openOptions();
    clickOpt("sounds", 1);
    clickOpt("btnokplayer");
    EXPECT_EQ(stored("soundonoff"), "-1");
    openOptions();
    clickOpt("sounds", 2);
    clickOpt("btnokplayer");
    EXPECT_EQ(stored("soundonoff"), "0");
}

TEST_F(OptionsTest, TheLargeDisplayOnAnEightHundredScreenOnlySaysSo) {
    p.display.setScreen({800, 600});
    start();
    w.move(1500, 900);
    openOptions();
    clickOpt("cmdlargescreen");
    ASSERT_EQ(p.messages.shown().size(), 1u);
    EXPECT_EQ(p.messages.shown()[0].text, "Already 800 X 600 resolution !!\r");
    EXPECT_EQ(p.messages.shown()[0].title, "Slots_Quorvel");
    EXPECT_TRUE(p.display.changes().empty());
    EXPECT_EQ(w.left(), 1500);
    EXPECT_EQ(player.sizescreen, 800);
    EXPECT_FALSE(optionsOpen());
    EXPECT_EQ(stored("sizescreen"), "800");
}

TEST_F(OptionsTest, TheLargeDisplaySwitchesALargerScreenAndMovesTheGameToTheCorner) {
    p.display.setScreen({1024, 600});
    start();
    w.move(1500, 900);
    openOptions();
    clickOpt("cmdlargescreen");
    EXPECT_TRUE(p.messages.shown().empty());
    ASSERT_EQ(p.display.changes().size(), 1u);
    const DisplayModeRecord& mode = p.display.changes()[0];
    EXPECT_EQ(mode.fields, DisplayModeRecord::Width | DisplayModeRecord::Height);
    EXPECT_EQ(mode.width, 800);
    EXPECT_EQ(mode.height, 600);
    EXPECT_EQ(w.left(), 0);
    EXPECT_EQ(w.top(), 0);
    EXPECT_FALSE(optionsOpen());
    EXPECT_TRUE(w.enabled());
}

TEST_F(OptionsTest, TheOriginalSizeRestoresTheDesktopMode) {
    start();
    w.move(300, 300);
    openOptions();
    clickOpt("cmdorigonal");
    ASSERT_EQ(p.display.changes().size(), 1u);
    EXPECT_EQ(p.display.changes()[0].width, 0);
    EXPECT_EQ(p.display.changes()[0].height, 0);
    EXPECT_EQ(w.left(), 0);
    EXPECT_EQ(player.sizescreen, 600);
    EXPECT_EQ(stored("sizescreen"), "600");
    EXPECT_FALSE(optionsOpen());
}

TEST_F(OptionsTest, TheKeyboardWalksTheControlsPressesThemAndEscapes) {
    put(2, "currentplayer", "Morgan");
    start();
    openOptions();
    EXPECT_EQ(options->focus(), &options->at("player1"));
    options->type(keys::kTab);
    EXPECT_EQ(options->focus(), &options->at("machine", 1));
    options->type(keys::kTab);
    options->type(keys::kEnter);
    EXPECT_EQ(player.currentplayer, "Morgan");
    EXPECT_TRUE(selected("machine", 2));
    // The switch puts the focus back in the name box; Shift+Tab from there wraps round.
    options->type(keys::kBackTab);
    EXPECT_EQ(options->focus(), &options->at("Btndeletedetails"));
    options->type(keys::kBackTab);
    EXPECT_EQ(options->focus(), &options->at("btnokplayer"));
    options->type(keys::kSpace);
    EXPECT_FALSE(optionsOpen());
    EXPECT_EQ(stored("currentplayer", "player2"), "Morgan");
    openOptions();
    options->type(keys::kEscape);
    EXPECT_FALSE(optionsOpen());
    EXPECT_TRUE(w.enabled());
}

TEST_F(OptionsTest, OptionsDoNothingWhileAFreeSpinTotalWaits) {
    start();
    arrange([&](auto& r, auto&) { r.freespintarget = 1; });
    click("btnoptions");
    EXPECT_EQ(p.windows.openWindows().size(), 1u);
    EXPECT_TRUE(w.enabled());
    EXPECT_TRUE(sounds().empty());
}

}  // namespace
}  // namespace quorvel
