#pragma once

#include <QImage>

namespace quorvel::app {

// The program's icon, drawn at any size until the artwork supplies one.
QImage drawIcon(int size);

}  // namespace quorvel::app
