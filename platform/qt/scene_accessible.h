#pragma once

#include <QAccessible>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "platform/window.h"

namespace quorvel::platform::qt {

class SceneView;

// Shows one model window to the desktop's accessibility layer (AT-SPI on Linux): each exposed
// element becomes an accessible child of the window's view, in reading order, and what
// changes in the model is told as Qt accessibility events. Lives as long as its binding; once
// it is gone the view reports no children, so nothing reaches a closed window's elements.
class SceneAccessibility {
public:
    SceneAccessibility(Window& window, SceneView& view);
    ~SceneAccessibility();
    SceneAccessibility(const SceneAccessibility&) = delete;
    SceneAccessibility& operator=(const SceneAccessibility&) = delete;

    void elementChanged(Element& element, Aspect aspect);
    // The model moved its focus: the accessible focus follows.
    void focusChanged();
    // Spoken without moving focus: the text becomes the name of a notification object that
    // is shown again, which the AT-SPI bridge passes on as a showing state change.
    void announce(const std::string& text);

    Window& window() const { return window_; }
    SceneView& view() const { return view_; }
    // An exposed element's interface; a text box answers with its line edit's own.
    QAccessibleInterface* interfaceOf(const Element& element);
    QAccessibleInterface* viewInterface() const;
    QAccessibleInterface* announcer();
    const QString& announcement() const { return announcement_; }
    // Presses an element on the next turn of the event loop, as a click arrives: the caller
    // (an AT-SPI request) is answered first, and a press on a closed window goes nowhere.
    void pressLater(const Element& element);

    // The accessibility of a view, or nullptr once its binding is gone.
    static SceneAccessibility* of(const QObject* view);

private:
    void send(QAccessibleEvent& event);

    Window& window_;
    SceneView& view_;
    std::map<const Element*, QAccessible::Id> ids_;
    std::map<const Element*, QString> lastText_;
    QAccessible::Id announcerId_ = 0;
    QString announcement_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace quorvel::platform::qt
