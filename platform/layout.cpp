#include "platform/layout.h"

namespace quorvel::platform {

void buildElements(Window& window, std::span<const ElementSpec> design) {
    for (const ElementSpec& row : design) {
        Element& element = window.add(row.name, row.index, row.kind);
        if (*row.parent) element.setParent(&window.at(row.parent, row.parentIndex));
        element.move(row.left, row.top);
        element.resize(row.width, row.height);
        element.setVisible(row.visible);
        element.setEnabled(row.enabled);
        element.setCaption(row.caption);
        element.setTooltip(row.tooltip);
        if (*row.picture) element.setPicture(Picture{row.picture, 0});
        element.setFont(Font{row.fontFamily, row.fontPoints, row.bold, row.italic});
        element.setForeColour(row.fore);
        if (row.hasBack) element.setBackColour(row.back);
        element.setAlign(row.align);
        element.setAutoSize(row.autoSize);
        element.setBorder(row.border);
        element.setStretch(row.stretch);
        element.setPoints(row.points);
        element.setLineWidth(row.lineWidth);
        if (row.kind == ElementKind::ImageList)
            element.setImages(row.images, row.imageWidth, row.imageHeight);
    }
}

}  // namespace quorvel::platform
