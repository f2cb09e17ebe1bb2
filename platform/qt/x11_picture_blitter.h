#pragma once

#include <QWidget>
#include <memory>

#include "platform/qt/picture_blitter.h"

namespace quorvel::platform::qt {

// Pictures held as pixmaps of the X server and copied onto the widget's window there, for a
// widget shown through the xcb platform on a 24- or 32-bit true-colour visual. nullptr on any
// other platform or visual, where painting through the backing store is all there is.
std::unique_ptr<PictureBlitter> makeX11Blitter(QWidget& widget);

}  // namespace quorvel::platform::qt
