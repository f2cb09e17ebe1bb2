#include "tools/artgen/controls.h"

#include <QPainterPath>
#include <array>

#include "tools/artgen/design.h"
#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

// The controls: the button bar with its keys, the two ovals, the menu and the line markers.
namespace quorvel::artgen {
namespace {

const std::array<KeyLook, kKeys> kLooks{{
    {"coinsin", QT_TRANSLATE_NOOP("artwork", "Insert Credit"), QColor(214, 160, 20)},
    {"payline", QT_TRANSLATE_NOOP("artwork", "Select Lines"), QColor(30, 100, 190)},
    {"btnbet", QT_TRANSLATE_NOOP("artwork", "Bet Per Line"), QColor(30, 100, 190)},
    {"btnspin", QT_TRANSLATE_NOOP("artwork", "SPIN"), QColor(30, 150, 50)},
    {"doublebutton", QT_TRANSLATE_NOOP("artwork", "GAMBLE"), QColor(190, 30, 30)},
    {"autoplayon", QT_TRANSLATE_NOOP("artwork", "AUTO On/Off"), QColor(120, 50, 170)},
}};

// A key face; a raised key is bright and glossy, the painted one under it sits lower and dim.
void keyFace(QPainter& p, const Kit& k, const KeyLook& look, const QRectF& r, bool raised) {
    const QColor base = raised ? look.base : look.base.darker(150);
    const QRectF body = raised ? inset(r, 1.5) : r.adjusted(2.5, 4, -2.5, -1);
    if (raised) panel(p, body.translated(0, 2.5), 9, QColor(0, 0, 0, 120));
    panel(p, body, 9, vertical(body, {{0, base.lighter(150)}, {0.5, base}, {1, base.darker(170)}}),
          k.pal("ink"), 1.5);
    panel(p, inset(body, 2), 7, Qt::NoBrush, raised ? k.pal("goldLight") : k.pal("goldDark"), 1.2);
    if (raised) gloss(p, inset(body, 2), 7, 120);
    const bool big = look.caption == std::string_view("SPIN");
    caption(p, inset(body, 5), k.say(look.caption), font(Face::Comic, big ? 24 : 15),
            raised ? QColor(Qt::white) : QColor(225, 225, 225), k.pal("ink"), 1.8);
}

}  // namespace

const KeyLook& keyLook(int key) {
    return kLooks.at(static_cast<std::size_t>(key));
}

void paintKey(QPainter& p, const Kit& k, int key, const QSizeF& size) {
    keyFace(p, k, keyLook(key), QRectF(QPointF(0, 0), size), true);
}

// The key lit from within while what it switches is on: a warm glow on its face and a bright
// brass rim, its shape and caption those of the key at rest.
void paintLitKey(QPainter& p, const Kit& k, int key, const QSizeF& size) {
    const QRectF r(QPointF(0, 0), size);
    keyFace(p, k, keyLook(key), r, true);
    const QRectF body = inset(r, 1.5);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.setPen(Qt::NoPen);
    p.setBrush(radial(body.center(), body.width() * 0.6,
                      {{0, QColor(255, 236, 150, 170)},
                       {0.6, QColor(255, 200, 80, 70)},
                       {1, QColor(255, 170, 40, 0)}}));
    p.drawRect(r);
    p.restore();
    panel(p, inset(body, 1), 8, Qt::NoBrush, k.pal("goldLight"), 2.6);
    caption(p, inset(body, 5), k.say(keyLook(key).caption), font(Face::Comic, 15), Qt::white,
            k.pal("ink"), 1.8);
}

void paintButtonBar(QPainter& p, const Kit& k) {
    const QRectF bar(0, 0, 800, 82);
    p.fillRect(
        bar,
        vertical(bar, {{0, k.pal("woodLight")}, {0.1, k.pal("wood")}, {1, k.pal("woodDark")}}));
    const QRectF shelf(0, 56, 800, 26);
    p.fillRect(shelf, vertical(shelf, {{0, k.pal("parchment")}, {1, k.pal("parchmentDark")}}));
    p.fillRect(QRectF(0, 56, 800, 2), k.pal("goldDark"));
    caption(p, QRectF(0, 60, 800, 20),
            k.say(QT_TRANSLATE_NOOP("artwork", "For ease use SPACE BAR to spin reels")),
            font(Face::Comic, 14), k.pal("ink"));
    for (int key = 0; key < kKeys; ++key) {
        const QRectF place = placeOf(keyLook(key).element, 0, "panfreespin");
        panel(p, place.adjusted(-2, -1, 2, 2), 10, QColor(0, 0, 0, 140));
        keyFace(p, k, keyLook(key), place, false);
    }
}

void paintOvalButton(QPainter& p, const Kit& k, const Words& text, const QSizeF& size) {
    const QRectF r = inset(QRectF(QPointF(0, 0), size), 1.5);
    p.setPen(QPen(k.pal("ink"), 1.2));
    QLinearGradient rim(r.topLeft(), r.bottomRight());
    rim.setColorAt(0, k.pal("goldLight"));
    rim.setColorAt(0.5, k.pal("gold"));
    rim.setColorAt(1, k.pal("goldDark"));
    p.setBrush(rim);
    p.drawEllipse(r);
    const QRectF face = inset(r, 4);
    p.setBrush(radial(face.center() - QPointF(0, 6), face.width() * 0.6,
                      {{0, QColor(200, 40, 40)}, {1, k.pal("bloodDark")}}));
    p.drawEllipse(face);
    gloss(p, face.adjusted(6, 0, -6, 0), face.height() / 2, 110);
    caption(p, inset(face, 3), text, font(Face::Comic, 14), k.pal("goldLight"), k.pal("ink"), 1.5);
}

void paintMenu(QPainter& p, const Kit& k, const QSizeF& size) {
    const QRectF r(QPointF(0, 0), size);
    panel(p, r, 8, vertical(r, {{0, k.pal("wood")}, {1, k.pal("woodDark")}}));
    goldFrame(p, k, r, 8, 4);
    drawIcon(p, k.icons, "ship-wheel", inset(r, 20).translated(0, 10),
             {.fill = QColor(255, 220, 150, 30)});
}

void paintMenuEntry(QPainter& p, const Kit& k, const Words& text, const QSizeF& size) {
    const QRectF r = inset(QRectF(QPointF(0, 0), size), 1);
    panel(p, r, 6, vertical(r, {{0, k.pal("parchment")}, {1, k.pal("parchmentDark")}}),
          k.pal("ink"), 1.2);
    panel(p, inset(r, 2), 4, Qt::NoBrush, k.pal("goldDark"), 1);
    caption(p, inset(r, 4), text, font(Face::Comic, 17), k.pal("ink"));
}

void paintLineMarker(QPainter& p, const Kit& k, int entry) {
    const bool played = entry <= 25;
    const int line = played ? entry : entry - 25;
    const QColor colour = played ? k.pal.line(line) : QColor(70, 70, 76);
    const QRectF r(1, 1, 21, 21);
    p.setPen(QPen(played ? k.pal("ink") : QColor(30, 30, 34), 1.2));
    p.setBrush(
        radial(r.center() - QPointF(3, 3), 14,
               {{0, colour.lighter(played ? 140 : 115)}, {1, colour.darker(played ? 120 : 110)}}));
    p.drawEllipse(r);
    const bool dark = 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue() < 140;
    caption(p, r.adjusted(1, 0, -1, 0), QString::number(line), font(Face::Sans, line > 9 ? 11 : 13),
            played ? (dark ? QColor(Qt::white) : k.pal("ink")) : QColor(150, 150, 156));
}

void paintProgramIcon(QPainter& p, const Kit& k, int size) {
    const QRectF r(0, 0, size, size);
    const double edge = std::max(1.0, size / 16.0);
    panel(p, inset(r, edge / 2), size * 0.2,
          radial(r.center(), size * 0.7, {{0, QColor(200, 40, 40)}, {1, k.pal("bloodDark")}}));
    if (size >= 32) goldFrame(p, k, inset(r, edge / 2), size * 0.2, edge * 1.5);
    const QRectF box = inset(r, size * 0.14);
    drawIcon(p, k.icons, "pirate-skull", box,
             {.fill = vertical(box, {{0, k.pal("goldLight")}, {1, k.pal("goldDark")}}),
              .outline = k.pal("ink"),
              .outlineWidth = size >= 32 ? edge : 0});
}

}  // namespace quorvel::artgen
