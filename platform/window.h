#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/element.h"

namespace quorvel::platform {

enum class EventKind { MouseDown, MouseUp, MouseMove, Click, KeyPress, KeyDown, Close };

// Codes of keys that type no character, as KeyDown reports them.
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyF3 = 114;
enum class MousePointer { Default, Arrow, Hourglass };

struct Event {
    int index = 0;   // position in a control array, 0 for a single element
    int button = 1;  // 1 left, 2 right, 4 middle
    int x = 0, y = 0;
    int key = 0;  // character code of a key press; a handler sets 0 to discard the key
};

using Handler = std::function<void(Event&)>;

class Window;

// Told about every change so that a toolkit can mirror the model on screen.
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void elementChanged(Element& element, Aspect aspect) = 0;
    virtual void windowChanged(Window& window) = 0;
    // Something a screen reader should say now, wherever the player's focus is.
    virtual void announced(Window&, const std::string&) {}
};

// A toolkit-free window: its elements, its own switches, and the handlers of its events.
class Window {
public:
    Window(std::string name, int clientWidth, int clientHeight);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }

    Element& add(const std::string& name, int index, ElementKind kind);
    // The element, or nullptr.
    Element* find(const std::string& name, int index = 0) const;
    // The element; a missing one is a programming error and throws.
    Element& at(const std::string& name, int index = 0) const;
    // Every element in creation order, which is also the drawing order (later on top).
    const std::vector<std::unique_ptr<Element>>& elements() const { return elements_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    int left() const { return left_; }
    int top() const { return top_; }
    void move(int left, int top);
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on);
    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);
    Element* focus() const { return focus_; }
    void setFocus(Element* element);
    const Picture& background() const { return background_; }
    void setBackground(const Picture& picture);

    // Handlers by element name (a control array shares one) or, with "", the window's own.
    void on(const std::string& name, EventKind kind, Handler handler);

    // Input from the player: reaches only an element that is shown and active. The element
    // that takes a mouse press also takes its release, even if it hid or disabled itself in
    // between; the release then goes to it whatever element it was aimed at.
    bool dispatch(Element& element, EventKind kind, Event event = {});
    // The element holding the mouse since its press, or nullptr.
    Element* captured() const { return captured_; }
    // Forgets the press, so its release is lost (a modal box took the mouse).
    void releaseCapture() { captured_ = nullptr; }
    // Input on the bare window (mouse moves, the close request).
    bool dispatchWindow(EventKind kind, Event event = {});
    // A key: the window sees it first while key preview is on, then the focused element.
    // Returns the key as the handlers left it, 0 when one of them discarded it.
    int keyPress(int key);
    // A key that types no character (F2, ...): the window's own handler sees it while the
    // window takes input, whatever the key preview says.
    void keyDown(int code);
    // A key typed by the player: as keyPress, then a text box with the focus takes the
    // character the handlers left it (Backspace takes off the last one).
    int type(int key);
    // Runs the click handler at once, as if clicked, whatever the button's state.
    void press(const std::string& name, int index = 0);
    // Selects an option button, clears the others of its container, and runs its click.
    void select(Element& option);

    // Whether any mouse or click handler waits for this element: it is a control.
    bool takesInput(const Element& element) const;
    // Sees each key before the key preview does; returns true when it used the key up.
    void setNavigator(std::function<bool(int key)> navigator) { navigator_ = std::move(navigator); }
    // Tells assistive technology something worth saying at once ("Win 125").
    void announce(const std::string& text);

    WindowObserver* observer() const { return observer_; }
    void setObserver(WindowObserver* observer) { observer_ = observer; }
    void notifyChanged(Element& element, Aspect aspect);
    // Whether one of this window's handlers is on the stack (it pumped events): the window
    // must outlive it.
    bool handling() const { return running_ > 0; }

private:
    Handler* handler(const std::string& name, EventKind kind);
    void run(const Handler& handler, Event& event);
    void windowChanged();

    std::string name_;
    int clientWidth_, clientHeight_;
    std::vector<std::unique_ptr<Element>> elements_;
    std::map<std::pair<std::string, int>, Element*> byName_;
    std::map<std::pair<std::string, EventKind>, Handler> handlers_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = false;
    int left_ = 0, top_ = 0;
    bool keyPreview_ = false;
    int running_ = 0;
    MousePointer pointer_ = MousePointer::Default;
    Element* focus_ = nullptr;
    Element* captured_ = nullptr;
    Picture background_;
    WindowObserver* observer_ = nullptr;
    std::function<bool(int)> navigator_;
};

}  // namespace quorvel::platform
