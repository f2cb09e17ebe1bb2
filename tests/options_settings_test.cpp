#include <array>
#include <set>
#include <utility>

#include "options_fixture.h"
#include "platform/accessible.h"
#include "players/play_limits.h"

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

// The reminder and autoplay's stops through the window and the store: an unknown stored value
// reads as none, a change applies at once, is dropped by a switch of player and kept by O.K.
// and by clearing, and each slot keeps its own.
TEST_F(OptionsTest, TheReminderAndAutoplayStopsFollowTheSlotThroughWindowAndStore) {
    put(1, "reminder", "30");
    put(1, "autostopspins", "7");
    put(1, "autostoploss", "abc");
    put(1, "autostopwin", "50");
    put(1, "autostopfeature", "1");
    put(1, "games", "3");
    put(2, "currentplayer", "Flint");
    put(2, "reminder", "4294967311");  // 15 once cut to 32 bits
    put(2, "autostopspins", "250");
    put(2, "autostoploss", "2500");
    put(2, "autostopfeature", "-1");
    start();
    auto limits = [&] {
        return std::array{player.reminder, player.autostopspins, player.autostopwin,
                          player.autostopfeature};
    };
    using Limits = std::array<std::int16_t, 4>;
    EXPECT_EQ(limits(), (Limits{30, 0, 50, 1}));
    EXPECT_EQ(player.autostoploss, 0);
    openOptions();
    EXPECT_EQ(stored("autostopspins"), "0") << "opening saves the profile as it is read";
    EXPECT_EQ(stored("autostoploss"), "0");
    for (auto [group, button] : {std::pair{"reminder", 2},
                                 {"autostopspins", 0},
                                 {"autostoploss", 0},
                                 {"autostopwin", 2},
                                 {"autostopfeature", 0}})
        EXPECT_TRUE(selected(group, button)) << group;
    // Heard one by one, "10" spins and "$10" of loss must not sound alike.
    std::set<std::string> heard;
    for (const players::LimitChoice& choice : players::limitChoices())
        for (int button = 0; button < static_cast<int>(choice.values.size()); ++button)
            EXPECT_TRUE(
                heard.insert(platform::accessibleNameOf(options->at(choice.key, button))).second)
                << choice.key << button;
    clickOpt("reminder", 1);
    clickOpt("autostoploss", 5);
    clickOpt("autostopfeature", 1);
    EXPECT_EQ(limits(), (Limits{15, 0, 50, 0}));
    EXPECT_EQ(player.autostoploss, 10000);
    EXPECT_FALSE(selected("autostopfeature", 0));

    clickOpt("machine", 2);
    EXPECT_EQ(limits(), (Limits{0, 250, 0, 0}));
    EXPECT_EQ(player.autostoploss, 2500);
    EXPECT_TRUE(selected("reminder", 0));
    EXPECT_TRUE(selected("autostoploss", 3));
    EXPECT_FALSE(selected("autostoploss", 5));
    clickOpt("machine", 1);
    EXPECT_EQ(limits(), (Limits{30, 0, 50, 1})) << "the switch dropped the unsaved choices";
    EXPECT_EQ(player.autostoploss, 0);
    EXPECT_TRUE(selected("autostoploss", 0));

    clickOpt("autostopspins", 2);
    clickOpt("autostopwin", 3);
    clickOpt("btnokplayer");
    const std::pair<const char*, const char*> kept[] = {{"reminder", "30"},
                                                        {"autostopspins", "25"},
                                                        {"autostoploss", "0"},
                                                        {"autostopwin", "100"},
                                                        {"autostopfeature", "1"}};
    for (auto [key, value] : kept)
        EXPECT_EQ(stored(key), value) << key;
    EXPECT_EQ(stored("autostoploss", "player2"), "2500") << "the other slot keeps its own";
    openOptions();
    EXPECT_TRUE(selected("autostopspins", 2));
    EXPECT_TRUE(selected("autostopwin", 3));
    // Clearing the player's details keeps the choices, as it keeps the other options.
    p.messages.answerNext(platform::Answer::Yes);
    clickOpt("Btndeletedetails");
    for (auto [key, value] : kept)
        EXPECT_EQ(stored(key), value) << key;
    EXPECT_EQ(player.autostopspins, 25);
    EXPECT_EQ(player.games, 0);
}

}  // namespace
}  // namespace quorvel
