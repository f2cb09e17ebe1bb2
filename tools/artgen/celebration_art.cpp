#include <QPainterPath>
#include <array>
#include <cmath>

#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

// The big-win celebrations: a banner over the dimmed reels for each tier, and a turning coin.
namespace quorvel::artgen {
namespace {

constexpr double kWidth = 667, kHeight = 375;
constexpr QPointF kHeart(kWidth / 2, 150);

struct TierLook {
    const char* title;
    const char* body;    // the ribbon's colour
    const char* emblem;  // the icon in the medallion above it
    QColor rays;
};
constexpr std::array<TierLook, 3> kTiers{{
    {QT_TRANSLATE_NOOP("artwork", "BIG WIN"), "blood", "crossed-sabres", QColor(255, 210, 120, 46)},
    {QT_TRANSLATE_NOOP("artwork", "MEGA WIN"), "grandBlue", "galleon", QColor(170, 220, 255, 50)},
    {QT_TRANSLATE_NOOP("artwork", "EPIC WIN"), "sunsetDeep", "open-treasure-chest",
     QColor(255, 150, 60, 58)},
}};

// The reels stay in sight, darkened most at the edges so the banner stands out.
void veil(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(radial(
        kHeart, kWidth * 0.62,
        {{0, QColor(0, 0, 0, 120)}, {0.7, QColor(0, 0, 0, 175)}, {1, QColor(0, 0, 0, 215)}}));
    p.drawRect(QRectF(0, 0, kWidth, kHeight));
}

void rays(QPainter& p, const QColor& colour, double turn) {
    p.save();
    p.translate(kHeart);
    p.rotate(turn);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < 16; ++i)
        p.drawPie(QRectF(-520, -520, 1040, 1040), i * 360, 150);
    p.restore();
    p.setBrush(
        radial(kHeart, 230, {{0, QColor(255, 230, 150, 110)}, {1, QColor(255, 200, 80, 0)}}));
    p.drawEllipse(kHeart, 230, 230);
}

// A ribbon with forked tails tucked behind it, the house gold around the face.
void ribbon(QPainter& p, const Kit& k, const QRectF& face, const QColor& body) {
    p.setPen(QPen(k.pal("goldDeep"), 2));
    p.setBrush(body.darker(190));
    for (int side : {-1, 1}) {
        const double edge = side < 0 ? face.left() + 20 : face.right() - 20;
        const double tip = edge + side * 70;
        QPainterPath tail;
        tail.moveTo(edge, face.top() + 22);
        tail.lineTo(tip, face.top() + 22);
        tail.lineTo(tip - side * 24, face.center().y() + 14);
        tail.lineTo(tip, face.bottom() + 14);
        tail.lineTo(edge, face.bottom() + 14);
        tail.closeSubpath();
        p.drawPath(tail);
    }
    const double radius = face.height() * 0.28;
    panel(p, face, radius,
          vertical(face, {{0, body.lighter(160)}, {0.5, body}, {1, body.darker(200)}}));
    gloss(p, face, radius, 90);
    goldFrame(p, k, face, radius, 6);
}

void medallion(QPainter& p, const Kit& k, const TierLook& look, const QPointF& centre) {
    p.setPen(QPen(k.pal("goldDeep"), 2));
    p.setBrush(radial(centre - QPointF(10, 10), 48,
                      {{0, k.pal("goldLight")}, {0.5, k.pal("gold")}, {1, k.pal("goldDark")}}));
    p.drawEllipse(centre, 40, 40);
    p.setBrush(radial(centre, 32, {{0, k.pal(look.body).lighter(140)}, {1, k.pal(look.body)}}));
    p.drawEllipse(centre, 31, 31);
    drawIcon(p, k.icons, look.emblem, QRectF(centre.x() - 22, centre.y() - 22, 44, 44),
             {.fill = k.pal("goldLight"), .shadow = QColor(0, 0, 0, 140), .shadowOffset = {1, 2}});
}

// Glints that trade places with the glow, so the two frames shimmer.
void glints(QPainter& p, const Kit& k, int glow) {
    constexpr std::array<QPointF, 8> kPlaces{
        {{86, 70}, {585, 64}, {40, 178}, {630, 196}, {120, 300}, {548, 318}, {236, 40}, {440, 44}}};
    for (std::size_t i = 0; i < kPlaces.size(); ++i) {
        const bool big = (i + static_cast<std::size_t>(glow)) % 2 == 0;
        sparkle(p, kPlaces[i], big ? 16 : 8, k.pal(big ? "goldLight" : "gold"));
    }
}

}  // namespace

void paintCelebration(QPainter& p, const Kit& k, int frame) {
    const TierLook& look = kTiers.at(static_cast<std::size_t>((frame - 1) / 2));
    const int glow = (frame - 1) % 2;
    veil(p);
    rays(p, look.rays, glow * 11.25);
    const QRectF face(96, 104, kWidth - 192, 112);
    ribbon(p, k, face, k.pal(look.body));
    medallion(p, k, look, QPointF(kWidth / 2, 78));
    goldCaption(p, k, face.adjusted(30, 10, -30, -4), k.say(look.title), font(Face::Comic, 86),
                3.5);
    // The dark window the amount is counted in.
    panel(p, QRectF(183, 228, 301, 74), 14, QColor(24, 10, 8, 235), k.pal("gold"), 3);
    panel(p, QRectF(188, 233, 291, 64), 10, Qt::NoBrush, k.pal("goldDark"), 1.5);
    glints(p, k, glow);
}

// A doubloon seen turning: eight steps of its spin, the edge showing as it turns away.
void paintGoldCoin(QPainter& p, const Kit& k, int frame) {
    const double face = std::abs(std::cos((frame - 1) * M_PI / 8));
    const QPointF c(22, 22);
    const double rx = std::max(3.0, 19 * face), ry = 19;
    p.setPen(Qt::NoPen);
    p.setBrush(k.pal("goldDeep"));
    p.drawEllipse(c + QPointF(2.5 * (1 - face), 0), rx, ry);
    p.setPen(QPen(k.pal("goldDark"), 1.4));
    p.setBrush(radial(c - QPointF(rx * 0.4, 7), 26,
                      {{0, k.pal("goldLight")}, {0.45, k.pal("gold")}, {1, k.pal("goldDark")}}));
    p.drawEllipse(c, rx, ry);
    if (face > 0.45) {
        p.setPen(QPen(k.pal("goldDark"), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rx * 0.78, ry * 0.78);
        p.save();
        p.translate(c);
        p.scale(face, 1);
        drawIcon(p, k.icons, "skull-crossed-bones", QRectF(-10, -10, 20, 20),
                 {.fill = QColor(120, 74, 8, 200)});
        p.restore();
    }
    if (frame % 4 == 1) sparkle(p, c + QPointF(-rx * 0.5, -9), 6, k.pal("goldLight"));
}

}  // namespace quorvel::artgen
