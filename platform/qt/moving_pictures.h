#pragma once

#include <QRegion>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "platform/qt/picture_blitter.h"
#include "platform/qt/pictures.h"
#include "platform/qt/scene_geometry.h"
#include "platform/window.h"

namespace quorvel::platform::qt {

// Where a window's scene lands on its display surface.
struct SurfaceMapping {
    SceneTransform transform;
    qreal dpr = 1.0;
    QPoint deviceOffset;  // of the widget inside its native window
};

// Opaque pictures that slide inside the window that clips them, like reel strips. While the
// display holds a copy of such a picture, a move of it is drawn by the display from that copy
// instead of being painted again; the view repaints its backing store later, at leisure.
class MovingPictures {
public:
    using BlitterFactory = std::function<std::unique_ptr<PictureBlitter>()>;
    MovingPictures(const Window& window, PictureSource& pictures, BlitterFactory factory);
    // Another display to draw on; nothing is held there yet.
    void setFactory(BlitterFactory factory);

    // True when the move is taken for the next draw, false when the view has to repaint it.
    bool noteMove(const Element& element);
    bool pending() const { return !moved_.empty(); }
    // False once it is known that no display will take the pictures.
    bool mayHold() const { return factory_ && (!asked_ || blitter_); }

    struct Drawn {
        QRegion shown;               // widget area the display drew, not yet in the backing store
        std::vector<QRect> refused;  // scene rectangles the view has to repaint itself
    };
    // Draws the noted moves the display can draw; `rects` holds each element's clipped scene
    // rectangle in drawing order.
    Drawn draw(const SurfaceMapping& surface, std::span<const QRect> rects);
    // Gives the display every shown sliding picture it lacks at the size it is shown at now.
    void holdShownPictures(const SurfaceMapping& surface);

private:
    bool slides(const Element& element) const;
    bool coveredFromAbove(std::size_t index, std::span<const QRect> rects) const;
    HeldPicture shownAt(const Element& element, const SurfaceMapping& surface) const;
    std::vector<HeldPicture> sizesWhileSliding(const Element& element,
                                               const SurfaceMapping& surface) const;
    bool ready();

    const Window& window_;
    PictureSource& pictures_;
    BlitterFactory factory_;
    std::unique_ptr<PictureBlitter> blitter_;
    bool asked_ = false;
    std::vector<const Element*> moved_;
};

}  // namespace quorvel::platform::qt
