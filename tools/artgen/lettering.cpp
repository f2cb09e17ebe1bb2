#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <vector>

#include "tools/artgen/kit.h"

// Setting a caption in its box: one line shrunk until its ink fits, or a translation that
// would come out smaller than its English broken over two lines.
namespace quorvel::artgen {
namespace {

constexpr int kSmallest = 4;
// A translation this much smaller than its English on one line is tried on two.
constexpr double kWrapBelow = 0.85;

struct Setting {
    QFont font;
    QStringList lines;
};

// Where a caption goes: its box, the width of its outline and its alignment across.
struct Place {
    QRectF box;
    double outline;
    Qt::Alignment align;
};

double pitch(const QFontMetricsF& metrics) {
    return metrics.capHeight() * 1.6;
}

// Accents can lift a line's ink above its box: where the box is tall enough the lines move
// down (or up, for descenders) rather than shrink.
void nudgeInside(std::vector<QPainterPath>& paths, const QRectF& box, double outline) {
    QRectF ink;
    for (const QPainterPath& path : paths)
        ink |= path.boundingRect().adjusted(-outline, -outline, outline, outline);
    double down = 0;
    if (ink.top() < box.top())
        down = box.top() - ink.top();
    else if (ink.bottom() > box.bottom())
        down = box.bottom() - ink.bottom();
    if (down == 0) return;
    for (QPainterPath& path : paths)
        path.translate(0, down);
}

// Each line's path, set about the box's middle, the first line's baseline where a single
// line's would be when there is only one.
std::vector<QPainterPath> linePaths(const Setting& s, const Place& at) {
    const auto& [box, outline, align] = at;
    const QFontMetricsF metrics(s.font);
    std::vector<QPainterPath> paths;
    const double middle = (s.lines.size() - 1) / 2.0;
    for (int i = 0; i < s.lines.size(); ++i) {
        const double width = metrics.horizontalAdvance(s.lines[i]);
        double x = box.left() + (box.width() - width) / 2;
        if (align & Qt::AlignLeft) x = box.left() + outline;
        if (align & Qt::AlignRight) x = box.right() - width - outline;
        const double y =
            box.top() + (box.height() + metrics.capHeight()) / 2 + (i - middle) * pitch(metrics);
        QPainterPath path;
        path.addText(QPointF(x, y), s.font, s.lines[i]);
        paths.push_back(path);
    }
    nudgeInside(paths, box, outline);
    return paths;
}

bool fits(const Setting& s, const Place& at) {
    const auto& [box, outline, align] = at;
    const QFontMetricsF metrics(s.font);
    for (const QString& line : s.lines)
        if (metrics.horizontalAdvance(line) + 2 * outline > box.width()) return false;
    for (const QPainterPath& path : linePaths(s, at))
        if (!box.contains(path.boundingRect().adjusted(-outline, -outline, outline, outline)))
            return false;
    return true;
}

Setting shrunk(QStringList lines, QFont f, int largest, const Place& at) {
    f.setPixelSize(std::min(f.pixelSize(), largest));
    Setting s{f, std::move(lines)};
    while (!fits(s, at) && s.font.pixelSize() > kSmallest)
        s.font.setPixelSize(s.font.pixelSize() - 1);
    return s;
}

// The largest two-line setting, broken at the blank that lets the letters be biggest.
Setting broken(const QString& text, const QFont& f, int largest, const Place& at) {
    Setting best{f, {}};
    int size = 0;
    for (int blank = text.indexOf(' '); blank > 0; blank = text.indexOf(' ', blank + 1)) {
        Setting s = shrunk({text.left(blank), text.mid(blank + 1)}, f, largest, at);
        const auto longer = [](const Setting& t) {
            return std::max(t.lines[0].size(), t.lines[1].size());
        };
        // Equal sizes: the more even break.
        if (s.font.pixelSize() > size || (s.font.pixelSize() == size && longer(s) < longer(best))) {
            best = s;
            size = s.font.pixelSize();
        }
    }
    return best;
}

Setting set(const Place& at, const Words& text, const QFont& f) {
    const Setting english = shrunk({text.english}, f, f.pixelSize(), at);
    if (text.shown == text.english) return english;
    const int largest = english.font.pixelSize();
    const Setting one = shrunk({text.shown}, f, largest, at);
    if (one.font.pixelSize() >= kWrapBelow * largest) return one;
    const Setting two = broken(text.shown, f, largest, at);
    return !two.lines.empty() && two.font.pixelSize() > one.font.pixelSize() ? two : one;
}

// The fill of one line, given the box the line is centred in and the letters' size.
using LineFill = std::function<QBrush(const QRectF& lineBox, int pixels)>;

void letter(QPainter& p, const Place& at, const Words& text, const QFont& f, const LineFill& fill,
            const QColor& outline) {
    const auto& [box, outlineWidth, align] = at;
    const Setting s = set(at, text, f);
    const auto paths = linePaths(s, at);
    p.save();
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (const QPainterPath& path : paths)
            p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    const double step = pitch(QFontMetricsF(s.font));
    const double middle = (s.lines.size() - 1) / 2.0;
    // A single line keeps the fill it was designed with; broken lines each get it at their size.
    const int pixels = s.lines.size() == 1 ? f.pixelSize() : s.font.pixelSize();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        p.setBrush(fill(box.translated(0, (static_cast<double>(i) - middle) * step), pixels));
        p.drawPath(paths[i]);
    }
    p.restore();
}

}  // namespace

void caption(QPainter& p, const QRectF& box, const Words& text, QFont f, const QBrush& fill,
             const QColor& outline, double outlineWidth, Qt::Alignment align) {
    letter(
        p, {box, outlineWidth, align}, text, f, [&fill](const QRectF&, int) { return fill; },
        outline);
}

void goldCaption(QPainter& p, const Kit& k, const QRectF& box, const Words& text, QFont f,
                 double outlineWidth) {
    const LineFill gold = [&k](const QRectF& line, int pixels) {
        const QRectF band(line.left(), line.center().y() - pixels * 0.5, line.width(),
                          pixels * 0.75);
        return QBrush(vertical(
            band, {{0, k.pal("goldLight")}, {0.5, k.pal("gold")}, {1, k.pal("goldDark")}}));
    };
    letter(p, {box, outlineWidth, Qt::AlignCenter}, text, f, gold, k.pal("ink"));
}

}  // namespace quorvel::artgen
