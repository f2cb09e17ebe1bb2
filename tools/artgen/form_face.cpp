#include <algorithm>
#include <cstdint>

#include "tools/artgen/paintings.h"

// The ground of the options and about windows: old parchment, pale in the middle and browned
// towards its edges, with faint blotches and fibres. Kept quiet so that text reads on it.
namespace quorvel::artgen {
namespace {

// The same blotches on every build, whatever the platform's random generator.
class Scatter {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / double(1ULL << 53);
    }

private:
    std::uint64_t state_ = 0x5eed;
};

QColor faint(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

}  // namespace

void paintFormFace(QPainter& p, const Kit& k, const QSizeF& size) {
    const QRectF r(QPointF(0, 0), size);
    p.fillRect(r, k.pal("parchment"));
    const double reach = std::max(size.width(), size.height()) * 0.75;
    p.fillRect(r, radial(r.center(), reach,
                         {{0, faint(k.pal("bone"), 150)},
                          {0.6, faint(k.pal("parchment"), 0)},
                          {1, faint(k.pal("parchmentDark"), 110)}}));
    Scatter scatter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF at(scatter.next() * size.width(), scatter.next() * size.height());
        const double radius = 6 + scatter.next() * 30;
        p.setBrush(radial(
            at, radius,
            {{0, faint(k.pal("parchmentDark"), 28)}, {1, faint(k.pal("parchmentDark"), 0)}}));
        p.drawEllipse(at, radius, radius);
    }
    for (int i = 0; i < 220; ++i) {
        const QPointF from(scatter.next() * size.width(), scatter.next() * size.height());
        const QPointF along(8 + scatter.next() * 22, (scatter.next() - 0.5) * 4);
        p.setPen(QPen(faint(k.pal("goldDark"), 22 + int(scatter.next() * 18)), 0.6));
        p.drawLine(from, from + along);
    }
}

}  // namespace quorvel::artgen
