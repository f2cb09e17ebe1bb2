#include "platform/qt/scene_geometry.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "platform/qt/scene_painter.h"

namespace quorvel::platform::qt {

SceneTransform::SceneTransform(QSize scene, QSize widget, qreal devicePixelRatio)
    : dpr_(devicePixelRatio) {
    scale_ =
        std::min(qreal(widget.width()) / scene.width(), qreal(widget.height()) / scene.height());
    if (scale_ <= 0) scale_ = 1.0;
    // Whole device pixels for the offset keep the edges of every picture sharp.
    auto snap = [this](qreal v) { return std::round(v * dpr_) / dpr_; };
    const qreal dx = snap((widget.width() - scene.width() * scale_) / 2);
    const qreal dy = snap((widget.height() - scene.height() * scale_) / 2);
    transform_ = QTransform(scale_, 0, 0, scale_, dx, dy);
    inverse_ = transform_.inverted();
}

QPointF SceneTransform::toScene(QPointF widgetPoint) const {
    return inverse_.map(widgetPoint);
}

QRectF SceneTransform::toWidgetF(const QRectF& scene) const {
    return transform_.mapRect(scene);
}

QRect SceneTransform::toWidget(const QRect& scene) const {
    const QRectF r = toWidgetF(QRectF(scene));
    return QRect(QPoint(int(std::floor(r.left())), int(std::floor(r.top()))),
                 QPoint(int(std::ceil(r.right())) - 1, int(std::ceil(r.bottom())) - 1));
}

QRect deviceAligned(const QRectF& r, qreal dpr) {
    auto snap = [dpr](qreal v) { return int(std::lround(v * dpr)); };
    return QRect(QPoint(snap(r.left()), snap(r.top())),
                 QPoint(snap(r.right()) - 1, snap(r.bottom()) - 1));
}

// Each element is placed in whole pixels inside its container, as the container is.
static QPoint sceneOrigin(const Element* container) {
    if (!container) return QPoint();
    return sceneOrigin(container->parent()) +
           QPoint(pixels(container->left()), pixels(container->top()));
}

QRect sceneRect(const Element& element) {
    QRect rect(sceneOrigin(&element), QSize(pixels(element.width()), pixels(element.height())));
    if (element.kind() == ElementKind::Label && element.autoSize()) {
        const QFontMetrics metrics(fontOf(element.font()));
        const QString text = QString::fromStdString(element.caption());
        rect.setSize(QSize(std::max(1, metrics.horizontalAdvance(text)), metrics.height()));
    }
    return rect;
}

static QRect lineRect(const Element& line) {
    const LinePoints& p = line.points();
    const QPoint offset = sceneOrigin(line.parent());
    const int margin = line.lineWidth();
    return QRect(QPoint(std::min(pixels(p.x1), pixels(p.x2)), std::min(pixels(p.y1), pixels(p.y2))),
                 QPoint(std::max(pixels(p.x1), pixels(p.x2)), std::max(pixels(p.y1), pixels(p.y2))))
        .translated(offset)
        .adjusted(-margin, -margin, margin, margin);
}

QRect containerClip(const Element& element) {
    QRect clip(-100000, -100000, 200000, 200000);
    for (const Element* p = element.parent(); p; p = p->parent())
        clip &= sceneRect(*p);
    return clip;
}

QRect clippedSceneRect(const Element& element) {
    const QRect own = element.kind() == ElementKind::Line ? lineRect(element) : sceneRect(element);
    return own & containerClip(element);
}

Element* elementAt(const Window& window, QPoint scenePoint) {
    const auto& elements = window.elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        Element& element = **it;
        // Lines let the mouse through; a disabled element leaves it to what lies beneath.
        if (element.kind() == ElementKind::Line || element.kind() == ElementKind::ImageList)
            continue;
        if (!element.shown() || !element.enabled()) continue;
        if (clippedSceneRect(element).contains(scenePoint)) return &element;
    }
    return nullptr;
}

}  // namespace quorvel::platform::qt
