#include <array>
#include <cmath>

#include "engine/jackpot_board.h"
#include "presentation/board_places.h"
#include "tools/artgen/design.h"
#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

// The jackpot board, its ball and the win pictures.
namespace quorvel::artgen {
namespace {

constexpr double kBall = 120;  // the ball pictures are placed at the board positions
constexpr double kTileWidth = 102, kTileHeight = 84;

struct PrizeLook {
    const char* text;
    const char* colour;
};
// By prize kind: three bet multiples, then the minor, major and grand meters.
constexpr std::array<PrizeLook, 6> kPrizes{{{"x10", "jungle"},
                                            {"x20", "sea"},
                                            {"x30", "sunsetDeep"},
                                            {QT_TRANSLATE_NOOP("artwork", "MINOR"), "minorBlack"},
                                            {QT_TRANSLATE_NOOP("artwork", "MAJOR"), "majorRed"},
                                            {QT_TRANSLATE_NOOP("artwork", "GRAND"), "grandBlue"}}};
const char* const kTiers[] = {QT_TRANSLATE_NOOP("artwork", "MINOR"),
                              QT_TRANSLATE_NOOP("artwork", "MAJOR"),
                              QT_TRANSLATE_NOOP("artwork", "GRAND")};

const PrizeLook& look(engine::BoardPrize prize) {
    return kPrizes.at(static_cast<std::size_t>(prize));
}

void prizeTile(QPainter& p, const Kit& k, int position) {
    const presentation::BoardPlace& at = presentation::boardPlace(position);
    const engine::BoardPrize prize = engine::boardPrize(position);
    const QPointF centre(at.left / 15.0 + kBall / 2, at.top / 15.0 + kBall / 2);
    const QRectF tile(centre.x() - kTileWidth / 2, centre.y() - kTileHeight / 2, kTileWidth,
                      kTileHeight);
    const QColor base = k.pal(look(prize).colour);
    panel(p, tile, 10,
          vertical(tile, {{0, base.lighter(170)}, {0.5, base}, {1, base.darker(180)}}));
    goldFrame(p, k, tile, 10, 3);
    p.setPen(QPen(k.pal("goldDark"), 1.5));
    p.setBrush(
        radial(centre + QPointF(0, 8), 22, {{0, QColor(0, 0, 0, 40)}, {1, QColor(0, 0, 0, 150)}}));
    p.drawEllipse(centre + QPointF(0, 8), 26, 26);
    goldCaption(p, k, QRectF(tile.left() + 4, tile.top() + 3, tile.width() - 8, 22),
                k.say(look(prize).text), font(Face::Comic, 20), 1.6);
}

}  // namespace

void paintJackpotBoard(QPainter& p, const Kit& k, const QSizeF& size) {
    const QRectF r(QPointF(0, 0), size);
    panel(p, r, 12,
          radial(r.center(), size.width() * 0.6, {{0, QColor(30, 60, 110)}, {1, k.pal("night")}}));
    goldFrame(p, k, r, 12, 6);
    for (int position = 1; position <= engine::kBoardPositions; ++position)
        prizeTile(p, k, position);
    drawIcon(p, k.icons, "ship-wheel", QRectF(r.center().x() - 80, r.center().y() - 80, 160, 160),
             {.fill = QColor(255, 220, 140, 40)});
    // The title and its question stand above the place the prize is written in, so both read.
    const double prizeTop = placeOf("lbljackpotwon", 0, "jackpotframe").top();
    goldCaption(p, k, QRectF(150, prizeTop - 104, 375, 70),
                k.say(QT_TRANSLATE_NOOP("artwork", "JACKPOT")), font(Face::Comic, 66), 3);
    caption(p, QRectF(150, prizeTop - 38, 375, 32),
            k.say(QT_TRANSLATE_NOOP("artwork", "Where will the ball stop?")),
            font(Face::Serif, 24, true, true), k.pal("bone"), k.pal("ink"), 1.5);
}

void paintJackpotBall(QPainter& p, const Kit& k, int look) {
    const QPointF c(kBall / 2, kBall / 2 + 8);
    // Three looks the stopped ball flashes through: plain, haloed, and fiery.
    if (look >= 2) {
        const QColor halo = look == 2 ? QColor(255, 250, 200) : QColor(255, 120, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(
            radial(c, 40, {{0.4, halo}, {1, QColor(halo.red(), halo.green(), halo.blue(), 0)}}));
        p.drawEllipse(c, 40, 40);
    }
    const QColor body = look == 3 ? QColor(230, 90, 20) : k.pal("gold");
    p.setPen(QPen(k.pal("goldDeep"), 1.5));
    p.setBrush(
        radial(c - QPointF(7, 7), 30,
               {{0, Qt::white}, {0.25, body.lighter(130)}, {0.8, body}, {1, body.darker(200)}}));
    p.drawEllipse(c, 25, 25);
    drawIcon(p, k.icons, "skull-crossed-bones", QRectF(c.x() - 13, c.y() - 11, 26, 26),
             {.fill = QColor(60, 30, 0, 170)});
}

void paintJackpotWin(QPainter& p, const Kit& k, int frame) {
    const int tier = (frame - 1) / 3, step = (frame - 1) % 3;
    const QRectF r(0, 0, 429, 162);
    const QColor base = k.pal(kPrizes[3 + static_cast<std::size_t>(tier)].colour);
    panel(p, r, 16, radial(r.center(), 260, {{0, base.lighter(190)}, {1, base.darker(140)}}));
    p.save();
    p.setClipRect(inset(r, 4));
    p.translate(r.center());
    p.rotate(step * 10.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 180, 45));
    for (int i = 0; i < 12; ++i) {
        p.drawPie(QRectF(-300, -300, 600, 600), i * 480, 160);
    }
    p.restore();
    goldFrame(p, k, r, 16, 6);
    goldCaption(p, k, QRectF(20, 14, 389, 84), k.say(kTiers[tier]), font(Face::Comic, 84), 3.5);
    caption(p, QRectF(20, 100, 389, 46), k.say(QT_TRANSLATE_NOOP("artwork", "JACKPOT WON!")),
            font(Face::Serif, 38), Qt::white, k.pal("ink"), 2.5);
    for (int i = 0; i < 4; ++i) {
        const double a = (i * 90 + step * 30) * M_PI / 180;
        sparkle(p, r.center() + QPointF(170 * std::cos(a), 60 * std::sin(a)), 10,
                k.pal("goldLight"));
    }
}

}  // namespace quorvel::artgen
