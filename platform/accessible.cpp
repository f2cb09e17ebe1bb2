#include "platform/accessible.h"

#include <algorithm>
#include <tuple>

#include "platform/keys.h"

namespace quorvel::platform {
namespace {

// Labels of one row of meters sit a few twips apart; a band this tall reads as one row.
constexpr int kRowBandTwips = 300;

bool isPictureKind(ElementKind kind) {
    return kind == ElementKind::PictureBox || kind == ElementKind::Image ||
           kind == ElementKind::FeatureControl || kind == ElementKind::Chart;
}

bool hasExposedChild(const Element& element) {
    return std::any_of(
        element.children().begin(), element.children().end(),
        [](const Element* child) { return isExposed(*child) || hasExposedChild(*child); });
}

bool takesFocus(AccessibleRole role) {
    return role == AccessibleRole::Button || role == AccessibleRole::OptionButton ||
           role == AccessibleRole::EditableText;
}

void collect(const Window& window, const Element* container, std::vector<Element*>& out) {
    for (Element* element : accessibleChildren(window, container)) {
        out.push_back(element);
        collect(window, element, out);
    }
}

}  // namespace

bool isExposed(const Element& element) {
    switch (element.kind()) {
        case ElementKind::Line:
        case ElementKind::ImageList:
            return false;
        case ElementKind::PictureBox:
        case ElementKind::Image:
        case ElementKind::FeatureControl:
        case ElementKind::Chart:
            return !element.accessibleName().empty() ||
                   (!element.tooltip().empty() && element.window().takesInput(element));
        default:
            return true;
    }
}

AccessibleRole roleOf(const Element& element) {
    switch (element.kind()) {
        case ElementKind::CommandButton:
            return AccessibleRole::Button;
        case ElementKind::OptionButton:
            return AccessibleRole::OptionButton;
        case ElementKind::TextBox:
            return AccessibleRole::EditableText;
        case ElementKind::Frame:
            return AccessibleRole::Grouping;
        default:
            break;
    }
    if (!isPictureKind(element.kind())) return AccessibleRole::StaticText;
    if (element.window().takesInput(element)) return AccessibleRole::Button;
    return hasExposedChild(element) ? AccessibleRole::Panel : AccessibleRole::Graphic;
}

std::string accessibleNameOf(const Element& element) {
    const std::string& named = element.accessibleName();
    if (!named.empty() && roleOf(element) == AccessibleRole::StaticText) {
        const auto first = element.caption().find_first_not_of(' ');
        if (first == std::string::npos) return named;
        const auto last = element.caption().find_last_not_of(' ');
        return named + ": " + element.caption().substr(first, last - first + 1);
    }
    if (!named.empty()) return named;
    // A text box's caption is what was typed into it, not what it is for.
    if (!element.caption().empty() && element.kind() != ElementKind::TextBox)
        return element.caption();
    return element.tooltip();
}

std::string accessibleValueOf(const Element& element) {
    const AccessibleRole role = roleOf(element);
    const bool text = role == AccessibleRole::StaticText || role == AccessibleRole::EditableText;
    return text ? element.caption() : std::string();
}

AccessibleState stateOf(const Element& element) {
    const AccessibleRole role = roleOf(element);
    AccessibleState state;
    state.invisible = !element.shown();
    state.focusable = takesFocus(role);
    state.disabled = state.focusable && !element.active();
    state.focused = element.window().focus() == &element;
    state.checkable = role == AccessibleRole::OptionButton;
    state.checked = state.checkable && element.value();
    return state;
}

Element* accessibleParent(const Element& element) {
    Element* up = element.parent();
    while (up && !isExposed(*up))
        up = up->parent();
    return up;
}

std::vector<Element*> accessibleChildren(const Window& window, const Element* container) {
    std::vector<Element*> children;
    for (const auto& element : window.elements())
        if (isExposed(*element) && accessibleParent(*element) == container)
            children.push_back(element.get());
    std::stable_sort(children.begin(), children.end(), [](const Element* a, const Element* b) {
        return std::make_tuple(a->absoluteTop() / kRowBandTwips, a->absoluteLeft()) <
               std::make_tuple(b->absoluteTop() / kRowBandTwips, b->absoluteLeft());
    });
    return children;
}

std::vector<Element*> readingOrder(const Window& window) {
    std::vector<Element*> order;
    collect(window, nullptr, order);
    return order;
}

bool pressAsClick(Element& element) {
    Window& window = element.window();
    if (!element.shown() || !element.active()) return false;
    // The press lands in the element's middle, where a player would click it.
    Event middle;
    middle.x = element.width() / 2;
    middle.y = element.height() / 2;
    window.dispatch(element, EventKind::MouseMove, middle);
    window.dispatch(element, EventKind::MouseDown, middle);
    const bool taken = window.captured() == &element;
    if (Element* holder = window.captured()) window.dispatch(*holder, EventKind::MouseUp, middle);
    if (taken) window.dispatch(element, EventKind::Click, middle);
    return true;
}

bool navigate(Window& window, int key) {
    if (key == keys::kEnter) {
        Element* focus = window.focus();
        if (!focus || !stateOf(*focus).focusable) return false;
        pressAsClick(*focus);
        return true;
    }
    if (key != keys::kTab && key != keys::kBackTab) return false;
    std::vector<Element*> stops;
    for (Element* element : readingOrder(window)) {
        const AccessibleState state = stateOf(*element);
        if (state.focusable && !state.invisible && !state.disabled) stops.push_back(element);
    }
    if (stops.empty()) return true;
    const auto count = static_cast<int>(stops.size());
    const auto here = std::find(stops.begin(), stops.end(), window.focus());
    const int step = key == keys::kTab ? 1 : -1;
    const int from =
        here == stops.end() ? (step > 0 ? -1 : count) : static_cast<int>(here - stops.begin());
    window.setFocus(stops[(from + step + count) % count]);
    return true;
}

}  // namespace quorvel::platform
