#include "tools/artgen/icon_set.h"

#include <QSvgRenderer>
#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace quorvel::artgen {
namespace {

QImage tinted(const QImage& mask, const QBrush& brush, const QRectF& area) {
    QImage out = mask;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    QBrush b = brush;
    // Brushes are given in logical box coordinates; map them onto the mask's pixels.
    QTransform t;
    t.scale(mask.width() / area.width(), mask.height() / area.height());
    t.translate(-area.left(), -area.top());
    b.setTransform(t);
    p.fillRect(out.rect(), b);
    return out;
}

}  // namespace

IconSet::IconSet(const std::string& jsonPath) {
    std::ifstream in(jsonPath);
    if (!in) throw std::runtime_error("cannot read " + jsonPath);
    const auto json = nlohmann::json::parse(in);
    for (const auto& [name, icon] : json.at("icons").items())
        bodies_[name] = icon.at("body").get<std::string>();
}

QImage IconSet::mask(const std::string& name, int size) const {
    const auto it = bodies_.find(name);
    if (it == bodies_.end()) throw std::runtime_error("no icon " + name);
    std::string body = it->second;
    for (auto at = body.find("currentColor"); at != std::string::npos;
         at = body.find("currentColor"))
        body.replace(at, 12, "#ffffff");
    const std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 512 512">)" + body + "</svg>";
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, size, size));
    return image;
}

void drawIcon(QPainter& p, const IconSet& icons, const std::string& name, const QRectF& box,
              const IconStyle& style) {
    const double scale = std::sqrt(std::abs(p.transform().determinant()));
    const int pixels = std::max(1, static_cast<int>(std::lround(box.width() * scale)));
    const QImage mask = icons.mask(name, pixels);
    if (style.shadow.alpha() > 0)
        p.drawImage(box.translated(style.shadowOffset), tinted(mask, style.shadow, box));
    if (style.outlineWidth > 0) {
        const QImage edge = tinted(mask, style.outline, box);
        const double w = style.outlineWidth;
        for (int step = 0; step < 16; ++step) {
            const double a = step * M_PI / 8;
            p.drawImage(box.translated(w * std::cos(a), w * std::sin(a)), edge);
        }
    }
    p.drawImage(box, tinted(mask, style.fill, box));
}

}  // namespace quorvel::artgen
