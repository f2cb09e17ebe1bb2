// quorvel-showcase: plays the real cabinet through a fixed set of draws and saves what the
// player sees at each moment worth reviewing (a win, free spins, the jackpot board, the
// gamble) as PNG files. The draws are queued, so every run shows the same pictures.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/headless/recorders.h"
#include "platform/headless/scripted_random.h"
#include "platform/headless/spin_draws.h"
#include "platform/headless/virtual_time.h"
#include "platform/qt/qt_platform.h"
#include "screen/quorvel.h"

namespace {

using quorvel::platform::EventKind;
using quorvel::platform::headless::ScriptedRandom;
using Stops = std::array<int, 5>;

constexpr Stops kLosing{1, 4, 3, 1, 1};
constexpr Stops kWildWin{1, 3, 19, 1, 1};
constexpr Stops kThreeChests{1, 4, 15, 5, 7};
constexpr Stops kJackpot{8, 16, 6, 1, 1};
// Wins of 15, 50 and 100 times the total bet of 25: the big, mega and epic celebrations.
constexpr Stops kBigWin{1, 1, 3, 7, 7};
constexpr Stops kMegaWin{1, 1, 15, 21, 2};
constexpr Stops kEpicWin{1, 1, 8, 12, 7};

class Showcase {
public:
    Showcase(quorvel::platform::qt::QtPlatform& platform, quorvel::platform::Services services,
             ScriptedRandom& random, QString folder)
        : platform_(platform), random_(random), folder_(std::move(folder)), game_(services) {}

    void run() {
        game_.Form_Load();
        wait(600);
        save("1-start");
        game_.window().keyDown(quorvel::platform::kKeyF2);
        wait(300);
        saveChild("0-recall-empty");
        quickStop(kLosing);
        spin(kWildWin);
        // The moment a paid line is drawn and its symbols are highlighted.
        waitFor([&] { return game_.window().at("Lineflash", 1).visible(); }, 5000);
        save("2-win-lines-and-wilds");
        spin(kThreeChests, 10);
        wait(300);
        save("3-free-spins-awarded");
        wait(4000);
        save("4-free-spins-playing");
        waitFor([&] { return game_.window().at("takewin").visible(); }, 60'000);
        save("5-free-spins-completed");
        press("takewin");
        spin(kWildWin);
        press("doublebutton");
        random_.queueDraw(3, 4);
        click("betred");
        wait(200);
        save("6-gamble-won");
        click("cancelbet");
        queue(kJackpot, 1);
        random_.queueDraw(5, 16);  // the ball starts on the fifth tile...
        random_.queueDraw(4, 16);  // ...and stops on the grand
        press("btnspin");
        wait(4600);
        save("7-jackpot-board");
        waitFor([&] { return game_.counters().ball.ballslowing == 1; }, 20'000);
        save("8-jackpot-ball-run");
        waitFor([&] { return game_.counters().ball.showticks > 10; }, 30'000);
        save("9-jackpot-prize");
        waitFor(
            [&] {
                return game_.window().enabled() && game_.counters().ball.showticks == 0 &&
                       !game_.window().at("jackpotframe").visible();
            },
            30'000);
        wait(300);
        openAndSave("btnoptions", "10-options");
        game_.window().keyDown(quorvel::platform::kKeyF2);
        wait(300);
        saveChild("11-recall");
        showMenuEntry("mnuviewpaytable", "12-pay-table");
        showMenuEntry("about", "13-about");
        click("btnoptions");
        wait(400);
        answerBox("14-message-yes-no", QMessageBox::No);
        quorvel::platform::Window& options = game_.childWindow()->window();
        options.dispatch(options.at("Btndeletedetails"), EventKind::Click);
        game_.childWindow()->close();
        wait(200);
        // The autoplay notice comes first; its spin is a losing one.
        queue(kLosing);
        answerBox("15-message-notice", QMessageBox::Ok);
        press("autoplayon");
        wait(300);
        save("16-autoplay-on");
        press("autoplayon");
        wait(1500);
        celebrate(kBigWin, "17-big-win");
        celebrate(kMegaWin, "18-mega-win");
        celebrate(kEpicWin, "19-epic-win");
        playSession(40, 90'000);
        showSession("20-session");
    }

    // The session window over a session the game resumed from the store.
    void runResumed() {
        game_.Form_Load();
        wait(600);
        showSession("21-session-resumed");
    }

private:
    void wait(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    template <typename Condition>
    void waitFor(Condition done, int limitMs) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    void queue(const Stops& stops, int reel3 = 2) {
        quorvel::platform::headless::queueSpinDraws(random_, stops, reel3, 1);
    }
    void spin(const Stops& stops, int losingAfter = 0, int reel3 = 2) {
        queue(stops, reel3);
        for (int i = 0; i < losingAfter; ++i)
            queue(kLosing);
        press("btnspin");
    }
    // A spin landed by a second space bar: saved as the X server shows it, not painted afresh.
    void quickStop(const Stops& stops) {
        queue(stops);
        QWidget* view = platform_.windows.binding(game_.window())->view();
        auto space = [view] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
            QApplication::sendEvent(view, &press);
        };
        QTimer::singleShot(300, view, space);
        space();
        wait(300);
        const QString path = folder_ + "/1-quick-stop.png";
        view->screen()->grabWindow(view->winId()).save(path);
        std::printf("%s\n", path.toUtf8().constData());
    }
    void showSession(const char* name) {
        game_.window().keyDown(quorvel::platform::kKeyF3);
        wait(600);
        saveChild(name);
    }
    // A stretch of autoplay on the seeded draws, for the session window to chart: features
    // are collected as they end, and autoplay is started again wherever it stopped.
    void playSession(int games, int limitMs) {
        const int target = game_.player().games + games;
        QElapsedTimer clock;
        clock.start();
        while (game_.player().games < target && clock.elapsed() < limitMs) {
            if (game_.window().at("takewin").shown()) press("takewin");
            if (game_.counters().pace.autoplaymode == 0 && game_.window().enabled() &&
                game_.cabinet().atRest())
                press("autoplayon");
            wait(50);
        }
        if (game_.counters().pace.autoplaymode != 0) press("autoplayon");
        waitFor([&] { return game_.cabinet().atRest() && game_.window().enabled(); }, 30'000);
        wait(1500);
    }
    // Each celebration mid-count, then at rest on the whole win.
    void celebrate(const Stops& stops, const std::string& name) {
        spin(stops);
        wait(900);
        save((name + "-counting").c_str());
        waitFor([&] { return game_.celebration().atRest(); }, 10'000);
        wait(400);
        save((name + "-at-rest").c_str());
    }
    void press(const char* name) {
        auto& window = game_.window();
        window.dispatch(window.at(name), EventKind::MouseDown);
        window.dispatch(window.at(name), EventKind::MouseUp);
        window.dispatch(window.at(name), EventKind::Click);
    }
    void click(const char* name) {
        game_.window().dispatch(game_.window().at(name), EventKind::Click);
    }
    void save(const char* name) { keep(platform_.windows.binding(game_.window())->view(), name); }
    void keep(QWidget* widget, const char* name) {
        const QString path = folder_ + "/" + name + ".png";
        widget->grab().save(path);
        std::printf("%s\n", path.toUtf8().constData());
    }

    void saveChild(const char* name) {
        quorvel::platform::ChildWindow* child = game_.childWindow();
        if (!child || !child->isOpen()) return;
        keep(platform_.windows.binding(child->window())->view(), name);
        child->close();
        wait(200);
    }
    // A message box holds the game until answered: it is saved and answered once it shows.
    void answerBox(const char* name, QMessageBox::StandardButton answer) {
        QTimer::singleShot(400, [this, name, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            keep(box, name);
            box->button(answer)->click();
        });
    }
    void openAndSave(const char* button, const char* name) {
        click(button);
        wait(400);
        saveChild(name);
    }
    void showMenuEntry(const char* entry, const char* name) {
        game_.window().dispatch(game_.window().at("btnopenmenu"), EventKind::MouseMove);
        openAndSave(entry, name);
    }

    quorvel::platform::qt::QtPlatform& platform_;
    ScriptedRandom& random_;
    QString folder_;
    quorvel::screen::Quorvel game_;
};

// Some hundreds of games of autoplay on seeded draws, played by the real handlers in virtual
// time, stopped at rest as a crash would leave the store: the next start resumes the session.
quorvel::platform::headless::MemoryStore sessionPlayedAhead(
    const quorvel::platform::headless::MemoryStore& start, int games) {
    quorvel::platform::headless::HeadlessPlatform p(7);
    p.store = start;
    p.store.write("quorvel", "notice", "autoplay", "-1");
    quorvel::screen::Quorvel game(p.services());
    game.Form_Load();
    auto& window = game.window();
    while (game.player().games < games) {
        if (window.at("takewin").shown()) p.press(window, "takewin");
        if (game.counters().pace.autoplaymode == 0 && window.enabled() && game.cabinet().atRest())
            p.press(window, "autoplayon");
        p.runFor(1000);
    }
    p.press(window, "autoplayon");
    p.runUntil([&] { return game.cabinet().atRest() && window.enabled(); }, 60'000);
    p.runFor(6000);
    return p.store;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    quorvel::platform::qt::QtPlatform platform(
        quorvel::platform::qt::findAssetFolder(QUORVEL_ASSET_DIR));
    // The draws come from a queue and the profile from memory: the player's own settings
    // are never touched.
    quorvel::platform::headless::VirtualTime unusedClock;
    ScriptedRandom random(unusedClock, 1);
    quorvel::platform::headless::MemoryStore store;
    store.write("quorvel", "player1", "bank", "100000");
    store.write("quorvel", "player1", "winroll", "1");
    store.write("quorvel", "player1", "currentplayer", "Anne Bonny");
    store.write("allslot", "player1", "grand", "2123450");
    store.write("allslot", "player1", "major", "204560");
    store.write("allslot", "player1", "minor", "2890");
    // QUORVEL_LANGUAGE=de shows the game as a player who chose German sees it.
    const std::string language = qEnvironmentVariable("QUORVEL_LANGUAGE").toStdString();
    if (!language.empty()) {
        store.write("quorvel", "general", "language", language);
        platform.text.setLanguage(language);
    }
    quorvel::platform::Services services = platform.services();
    quorvel::platform::Services showcase{services.timers,    services.events, services.sound,
                                         services.resources, store,           services.messages,
                                         services.display,   services.links,  random,
                                         services.windows,   services.text};
    quorvel::platform::headless::MemoryStore played = sessionPlayedAhead(store, 400);
    // "--resumed" shows the resumed session alone, for a quick look at the session window.
    if (argc < 3 || QString::fromLocal8Bit(argv[2]) != "--resumed")
        Showcase(platform, showcase, random, folder).run();
    quorvel::platform::Services resumed{services.timers,    services.events, services.sound,
                                        services.resources, played,          services.messages,
                                        services.display,   services.links,  random,
                                        services.windows,   services.text};
    Showcase(platform, resumed, random, folder).runResumed();
    return 0;
}
