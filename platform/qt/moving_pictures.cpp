#include "platform/qt/moving_pictures.h"

#include <algorithm>
#include <cmath>

namespace quorvel::platform::qt {

MovingPictures::MovingPictures(const Window& window, PictureSource& pictures,
                               BlitterFactory factory)
    : window_(window), pictures_(pictures), factory_(std::move(factory)) {}

void MovingPictures::setFactory(BlitterFactory factory) {
    factory_ = std::move(factory);
    blitter_.reset();
    asked_ = false;
    moved_.clear();
}

// A plain picture larger than the window that clips it, filling it whole: all that shows of
// it comes from its own pixels, wherever it moves.
bool MovingPictures::slides(const Element& element) const {
    const Picture& picture = element.picture();
    if (element.kind() != ElementKind::Image || !element.parent() || picture.empty() ||
        element.border() || (picture.index != 0 && !element.stretch()))
        return false;
    const QRect own = sceneRect(element);
    const QRect clip = containerClip(element);
    return own.contains(clip) && own != clip;
}

// The display is asked once, when a sliding picture is first shown, so the window exists by
// then; windows without one never ask.
bool MovingPictures::ready() {
    if (!asked_) {
        asked_ = true;
        if (factory_) blitter_ = factory_();
    }
    return blitter_ != nullptr;
}

bool MovingPictures::noteMove(const Element& element) {
    if (!blitter_ || !slides(element)) return false;
    if (std::find(moved_.begin(), moved_.end(), &element) == moved_.end())
        moved_.push_back(&element);
    return true;
}

// Anything shown later in drawing order over the picture's window would be drawn over.
bool MovingPictures::coveredFromAbove(std::size_t index, std::span<const QRect> rects) const {
    const auto& elements = window_.elements();
    for (std::size_t i = index + 1; i < elements.size(); ++i) {
        const Element& above = *elements[i];
        if (above.kind() != ElementKind::ImageList && above.shown() &&
            rects[i].intersects(rects[index]))
            return true;
    }
    return false;
}

// Where the whole picture lies in device pixels, as the painter places it.
static QRect deviceTarget(const Element& element, const SurfaceMapping& surface) {
    return deviceAligned(surface.transform.toWidgetF(QRectF(sceneRect(element))), surface.dpr);
}

HeldPicture MovingPictures::shownAt(const Element& element, const SurfaceMapping& surface) const {
    return HeldPicture{element.picture(), deviceTarget(element, surface).size()};
}

// Its edges are rounded to device pixels one by one, so at a scale that gives it a fractional
// height the picture takes the whole heights either side as it slides up and down (a sideways
// slide at such a scale is painted on the steps that change its width).
std::vector<HeldPicture> MovingPictures::sizesWhileSliding(const Element& element,
                                                           const SurfaceMapping& surface) const {
    const HeldPicture now = shownAt(element, surface);
    const qreal exact =
        surface.transform.toWidgetF(QRectF(sceneRect(element))).height() * surface.dpr;
    std::vector<HeldPicture> sizes{now};
    for (qreal height : {std::floor(exact), std::ceil(exact)})
        if (int(height) != now.size.height())
            sizes.push_back({now.picture, QSize(now.size.width(), int(height))});
    return sizes;
}

MovingPictures::Drawn MovingPictures::draw(const SurfaceMapping& surface,
                                           std::span<const QRect> rects) {
    Drawn drawn;
    if (moved_.empty()) return drawn;
    const std::vector<const Element*> moved = std::exchange(moved_, {});
    const auto& elements = window_.elements();
    for (std::size_t i = 0; i < elements.size() && i < rects.size(); ++i) {
        const Element& element = *elements[i];
        // A hidden one was repainted away by the change that hid it.
        if (std::find(moved.begin(), moved.end(), &element) == moved.end() || !element.shown())
            continue;
        const HeldPicture held = shownAt(element, surface);
        if (!slides(element) || coveredFromAbove(i, rects) || !blitter_->holds(held)) {
            drawn.refused.push_back(rects[i]);
            continue;
        }
        const QRect target = deviceTarget(element, surface);
        const QRect visible =
            target & deviceAligned(QRectF(surface.transform.toWidget(rects[i])), surface.dpr);
        if (visible.isEmpty()) continue;
        blitter_->copy(held, visible.translated(-target.topLeft()),
                       visible.topLeft() + surface.deviceOffset);
        drawn.shown += surface.transform.toWidget(rects[i]);
    }
    if (!drawn.shown.isEmpty()) blitter_->flush();
    return drawn;
}

void MovingPictures::holdShownPictures(const SurfaceMapping& surface) {
    const auto& elements = window_.elements();
    const auto sliding = [this](const auto& e) { return e->shown() && slides(*e); };
    if (std::none_of(elements.begin(), elements.end(), sliding) || !ready()) return;
    for (const auto& element : elements) {
        if (!sliding(element)) continue;
        for (const HeldPicture& held : sizesWhileSliding(*element, surface)) {
            if (held.size.isEmpty() || blitter_->holds(held)) continue;
            const QPixmap pixels = pictures_.picture(held.picture, held.size);
            // Only an opaque picture hides its window entirely, as a copy does.
            if (!pixels.isNull() && !pixels.hasAlphaChannel()) blitter_->hold(held, pixels);
        }
    }
}

}  // namespace quorvel::platform::qt
