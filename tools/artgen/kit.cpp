#include "tools/artgen/kit.h"

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

Words Kit::say(const char* text) const {
    const QString english = QString::fromUtf8(text);
    const QString shown =
        language ? QString::fromStdString(language->translate("artwork", text)) : english;
    if (spoken) {
        spoken->words = true;
        spoken->translated = spoken->translated || shown != english;
    }
    return {shown, english};
}

}  // namespace quorvel::artgen
