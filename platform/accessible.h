#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

namespace quorvel::platform {

// What assistive technology (a screen reader, an automation tool) is told about an element,
// worked out from the element model alone so every toolkit tells the same.
enum class AccessibleRole {
    Button,
    OptionButton,
    StaticText,
    EditableText,
    Graphic,
    Panel,
    Grouping
};

struct AccessibleState {
    bool invisible = false;
    bool disabled = false;
    bool focusable = false;
    bool focused = false;
    bool checkable = false;
    bool checked = false;
    bool operator==(const AccessibleState&) const = default;
};

// Controls, texts and frames are seen; a picture once the game has named it, or when it
// takes input and has a tooltip to be named by.
bool isExposed(const Element& element);
AccessibleRole roleOf(const Element& element);
// The name given for assistive technology, else the caption (a text box's is its value), else
// the tooltip. A named text says what it shows after its name ("Credit: 5000"): screen readers
// speak a label's name in place of its text.
std::string accessibleNameOf(const Element& element);
// What a text shows now; empty for anything else.
std::string accessibleValueOf(const Element& element);
AccessibleState stateOf(const Element& element);

// The nearest exposed container, or nullptr when the element sits on the window itself.
Element* accessibleParent(const Element& element);
// The exposed elements directly under a container (nullptr: the window) in reading order:
// row by row from the top, left to right within a row.
std::vector<Element*> accessibleChildren(const Window& window, const Element* container);
// Every exposed element, depth first in reading order.
std::vector<Element*> readingOrder(const Window& window);

// A press as the mouse gives one: over, down, up and click, under the same rules as a
// click (nothing reaches an element that is hidden or disabled). False when refused.
bool pressAsClick(Element& element);
// Tab and Shift+Tab walk the controls that take input, in reading order; Enter presses the
// one with the focus. True when the key was used up.
bool navigate(Window& window, int key);

}  // namespace quorvel::platform
