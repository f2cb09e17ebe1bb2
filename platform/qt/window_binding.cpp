#include "platform/qt/window_binding.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/widgets.h"

namespace quorvel::platform::qt {
namespace {

// Lets the model's key handlers see a text box's keys first and swallow them.
class KeyFilter : public QObject {
public:
    KeyFilter(Element& element, QObject* parent) : QObject(parent), element_(element) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.isEmpty()) return false;
        Window& window = element_.window();
        window.setFocus(&element_);
        return window.keyPress(text.at(0).unicode()) == 0;
    }

private:
    Element& element_;
};

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

WindowBinding::WindowBinding(Window& window, PictureSource& pictures)
    : window_(window),
      pictures_(pictures),
      form_(std::make_unique<FormWidget>(window, pictures)),
      appliedPosition_(window.left(), window.top()),
      appliedFocus_(window.focus()) {
    createWidgets();
    syncWindow();
    window_.setObserver(this);
}

WindowBinding::~WindowBinding() {
    window_.setObserver(nullptr);
    form_->hide();
    // The close box may be what brought us here: let Qt finish with the widget first.
    form_.release()->deleteLater();
}

QWidget* WindowBinding::widget(const Element& element) const {
    auto it = widgets_.find(&element);
    return it == widgets_.end() ? nullptr : it->second;
}

void WindowBinding::createWidgets() {
    for (const auto& owned : window_.elements()) {
        Element& element = *owned;
        QWidget* parent = element.parent() ? widget(*element.parent()) : form_.get();
        if (!parent) parent = form_.get();
        QWidget* created = nullptr;
        switch (element.kind()) {
            case ElementKind::ImageList:
                continue;
            case ElementKind::Line:
                created = new LineWidget(element, parent);
                break;
            case ElementKind::TextBox: {
                auto* box = new QLineEdit(parent);
                box->installEventFilter(new KeyFilter(element, box));
                QObject::connect(box, &QLineEdit::textEdited, [&element](const QString& text) {
                    element.setCaption(text.toStdString());
                });
                created = box;
                break;
            }
            case ElementKind::OptionButton: {
                auto* option = new QRadioButton(parent);
                option->setAutoExclusive(false);
                QObject::connect(option, &QRadioButton::clicked, [this, &element] {
                    window_.dispatch(element, EventKind::Click);
                    sync(element);
                });
                created = option;
                break;
            }
            case ElementKind::Frame:
                created = new QGroupBox(parent);
                break;
            case ElementKind::CommandButton:
                if (element.picture().empty()) {
                    auto* button = new QPushButton(parent);
                    QObject::connect(button, &QPushButton::clicked, [this, &element] {
                        window_.dispatch(element, EventKind::Click);
                    });
                    created = button;
                    break;
                }
                [[fallthrough]];
            default:
                created = new ElementWidget(element, pictures_, parent);
                break;
        }
        widgets_[&element] = created;
        sync(element);
    }
}

void WindowBinding::syncGeometry(const Element& element, QWidget& w) {
    if (auto* line = dynamic_cast<LineWidget*>(&w)) return line->place();
    QSize size(pixels(element.width()), pixels(element.height()));
    if (element.autoSize() && element.kind() == ElementKind::Label) {
        const QFontMetrics metrics(fontOf(element.font()));
        size =
            QSize(std::max(1, metrics.horizontalAdvance(q(element.caption()))), metrics.height());
    }
    w.setGeometry(pixels(element.left()), pixels(element.top()), size.width(), size.height());
}

void WindowBinding::syncText(const Element& element, QWidget& w) {
    w.setToolTip(q(element.tooltip()));
    if (auto* box = dynamic_cast<QLineEdit*>(&w)) {
        if (box->text() != q(element.caption())) box->setText(q(element.caption()));
    } else if (auto* option = dynamic_cast<QRadioButton*>(&w)) {
        option->setText(q(element.caption()));
        option->setChecked(element.value());
    } else if (auto* frame = dynamic_cast<QGroupBox*>(&w)) {
        frame->setTitle(q(element.caption()));
    } else if (auto* button = dynamic_cast<QPushButton*>(&w)) {
        button->setText(q(element.caption()));
    }
    if (element.autoSize()) syncGeometry(element, w);
}

void WindowBinding::sync(Element& element) {
    QWidget* w = widget(element);
    if (!w) return;
    w->setFont(fontOf(element.font()));
    syncGeometry(element, *w);
    syncText(element, *w);
    w->setEnabled(element.enabled());
    w->setVisible(element.visible());
    w->update();
}

// Only what changed is redone: a reel moves hundreds of times a spin.
void WindowBinding::elementChanged(Element& element, Aspect aspect) {
    QWidget* w = widget(element);
    if (!w) return;
    switch (aspect) {
        case Aspect::Geometry:
            syncGeometry(element, *w);
            break;
        case Aspect::Visibility:
            w->setVisible(element.visible());
            break;
        case Aspect::Enabled:
            w->setEnabled(element.enabled());
            break;
        case Aspect::Text:
        case Aspect::Value:
            syncText(element, *w);
            break;
        case Aspect::Line:
            syncGeometry(element, *w);
            break;
        default:
            sync(element);
            return;
    }
    w->update();
}

void WindowBinding::windowChanged(Window&) {
    syncWindow();
}

void WindowBinding::syncWindow() {
    form_->setWindowTitle(q(window_.caption()));
    form_->setEnabled(window_.enabled());
    form_->setCursor(window_.mousePointer() == MousePointer::Hourglass ? Qt::WaitCursor
                                                                       : Qt::ArrowCursor);
    // The window manager places a new window; the game's own moves are applied from then on.
    const QPoint position(window_.left(), window_.top());
    if (position != appliedPosition_) {
        appliedPosition_ = position;
        form_->move(pixels(position.x()), pixels(position.y()));
    }
    // Only a change of the model's focus moves Qt's, so a click into a text box stays there.
    if (window_.focus() != appliedFocus_) {
        appliedFocus_ = window_.focus();
        QWidget* target = appliedFocus_ ? widget(*appliedFocus_) : nullptr;
        (target ? target : form_.get())->setFocus();
    }
    form_->update();
}

void QtWindowHost::open(Window& window) {
    auto& binding = bindings_[&window];
    if (!binding) binding = std::make_unique<WindowBinding>(window, pictures_);
    window.setVisible(true);
    binding->form()->show();
    binding->form()->raise();
    if (!window.focus()) binding->form()->setFocus();
}

void QtWindowHost::close(Window& window) {
    window.setVisible(false);
    bindings_.erase(&window);
}

void QtWindowHost::bringToFront(Window& window) {
    if (WindowBinding* b = binding(window)) {
        b->form()->raise();
        b->form()->activateWindow();
    }
}

void QtWindowHost::paintNow() {
    for (auto& [window, binding] : bindings_)
        if (binding->form()->isVisible()) binding->form()->repaint();
}

WindowBinding* QtWindowHost::binding(const Window& window) const {
    auto it = bindings_.find(&window);
    return it == bindings_.end() ? nullptr : it->second.get();
}

}  // namespace quorvel::platform::qt
