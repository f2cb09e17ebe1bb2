#include <algorithm>

#include "engine/symbols.h"
#include "game_fixture.h"
#include "platform/accessible.h"
#include "platform/keys.h"

using namespace quorvel;
using namespace quorvel::testing_support;
using platform::AccessibleRole;
using Strings = std::vector<std::string>;

namespace {

struct ScreenReader : GameTest {
    platform::Element& at(const std::string& name, int index = 0) { return w.at(name, index); }
    // What a screen reader lists as the buttons to press now, in reading order.
    Strings buttons() {
        Strings names;
        for (platform::Element* e : platform::readingOrder(w))
            if (platform::roleOf(*e) == AccessibleRole::Button && e->shown())
                names.push_back(platform::accessibleNameOf(*e));
        return names;
    }
    bool press(const std::string& name, int index = 0) {
        p.windows.clearAnnouncements();
        return platform::pressAsClick(at(name, index));
    }
};

}  // namespace

TEST_F(ScreenReader, HearsASpinAndAGambleAsTheyHappen) {
    startWithCredit(1000, false);
    EXPECT_EQ(buttons(), (Strings{"OPTIONS", "MENU", "Insert Credit", "Select Lines",
                                  "Bet Per Line", "SPIN", "GAMBLE", "AUTO On/Off", "Mute",
                                  "Volume 100 percent, plus and minus keys change it"}));
    EXPECT_EQ(platform::roleOf(at("panelbank")), AccessibleRole::StaticText);
    EXPECT_EQ(platform::accessibleNameOf(at("panelbank")), "Credit: 1000");
    EXPECT_EQ(platform::accessibleValueOf(at("panelbank")), "1000");
    EXPECT_TRUE(platform::stateOf(at("doublebutton")).disabled);
    EXPECT_FALSE(press("doublebutton"));
    EXPECT_FALSE(shown("pandouble"));

    queueSpin(kLosingStops);
    EXPECT_TRUE(press("btnspin"));
    EXPECT_EQ(p.windows.announcements(), (Strings{"No Win"}));
    EXPECT_EQ(platform::accessibleValueOf(at("panelbank")), "975");
    EXPECT_EQ(platform::accessibleNameOf(at("LABWIN")), "Winner Paid: No Win");
    const std::string reels = at("reelwindow").description();
    for (int row = 1; row <= engine::kRows; ++row)
        for (int reel = 1; reel <= engine::kReels; ++reel)
            EXPECT_NE(reels.find(std::string(engine::symbolName(run.window[reel][row]))),
                      std::string::npos);
    EXPECT_EQ(std::count(reels.begin(), reels.end(), ','), 12) << reels;
    EXPECT_EQ(reels.substr(0, 9), "Top row: ");

    queueSpin(kThreeChestStops);
    press("btnspin");
    EXPECT_EQ(p.windows.announcements().at(0), "Win 125, free spins");
    p.windows.clearAnnouncements();
    p.runUntil([&] { return shown("takewin"); }, 120000);
    EXPECT_EQ(platform::roleOf(at("takewin")), AccessibleRole::Button);
    EXPECT_EQ(platform::accessibleNameOf(at("takewin")), "Collect");
    EXPECT_EQ(p.windows.announcements().size(), 10u);
    const std::string last = p.windows.announcements().back();
    EXPECT_EQ(last.substr(last.size() - 31), ", free spins completed, Collect") << last;
    const std::int32_t total = run.featurewin;
    EXPECT_TRUE(press("takewin"));
    EXPECT_EQ(p.windows.announcements(), (Strings{"Collected " + std::to_string(total) +
                                                  ", Credit " + std::to_string(player.bank)}));
}

TEST_F(ScreenReader, GamblesByNameAndHearsTheCard) {
    startWithCredit(1000, false);
    queueSpin(kTenCentStops);
    press("btnspin");
    EXPECT_EQ(p.windows.announcements(), (Strings{"Win 10"}));
    EXPECT_FALSE(platform::stateOf(at("doublebutton")).disabled);
    press("doublebutton");
    EXPECT_EQ(p.windows.announcements(), (Strings{"Gamble, At Risk 10"}));
    platform::Element& hearts = at("suitbet", 1);
    EXPECT_EQ(platform::roleOf(hearts), AccessibleRole::Button);
    EXPECT_EQ(platform::accessibleNameOf(hearts), "Bet on Hearts");
    EXPECT_EQ(platform::accessibleParent(hearts), &at("pandouble"));
    EXPECT_EQ(platform::roleOf(at("pandouble")), AccessibleRole::Panel);
    EXPECT_TRUE(platform::stateOf(at("btnspin")).disabled);
    EXPECT_FALSE(press("btnspin"));

    p.random.queueDraw(1, 4);
    press("suitbet", 1);
    EXPECT_EQ(p.windows.announcements(), (Strings{"Ace of Hearts, win, At Risk 40"}));
    EXPECT_EQ(platform::accessibleValueOf(at("risklab")), "At Risk  40");
    EXPECT_EQ(at("piccardholder").description(), "Ace of Hearts");
    EXPECT_EQ(platform::accessibleNameOf(at("historypic", 1)), "Past card: Hearts");
    press("cancelbet");
    EXPECT_EQ(p.windows.announcements(), (Strings{"Credit 1015"}));
    EXPECT_TRUE(platform::stateOf(at("pandouble")).invisible);
}

TEST_F(ScreenReader, HearsTheJackpotBoardStartAndPay) {
    startWithCredit(1000, false);
    queueSpin(kJackpotStops, 1);
    p.random.queueDraw(16, 16);
    p.random.queueDraw(1, 16);
    press("btnspin");
    const std::string spin = p.windows.announcements().at(0);
    EXPECT_EQ(spin.substr(spin.size() - 17), ", jackpot feature") << spin;
    p.windows.clearAnnouncements();
    ASSERT_TRUE(p.runUntil([&] { return !p.windows.announcements().empty(); }, 60'000));
    EXPECT_EQ(p.windows.announcements(), (Strings{"Jackpot 500, Credit 1475"}));
}

TEST_F(ScreenReader, TabWalksTheControlsThatTakeInputAndEnterPressesLikeAClick) {
    startWithCredit(0, false);
    key(platform::keys::kBackTab);
    EXPECT_EQ(w.focus(), &at("volumebar"));
    key(platform::keys::kTab);
    EXPECT_EQ(w.focus(), &at("btnoptions"));
    key(platform::keys::kTab);
    key(platform::keys::kTab);
    EXPECT_EQ(w.focus(), &at("coinsin"));
    EXPECT_TRUE(platform::stateOf(at("coinsin")).focused);
    key(platform::keys::kEnter);
    EXPECT_EQ(player.bank, 5000);
    EXPECT_EQ(p.windows.announcements().back(), "Credit 5000");
    EXPECT_TRUE(shown("coinsin"));
    // Tab passes over GAMBLE, which takes no input until a win.
    for (int i = 0; i < 4; ++i)
        key(platform::keys::kTab);
    EXPECT_EQ(w.focus(), &at("autoplayon"));
    EXPECT_EQ(counters.pace.keycount, 0);
}
