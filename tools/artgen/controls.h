#pragma once

#include <QColor>

namespace quorvel::artgen {

// The six keys of the button bar, left to right: their picture, caption and colour.
struct KeyLook {
    const char* element;
    const char* caption;
    QColor base;
};
inline constexpr int kKeys = 6;
const KeyLook& keyLook(int key);

}  // namespace quorvel::artgen
