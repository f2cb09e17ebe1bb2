#include "platform/layout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace quorvel::platform {

namespace {

std::string shown(const Window& window, const char* source, const TextCatalogue& text) {
    return *source ? text.translate(window.name().c_str(), source) : std::string();
}

}  // namespace

void buildElements(Window& window, std::span<const ElementSpec> design, const TextCatalogue& text) {
    for (const ElementSpec& row : design) {
        Element& element = window.add(row.name, row.index, row.kind);
        if (*row.parent) element.setParent(&window.at(row.parent, row.parentIndex));
        element.move(row.left, row.top);
        element.resize(row.width, row.height);
        element.setVisible(row.visible);
        element.setEnabled(row.enabled);
        element.setCaption(shown(window, row.caption, text));
        element.setTooltip(shown(window, row.tooltip, text));
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

void retranslateElements(Window& window, std::span<const ElementSpec> design,
                         const TextCatalogue& text) {
    for (const ElementSpec& row : design) {
        Element& element = window.at(row.name, row.index);
        // A caption without letters is a meter's sample figure: the game has written over it.
        if (std::any_of(row.caption, row.caption + std::strlen(row.caption),
                        [](unsigned char c) { return std::isalpha(c); }))
            element.setCaption(shown(window, row.caption, text));
        if (*row.tooltip) element.setTooltip(shown(window, row.tooltip, text));
    }
}

}  // namespace quorvel::platform
