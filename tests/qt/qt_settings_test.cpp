#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/qt/qt_settings_store.h"
#include "qt_test_support.h"

using namespace quorvel::platform::qt;

namespace {

// Points the store at a throw-away configuration folder for one test.
class SettingsFolder : public testing::Test {
protected:
    void useFolder(const QString& path) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }
    QTemporaryDir folder;
};

}  // namespace

TEST_F(SettingsFolder, WrittenTextReadsBackPerApplicationSectionAndKey) {
    useFolder(folder.path());
    {
        QtSettingsStore store;
        EXPECT_EQ(store.read("quorvel", "player1", "bank"), "");
        store.write("quorvel", "player1", "bank", "2500");
        store.write("quorvel", "player1", "currentplayer", "Ann Lee");
        store.write("allslot", "player1", "grand", "-1");
        quorvel::qt_tests::runEventsFor(20);  // the gathered writes are saved on their own
        QFile file(folder.path() + "/Quorvel/quorvel.ini");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        EXPECT_TRUE(text.contains("[player1]")) << text.toStdString();
        EXPECT_TRUE(text.contains("bank=2500")) << text.toStdString();
    }
    QtSettingsStore again;
    EXPECT_EQ(again.read("quorvel", "player1", "bank"), "2500");
    EXPECT_EQ(again.read("quorvel", "player1", "currentplayer"), "Ann Lee");
    EXPECT_EQ(again.read("allslot", "player1", "grand"), "-1");
    EXPECT_EQ(again.read("quorvel", "player2", "bank"), "");
    // Saved through a temporary file and a rename: nothing else is left in the folder.
    EXPECT_EQ(QDir(folder.path() + "/Quorvel").entryList(QDir::Files),
              (QStringList{"allslot.ini", "quorvel.ini"}));
}

TEST_F(SettingsFolder, AStoreThatCannotBeSavedIsReportedOnceAndPlayGoesOn) {
    // A plain file where the folder should be: not even an administrator can save there.
    QFile blocker(folder.path() + "/Quorvel");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    useFolder(folder.path());
    QtSettingsStore store;
    std::vector<std::string> reports;
    store.setReporter([&](const std::string& sentence) { reports.push_back(sentence); });
    store.write("quorvel", "player1", "bank", "5000");
    store.flush();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("could not be saved"), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find((folder.path() + "/Quorvel/quorvel.ini").toStdString()),
              std::string::npos)
        << reports[0];
    store.write("quorvel", "player1", "bank", "4000");
    store.flush();
    EXPECT_EQ(reports.size(), 1u) << "reported once per run";
    EXPECT_EQ(store.read("quorvel", "player1", "bank"), "4000") << "the game keeps its values";
}

TEST_F(SettingsFolder, AStoreThatCannotBeReadIsReportedAndReadsEmpty) {
    // Something that is no file where the settings should be.
    ASSERT_TRUE(QDir(folder.path()).mkpath("Quorvel/quorvel.ini"));
    useFolder(folder.path());
    QtSettingsStore store;
    std::vector<std::string> reports;
    store.setReporter([&](const std::string& sentence) { reports.push_back(sentence); });
    EXPECT_EQ(store.read("quorvel", "player1", "bank"), "");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("could not be read"), std::string::npos) << reports[0];
    EXPECT_EQ(store.read("quorvel", "player1", "soundonoff"), "");
    EXPECT_EQ(reports.size(), 1u);
}

// A player's name may hold anything: what the INI file treats as syntax must come back as text.
TEST_F(SettingsFolder, NamesWithAnyCharactersReadBackUnchanged) {
    useFolder(folder.path());
    const std::vector<std::string> names = {
        "a=b",          "[slot]",     "semi;colon",  "back\\slash", "two\nlines", "Αλεξάνδρεια!",
        "Александрина", "comma, too", "@Variant(x)", "\"quoted\"",  " spaced ",   "#hash",
        "tab\there",    "",
    };
    {
        QtSettingsStore store;
        for (std::size_t i = 0; i < names.size(); ++i)
            store.write("quorvel", "player" + std::to_string(i % 6 + 1), "name" + std::to_string(i),
                        names[i]);
    }
    QtSettingsStore again;
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(
            again.read("quorvel", "player" + std::to_string(i % 6 + 1), "name" + std::to_string(i)),
            names[i])
            << i;
}
