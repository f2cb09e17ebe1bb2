#include "tools/artgen/design.h"

#include <stdexcept>
#include <string>

#include "screen/quorvel_layout.h"

namespace quorvel::artgen {
namespace {

constexpr double kTwipsPerPixel = 15.0;

const platform::ElementSpec& find(std::string_view name, int index) {
    for (const auto& e : screen::mainScreenDesign())
        if (name == e.name && e.index == index) return e;
    throw std::runtime_error("no element " + std::string(name) + " in the design");
}

}  // namespace

QRectF placeOf(std::string_view name, int index, std::string_view within) {
    const auto* e = &find(name, index);
    QRectF r(e->left, e->top, e->width, e->height);
    while (*e->parent && within != e->parent) {
        e = &find(e->parent, 0);
        r.translate(e->left, e->top);
    }
    return {r.left() / kTwipsPerPixel, r.top() / kTwipsPerPixel, r.width() / kTwipsPerPixel,
            r.height() / kTwipsPerPixel};
}

double pixelsOf(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace quorvel::artgen
