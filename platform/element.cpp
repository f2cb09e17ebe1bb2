#include "platform/element.h"

#include <algorithm>

#include "platform/window.h"

namespace quorvel::platform {

Element::Element(Window& window, std::string name, int index, ElementKind kind)
    : window_(window), name_(std::move(name)), index_(index), kind_(kind) {}

void Element::changed() {
    window_.notifyChanged(*this);
}

template <typename T>
static bool update(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

void Element::setParent(Element* parent) {
    if (parent_) std::erase(parent_->children_, this);
    parent_ = parent;
    if (parent_) parent_->children_.push_back(this);
    changed();
}

void Element::move(int left, int top) {
    if (update(left_, left) | update(top_, top)) changed();
}

void Element::resize(int width, int height) {
    if (update(width_, width) | update(height_, height)) changed();
}

int Element::absoluteLeft() const {
    return left_ + (parent_ ? parent_->absoluteLeft() : 0);
}
int Element::absoluteTop() const {
    return top_ + (parent_ ? parent_->absoluteTop() : 0);
}

void Element::setVisible(bool visible) {
    if (update(visible_, visible)) changed();
}

bool Element::shown() const {
    return visible_ && (!parent_ || parent_->shown());
}

void Element::setEnabled(bool enabled) {
    if (update(enabled_, enabled)) changed();
}

bool Element::active() const {
    return enabled_ && (parent_ ? parent_->active() : window_.enabled());
}

void Element::setCaption(const std::string& caption) {
    if (update(caption_, caption)) changed();
}

void Element::setTooltip(const std::string& tooltip) {
    if (update(tooltip_, tooltip)) changed();
}

void Element::setPicture(const Picture& picture) {
    if (update(picture_, picture)) changed();
}

void Element::setForeColour(Colour colour) {
    if (update(fore_, colour)) changed();
}

void Element::setBackColour(Colour colour) {
    if (update(back_, colour) | update(hasBack_, true)) changed();
}

void Element::setFont(const Font& font) {
    if (update(font_, font)) changed();
}

void Element::setAlign(Align align) {
    if (update(align_, align)) changed();
}

void Element::setAutoSize(bool autoSize) {
    if (update(autoSize_, autoSize)) changed();
}

void Element::setBorder(bool border) {
    if (update(border_, border)) changed();
}

void Element::setStretch(bool stretch) {
    if (update(stretch_, stretch)) changed();
}

void Element::setPoints(const LinePoints& points) {
    if (update(points_, points)) changed();
}

void Element::setLineWidth(int pixels) {
    if (update(lineWidth_, pixels)) changed();
}

void Element::setValue(bool value) {
    if (update(value_, value)) changed();
}

void Element::setImages(int count, int widthPx, int heightPx) {
    if (update(imageCount_, count) | update(imageWidth_, widthPx) | update(imageHeight_, heightPx))
        changed();
}

}  // namespace quorvel::platform
