#include <gtest/gtest.h>

#include <map>
#include <string>

#include "main_screen_fixture.h"

using namespace quorvel;
using platform::ElementKind;

namespace {

struct MainScreen : testing_support::MainScreenTest {
    void expectBox(const std::string& name, int index, int left, int top, int width, int height) {
        const platform::Element& e = w.at(name, index);
        EXPECT_EQ(e.left(), left) << name << "(" << index << ")";
        EXPECT_EQ(e.top(), top) << name << "(" << index << ")";
        EXPECT_EQ(e.width(), width) << name << "(" << index << ")";
        EXPECT_EQ(e.height(), height) << name << "(" << index << ")";
    }
};

}  // namespace

TEST_F(MainScreen, WindowAndReelArea) {
    EXPECT_EQ(w.name(), "quorvel");
    EXPECT_EQ(w.caption(), "Slots_Quorvel");
    EXPECT_EQ(w.clientWidth(), 12045);
    EXPECT_EQ(w.clientHeight(), 9030);
    const int lefts[] = {1025, 3039, 5094, 7124, 9164};
    const int cellsTopDown[5][3] = {{1, 2, 3}, {6, 5, 4}, {7, 8, 9}, {12, 11, 10}, {13, 14, 15}};
    for (int reel = 1; reel <= 5; ++reel) {
        const std::string window = "Picture" + std::to_string(reel);
        expectBox(window, 0, lefts[reel - 1], 730, 1875, 5625);
        expectBox("reel" + std::to_string(reel), 0, 0, 0, 1875, 54375);
        EXPECT_EQ(w.at("reel" + std::to_string(reel)).parent(), &w.at(window));
        for (int row = 0; row < 3; ++row) {
            const int cell = cellsTopDown[reel - 1][row];
            expectBox("flasher", cell, 0, 1875 * row, 1875, 1875);
            EXPECT_EQ(w.at("flasher", cell).parent(), &w.at(window));
            EXPECT_FALSE(w.at("flasher", cell).visible());
        }
    }
}

TEST_F(MainScreen, PaylineMarkersAndSegments) {
    // Marker k: top in twips; 1..13 on the left, 14..26 on the right.
    const std::map<int, int> tops = {
        {1, 3405},  {2, 1650},  {3, 5175},  {4, 765},   {5, 6045},  {6, 1215},  {7, 5610},
        {8, 2535},  {9, 4290},  {10, 2970}, {11, 3855}, {12, 2085}, {13, 4725}, {14, 1215},
        {15, 2085}, {16, 5175}, {17, 4725}, {18, 1650}, {19, 5610}, {20, 3855}, {21, 2970},
        {22, 2535}, {23, 4290}, {24, 6045}, {25, 765},  {26, 3405}};
    for (const auto& [marker, top] : tops) {
        expectBox("lin", marker, marker <= 13 ? 525 : 11115, top, 390, 405);
        EXPECT_EQ(w.at("lin", marker).enabled(), marker != 20) << marker;
    }
    for (int segment = 1; segment <= 6; ++segment) {
        EXPECT_EQ(w.at("Lineflash", segment).kind(), ElementKind::Line);
        EXPECT_FALSE(w.at("Lineflash", segment).visible());
        EXPECT_EQ(w.at("Lineflash", segment).lineWidth(), 10);
    }
    EXPECT_EQ(w.at("Lineflash", 1).points(), (platform::LinePoints{840, 6720, 840, 6840}));
    EXPECT_EQ(w.at("Lineflash", 6).points(), (platform::LinePoints{3480, 6840, 3840, 6840}));
}

TEST_F(MainScreen, MetersButtonsAndPanels) {
    expectBox("panelbank", 0, 779, 7335, 945, 225);
    EXPECT_EQ(w.at("panelbank").caption(), "123000000");
    EXPECT_EQ(w.at("Lblcredit").caption(), "$123000000");
    EXPECT_EQ(w.at("LABWIN").caption(), "1230000");
    expectBox("lblminor", 0, 9789, 6600, 1020, 315);
    EXPECT_EQ(w.at("lblgrand").font().family, "Arial");
    EXPECT_EQ(w.at("lblgrand").foreColour(), (platform::Colour{0, 0, 255}));
    EXPECT_FALSE(w.at("spinsleft").visible());

    expectBox("panfreespin", 0, 0, 7800, 12060, 1290);
    EXPECT_EQ(w.at("panfreespin").tooltip(), "For ease  use SPACE BAR to spin reels");
    const std::pair<const char*, int> keys[] = {{"coinsin", 750},       {"payline", 2520},
                                                {"btnbet", 4220},       {"btnspin", 5910},
                                                {"doublebutton", 7455}, {"autoplayon", 9200}};
    for (const auto& [name, left] : keys) {
        EXPECT_EQ(w.at(name).parent(), &w.at("panfreespin")) << name;
        EXPECT_EQ(w.at(name).left(), left) << name;
        EXPECT_EQ(w.at(name).top(), 20) << name;
        EXPECT_EQ(w.at(name).height(), 810) << name;
        EXPECT_EQ(w.at(name).enabled(), std::string(name) != "doublebutton") << name;
    }
    EXPECT_EQ(w.at("payline").tooltip(), "CLICK to select LINES 1 to 25");
    EXPECT_EQ(w.at("btnbet").tooltip(), "CLICK to choose how many coins to bet per LINE");
    EXPECT_EQ(w.at("autoplayon").tooltip(), "CLICK to turn AUTOPLAY ON or OFF");
    EXPECT_EQ(w.at("btnoptions").tooltip(), "Options, CLICK to VIEW");
    EXPECT_EQ(w.at("btnstartall").caption(), "Command1");
    EXPECT_FALSE(w.at("btnstartall").visible());

    for (const char* hidden : {"menupic", "pandouble", "jackpotframe", "pannomoney", "takewin",
                               "Btnreturn2game", "ctlfrees1", "ctrlfreesleft1",
                               "freespinscompleted1", "lblsuit", "gamblewin", "gamblelose"})
        EXPECT_FALSE(w.at(hidden).visible()) << hidden;
    EXPECT_EQ(w.at("pannomoney").caption(),
              "Not enough credit for this bet !, reduce your bet or click the \"Insert Credit "
              "Button \" for more credit.");
    const std::pair<const char*, int> menu[] = {
        {"about", 120}, {"mnuviewpaytable", 720}, {"viewpaylines", 1320}, {"xit", 1920}};
    for (const auto& [name, top] : menu) {
        expectBox(name, 0, 120, top, 1560, 510);
        EXPECT_EQ(w.at(name).parent(), &w.at("menupic"));
    }
    const char* suitTips[] = {"Bet on Hearts", "Bet on Clubs", "Bet on Diamonds", "Bet on Spades"};
    for (int suit = 1; suit <= 4; ++suit)
        EXPECT_EQ(w.at("suitbet", suit).tooltip(), suitTips[suit - 1]);
    for (int card = 1; card <= 5; ++card)
        expectBox("historypic", card, 360 + 600 * (card - 1), 3960, 495, 495);
    EXPECT_EQ(w.at("cancelbet").tooltip(), "Chicken out and take win");
    EXPECT_EQ(w.at("Lblpasthistory").caption(), "past history");
    EXPECT_EQ(w.at("jackpotball11").parent(), &w.at("jackpotframe"));
    expectBox("jackpotframe", 0, 945, 735, 10155, 5730);

    const std::tuple<const char*, int, int, int> lists[] = {
        {"ImageList1", 13, 125, 125}, {"ImageList2", 19, 125, 125},
        {"morphing", 12, 125, 125},   {"jackpotwin", 9, 429, 162},
        {"linepics", 50, 23, 23},     {"imagelistcards", 24, 100, 153}};
    for (const auto& [name, count, width, height] : lists) {
        EXPECT_EQ(w.at(name).imageCount(), count) << name;
        EXPECT_EQ(w.at(name).imageWidth(), width) << name;
        EXPECT_EQ(w.at(name).imageHeight(), height) << name;
    }
}

TEST_F(MainScreen, TimersHaveTheirPeriodsAndOnlyTheWatchdogRuns) {
    const std::map<std::string, int> periods = {
        {"tmrshowbuttons", 200}, {"tmrtick", 100},        {"tmrautospin", 800},
        {"Timerwincounter", 50}, {"Timerrespin", 200},    {"Timer4", 100},
        {"tmrfrees", 100},       {"tmrshowjackpot", 100}, {"tmrdecidejackpot", 100},
        {"tmrbell", 100},        {"Timerscatters", 100},  {"tmrlineflash", 100}};
    for (const auto& [name, period] : periods) {
        EXPECT_EQ(p.clock.interval(name), period) << name;
        EXPECT_EQ(p.clock.enabled(name), name == "tmrshowbuttons") << name;
    }
}

TEST_F(MainScreen, WatchdogBringsBackLostButtonsWithin200ms) {
    for (const char* name :
         {"btnspin", "doublebutton", "autoplayon", "btnoptions", "payline", "btnbet", "coinsin"})
        w.at(name).hide();
    w.at("btnbet").setEnabled(false);
    p.runFor(199);
    EXPECT_FALSE(w.at("btnspin").visible());
    p.runFor(1);
    for (const char* name : {"btnspin", "doublebutton", "autoplayon", "btnoptions"})
        EXPECT_TRUE(w.at(name).visible()) << name;
    EXPECT_TRUE(w.at("btnbet").enabled());
    for (const char* name : {"payline", "btnbet", "coinsin"})
        EXPECT_FALSE(w.at(name).visible()) << name << " is not the watchdog's to show";
    EXPECT_FALSE(w.at("doublebutton").enabled()) << "shown, not enabled";
}

TEST_F(MainScreen, TheGambleResultAtRestLeavesTheBettingKeysFree) {
    // The win or lose plaque stays where its slide ends until the next draw; a key under it
    // could not be clicked.
    const int plaqueTop = 4800, plaqueBottom = 4800 + w.at("gamblewin").height();
    for (const char* key : {"betred", "cancelbet", "betblack"}) {
        const platform::Element& e = w.at(key);
        EXPECT_TRUE(e.top() >= plaqueBottom || e.top() + e.height() <= plaqueTop) << key;
        EXPECT_LE(e.top() + e.height(), w.at("pandouble").height()) << key;
    }
}
