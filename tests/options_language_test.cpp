#include <gtest/gtest.h>

#include <string>

#include "platform/catalogue/qt_catalogue.h"
#include "platform/keys.h"
#include "platform/languages.h"
#include "tests/game_fixture.h"

namespace quorvel::testing_support {
namespace {

// A returning player on a system set to English, the options one click away.
struct LanguageTest : ::testing::Test {
    platform::headless::HeadlessPlatform p;
    platform::qt::QtCatalogue catalogue{"en"};
    bool given = (p.text = &catalogue, true);
    screen::Quorvel q{p.services()};
    platform::Window* options = nullptr;

    void SetUp() override {
        p.store.write("quorvel", "player1", "currentplayer", "Anne");
        p.store.write("quorvel", "player1", "games", "4");
        p.store.write("quorvel", "player1", "wager", "200");
        p.store.write("quorvel", "player1", "total", "150");
        p.store.write("quorvel", "player1", "winroll", "1");
        p.store.write("quorvel", "player2", "bank", "700");
        q.Form_Load();
        q.btnoptions_Click();
        options = p.windows.front();
    }
    std::string opt(const std::string& name, int index = 0) {
        return options->at(name, index).caption();
    }
    void choose(int index) {
        p.click(*options, "language", index);
        p.runFor(0);
    }
    std::string stored() { return p.store.read("quorvel", "general", "language"); }
};

TEST_F(LanguageTest, DeutschSpeaksAtOnceAndIsKeptAutomaticGivesTheSystemLanguageBack) {
    ASSERT_EQ(options->name(), "quorveloptions");
    EXPECT_TRUE(options->at("language", 0).value());
    EXPECT_EQ(opt("lblgames"), "Games Played            4");
    p.click(*options, "setspeed", 2);
    p.runFor(0);

    choose(2);
    EXPECT_EQ(stored(), "de");
    EXPECT_EQ(catalogue.language(), "de");
    EXPECT_TRUE(options->at("language", 2).value());
    EXPECT_EQ(options->caption(), "Quorvel-Optionen");
    EXPECT_EQ(opt("Framelanguage"), "Sprache");
    EXPECT_EQ(opt("language", 0), "Automatisch");
    EXPECT_EQ(opt("language", 3), "Fran\u00e7ais");
    // The composed texts keep their figures, names and spacing around the new words.
    EXPECT_EQ(opt("lblgames"), "Spiele            4");
    EXPECT_EQ(opt("lblcurrentplayer"), "Am Steuer    ANNE");
    EXPECT_EQ(opt("machine", 1), "ANNE");
    EXPECT_EQ(opt("machine", 3), "Frei");
    EXPECT_EQ(opt("speedlab"), "Tempo =   4");
    EXPECT_EQ(opt("wincounter", 1), " AN");
    EXPECT_EQ(options->at("player1").accessibleName(), "Spielernamen eingeben");
    EXPECT_EQ(q.window().caption(), "Am Steuer       ANNE");
    EXPECT_EQ(q.window().at("btnoptions").tooltip(),
              catalogue.translate("quorvel", "Options, CLICK to VIEW"));

    // What is written afterwards is German too, and a refusal speaks it.
    p.click(*options, "machine", 2);
    p.runFor(0);
    EXPECT_EQ(opt("lblcurrentplayer"), "Am Steuer    ");
    EXPECT_EQ(opt("machine", 2), "Frei");
    options->at("player1").setCaption("");
    options->setFocus(&options->at("player1"));
    options->type(platform::keys::kEnter);
    p.runFor(0);
    ASSERT_FALSE(p.messages.shown().empty());
    EXPECT_EQ(p.messages.shown().back().text, "Nichts eingegeben");

    choose(0);
    EXPECT_EQ(stored(), "auto");
    EXPECT_EQ(catalogue.language(), "en");
    EXPECT_EQ(options->caption(), "Quorvel Options");
    EXPECT_EQ(opt("language", 0), "Automatic");
    EXPECT_EQ(opt("lblcurrentplayer"), "Current Player  ");
    EXPECT_EQ(opt("machine", 3), "Vacant");
    EXPECT_EQ(q.window().caption(), "Current Player       ");
}

// gettext's order: LANGUAGE's first offered entry when a locale is set, then LC_MESSAGES over
// LANG; C, POSIX and languages the game lacks read as English.
TEST(SystemLanguage, FollowsTheEnvironmentAsGettextDoes) {
    struct Case {
        const char *language, *messages, *lang, *expected;
    };
    const Case cases[] = {
        {"pt:fr:de", "", "de_DE.UTF-8", "fr"},
        {"de", "", "", "en"},
        {"de:es", "", "C", "en"},
        {"", "es_ES.UTF-8", "de_DE.UTF-8", "es"},
        {"", "C", "de_DE.UTF-8", "en"},
        {"", "", "fr_CA.UTF-8@euro", "fr"},
        {"", "", "POSIX", "en"},
        {"nl:pt", "", "pt_BR.UTF-8", "en"},
        {"", "", "es", "es"},
        {"en_GB:de", "", "de_AT", "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::systemLanguage(c.language, c.messages, c.lang), c.expected)
            << c.language << " | " << c.messages << " | " << c.lang;
    EXPECT_EQ(platform::storedLanguageChoice("de"), "de");
    EXPECT_EQ(platform::storedLanguageChoice("DE"), "auto");
    EXPECT_EQ(platform::storedLanguageChoice("de_DE"), "auto");
    EXPECT_EQ(platform::storedLanguageChoice(""), "auto");
}

}  // namespace
}  // namespace quorvel::testing_support
