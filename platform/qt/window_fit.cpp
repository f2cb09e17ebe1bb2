#include "platform/qt/window_fit.h"

#include <algorithm>
#include <cmath>

namespace quorvel::platform::qt {

QSize fitWindow(QSize design, const QRect& available, const QMargins& frame) {
    if (design.isEmpty() || available.isEmpty()) return design;
    const QSize room = available.size().shrunkBy(frame);
    const double scale = std::min(
        {1.0, double(room.width()) / design.width(), double(room.height()) / design.height()});
    // Rounded down, so the fitted window never pokes a pixel past the room.
    return QSize(std::max(1, int(std::floor(design.width() * scale))),
                 std::max(1, int(std::floor(design.height() * scale))));
}

QPoint placeWindow(QSize size, const QRect& available, const QMargins& frame, QPoint centre) {
    QRect placed(QPoint(), size);
    placed.moveCenter(centre);
    // A window larger than the room keeps its title bar on screen: top-left wins.
    const QSize outer = size.grownBy(frame);
    const int left = std::min(placed.left(), available.right() + 1 - outer.width());
    const int top = std::min(placed.top(), available.bottom() + 1 - outer.height());
    return QPoint(std::max(available.left(), left), std::max(available.top(), top));
}

}  // namespace quorvel::platform::qt
