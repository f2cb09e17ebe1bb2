#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <map>
#include <string>

namespace quorvel::artgen {

// The Game Icons shapes (512 × 512 SVG bodies), drawn as filled silhouettes.
class IconSet {
public:
    explicit IconSet(const std::string& jsonPath);
    bool has(const std::string& name) const { return bodies_.count(name) > 0; }
    // The icon as a white mask with alpha, `size` device pixels square.
    QImage mask(const std::string& name, int size) const;

private:
    std::map<std::string, std::string> bodies_;
};

struct IconStyle {
    QBrush fill{Qt::white};
    QColor outline{0, 0, 0, 0};
    double outlineWidth = 0;  // logical pixels
    QColor shadow{0, 0, 0, 0};
    QPointF shadowOffset{2, 3};
};

// Draws an icon into `box` (logical pixels) at the painter's full device resolution.
void drawIcon(QPainter& p, const IconSet& icons, const std::string& name, const QRectF& box,
              const IconStyle& style);

}  // namespace quorvel::artgen
