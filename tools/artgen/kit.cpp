#include "tools/artgen/kit.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace quorvel::artgen {

Palette::Palette(const std::string& jsonPath) {
    std::ifstream in(jsonPath);
    if (!in) throw std::runtime_error("cannot read " + jsonPath);
    const auto json = nlohmann::json::parse(in);
    for (const auto& [name, value] : json.at("colours").items())
        colours_[name] = QColor(QString::fromStdString(value.get<std::string>()));
    for (const auto& value : json.at("lineColours"))
        lines_.emplace_back(QString::fromStdString(value.get<std::string>()));
}

QColor Palette::operator()(const std::string& name) const {
    const auto it = colours_.find(name);
    if (it == colours_.end()) throw std::runtime_error("no colour " + name);
    return it->second;
}

QColor Palette::line(int line) const {
    return lines_.at(static_cast<std::size_t>(line - 1));
}

QFont font(Face face, double pixels, bool bold, bool italic) {
    static const char* const families[] = {"Comic Neue", "Liberation Serif", "Liberation Sans"};
    QFont f(families[static_cast<int>(face)]);
    f.setPixelSize(std::max(1, static_cast<int>(pixels)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QLinearGradient vertical(const QRectF& r, Stops stops) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    return g;
}

QRadialGradient radial(const QPointF& centre, double radius, Stops stops) {
    QRadialGradient g(centre, radius);
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    return g;
}

void panel(QPainter& p, const QRectF& r, double radius, const QBrush& fill, const QColor& edge,
           double edgeWidth) {
    p.save();
    p.setPen(edgeWidth > 0 ? QPen(edge, edgeWidth) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void goldFrame(QPainter& p, const Kit& k, const QRectF& r, double radius, double width) {
    const QRectF mid = r.adjusted(width / 2, width / 2, -width / 2, -width / 2);
    p.save();
    p.setBrush(Qt::NoBrush);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, k.pal("goldLight"));
    g.setColorAt(0.35, k.pal("gold"));
    g.setColorAt(0.7, k.pal("goldDark"));
    g.setColorAt(1, k.pal("gold"));
    p.setPen(QPen(QBrush(g), width));
    p.drawRoundedRect(mid, radius, radius);
    p.setPen(QPen(k.pal("goldDeep"), std::max(0.6, width / 6)));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius + width / 2, radius + width / 2);
    const double in = width - 0.5;
    p.drawRoundedRect(r.adjusted(in, in, -in, -in), std::max(0.0, radius - width / 2),
                      std::max(0.0, radius - width / 2));
    p.restore();
}

void gloss(QPainter& p, const QRectF& r, double radius, int alpha) {
    const QRectF top(r.left() + r.width() * 0.04, r.top() + r.height() * 0.04, r.width() * 0.92,
                     r.height() * 0.46);
    panel(p, top, radius * 0.8,
          vertical(top, {{0, QColor(255, 255, 255, alpha)}, {1, QColor(255, 255, 255, 0)}}));
}

void caption(QPainter& p, const QRectF& box, const QString& text, QFont f, const QBrush& fill,
             const QColor& outline, double outlineWidth, Qt::Alignment align) {
    QFontMetricsF metrics(f);
    while (metrics.horizontalAdvance(text) + 2 * outlineWidth > box.width() && f.pixelSize() > 4) {
        f.setPixelSize(f.pixelSize() - 1);
        metrics = QFontMetricsF(f);
    }
    const double width = metrics.horizontalAdvance(text);
    double x = box.left() + (box.width() - width) / 2;
    if (align & Qt::AlignLeft) x = box.left() + outlineWidth;
    if (align & Qt::AlignRight) x = box.right() - width - outlineWidth;
    const double y = box.top() + (box.height() + metrics.capHeight()) / 2;
    QPainterPath path;
    path.addText(QPointF(x, y), f, text);
    p.save();
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void goldCaption(QPainter& p, const Kit& k, const QRectF& box, const QString& text, QFont f,
                 double outlineWidth) {
    const QRectF band(box.left(), box.center().y() - f.pixelSize() * 0.5, box.width(),
                      f.pixelSize() * 0.75);
    caption(p, box, text, f,
            vertical(band, {{0, k.pal("goldLight")}, {0.5, k.pal("gold")}, {1, k.pal("goldDark")}}),
            k.pal("ink"), outlineWidth);
}

}  // namespace quorvel::artgen
