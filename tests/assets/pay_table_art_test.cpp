#include <gtest/gtest.h>

#include <QImage>

#include "gui_app.h"
#include "tools/artgen/pay_table.h"

namespace quorvel::assets_test {
namespace {

using engine::Symbol;
using namespace quorvel::artgen;

// The pay table as the rules give it, written out here a second time.
struct Expected {
    Symbol symbol;
    int three, four, five;
};
constexpr Expected kPays[] = {
    {Symbol::captain, 300, 600, 1500}, {Symbol::ship, 50, 100, 300},  {Symbol::skull, 30, 75, 125},
    {Symbol::flag, 20, 50, 75},        {Symbol::cutlass, 20, 50, 75}, {Symbol::coin, 15, 25, 50},
    {Symbol::parrot, 10, 25, 50},      {Symbol::pistol, 10, 15, 50},  {Symbol::cannon, 5, 10, 50},
    {Symbol::map, 5, 10, 50},
};

TEST(PayTableArt, StatesEveryLinePayTheGamePays) {
    const PayTableContent content = payTableContent();
    ASSERT_EQ(content.lines.size(), std::size(kPays));
    for (std::size_t i = 0; i < std::size(kPays); ++i) {
        EXPECT_EQ(content.lines[i].symbol, kPays[i].symbol) << i;
        EXPECT_EQ(content.lines[i].pays,
                  (std::array<int, 3>{kPays[i].three, kPays[i].four, kPays[i].five}))
            << i;
    }
}

TEST(PayTableArt, StatesTheChestPaysAndTheFreeSpinsTheyAward) {
    const PayTableContent content = payTableContent();
    ASSERT_EQ(content.scatter.size(), 4u);
    const int multiples[] = {1, 5, 10, 20};
    const int games[] = {0, 10, 15, 20};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(content.scatter[i].chests, i + 2);
        EXPECT_EQ(content.scatter[i].multiple, multiples[i]) << i + 2;
        EXPECT_EQ(content.scatter[i].freeGames, games[i]) << i + 2;
    }
}

// The window lays its return figure and button over the picture's plain footer.
TEST(PayTableArt, LeavesItsFooterPlainForTheWindowsOwnElements) {
    ensureGuiApp();
    QImage picture(kPayTableWidth, kPayTableHeight, QImage::Format_ARGB32);
    picture.fill(Qt::black);
    const IconSet icons(QUORVEL_ICONS_JSON);
    const Palette palette(QUORVEL_PALETTE);
    {
        QPainter p(&picture);
        paintPayTable(p, Kit{icons, palette}, payTableContent());
    }
    const QRgb plain = picture.pixel(kPayTableWidth / 2, kPayTableHeight - kPayTableFooter / 2);
    for (int y = kPayTableHeight - kPayTableFooter + 2; y < kPayTableHeight - 10; y += 3)
        for (int x = 12; x < kPayTableWidth - 12; x += 7)
            ASSERT_EQ(picture.pixel(x, y), plain) << x << "," << y;
    EXPECT_NE(picture.pixel(kPayTableWidth / 4, 80), plain);
}

}  // namespace
}  // namespace quorvel::assets_test
