#pragma once

#include <QPixmap>
#include <QRect>
#include <cstdlib>
#include <tuple>

#include "platform/element.h"

namespace quorvel::platform::qt {

// One picture at the size in device pixels it is shown at.
struct HeldPicture {
    Picture picture;
    QSize size;

    // The same picture at a size more than a pixel away: of no more use once this one is held.
    bool outgrownBy(const HeldPicture& other) const {
        return picture == other.picture && (std::abs(size.width() - other.size.width()) > 1 ||
                                            std::abs(size.height() - other.size.height()) > 1);
    }
    bool operator<(const HeldPicture& other) const {
        return std::tie(picture.source, picture.index, picture.overlay) <
                   std::tie(other.picture.source, other.picture.index, other.picture.overlay) ||
               (picture == other.picture &&
                std::make_pair(size.width(), size.height()) <
                    std::make_pair(other.size.width(), other.size.height()));
    }
};

// Puts pictures on a window's screen from copies the display keeps, past the window's
// backing store: a reel strip moved this way costs the game a few bytes instead of
// megabytes of pixels, and the display copies them on its own time.
class PictureBlitter {
public:
    virtual ~PictureBlitter() = default;
    virtual bool holds(const HeldPicture& picture) const = 0;
    // Hands the display a copy of `pixels`, letting go of the pictures it outgrows. False
    // when the display cannot keep it.
    virtual bool hold(const HeldPicture& picture, const QPixmap& pixels) = 0;
    // Copies the `source` part of a held picture to `target`, in the window's device pixels.
    virtual void copy(const HeldPicture& picture, const QRect& source, QPoint target) = 0;
    // Sends what was copied on its way.
    virtual void flush() = 0;
};

}  // namespace quorvel::platform::qt
