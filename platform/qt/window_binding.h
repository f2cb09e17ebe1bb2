#pragma once

#include <QPoint>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "platform/qt/pictures.h"
#include "platform/window.h"
#include "platform/window_host.h"

namespace quorvel::platform::qt {

inline int pixels(int twips) {
    return (twips + 7) / 15;
}

class FormWidget;

// Mirrors one model window as Qt widgets and feeds the player's input back into it.
class WindowBinding : public WindowObserver {
public:
    WindowBinding(Window& window, PictureSource& pictures);
    ~WindowBinding() override;

    void elementChanged(Element& element, Aspect aspect) override;
    void windowChanged(Window& window) override;
    FormWidget* form() const { return form_.get(); }
    QWidget* widget(const Element& element) const;

private:
    void createWidgets();
    void sync(Element& element);
    void syncGeometry(const Element& element, QWidget& widget);
    void syncText(const Element& element, QWidget& widget);
    void syncWindow();

    Window& window_;
    PictureSource& pictures_;
    std::unique_ptr<FormWidget> form_;
    std::map<const Element*, QWidget*> widgets_;
    QPoint appliedPosition_;
    const Element* appliedFocus_;
};

// Opens model windows as top-level Qt windows and keeps their bindings.
class QtWindowHost : public WindowHost {
public:
    explicit QtWindowHost(PictureSource& pictures) : pictures_(pictures) {}
    void open(Window& window) override;
    void close(Window& window) override;
    void bringToFront(Window& window) override;
    // Puts every pending change of every open window on screen now.
    void paintNow();
    WindowBinding* binding(const Window& window) const;

private:
    PictureSource& pictures_;
    std::map<const Window*, std::unique_ptr<WindowBinding>> bindings_;
};

}  // namespace quorvel::platform::qt
