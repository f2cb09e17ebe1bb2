// The windows beside the cabinet wear its theme, and the main window fits the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <optional>

#include "platform/qt/cabinet_theme.h"
#include "platform/qt/scene_geometry.h"
#include "platform/qt/window_fit.h"
#include "qt_test_support.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::MainScreen;

namespace {

double luminance(const QColor& c) {
    auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a caption is drawn on: the topmost shown element beneath its middle that fills itself
// with a colour, else the parchment; nothing when artwork lies beneath, which decides itself.
std::optional<QColor> groundOf(const Window& window, const Element& element) {
    const QPoint middle = sceneRect(element).center();
    const auto& elements = window.elements();
    std::size_t i = 0;
    while (elements[i].get() != &element)
        ++i;
    for (std::size_t j = i + 1; j-- > 0;) {
        const Element& under = *elements[j];
        if (!under.shown() || under.kind() == ElementKind::Line ||
            under.kind() == ElementKind::ImageList || !sceneRect(under).contains(middle))
            continue;
        if (!under.picture().empty()) return std::nullopt;
        if (under.hasBackColour()) return theme::back(under.backColour());
    }
    return theme::colour("parchment");
}

// Every caption of the window that a player can read: contrast of at least 4.5 to 1.
void expectReadable(const Window& window) {
    int checked = 0;
    for (const auto& owned : window.elements()) {
        const Element& e = *owned;
        const bool button = e.kind() == ElementKind::CommandButton && e.picture().empty();
        const bool text = e.kind() == ElementKind::Label || e.kind() == ElementKind::OptionButton ||
                          e.kind() == ElementKind::Frame || e.kind() == ElementKind::Panel;
        if (!e.shown() || !e.active() || e.caption().find_first_not_of(' ') == std::string::npos ||
            !(button || text))
            continue;
        if (button) {
            // The lightest part of the wood, at the top of the face.
            EXPECT_GE(contrast(theme::buttonCaption({}), theme::colour("woodLight")), 4.5)
                << window.name() << "." << e.name();
        } else if (const auto ground = groundOf(window, e)) {
            EXPECT_GE(contrast(theme::fore(e.foreColour()), *ground), 4.5)
                << window.name() << "." << e.name() << " " << e.caption();
        } else {
            continue;
        }
        ++checked;
    }
    EXPECT_GT(checked, 0) << window.name();
}

}  // namespace

TEST(WindowFit, AnyFreeAreaTakesTheWindowWholeInTheDesignsProportions) {
    const QSize design(803, 602);
    // 1920 x 1200 less a panel at scales 1, 1.5 and 2; small screens; a tall narrow one.
    for (const QRect available :
         {QRect(0, 0, 1920, 1160), QRect(0, 0, 1280, 773), QRect(0, 27, 960, 573),
          QRect(0, 0, 800, 600), QRect(100, 0, 640, 480), QRect(0, 0, 300, 2000)}) {
        const QSize size = fitWindow(design, available, kExpectedFrame);
        const QPoint corner = placeWindow(size, available, kExpectedFrame, available.center());
        EXPECT_TRUE(available.contains(QRect(corner, size.grownBy(kExpectedFrame))))
            << available.width() << "x" << available.height();
        // Centred wherever the frame leaves room for that.
        const QSize slack = available.size() - size.grownBy(kExpectedFrame);
        if (slack.width() > 2 * kExpectedFrame.left() &&
            slack.height() > 2 * kExpectedFrame.top()) {
            EXPECT_LE((QRect(corner, size).center() - available.center()).manhattanLength(), 2);
        }
        EXPECT_LE(std::abs(size.width() * design.height() - size.height() * design.width()),
                  design.width())
            << "within a pixel of the design's proportions";
        const QSize room = available.size().shrunkBy(kExpectedFrame);
        if (room.width() >= design.width() && room.height() >= design.height()) {
            EXPECT_EQ(size, design) << "never enlarged, never shrunk without need";
        } else {
            EXPECT_TRUE(room.width() - size.width() <= 1 || room.height() - size.height() <= 1)
                << "as large as the room allows";
        }
    }
    // Asked to centre near a corner, the window and its title bar stay on the screen.
    EXPECT_EQ(placeWindow({400, 300}, QRect(0, 0, 1000, 800), kExpectedFrame, {990, 10}),
              QPoint(1000 - 408, 0));
}

TEST(CabinetTheme, EveryCaptionOfTheWindowsBesideTheCabinetReadsOnItsGround) {
    MainScreen screen("QuorvelThemeTest", MainScreen::Start::FormLoad);
    auto& game = screen.quorvel;
    for (auto open :
         {&quorvel::screen::Quorvel::btnoptions_Click, &quorvel::screen::Quorvel::about_Click,
          &quorvel::screen::Quorvel::mnuviewpaytable_Click,
          &quorvel::screen::Quorvel::gamehistory_Click}) {
        (game.*open)();
        ChildWindow* child = game.childWindow();
        ASSERT_TRUE(child && child->isOpen());
        expectReadable(child->window());
        // The form face shows: no element covers the whole window with a colour of its own.
        const QRect whole(0, 0, pixels(child->window().clientWidth()),
                          pixels(child->window().clientHeight()));
        for (const auto& e : child->window().elements())
            EXPECT_FALSE(e->shown() && e->hasBackColour() && sceneRect(*e).contains(whole))
                << child->window().name() << "." << e->name();
        child->close();
    }
}

TEST(CabinetTheme, AMessageBoxIsParchmentWithWoodButtonsAndRoomForItsTitle) {
    QtPlatform platform("/nonexistent", "QuorvelThemeBoxTest");
    QImage seen;
    int width = 0;
    QRect button;
    QTimer::singleShot(20, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        width = box->width();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        button = QRect(ok->mapTo(box, QPoint()), ok->size());
        seen = box->grab().toImage();
        ok->click();
    });
    platform.messages.show("Slots_Quorvel", "OK", MessageIcon::Information);
    ASSERT_FALSE(seen.isNull());
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    EXPECT_GE(width, theme::messageBoxMinimumWidth(
                         QFontMetrics(titleFont).horizontalAdvance("Slots_Quorvel")));
    const QColor face = seen.pixelColor(button.left() + 4, button.center().y());
    EXPECT_LT(face.lightnessF(), 0.45) << "wood: " << face.name().toStdString();
    EXPECT_GT(face.red(), face.blue());
    const QColor ground = seen.pixelColor(8, seen.height() - 8);
    EXPECT_GT(ground.lightnessF(), 0.7) << "parchment: " << ground.name().toStdString();
    EXPECT_GT(ground.red(), ground.blue() + 30);
}

// The options' screen-size buttons: the large display and back, to the window as it was.
TEST(WindowState, LeavingTheLargeDisplayRestoresMaximisedOrTheOldPlaceAndSize) {
    MainScreen screen("QuorvelWindowStateTest", MainScreen::Start::FormLoad);
    SceneView* view = screen.view;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    auto pressOption = [&](const char* name) {
        screen.quorvel.btnoptions_Click();
        Window& options = screen.quorvel.childWindow()->window();
        options.dispatch(options.at(name), EventKind::Click);
        quorvel::qt_tests::runEventsFor(50);
    };
    const QRect placed(120, 90, 700, 525);
    view->setGeometry(placed);
    pressOption("cmdlargescreen");
    EXPECT_TRUE(view->isFullScreen());
    pressOption("cmdorigonal");
    EXPECT_FALSE(view->isFullScreen());
    EXPECT_EQ(view->geometry(), placed);

    view->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isMaximized(); }));
    pressOption("cmdlargescreen");
    EXPECT_TRUE(view->isFullScreen());
    pressOption("cmdorigonal");
    EXPECT_TRUE(view->isMaximized()) << "maximised stays maximised";
}
