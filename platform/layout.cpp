#include "platform/layout.h"

namespace quorvel::platform {

void buildElements(Window& window, std::span<const ElementSpec> design) {
    for (const ElementSpec& spec : design) {
        Element& element = window.add(spec.name, spec.index, spec.kind);
        if (*spec.parent) element.setParent(&window.at(spec.parent));
        element.move(spec.left, spec.top);
        element.resize(spec.width, spec.height);
        element.setVisible(spec.visible);
        element.setEnabled(spec.enabled);
        element.setCaption(spec.caption);
        element.setTooltip(spec.tooltip);
        if (*spec.picture) element.setPicture(Picture{spec.picture, 0});
        element.setFont(Font{spec.fontFamily, spec.fontPoints, spec.bold, spec.italic});
        element.setForeColour(spec.fore);
        if (spec.hasBack) element.setBackColour(spec.back);
        element.setAlign(spec.align);
        element.setAutoSize(spec.autoSize);
        element.setBorder(spec.border);
        element.setStretch(spec.stretch);
        element.setPoints(spec.points);
        element.setLineWidth(spec.lineWidth);
        if (spec.kind == ElementKind::ImageList)
            element.setImages(spec.images, spec.imageWidth, spec.imageHeight);
    }
}

}  // namespace quorvel::platform
