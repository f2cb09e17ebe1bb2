#include <ctime>

#include "game_fixture.h"
#include "info/session_report.h"
#include "platform/catalogue/qt_catalogue.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

// A German system: the game's automatic choice at start-up keeps German.
struct GermanCatalogue {
    platform::qt::QtCatalogue german{"de"};
};

// Made first, so the game is handed the German catalogue.
struct GermanInfoWindows : GermanCatalogue, GameTest {
    GermanInfoWindows() : GameTest(german) {}
};

std::string localForm(std::int64_t unixSeconds, const char* format) {
    const std::time_t when = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

}  // namespace

TEST_F(GermanInfoWindows, SessionAndRecallSpeakGermanWithTheirFiguresAndDates) {
    ASSERT_EQ(german.language(), "de");
    startWithCredit(1000);
    playTenCentsTaken();
    queueSpin(kLosingStops);
    spinButton();

    keyDown(platform::kKeyF3);
    platform::Window* session = openWindow("quorvelsession");
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(session->caption(), "Deine Sitzung");
    EXPECT_EQ(session->at("lblgames").caption(), "Spiele: 2");
    EXPECT_EQ(session->at("lblwagered").caption(), "Gesetzt: $0.50");
    EXPECT_EQ(session->at("lblfeatures").caption(), "Features: Freispiele 0, Tafeln 0");
    const std::string luck = session->at("lblluck").caption();
    EXPECT_TRUE(luck.starts_with("Mehr Glück als etwa ") ||
                luck.starts_with("Weniger Glück als etwa "))
        << luck;
    EXPECT_TRUE(luck.ends_with(" % der Sitzungen mit 2 Spielen.")) << luck;
    const platform::ChartData& credit = session->at("chtcredit").chart();
    EXPECT_EQ(credit.title, "Guthaben nach jedem Spiel");
    EXPECT_EQ(credit.markNames[2], "Risiko");
    ASSERT_EQ(credit.marks.size(), 1u);
    EXPECT_EQ(credit.marks[0].tooltip, "Spiel 1: Risiko gewonnen $0.20");
    session->keyPress(platform::kKeyEscape);

    keyDown(platform::kKeyF2);
    platform::Window* recall = openWindow("quorvelrecall");
    ASSERT_NE(recall, nullptr);
    EXPECT_EQ(recall->caption(), "Spielverlauf");
    const std::string played = localForm(player.history.games().front().playedAt, "%d.%m.%Y %H:%M");
    EXPECT_EQ(recall->at("lblplayed").caption(), "Gespielt am " + played);
    EXPECT_EQ(recall->at("game", 1).caption(), "1.  " + played + "   Einsatz 25   Gewinn 0");
    recall->dispatch(recall->at("game", 2), platform::EventKind::Click);
    EXPECT_EQ(recall->at("lblresult").caption(), "Gewonnen 10 (Linien 19 20)");
    EXPECT_EQ(recall->at("lblgamble").caption(), "Risiko eingesackt 20");
    EXPECT_EQ(recall->at("lblcredit").caption(), "Guthaben vorher 1000, nachher 995");
}

// A day and month below ten show their nought, and the year in full, in every language.
TEST(LanguageForms, DatesAndCountsFollowTheLanguage) {
    const std::int64_t morning = 1'769'936'700;  // 1 February 2026, about nine o'clock
    platform::qt::QtCatalogue catalogue("en");
    const platform::SourceCatalogue source;
    EXPECT_EQ(catalogue.dateTime(morning), source.dateTime(morning));
    EXPECT_EQ(source.dateTime(morning), localForm(morning, "%H:%M:%S"));
    for (const auto& [language, format] :
         {std::pair{"de", "%d.%m.%Y %H:%M"}, {"fr", "%d/%m/%Y %H:%M"}, {"es", "%d/%m/%Y %H:%M"}}) {
        catalogue.setLanguage(language);
        EXPECT_EQ(catalogue.dateTime(morning), localForm(morning, format)) << language;
    }
    catalogue.setLanguage("de");
    const info::ReturnOdds odds{0.95, 6.0};
    EXPECT_EQ(info::luckSentence({.games = 1, .wagered = 25, .won = 25'000}, odds, catalogue),
              "Mehr Glück als fast jede Sitzung mit 1 Spiel.");
}
