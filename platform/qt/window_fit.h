#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace quorvel::platform::qt {

// What a window manager is expected to add round a window before it can say: a title bar and
// thin borders, in the logical pixels the window is sized in.
inline const QMargins kExpectedFrame(4, 32, 4, 4);

// The design's size, or the largest of its proportions that fits in `available` with `frame`
// round it; a window is never made larger than its design.
QSize fitWindow(QSize design, const QRect& available, const QMargins& frame);
// The corner of the frame (where QWidget::move puts it) for a window of `size` centred on
// `centre`, moved as little as keeps it and its frame inside `available`.
QPoint placeWindow(QSize size, const QRect& available, const QMargins& frame, QPoint centre);

}  // namespace quorvel::platform::qt
