#include <QPainterPath>
#include <array>

#include "presentation/gamble_places.h"
#include "tools/artgen/design.h"
#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

// The gamble: its card table, the cards, the back and the reveal wipes.
namespace quorvel::artgen {
namespace {

constexpr QRectF kCard(0, 0, 100, 153);
constexpr int kAces = 4, kBack = 5, kSuits = 9, kRevealFrames = 15;
struct Suit {
    const char* icon;
    bool red;
};
// In the game's suit order: hearts, clubs, diamonds, spades.
constexpr std::array<Suit, 4> kSuitOrder{
    {{"hearts", true}, {"clubs", false}, {"diamonds", true}, {"spades", false}}};

QColor suitColour(const Suit& s) {
    return s.red ? QColor(200, 20, 30) : QColor(20, 20, 26);
}

void cardFace(QPainter& p, const Kit& k) {
    panel(p, inset(kCard, 0.5), 8, vertical(kCard, {{0, Qt::white}, {1, k.pal("bone")}}),
          QColor(90, 90, 90), 1);
}

void ace(QPainter& p, const Kit& k, const Suit& s) {
    cardFace(p, k);
    const QColor c = suitColour(s);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner) {
            p.translate(kCard.center());
            p.rotate(180);
            p.translate(-kCard.center());
        }
        caption(p, QRectF(5, 4, 18, 22), "A", font(Face::Serif, 22), c);
        drawIcon(p, k.icons, s.icon, QRectF(6, 26, 16, 16), {.fill = c});
        p.restore();
    }
    const QRectF pip(18, 44, 64, 64);
    drawIcon(p, k.icons, s.icon, pip,
             {.fill = vertical(pip, {{0, c.lighter(160)}, {1, c}}),
              .outline = c.darker(200),
              .outlineWidth = 1,
              .shadow = QColor(0, 0, 0, 60),
              .shadowOffset = {1.5, 2}});
}

void back(QPainter& p, const Kit& k) {
    panel(p, inset(kCard, 0.5), 8, QColor(250, 246, 236), QColor(90, 90, 90), 1);
    const QRectF field = inset(kCard, 6);
    panel(p, field, 5, vertical(field, {{0, QColor(150, 20, 30)}, {1, QColor(90, 6, 14)}}));
    p.save();
    p.setClipRect(field);
    p.setPen(QPen(QColor(240, 190, 90, 110), 1));
    for (double d = -160; d < 160; d += 12) {
        p.drawLine(QPointF(field.left() + d, field.top()),
                   QPointF(field.left() + d + 160, field.top() + 160));
        p.drawLine(QPointF(field.right() - d, field.top()),
                   QPointF(field.right() - d - 160, field.top() + 160));
    }
    p.restore();
    const QRectF medal(22, 48, 56, 56);
    p.setPen(QPen(k.pal("goldDark"), 2));
    p.setBrush(radial(medal.center(), 30, {{0, QColor(70, 0, 8)}, {1, QColor(40, 0, 4)}}));
    p.drawEllipse(medal);
    drawIcon(p, k.icons, "skull-crossed-bones", inset(medal, 8), {.fill = k.pal("gold")});
    panel(p, field, 5, Qt::NoBrush, k.pal("gold"), 1.5);
}

void smallSuit(QPainter& p, const Kit& k, const Suit& s) {
    // The suit keys and the history cards are square and stretch the card-sized picture to
    // fit, so the design is a square drawn tall here; stretched, it comes out true.
    p.save();
    p.scale(1.0, kCard.height() / kCard.width());
    const QRectF tile(0, 0, kCard.width(), kCard.width());
    panel(p, inset(tile, 0.5), 12, vertical(tile, {{0, Qt::white}, {1, k.pal("bone")}}),
          QColor(90, 90, 90), 1);
    const QRectF square = inset(tile, 14);
    drawIcon(p, k.icons, s.icon, square,
             {.fill = vertical(square, {{0, suitColour(s).lighter(170)}, {1, suitColour(s)}}),
              .outline = suitColour(s).darker(220),
              .outlineWidth = 1.5});
    p.restore();
}

// White is see-through in these frames: the back slides up and off the card.
void reveal(QPainter& p, const Kit& k, int step) {
    p.fillRect(kCard, Qt::white);
    const double shown = kCard.height() * (1.0 - step / static_cast<double>(kRevealFrames + 1));
    p.save();
    p.setClipRect(QRectF(0, 0, kCard.width(), shown));
    p.translate(0, shown - kCard.height());
    back(p, k);
    p.restore();
    p.fillRect(QRectF(0, shown - 2, kCard.width(), 3), k.pal("gold"));
}

}  // namespace

void paintCard(QPainter& p, const Kit& k, int entry) {
    if (entry <= kAces) return ace(p, k, kSuitOrder.at(static_cast<std::size_t>(entry - 1)));
    if (entry == kBack) return back(p, k);
    if (entry <= kSuits) return smallSuit(p, k, kSuitOrder.at(static_cast<std::size_t>(entry - 6)));
    reveal(p, k, entry - kSuits);
}

void paintGamblePanel(QPainter& p, const Kit& k, const QSizeF& size) {
    const QRectF r(QPointF(0, 0), size);
    panel(p, r, 10, vertical(r, {{0, k.pal("woodLight")}, {1, k.pal("woodDark")}}));
    const QRectF felt = inset(r, 9);
    panel(p, felt, 8,
          radial(felt.center() - QPointF(0, 60), felt.height() * 0.75,
                 {{0, QColor(40, 130, 70)}, {1, QColor(6, 50, 24)}}));
    drawIcon(p, k.icons, "compass", inset(felt, 20).translated(0, 10),
             {.fill = QColor(255, 255, 255, 18)});
    goldFrame(p, k, r, 10, 5);
    // Places for the card, the four suit keys and the history strip.
    panel(p, placeOf("piccardholder", 0, "pandouble").adjusted(-4, -4, 4, 4), 8,
          QColor(0, 0, 0, 90), k.pal("goldDark"), 1.5);
    for (int s = 1; s <= 4; ++s)
        panel(p, placeOf("suitbet", s, "pandouble").adjusted(-3, -3, 3, 3), 8, QColor(0, 0, 0, 80),
              k.pal("goldDark"), 1);
    for (int h = 1; h <= 5; ++h)
        panel(p, placeOf("historypic", h, "pandouble").adjusted(-2, -2, 2, 2), 4,
              QColor(0, 0, 0, 80), k.pal("goldDark"), 1);
    const QRectF risk = placeOf("risklab", 0, "pandouble");
    panel(p, risk, 6, QColor(0, 0, 0, 110), k.pal("goldDark"), 1);
    // The house rules, on one line under the history strip: the result plaque comes to rest
    // just below them.
    const QRectF rules(14, pixelsOf(presentation::kRulesTop), size.width() - 28,
                       pixelsOf(presentation::kRulesHeight));
    goldCaption(p, k, rules,
                k.say(QT_TRANSLATE_NOOP("artwork", "Colour pays double · Suit pays four times")),
                font(Face::Serif, 15, true, true), 1.2);
}

void paintGambleResult(QPainter& p, const Kit& k, bool won, const QSizeF& size) {
    paintPlaque(p, k,
                k.say(won ? QT_TRANSLATE_NOOP("artwork", "YOU WIN!")
                          : QT_TRANSLATE_NOOP("artwork", "YOU LOSE")),
                size, won ? QColor(30, 150, 50) : k.pal("blood"));
}

}  // namespace quorvel::artgen
