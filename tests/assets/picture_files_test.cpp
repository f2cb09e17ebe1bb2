#include <unistd.h>

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/strips.h"
#include "presentation/reel_pictures.h"
#include "screen/celebration.h"
#include "screen/quorvel_layout.h"

namespace quorvel::assets_test {
namespace {

const std::string kPictures = std::string(QUORVEL_ASSET_DIR) + "/pictures/";

struct Named {
    const char* name;
    int width;
    int height;
};

// The single pictures the game shows, with their pixel sizes.
constexpr Named kNamed[] = {
    {"background", 800, 600},
    {"reel1", 125, 3625},
    {"reel2", 125, 3625},
    {"reel3", 125, 3625},
    {"reel4", 125, 3625},
    {"reel5", 125, 3625},
    {"panfreespin", 800, 82},
    {"coinsin", 109, 54},
    {"payline", 103, 54},
    {"btnbet", 106, 54},
    {"btnspin", 106, 54},
    {"doublebutton", 104, 54},
    {"autoplayon", 116, 54},
    {"autoplayon-lit", 116, 54},
    {"btnoptions", 77, 47},
    {"btnopenmenu", 77, 47},
    {"menupic", 121, 257},
    {"about", 100, 30},
    {"mnuviewpaytable", 100, 30},
    {"gamehistory", 100, 30},
    {"mnusession", 100, 30},
    {"viewpaylines", 100, 30},
    {"xit", 100, 30},
    {"pandouble", 270, 390},
    {"cardback", 100, 153},
    {"betred", 64, 26},
    {"betblack", 64, 26},
    {"cancelbet", 100, 26},
    {"gamblewin", 150, 30},
    {"gamblelose", 150, 30},
    {"jackpotframe", 675, 380},
    {"jackpotball1", 120, 120},
    {"jackpotball2", 120, 120},
    {"jackpotball3", 120, 120},
    {"takewin", 110, 30},
    {"Btnreturn2game", 747, 56},
    {"ctlfrees", 442, 38},
    {"ctrlfreesleft", 442, 38},
    {"freespinscompleted", 498, 60},
    {"icon", 32, 32},
    {"icon-16", 16, 16},
    {"icon-48", 48, 48},
    {"icon-64", 64, 64},
    {"icon-128", 128, 128},
    {"icon-256", 256, 256},
    {"quorvelpays", 508, 510},
    {"aboutad", 300, 250},
    {"aboutreturn", 339, 135},
    {"formface", 600, 600},
};

struct List {
    const char* name;
    int count;
    int width;
    int height;
};
constexpr List kLists[] = {
    {"ImageList2", 19, 125, 125}, {"ImageList1", 13, 125, 125}, {"morphing", 12, 125, 125},
    {"jackpotwin", 9, 429, 162},  {"linepics", 50, 23, 23},     {"imagelistcards", 24, 100, 153},
    {"bigwins", 6, 667, 375},     {"goldcoin", 8, 44, 44},
};

QImage load(const std::string& path) {
    return QImage(QString::fromStdString(kPictures + path + ".png"));
}

void expectPair(const std::string& path, int width, int height) {
    const QImage one = load(path), two = load(path + "@2x");
    EXPECT_EQ(one.size(), QSize(width, height)) << path;
    EXPECT_EQ(two.size(), QSize(2 * width, 2 * height)) << path << "@2x";
}

TEST(Pictures, EveryNamedPictureHasItsSizeAndADoubleSize) {
    for (const auto& n : kNamed)
        expectPair(n.name, n.width, n.height);
}

TEST(Pictures, EveryImageListHasItsCountOfEqualFrames) {
    for (const auto& l : kLists) {
        for (int i = 1; i <= l.count; ++i)
            expectPair(std::string(l.name) + "/" + std::to_string(i), l.width, l.height);
        EXPECT_FALSE(std::filesystem::exists(kPictures + l.name + "/" +
                                             std::to_string(l.count + 1) + ".png"))
            << l.name;
    }
}

TEST(Pictures, EveryPictureTheDesignNamesIsPainted) {
    std::vector<platform::ElementSpec> design(screen::mainScreenDesign().begin(),
                                              screen::mainScreenDesign().end());
    design.insert(design.end(), screen::celebrationDesign().begin(),
                  screen::celebrationDesign().end());
    for (const auto& e : design) {
        if (e.kind == platform::ElementKind::ImageList) {
            for (int i = 1; i <= e.images; ++i)
                EXPECT_EQ(load(std::string(e.name) + "/" + std::to_string(i)).size(),
                          QSize(e.imageWidth, e.imageHeight))
                    << e.name << " " << i;
        } else if (*e.picture) {
            EXPECT_FALSE(load(e.picture).isNull()) << e.picture;
        }
    }
}

// Mean difference per colour channel of two 125 × 125 tiles of reel pictures.
double tileDifference(const QImage& a, int pictureA, const QImage& b, int pictureB) {
    double sum = 0;
    for (int y = 0; y < 125; ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(125 * (pictureA - 1) + y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(125 * (pictureB - 1) + y));
        for (int x = 0; x < 125; ++x)
            sum += std::abs(qRed(ra[x]) - qRed(rb[x])) + std::abs(qGreen(ra[x]) - qGreen(rb[x])) +
                   std::abs(qBlue(ra[x]) - qBlue(rb[x]));
    }
    return sum / (125.0 * 125 * 3);
}

TEST(Pictures, ReelTilesShowTheStripSymbols) {
    // Equal symbols are painted alike on every reel and different symbols differ clearly;
    // reel 3 is the reference because it carries every symbol.
    constexpr int kMystery = engine::kMysteryPosition + 1;
    std::vector<QImage> reels;
    for (int reel = 1; reel <= 5; ++reel)
        reels.push_back(load("reel" + std::to_string(reel)).convertToFormat(QImage::Format_RGB32));
    const QImage& third = reels[2];
    for (int reel = 1; reel <= 5; ++reel) {
        for (int picture = 1; picture <= presentation::kStripPictures; ++picture) {
            if (reel == 3 && picture == kMystery) continue;
            const auto symbol = presentation::stripPicture(reel, picture);
            for (int other = 1; other <= presentation::kStripPictures; ++other) {
                if (other == kMystery) continue;
                const double d = tileDifference(reels[reel - 1], picture, third, other);
                if (presentation::stripPicture(3, other) == symbol)
                    EXPECT_LT(d, 1.0) << "reel " << reel << " picture " << picture;
                else
                    EXPECT_GT(d, 8.0)
                        << "reel " << reel << " picture " << picture << " vs " << other;
            }
            EXPECT_GT(tileDifference(reels[reel - 1], picture, third, kMystery), 8.0)
                << "reel " << reel << " picture " << picture;
        }
    }
}

TEST(Pictures, AnimationFramesAllMove) {
    for (const auto& [list, frames] : {std::pair{"ImageList2", 18}, std::pair{"ImageList1", 13},
                                       std::pair{"morphing", 10}, std::pair{"jackpotwin", 9}}) {
        for (int i = 1; i < frames; ++i)
            EXPECT_NE(load(std::string(list) + "/" + std::to_string(i)),
                      load(std::string(list) + "/" + std::to_string(i + 1)))
                << list << " " << i;
    }
}

int whitePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == 0xffffffffu;
    return count;
}

TEST(Pictures, CardRevealUncoversMoreOfTheFaceEachFrame) {
    // White is the see-through colour of the reveal frames.
    int last = -1;
    for (int i = 10; i <= 24; ++i) {
        const int white = whitePixels(load("imagelistcards/" + std::to_string(i)));
        EXPECT_GT(white, last) << "frame " << i;
        last = white;
    }
    EXPECT_GT(last, 100 * 153 / 2);
    EXPECT_EQ(whitePixels(load("cardback")), 0);
}

TEST(ContactSheet, LaysOutEveryPictureOnOnePage) {
    // Named by process: two checkouts' suites may run on one machine at once.
    const auto sheet = std::filesystem::temp_directory_path() /
                       ("quorvel-contact-sheet-" + std::to_string(getpid()) + ".png");
    std::filesystem::remove(sheet);
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen ") + QUORVEL_ARTGEN +
                                " --contact-sheet " + sheet.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage image(QString::fromStdString(sheet.string()));
    // Wide enough for the background, tall enough for the folded reels and all the lists.
    EXPECT_GE(image.width(), 2 * 800);
    EXPECT_GE(image.height(), 600 + 1250 + 125 * 4);
    std::filesystem::remove(sheet);
}

}  // namespace
}  // namespace quorvel::assets_test
