// Every caption, in every language, fits the element it is written in at scale 1: the first
// thing a player notices of a translation is a word cut off at a button's edge.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRegularExpression>
#include <functional>

#include "platform/catalogue/qt_catalogue.h"
#include "platform/headless/headless_platform.h"
#include "platform/languages.h"
#include "platform/qt/asset_fonts.h"
#include "platform/qt/scene_geometry.h"
#include "platform/qt/scene_painter.h"
#include "screen/quorvel.h"

using namespace quorvel;
using platform::ElementKind;

namespace {

// How much of an element's width its caption may use, as the painter lays it out; zero for
// elements whose captions grow them or are not drawn as text.
double roomFor(const platform::Element& e) {
    const double width = platform::qt::pixels(e.width());
    switch (e.kind()) {
        case ElementKind::Label:
            return e.autoSize() ? 0 : width;
        case ElementKind::Panel:
            return width - 8;
        case ElementKind::OptionButton:
            return width - 16;
        case ElementKind::CommandButton:
            // A hidden command button is a helper no player ever sees.
            return e.picture().empty() && e.visible() ? width - 6 : 0;
        case ElementKind::Frame:
            return width - 10;
        default:
            return 0;
    }
}

bool wraps(const platform::Element& e) {
    return e.kind() == ElementKind::Label || e.kind() == ElementKind::Panel;
}

// Wrapping text is too wide only when a single word is; a line of its own is too wide whole.
std::string overflow(const platform::Element& e) {
    const double room = roomFor(e);
    if (room <= 0 || e.caption().empty()) return {};
    const QFontMetricsF metrics(platform::qt::fontOf(e.font()));
    const QString caption = QString::fromStdString(e.caption());
    const QStringList parts = wraps(e) ? caption.split(QRegularExpression("\\s+"))
                                       : caption.split(QRegularExpression("[\r\n]"));
    for (const QString& part : parts)
        if (metrics.horizontalAdvance(part) > room + 0.5)
            return e.name() + " \"" + e.caption() + "\" " +
                   std::to_string(int(metrics.horizontalAdvance(part))) + " px in " +
                   std::to_string(int(room)) + " px";
    if (wraps(e) && !e.autoSize()) {
        const QRectF laid =
            metrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap, caption);
        if (laid.height() > platform::qt::pixels(e.height()) + metrics.height() * 0.5)
            return e.name() + " \"" + e.caption() + "\" runs below its element";
    }
    return {};
}

void collect(const platform::Window& window, std::vector<std::string>& found) {
    for (const auto& element : window.elements())
        if (std::string o = overflow(*element); !o.empty())
            found.push_back(window.name() + ": " + o);
}

}  // namespace

TEST(CaptionFit, EveryCaptionFitsItsElementInEveryLanguage) {
    platform::qt::loadAssetFonts(QUORVEL_ASSET_DIR);
    for (const platform::Language& offered : platform::kLanguages) {
        const char* language = offered.code;
        SCOPED_TRACE(language);
        platform::headless::HeadlessPlatform p;
        platform::qt::QtCatalogue catalogue("en");
        p.text = &catalogue;
        p.store.write("quorvel", "general", "language", language);
        screen::Quorvel q(p.services());
        q.Form_Load();
        catalogue.setLanguage(language);  // whether or not start-up applied it already
        std::vector<std::string> found, seen;
        const std::vector<std::function<void()>> windows{
            [] {},
            [&] { q.btnoptions_Click(); },
            [&] { q.gamehistory_Click(); },
            [&] { q.mnusession_Click(); },
            [&] { q.about_Click(); },
            [&] { q.mnuviewpaytable_Click(); },
        };
        for (const auto& open : windows) {
            if (q.childWindow() && q.childWindow()->isOpen()) q.childWindow()->close();
            p.runFor(0);
            open();
            p.runFor(0);
            platform::ChildWindow* child = q.childWindow();
            const platform::Window& shown = child && child->isOpen() ? child->window() : q.window();
            seen.push_back(shown.name());
            collect(shown, found);
        }
        EXPECT_EQ(seen,
                  (std::vector<std::string>{"quorvel", "quorveloptions", "quorvelrecall",
                                            "quorvelsession", "aboutquorvel", "quorvelpays"}));
        for (const std::string& line : found)
            ADD_FAILURE() << line;
    }
}
