#include <cstdio>

#include "game_fixture.h"
#include "info/about_window.h"
#include "info/theoretical_return.h"
#include "math/par_sheet.h"
#include "platform/keys.h"

namespace quorvel {
namespace {

using testing_support::GameTest;

struct InfoTest : GameTest {
    platform::Window* front() { return p.windows.front(); }
    bool isOpen(const std::string& name) const {
        for (const platform::Window* open : p.windows.openWindows())
            if (open->name() == name) return true;
        return false;
    }
    void openMenuEntry(const std::string& entry) {
        p.mouseMove(w, "btnopenmenu");
        p.runFor(0);
        click(entry);
    }
    void clickIn(platform::Window& window, const std::string& name) {
        p.click(window, name);
        p.runFor(0);
    }
    std::vector<std::string> boxTexts() {
        std::vector<std::string> texts;
        for (const auto& box : p.messages.shown())
            texts.push_back(box.title + "|" + box.text);
        p.messages.clear();
        return texts;
    }
};

TEST_F(InfoTest, ThePayTableOpensOverADisabledScreenAndItsButtonCloses) {
    startWithCredit(100);
    w.at("pannomoney").show();
    openMenuEntry("mnuviewpaytable");
    ASSERT_TRUE(isOpen("quorvelpays"));
    platform::Window& pays = *front();
    EXPECT_EQ(pays.caption(), "QUORVEL PAYTABLE");
    const platform::Element& picture = pays.at("picpaytable");
    EXPECT_EQ(picture.picture().source, "quorvelpays");
    EXPECT_EQ(picture.width(), 508 * 15);
    EXPECT_EQ(picture.height(), 510 * 15);
    EXPECT_EQ(pays.at("btnunloadpays").caption(), "CLOSE PAYTABLE");
    EXPECT_FALSE(w.enabled());
    EXPECT_FALSE(shown("pannomoney"));
    EXPECT_FALSE(shown("menupic"));
    EXPECT_EQ(sounds(), std::vector<std::string>{"128"});
    clickIn(pays, "btnunloadpays");
    EXPECT_FALSE(isOpen("quorvelpays"));
    EXPECT_TRUE(w.enabled());
}

TEST_F(InfoTest, ThePayTableClosesByItsCloseBoxAndByEscapeAlike) {
    start();
    openMenuEntry("mnuviewpaytable");
    p.closeRequest(*front());
    p.runFor(0);
    EXPECT_FALSE(isOpen("quorvelpays"));
    EXPECT_TRUE(w.enabled());
    openMenuEntry("mnuviewpaytable");
    front()->type(platform::keys::kEscape);
    EXPECT_FALSE(isOpen("quorvelpays"));
    EXPECT_TRUE(w.enabled());
}

TEST_F(InfoTest, ThePayTableIsRefusedDuringFreeSpins) {
    startWithCredit(100);
    arrange([&](auto& r, auto&) { r.freespinmode = -1; });
    click("mnuviewpaytable");
    EXPECT_FALSE(isOpen("quorvelpays"));
    EXPECT_TRUE(w.enabled());
    EXPECT_TRUE(sounds().empty());
}

// The figure comes from the exact enumeration, for the payout setting in use.
TEST_F(InfoTest, ThePayTableStatesTheReturnOfThePayoutSetting) {
    store("machinepay", "3");
    start();
    openMenuEntry("mnuviewpaytable");
    const auto tally = math::enumerateNormalSpin(25);
    const auto sheet = math::parSheet(tally, 25, 3);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.2f %%",
                  (sheet.baseRtp + sheet.freespinRtp + sheet.jackpotMultipleRtp) * 100);
    const std::string statement = front()->at("lblreturn").caption();
    EXPECT_NE(statement.find("Loose"), std::string::npos) << statement;
    EXPECT_NE(statement.find(expected), std::string::npos) << statement;
    EXPECT_NE(statement.find("25 lines"), std::string::npos) << statement;
    // Letting big wins stand more often returns more.
    EXPECT_GT(info::theoreticalReturn(2), info::theoreticalReturn(3));
    EXPECT_GT(info::theoreticalReturn(3), info::theoreticalReturn(4));
}

TEST_F(InfoTest, TheAboutWindowShowsItsTextsAndCredits) {
    start();
    openMenuEntry("about");
    ASSERT_TRUE(isOpen("aboutquorvel"));
    platform::Window& about = *front();
    EXPECT_EQ(about.caption(), "About Quorvel");
    EXPECT_FALSE(w.enabled());
    EXPECT_EQ(about.at("Label2").caption(), "See More Slots At :-");
    EXPECT_EQ(about.at("lblfeedback").caption(), "Any Feedback ? Please email me at :-");
    EXPECT_EQ(about.at("cmdtavrin").caption(), "Tavrin");
    EXPECT_EQ(about.at("cmdtavrin").tooltip(), "See more games at Tavrin");
    EXPECT_EQ(about.at("cmdfeedback").caption(), "Email Me");
    EXPECT_EQ(about.at("cmdfeedback").tooltip(), "Any comments ? Please email me.");
    EXPECT_EQ(about.at("SSCommand1").caption(), "CLICK to try real slots action ");
    EXPECT_EQ(about.at("SSCommand1").tooltip(), "This link will take you to an online casino.");
    EXPECT_EQ(about.at("Picture1").tooltip(), "This link will take you to an online casino.");
    const std::string credits = about.at("lblcredits").caption();
    for (const char* part : {"Game Icons", "Lorc", "Delapouite", "CC BY 3.0"})
        EXPECT_NE(credits.find(part), std::string::npos) << part;
    clickIn(about, "Picture2");
    EXPECT_FALSE(isOpen("aboutquorvel"));
    EXPECT_TRUE(w.enabled());
    EXPECT_EQ(front(), &w);
}

TEST_F(InfoTest, OfflineEveryLinkSaysSoAndOpensNothing) {
    start();
    p.links.setConnectionState(0);
    openMenuEntry("about");
    platform::Window& about = *front();
    for (const char* link : {"cmdtavrin", "cmdfeedback", "SSCommand1", "Picture1"})
        clickIn(about, link);
    const std::string online =
        "Your computer needs to be connected to the internet to play casino slots online !!\r";
    EXPECT_EQ(
        boxTexts(),
        (std::vector<std::string>{
            "Slots_Quorvel|" + online,
            "Slots_Quorvel|Your computer needs to be connected to the internet for email !!\r",
            "Quorvel FREE version|" + online, "Quorvel FREE version|" + online}));
    EXPECT_TRUE(p.links.opened().empty());
    EXPECT_TRUE(isOpen("aboutquorvel"));
    // After a casino link the other buttons' boxes carry the free version's title too.
    clickIn(about, "cmdtavrin");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Quorvel FREE version|" + online});
}

TEST_F(InfoTest, OnlineTheLinksOpenTheirAddresses) {
    start();
    openMenuEntry("about");
    platform::Window& about = *front();
    clickIn(about, "cmdtavrin");
    clickIn(about, "cmdfeedback");
    EXPECT_TRUE(p.messages.shown().empty());
    clickIn(about, "SSCommand1");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "Quorvel FREE version|"
                              "      Please be Patient as this may take a little time !!\r"
                              "You are being taken via Tavrin to a secure web site that encrypts\r"
                              "all transmitted  data according to the secure HTTP protocol.\r"});
    EXPECT_EQ(p.links.opened(),
              (std::vector<std::string>{info::kMakerSite,
                                        "mailto:support@example.com?subject=Anything you wish",
                                        info::kCasinoPage}));
    for (const std::string& link : p.links.opened())
        EXPECT_NE(link.find("example.com"), std::string::npos) << link;
    EXPECT_EQ(about.mousePointer(), platform::MousePointer::Default);
    EXPECT_EQ(front(), &w);
}

TEST_F(InfoTest, AFailedLinkIsReportedWithItsResult) {
    start();
    p.links.setOpenResult(0);
    openMenuEntry("about");
    clickIn(*front(), "cmdtavrin");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "ExecuteLink|error Opening Link to https://www.example.com/quorvel"
                              "\r\n\r\n0"});
}

TEST_F(InfoTest, TheAboutWindowIsReachedByTheKeyboard) {
    start();
    openMenuEntry("about");
    platform::Window& about = *front();
    about.type(platform::keys::kTab);
    EXPECT_EQ(about.focus(), &about.at("cmdtavrin"));
    about.type(platform::keys::kEnter);
    EXPECT_EQ(p.links.opened().size(), 1u);
    about.type(platform::keys::kBackTab);
    EXPECT_EQ(about.focus(), &about.at("Picture2"));
    about.type(platform::keys::kEnter);
    EXPECT_FALSE(isOpen("aboutquorvel"));
}

}  // namespace
}  // namespace quorvel
