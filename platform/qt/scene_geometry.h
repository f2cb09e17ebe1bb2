#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

#include "platform/window.h"

namespace quorvel::platform::qt {

// Twips to whole pixels, rounded to the nearest, the same way on both sides of zero.
inline int pixels(int twips) {
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

// Where a model window's logical scene (twips / 15) lands in a widget of a given size:
// scaled to fit, proportions kept, centred, edges on whole device pixels.
class SceneTransform {
public:
    SceneTransform() = default;
    SceneTransform(QSize scene, QSize widget, qreal devicePixelRatio);

    qreal scale() const { return scale_; }
    const QTransform& toWidget() const { return transform_; }
    QPointF toScene(QPointF widgetPoint) const;
    // The widget rectangle covering a scene rectangle, grown to whole device pixels.
    QRect toWidget(const QRect& scene) const;
    QRectF toWidgetF(const QRectF& scene) const;

private:
    qreal scale_ = 1.0;
    qreal dpr_ = 1.0;
    QTransform transform_;
    QTransform inverse_;
};

// A widget rectangle in device pixels, its edges rounded to the nearest.
QRect deviceAligned(const QRectF& widgetRect, qreal dpr);

// An element's rectangle in scene pixels, an auto-sized label grown to its text.
QRect sceneRect(const Element& element);
// The same, clipped by every container it lies in; a line's rectangle encloses its stroke.
QRect clippedSceneRect(const Element& element);
// The part of the scene its containers let an element draw into.
QRect containerClip(const Element& element);
// The topmost shown element under a scene point that takes the mouse, or nullptr.
Element* elementAt(const Window& window, QPoint scenePoint);

}  // namespace quorvel::platform::qt
