#include <gtest/gtest.h>

#include <map>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/qt/asset_fonts.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/scene_geometry.h"
#include "platform/qt/scene_painter.h"
#include "qt_test_support.h"
#include "screen/quorvel.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::TestAssets;

namespace {

// Each character as a key press carrying it, as an input method delivers letters of any script.
void typeInto(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

struct OptionsOnQt : testing::Test {
    QTemporaryDir config;
    TestAssets assets;
    std::unique_ptr<QtPlatform> platform;
    std::unique_ptr<quorvel::screen::Quorvel> game;

    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        platform = std::make_unique<QtPlatform>(assets.path(), "QuorvelOptionsTest");
        game = std::make_unique<quorvel::screen::Quorvel>(platform->services());
        game->Form_Load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform->windows.mainView()));
    }
    Window& openOptions() {
        game->btnoptions_Click();
        return game->childWindow()->window();
    }
    SceneView& viewOf(const Window& window) { return *platform->windows.binding(window)->view(); }
};

bool within(const Element& element, const Element* container) {
    for (const Element* up = element.parent(); up; up = up->parent())
        if (up == container) return true;
    return false;
}

// Measured with the fonts the window paints with: a caption clipped or run into its neighbour
// is what a player would see.
TEST_F(OptionsOnQt, TheReminderAndStopGroupsFitTheirCaptionsAndLieClearOfEverything) {
    Window& options = openOptions();
    const QRect client(0, 0, pixels(options.clientWidth()), pixels(options.clientHeight()));
    int checked = 0;
    for (const auto& owned : options.elements()) {
        const Element& e = *owned;
        const bool ours =
            &e == &options.at("Framereminder") || &e == &options.at("Frameautostop") ||
            &e == &options.at("Framelanguage") || within(e, &options.at("Framereminder")) ||
            within(e, &options.at("Frameautostop")) || within(e, &options.at("Framelanguage"));
        if (!ours) continue;
        const QRect rect = sceneRect(e);
        const std::string what = e.name() + "(" + std::to_string(e.index()) + ") " + e.caption();
        EXPECT_TRUE(client.contains(rect)) << what;
        const int text =
            QFontMetrics(fontOf(e.font())).horizontalAdvance(QString::fromStdString(e.caption()));
        // The painter's own margins: a round mark and a gap before an option's caption, a
        // caption set into a frame's top edge.
        const int room =
            e.kind() == ElementKind::OptionButton ? rect.width() - 16 : rect.width() - 10 - 6;
        EXPECT_LE(text, room) << what;
        for (const auto& other : options.elements()) {
            if (other.get() == &e || !other->shown() || within(e, other.get()) ||
                within(*other, &e) || other->kind() == ElementKind::ImageList)
                continue;
            EXPECT_FALSE(rect.intersects(sceneRect(*other))) << what << " / " << other->name();
        }
        ++checked;
    }
    EXPECT_EQ(checked, 2 + 4 + 22 + 1 + 5);
}

int textWidth(const Element& e, const std::string& text) {
    return QFontMetrics(fontOf(e.font())).horizontalAdvance(QString::fromStdString(text));
}

// Each language's captions in the fonts the window paints with: none wider than its element
// where the English fits, none wider than the English where it does not; the words after the
// name box still start beyond it.
TEST_F(OptionsOnQt, EveryLanguageFitsTheOptionsWindowAsEnglishDoes) {
    // The faces the game draws in, as a started game has them.
    loadAssetFonts("");
    Window& english = openOptions();
    std::map<std::string, int> room;
    for (const auto& e : english.elements()) {
        const bool oneLine = e->caption().find('\n') == std::string::npos && !e->autoSize() &&
                             sceneRect(*e).height() < 30;
        if (!e->caption().empty() && oneLine)
            room[e->name() + std::to_string(e->index())] =
                std::max(sceneRect(*e).width() - 16, textWidth(*e, e->caption()));
    }
    const int labelLeft = sceneRect(english.at("lblplayername")).left();
    const int boxLeft = sceneRect(english.at("player1")).left() - labelLeft;
    const int boxRight = sceneRect(english.at("player1")).right() - labelLeft;
    game->childWindow()->close();
    for (const char* language : {"de", "fr", "es"}) {
        platform->text.setLanguage(language);
        Window& options = openOptions();
        for (const auto& e : options.elements()) {
            const auto found = room.find(e->name() + std::to_string(e->index()));
            if (found == room.end()) continue;
            EXPECT_LE(textWidth(*e, e->caption()), found->second)
                << language << " " << e->name() << "(" << e->index() << ") " << e->caption();
        }
        const Element& prompt = options.at("lblplayername");
        const std::string text = prompt.caption();
        const std::string ask = text.substr(0, text.find("  "));
        const std::string beforeThen =
            text.substr(0, text.find_first_not_of(' ', text.rfind("  ")));
        EXPECT_LT(textWidth(prompt, ask), boxLeft) << language << " " << text;
        EXPECT_GT(textWidth(prompt, beforeThen), boxRight) << language << " " << text;
        game->childWindow()->close();
    }
    platform->text.setLanguage("en");
}

// Typed into the real edit box with the keyboard, stored through the real INI store.
TEST_F(OptionsOnQt, ANameTypedInTheBoxIsStoredAndReadsBack) {
    Window& options = openOptions();
    SceneView& view = viewOf(options);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_TRUE(view.isModal());
    EXPECT_FALSE(platform->windows.mainView()->isEnabled());
    QLineEdit* edit = view.textBox(options.at("player1"));
    ASSERT_NE(edit, nullptr);
    typeInto(edit, QString::fromUtf8("Ελένη [x]=;"));
    EXPECT_EQ(options.at("player1").caption(), "Ελένη [x]=;");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(options.at("machine", 1).caption(), "ΕΛΈΝΗ [X]=;");
    EXPECT_EQ(edit->text(), "");
    platform->store.flush();
    QtSettingsStore again("QuorvelOptionsTest");
    EXPECT_EQ(again.read("quorvel", "player1", "currentplayer"), "Ελένη [x]=;");
}

// The box comes up over the options window while the main screen is disabled; it must still
// take the player's answer.
TEST_F(OptionsOnQt, AnEmptyNameGivesABoxThePlayerCanAnswer) {
    Window& options = openOptions();
    SceneView& view = viewOf(options);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    bool enabled = false;
    QString text;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        enabled = box->isEnabled() && box->button(QMessageBox::Ok)->isEnabled();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::keyClick(view.textBox(options.at("player1")), Qt::Key_Return);
    EXPECT_EQ(text, "Nothing Entered");
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(view.isEnabled());
}

// The about window's links bring the main screen forward; the window holding the input must
// not end up behind it.
TEST_F(OptionsOnQt, BringingTheMainScreenForwardKeepsAnOpenWindowInFront) {
    game->about_Click();
    SceneView& about = viewOf(game->childWindow()->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    platform->windows.bringToFront(game->window());
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), &about);
}

TEST_F(OptionsOnQt, TabWalksTheControlsAndEscapeGivesTheScreenBack) {
    Window& options = openOptions();
    SceneView& view = viewOf(options);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QLineEdit* edit = view.textBox(options.at("player1"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(options.focus(), &options.at("machine", 1));
    QTest::keyClick(&view, Qt::Key_Tab);
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_TRUE(options.at("machine", 2).value());
    EXPECT_EQ(game->player().playerslot, "2");
    QTest::keyClick(edit, Qt::Key_Backtab);
    EXPECT_EQ(options.focus(), &options.at("Btndeletedetails"));
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(game->childWindow()->isOpen());
    EXPECT_TRUE(platform->windows.mainView()->isEnabled());
}

TEST_F(OptionsOnQt, ThePayTableClosesByEnterAndTheAboutWindowByItsCloseBox) {
    game->mnuviewpaytable_Click();
    Window& pays = game->childWindow()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewOf(pays)));
    EXPECT_EQ(viewOf(pays).windowTitle(), "QUORVEL PAYTABLE");
    QTest::keyClick(&viewOf(pays), Qt::Key_Return);  // the close button holds the focus
    EXPECT_FALSE(game->childWindow()->isOpen());
    game->about_Click();
    Window& about = game->childWindow()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewOf(about)));
    EXPECT_EQ(viewOf(about).windowTitle(), "About Quorvel");
    viewOf(about).close();
    EXPECT_FALSE(game->childWindow()->isOpen());
    EXPECT_TRUE(platform->windows.mainView()->isEnabled());
}

// Game History, Close, OPTIONS, another player, O.K., by real clicks again and again: the path
// once ended the game without a word.
TEST_F(OptionsOnQt, HistoryThenAnotherPlayerAgainAndAgainKeepsTheGameOnScreen) {
    SceneView* main = platform->windows.mainView();
    bool lastClosed = false;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { lastClosed = true; });
    auto clickOn = [&](Window& window, const char* name, int index = 0) {
        SceneView& view = viewOf(window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QTest::mouseClick(&view, Qt::LeftButton, {},
                          view.widgetRect(window.at(name, index)).center());
    };
    for (int round = 0; round < 6; ++round) {
        QTest::keyClick(main, Qt::Key_F2);
        ASSERT_TRUE(game->childWindow() && game->childWindow()->isOpen()) << "round " << round;
        clickOn(game->childWindow()->window(), "btnclose");
        clickOn(game->window(), "btnoptions");
        ASSERT_TRUE(game->childWindow()->isOpen()) << "round " << round;
        Window& options = game->childWindow()->window();
        clickOn(options, "machine", 2 + round % 2);
        EXPECT_EQ(game->player().playerslot, std::to_string(2 + round % 2));
        clickOn(options, "btnokplayer");
        EXPECT_FALSE(game->childWindow()->isOpen());
        QTest::qWait(20);
        EXPECT_TRUE(main->isVisible() && main->isEnabled()) << "round " << round;
    }
    EXPECT_FALSE(lastClosed);
}

}  // namespace
