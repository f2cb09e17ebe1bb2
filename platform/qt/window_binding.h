#pragma once

#include <QIcon>
#include <QPoint>
#include <QRect>
#include <map>
#include <memory>

#include "platform/qt/pictures.h"
#include "platform/qt/scene_accessible.h"
#include "platform/qt/scene_view.h"
#include "platform/window.h"
#include "platform/window_host.h"

namespace quorvel::platform::qt {

// Mirrors one model window on a scene view and keeps the window-wide switches in step.
class WindowBinding : public WindowObserver {
public:
    WindowBinding(Window& window, PictureSource& pictures);
    ~WindowBinding() override;

    void elementChanged(Element& element, Aspect aspect) override;
    void windowChanged(Window& window) override;
    void announced(Window& window, const std::string& text) override;
    SceneView* view() const { return view_.get(); }
    Window& window() const { return window_; }

private:
    void syncWindow();

    Window& window_;
    std::unique_ptr<SceneView> view_;
    std::unique_ptr<SceneAccessibility> accessibility_;
    QPoint appliedPosition_;
    const Element* appliedFocus_;
};

// Opens model windows as top-level Qt windows and keeps their bindings. The first window
// opened is the main screen; the others open over it, modal and centred.
class QtWindowHost : public WindowHost {
public:
    explicit QtWindowHost(PictureSource& pictures) : pictures_(pictures) {}
    void open(Window& window) override;
    void close(Window& window) override;
    void bringToFront(Window& window) override;
    // Puts every pending change of every open window on screen now.
    void paintNow();
    // A modal box took the mouse: no window may wait for a release any more.
    void releaseCaptures();
    // Another copy of the game asked for this one: the main screen comes out of hiding.
    // False when there is no main screen to bring.
    bool bringMainForward();
    // Shows the main screen over the whole screen, or back as it was before: maximised
    // again, or at its old place and size.
    void setFullScreen(bool on);
    WindowBinding* binding(const Window& window) const;
    SceneView* mainView() const;
    // The main screen is closing or gone: a modal box now would stand in the way of the close.
    bool mainClosing() const;
    void setIcon(const QIcon& icon) { icon_ = icon; }

private:
    void placeOverMain(SceneView& view);
    void fitOnScreen(SceneView& view);

    PictureSource& pictures_;
    std::map<const Window*, std::unique_ptr<WindowBinding>> bindings_;
    const Window* main_ = nullptr;
    bool mainClosed_ = false;
    QIcon icon_;
    Qt::WindowStates beforeFullScreen_;
    QRect normalBeforeFullScreen_;
};

}  // namespace quorvel::platform::qt
