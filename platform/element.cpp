#include "platform/element.h"

#include <algorithm>

#include "platform/window.h"

namespace quorvel::platform {

Element::Element(Window& window, std::string name, int index, ElementKind kind)
    : window_(window), name_(std::move(name)), index_(index), kind_(kind) {}

void Element::changed(Aspect aspect) {
    window_.notifyChanged(*this, aspect);
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
    changed(Aspect::Tree);
}

void Element::move(int left, int top) {
    if (update(left_, left) | update(top_, top)) changed(Aspect::Geometry);
}

void Element::resize(int width, int height) {
    if (update(width_, width) | update(height_, height)) changed(Aspect::Geometry);
}

int Element::absoluteLeft() const {
    return left_ + (parent_ ? parent_->absoluteLeft() : 0);
}
int Element::absoluteTop() const {
    return top_ + (parent_ ? parent_->absoluteTop() : 0);
}

void Element::setVisible(bool visible) {
    if (update(visible_, visible)) changed(Aspect::Visibility);
}

bool Element::shown() const {
    return visible_ && (!parent_ || parent_->shown());
}

void Element::setEnabled(bool enabled) {
    if (update(enabled_, enabled)) changed(Aspect::Enabled);
}

bool Element::active() const {
    return enabled_ && (parent_ ? parent_->active() : window_.enabled());
}

void Element::setCaption(const std::string& caption) {
    if (update(caption_, caption)) changed(Aspect::Text);
}

void Element::setTooltip(const std::string& tooltip) {
    if (update(tooltip_, tooltip)) changed(Aspect::Text);
}

void Element::setAccessibleName(const std::string& name) {
    if (update(accessibleName_, name)) changed(Aspect::Accessible);
}

void Element::setDescription(const std::string& description) {
    if (update(description_, description)) changed(Aspect::Accessible);
}

void Element::setPicture(const Picture& picture) {
    if (update(picture_, picture)) changed(Aspect::Picture);
}

void Element::setForeColour(Colour colour) {
    if (update(fore_, colour)) changed(Aspect::Style);
}

void Element::setBackColour(Colour colour) {
    if (update(back_, colour) | update(hasBack_, true)) changed(Aspect::Style);
}

void Element::setFont(const Font& font) {
    if (update(font_, font)) changed(Aspect::Style);
}

void Element::setAlign(Align align) {
    if (update(align_, align)) changed(Aspect::Style);
}

void Element::setAutoSize(bool autoSize) {
    if (update(autoSize_, autoSize)) changed(Aspect::Geometry);
}

void Element::setBorder(bool border) {
    if (update(border_, border)) changed(Aspect::Style);
}

void Element::setStretch(bool stretch) {
    if (update(stretch_, stretch)) changed(Aspect::Picture);
}

void Element::setPoints(const LinePoints& points) {
    if (update(points_, points)) changed(Aspect::Line);
}

void Element::setLineWidth(int pixels) {
    if (update(lineWidth_, pixels)) changed(Aspect::Line);
}

void Element::setValue(bool value) {
    if (update(value_, value)) changed(Aspect::Value);
}

void Element::setImages(int count, int widthPx, int heightPx) {
    if (update(imageCount_, count) | update(imageWidth_, widthPx) | update(imageHeight_, heightPx))
        changed(Aspect::Picture);
}

const ChartData& Element::chart() const {
    static const ChartData kNone;
    return chart_ ? *chart_ : kNone;
}

void Element::setChart(ChartData chart) {
    if (chart_ && *chart_ == chart) return;
    chart_ = std::make_unique<ChartData>(std::move(chart));
    changed(Aspect::Chart);
}

}  // namespace quorvel::platform
