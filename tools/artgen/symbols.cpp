#include "tools/artgen/symbols.h"

#include "engine/strips.h"
#include "presentation/reel_pictures.h"

namespace quorvel::artgen {

void paintSymbol(QPainter& p, const Kit& k, engine::Symbol s, const QRectF& cell) {
    using Paint = void (*)(QPainter&, const Kit&, const QRectF&);
    // In the engine's symbol order.
    static constexpr Paint kPainters[engine::kSymbols] = {
        paintCaptain,
        paintShip,
        paintSkull,
        paintFlag,
        paintCutlass,
        paintCoin,
        paintParrot,
        paintPistol,
        paintCannon,
        paintMap,
        [](QPainter& p, const Kit& k, const QRectF& c) { paintWild(p, k, c, 0.3, 0.35); },
        [](QPainter& p, const Kit& k, const QRectF& c) { paintJollyRoger(p, k, c, 0.6); },
        paintChest,
    };
    kPainters[static_cast<int>(s)](p, k, cell);
}

void paintReel(QPainter& p, const Kit& k, int reel) {
    for (int picture = 1; picture <= presentation::kStripPictures; ++picture) {
        const QRectF cell(0, 125.0 * (picture - 1), 125, 125);
        // The dark of the reel window between the tiles.
        p.fillRect(cell, vertical(cell, {{0, QColor(12, 16, 24)}, {1, QColor(4, 6, 10)}}));
        if (reel == 3 && picture == engine::kMysteryPosition + 1)
            paintMysteryTile(p, k, cell);
        else
            paintSymbol(p, k, presentation::stripPicture(reel, picture), cell);
    }
}

}  // namespace quorvel::artgen
