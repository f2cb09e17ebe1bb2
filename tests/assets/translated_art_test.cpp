#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "gui_app.h"
#include "platform/catalogue/qt_catalogue.h"
#include "platform/languages.h"
#include "tools/artgen/picture_table.h"

// The painted pictures in the other languages, checked against what each painting says.
namespace quorvel::assets_test {
namespace {

using namespace quorvel::artgen;

// What a picture's painting says in the kit's language; painted tiny, since only the words
// matter here.
Spoken said(const PictureJob& job, Kit kit) {
    QImage tiny(4, 4, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&tiny);
    p.scale(4.0 / job.size.width(), 4.0 / job.size.height());
    Spoken spoken;
    kit.spoken = &spoken;
    job.paint(p, kit);
    return spoken;
}

QImage file(const std::string& path) {
    return QImage(QString::fromStdString(std::string(QUORVEL_ASSET_DIR) + "/pictures/" + path));
}

TEST(TranslatedArt, EveryPictureWithWordsHasItsTwinInEveryLanguageAndNoOtherHasOne) {
    ensureGuiApp();
    const IconSet icons(QUORVEL_ICONS_JSON);
    const Palette palette(QUORVEL_PALETTE);
    const auto jobs = pictureJobs();
    int worded = 0;
    for (const auto& language : platform::kLanguages) {
        const std::string code = language.code;
        if (code == "en") continue;
        platform::qt::QtCatalogue catalogue("en");
        catalogue.setLanguage(code);
        ASSERT_EQ(catalogue.language(), code);
        int translated = 0;
        for (const auto& job : jobs) {
            const Spoken spoken = said(job, Kit{icons, palette, &catalogue});
            for (const std::string twice : {"", "@2x"}) {
                const QImage english = file(job.path + twice + ".png");
                const QImage twin = file(code + "/" + job.path + twice + ".png");
                ASSERT_FALSE(english.isNull()) << job.path << twice;
                if (!spoken.words) {
                    EXPECT_TRUE(twin.isNull()) << code << "/" << job.path << twice;
                    continue;
                }
                EXPECT_EQ(twin.size(), english.size()) << code << "/" << job.path << twice;
                EXPECT_EQ(twin != english, spoken.translated) << code << "/" << job.path << twice;
            }
            worded += spoken.words;
            translated += spoken.translated;
        }
        EXPECT_GT(translated, 40) << code << ": the words of most pictures are translated";
    }
    EXPECT_GT(worded, 3 * 40);
}

}  // namespace
}  // namespace quorvel::assets_test
