#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <random>

#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_settings_store.h"
#include "players/game_saver.h"
#include "qt_test_support.h"

using namespace quorvel::platform::qt;
using quorvel::qt_tests::runEventsFor;

namespace {

using Reports = std::vector<std::string>;

std::string filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name).join(' ').toStdString();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bank in one file and the grand jackpot in the other, saved as one commit.
void saveBoth(const std::string& folder, const std::string& bank, const std::string& grand,
              const CommitObserver& observer = {}) {
    QtSettingsStore store(QtSettingsStore::Folder{folder});
    store.write("quorvel", "player1", "bank", bank);
    store.write("allslot", "player1", "grand", grand);
    store.setCommitObserver(observer);
    store.flush();
}

std::pair<std::string, std::string> readBoth(const std::string& folder) {
    QtSettingsStore store(QtSettingsStore::Folder{folder});
    return {store.read("quorvel", "player1", "bank"), store.read("allslot", "player1", "grand")};
}

// A child process saves the new values and is killed the moment the commit reaches `step`.
void saveAndDieAt(const std::string& folder, const std::string& step) {
    const pid_t child = fork();
    if (child == 0) {
        saveBoth(folder, "200", "2", [&](std::string_view reached) {
            if (reached == step) raise(SIGKILL);
        });
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << step;
}

}  // namespace

TEST(SettingsCommit, ACrashAtAnyStepLeavesBothFilesOldOrBothNew) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    std::vector<std::string> steps;
    saveBoth(folder, "200", "2", [&](std::string_view step) { steps.emplace_back(step); });
    const std::vector<std::string> expected = {
        "staged quorvel.ini",  "staged allslot.ini",  "journal",
        "renamed quorvel.ini", "renamed allslot.ini", "done"};
    ASSERT_EQ(steps, expected);
    for (std::size_t k = 0; k < steps.size(); ++k) {
        saveBoth(folder, "100", "1");
        ASSERT_EQ(readBoth(folder), std::make_pair(std::string("100"), std::string("1")));
        saveAndDieAt(folder, steps[k]);
        const bool committed = k >= 2;  // the journal is the commit point
        EXPECT_EQ(readBoth(folder), committed
                                        ? std::make_pair(std::string("200"), std::string("2"))
                                        : std::make_pair(std::string("100"), std::string("1")))
            << "killed after " << steps[k];
        EXPECT_EQ(filesIn(dir.path()), "allslot.ini quorvel.ini")
            << "nothing staged or journalled is left once a store opened the folder";
    }
}

TEST(SettingsTruth, DamagedFilesAreToldOnceAndAnOversizedOneIsKeptAsideAndReplaced) {
    QTemporaryDir dir;
    const QString quorvelIni = dir.path() + "/quorvel.ini",
                  allslotIni = dir.path() + "/allslot.ini";
    QByteArray big = "[player1]\nbank=777\n[junk]\n";
    for (int i = 0; big.size() <= QtSettingsStore::kLargestSensibleFile; ++i)
        big += "key" + QByteArray::number(i) + "=" + QByteArray(60, 'x') + "\n";
    writeFile(quorvelIni, big);
    std::mt19937 random(7);
    QByteArray noise(4096, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    writeFile(allslotIni, noise);

    Reports reports;
    {
        QtSettingsStore store(QtSettingsStore::Folder{dir.path().toStdString()});
        store.setReporter([&](const std::string& sentence) { reports.push_back(sentence); });
        EXPECT_EQ(store.read("quorvel", "player1", "bank"), "777");
        EXPECT_EQ(store.read("quorvel", "player1", "games"), "");
        ASSERT_EQ(reports.size(), 2u);
        EXPECT_NE(reports[0].find(quorvelIni.toStdString() + " is far larger"), std::string::npos)
            << reports[0];
        EXPECT_NE(reports[1].find(allslotIni.toStdString() + " could be read only in part"),
                  std::string::npos)
            << reports[1];
        for (int save = 0; save < 2; ++save) {
            store.write("allslot", "player1", "grand", std::to_string(save));
            store.write("quorvel", "player1", "games", std::to_string(10 + save));
            store.flush();
        }
        EXPECT_EQ(reports.size(), 2u) << "the saves succeeded: nothing more to tell";
        EXPECT_EQ(store.read("quorvel", "player1", "bank"), "777");
    }
    EXPECT_EQ(contentOf(quorvelIni + ".damaged"), big) << "kept aside whole, once";
    EXPECT_FALSE(QFile::exists(allslotIni + ".damaged")) << "a file of normal size keeps its keys";
    EXPECT_LT(QFileInfo(quorvelIni).size(), 200) << contentOf(quorvelIni).toStdString();
    EXPECT_LT(QFileInfo(allslotIni).size(), 8192);

    QtSettingsStore again(QtSettingsStore::Folder{dir.path().toStdString()});
    again.setReporter([&](const std::string& sentence) { reports.push_back(sentence); });
    EXPECT_EQ(again.read("quorvel", "player1", "bank"), "777");
    EXPECT_EQ(again.read("quorvel", "player1", "games"), "11");
    EXPECT_EQ(again.read("quorvel", "junk", "key1"), "") << "only what the game asked for";
    EXPECT_EQ(again.read("allslot", "player1", "grand"), "1");
    EXPECT_EQ(reports.size(), 2u) << "the files now read whole";
}

namespace {

// Answers every box that comes up with OK, noting its text.
struct BoxAnswerer {
    QStringList seen;
    QTimer timer;
    BoxAnswerer() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            seen << box->text();
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(20);
    }
};

}  // namespace

// The close box closes even when the save it causes fails: the box telling so waits until the
// window is gone, as a modal box inside the close would block it.
TEST(SettingsTruth, AFailedSaveAtTheCloseBoxIsToldOnceTheWindowIsGone) {
    QTemporaryDir config;
    QFile blocker(config.path() + "/QuorvelCloseTest");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    quorvel::qt_tests::MainScreen screen("QuorvelCloseTest",
                                         quorvel::qt_tests::MainScreen::Start::FormLoad);
    BoxAnswerer answerer;
    QTimer::singleShot(50, [&] {
        QCloseEvent closeBox;  // as the window manager's close reaches the window
        QCoreApplication::sendEvent(screen.view->windowHandle(), &closeBox);
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });  // a guard, should it hang
    EXPECT_EQ(QApplication::exec(), 0) << "the first close ended the program";
    EXPECT_TRUE(answerer.seen.isEmpty()) << answerer.seen.join("|").toStdString();
    screen.platform.showHeldReports();
    ASSERT_EQ(answerer.seen.size(), 1);
    EXPECT_TRUE(answerer.seen[0].contains("could not be saved to " + config.path() +
                                          "/QuorvelCloseTest/quorvel.ini"))
        << answerer.seen[0].toStdString();
}

// The real game holds the folder; a second copy made the way the game's start makes it is
// turned away before it reads or writes anything, and a killed game does not block the next.
TEST(OneGamePerFolder, ASecondCopyLeavesTheProfileAloneAndAKilledGameBlocksNothing) {
    QTemporaryDir config;
    const QString folder = config.path() + "/Quorvel";
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(folder + "/quorvel.ini", "[player1]\nbank=4321\ncurrentplayer=First\n");
    QProcess first;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    first.setProcessEnvironment(environment);
    first.start(QUORVEL_GAME_BINARY, {});
    const QString lock = folder + "/" + QString::fromStdString(FolderLock::lockFileName());
    for (int waited = 0; waited < 15000 && !QFile::exists(lock); waited += 50)
        runEventsFor(50);
    ASSERT_TRUE(QFile::exists(lock)) << "the game did not start";
    runEventsFor(300);  // its window opens
    const QByteArray profile = contentOf(folder + "/quorvel.ini");
    const std::string files = filesIn(folder);

    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    quorvel::qt_tests::TestAssets assets;
    {
        QtPlatform second(assets.path(), "Quorvel");
        BoxAnswerer answerer;
        EXPECT_FALSE(second.claimSettingsFolder());
        ASSERT_EQ(answerer.seen.size(), 1);
        EXPECT_TRUE(answerer.seen[0].contains("already running")) << answerer.seen[0].toStdString();
        EXPECT_TRUE(answerer.seen[0].contains("brought to the front")) << "the first was reached";
    }
    EXPECT_EQ(contentOf(folder + "/quorvel.ini"), profile);
    EXPECT_EQ(filesIn(folder), files);

    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(lock)) << "a killed game leaves its lock behind";
    {
        // A holder that does not answer, here one without a socket: nothing was raised.
        const int holder = ::open(QFile::encodeName(lock).constData(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
        QtPlatform second(assets.path(), "Quorvel");
        BoxAnswerer answerer;
        EXPECT_FALSE(second.claimSettingsFolder());
        ::close(holder);
        ASSERT_EQ(answerer.seen.size(), 1);
        EXPECT_EQ(answerer.seen[0].toStdString(),
                  "Quorvel is already running with the settings in " + folder.toStdString() +
                      ".\nThis copy closes; carry on in the one already open.");
    }
    QtPlatform next(assets.path(), "Quorvel");
    EXPECT_TRUE(next.claimSettingsFolder());
    EXPECT_EQ(next.store.read("quorvel", "player1", "bank"), "4321");
}

// Saves that skip unchanged values still commit files holding every value, and a direct write
// by another writer is put right by the next save rather than trusted or lost.
TEST(SettingsCommit, LeanSavesStillCommitEveryValue) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    quorvel::engine::PlayerValues player;
    player.bank = 1000;
    player.grand = 2'000'000;
    const quorvel::engine::RunState run;
    const quorvel::engine::PlayState play;
    quorvel::players::GameSaver saver;
    {
        QtSettingsStore store(QtSettingsStore::Folder{folder});
        saver.save(player, run, play, store);
        store.flush();
        const auto revision = store.revision();
        store.write("quorvel", "player1", "games", "0");
        EXPECT_EQ(store.revision(), revision) << "the value it already held";
        store.write("quorvel", "player1", "bank", "5");  // as the options window writes
        player.games = 1;
        saver.save(player, run, play, store);
        store.flush();
        player.grand = 2'000'010;  // the other file alone
        saver.save(player, run, play, store);
        store.flush();
    }
    QtSettingsStore again(QtSettingsStore::Folder{folder});
    EXPECT_EQ(again.read("quorvel", "player1", "bank"), "1000");
    EXPECT_EQ(again.read("quorvel", "player1", "games"), "1");
    EXPECT_EQ(again.read("allslot", "player1", "grand"), "2000010");
    EXPECT_FALSE(again.read("quorvel", "player1", "playstate").empty());
    EXPECT_EQ(filesIn(dir.path()), "allslot.ini quorvel.ini");
}
