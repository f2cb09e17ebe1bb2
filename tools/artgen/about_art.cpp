#include "tools/artgen/paintings.h"
#include "tools/artgen/symbols.h"
#include "tools/artgen/tile.h"

// The about window's advertising picture: a treasure scene inviting a click.
namespace quorvel::artgen {

void paintAboutAdvert(QPainter& p, const Kit& k) {
    const QRectF r(0, 0, 300, 250);
    p.fillRect(r, vertical(r, {{0, k.pal("sunsetDeep")},
                               {0.45, k.pal("sunset")},
                               {0.46, k.pal("sea")},
                               {1, k.pal("seaDark")}}));
    p.save();
    p.translate(88, 70);
    paintChest(p, k, QRectF(0, 0, 125, 125));
    p.restore();
    for (QPointF at : {QPointF(40, 40), QPointF(260, 60), QPointF(230, 200)})
        sparkle(p, at, 12, k.pal("goldLight"));
    goldFrame(p, k, r, 12, 5);
    goldCaption(p, k, QRectF(10, 8, 280, 40),
                k.say(QT_TRANSLATE_NOOP("artwork", "TREASURE AWAITS")), font(Face::Comic, 30));
    caption(p, QRectF(10, 200, 280, 36),
            k.say(QT_TRANSLATE_NOOP("artwork", "Click for the casino page")), font(Face::Serif, 20),
            k.pal("bone"), k.pal("ink"), 2);
}

}  // namespace quorvel::artgen
