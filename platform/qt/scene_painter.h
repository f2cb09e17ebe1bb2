#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <span>

#include "platform/qt/pictures.h"
#include "platform/qt/scene_geometry.h"
#include "platform/window.h"

namespace quorvel::platform::qt {

QFont fontOf(const Font& font);
QColor colourOf(Colour colour);

// Draws a model window's elements in drawing order, each clipped by its containers. Pictures
// are asked for at the size of device pixels they cover, so nothing is a scaled-up bitmap.
class ScenePainter {
public:
    ScenePainter(const Window& window, PictureSource& pictures)
        : window_(window), pictures_(pictures) {}
    // Paints the part of the widget inside `area` (widget coordinates); `rects` holds each
    // element's clipped scene rectangle in drawing order.
    void paint(QPainter& painter, const SceneTransform& transform, const QRect& area, qreal dpr,
               std::span<const QRect> rects);

private:
    struct Frame {
        QPainter& painter;
        const SceneTransform& transform;
        qreal dpr;
    };
    void paintBase(const Frame& frame, const QRect& area);
    std::size_t firstVisibleLayer(const Frame& frame, const QRect& area,
                                  std::span<const QRect> rects) const;
    bool opaquePicture(const Frame& frame, const Element& element, const QRect& area) const;
    void paintElement(const Frame& frame, const Element& element, const QRect& clip);
    void paintPicture(const Frame& frame, const Picture& picture, const QRect& scene,
                      const QRect& clip, bool dim = false);
    void paintCaption(QPainter& painter, const Element& element, const QRect& rect, int flags);
    void paintButton(QPainter& painter, const Element& element, const QRect& rect);
    void paintOption(QPainter& painter, const Element& element, const QRect& rect);
    void paintFrame(QPainter& painter, const Element& element, const QRect& rect);
    void paintLine(QPainter& painter, const Element& element);
    QRect pictureRect(const Element& element, const QRect& rect) const;
    bool themed() const;
    QColor backOf(const Element& element) const;
    QColor foreOf(const Element& element) const;

    const Window& window_;
    PictureSource& pictures_;
};

}  // namespace quorvel::platform::qt
