#include "platform/qt/widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/qt/window_binding.h"

namespace quorvel::platform::qt {

int buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 1;
    }
}

QFont fontOf(const Font& font) {
    QFont qfont(QString::fromStdString(font.family));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

QColor colourOf(Colour colour) {
    return QColor(colour.r, colour.g, colour.b);
}

FormWidget::FormWidget(Window& window, PictureSource& pictures)
    : window_(window), pictures_(pictures) {
    setFixedSize(pixels(window.clientWidth()), pixels(window.clientHeight()));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void FormWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(24, 18, 40));
    if (!window_.background().empty())
        painter.drawPixmap(0, 0, pictures_.picture(window_.background(), size()));
}

void FormWidget::mouseMoveEvent(QMouseEvent* event) {
    Event e;
    e.x = static_cast<int>(event->position().x()) * 15;
    e.y = static_cast<int>(event->position().y()) * 15;
    window_.dispatchWindow(EventKind::MouseMove, e);
}

// Qt forgets its grab when the pressed widget hides itself; the model still owes that
// element its release, wherever the mouse goes up.
void FormWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (Element* held = window_.captured()) {
        Event e;
        e.button = buttonOf(event->button());
        window_.dispatch(*held, EventKind::MouseUp, e);
    }
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) return QWidget::keyPressEvent(event);
    window_.keyPress(text.at(0).unicode());
}

void FormWidget::closeEvent(QCloseEvent* event) {
    window_.dispatchWindow(EventKind::Close);
    event->accept();
}

ElementWidget::ElementWidget(Element& element, PictureSource& pictures, QWidget* parent)
    : QWidget(parent), element_(element), pictures_(pictures) {
    setMouseTracking(true);
}

void ElementWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (element_.hasBackColour()) painter.fillRect(rect(), colourOf(element_.backColour()));
    if (!element_.picture().empty()) {
        const Picture& picture = element_.picture();
        painter.drawPixmap(0, 0, pictures_.picture(picture, size()));
    }
    if (!element_.caption().empty() && element_.kind() != ElementKind::PictureBox) {
        painter.setFont(fontOf(element_.font()));
        painter.setPen(colourOf(element_.foreColour()));
        int flags = Qt::AlignVCenter | Qt::TextWordWrap;
        flags |= element_.align() == Align::Centre  ? Qt::AlignHCenter
                 : element_.align() == Align::Right ? Qt::AlignRight
                                                    : Qt::AlignLeft;
        painter.drawText(rect(), flags, QString::fromStdString(element_.caption()));
    }
    if (element_.border()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ElementWidget::mousePressEvent(QMouseEvent* event) {
    Event e;
    e.button = buttonOf(event->button());
    element_.window().dispatch(element_, EventKind::MouseDown, e);
}

void ElementWidget::mouseReleaseEvent(QMouseEvent* event) {
    Event e;
    e.button = buttonOf(event->button());
    Window& window = element_.window();
    window.dispatch(element_, EventKind::MouseUp, e);
    if (rect().contains(event->position().toPoint()))
        window.dispatch(element_, EventKind::Click, e);
}

void ElementWidget::mouseMoveEvent(QMouseEvent*) {
    element_.window().dispatch(element_, EventKind::MouseMove);
}

LineWidget::LineWidget(Element& element, QWidget* parent) : QWidget(parent), element_(element) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::place() {
    const LinePoints& p = element_.points();
    const int margin = element_.lineWidth();
    const int left = std::min(pixels(p.x1), pixels(p.x2)) - margin;
    const int top = std::min(pixels(p.y1), pixels(p.y2)) - margin;
    const int right = std::max(pixels(p.x1), pixels(p.x2)) + margin;
    const int bottom = std::max(pixels(p.y1), pixels(p.y2)) + margin;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(colourOf(element_.foreColour()), element_.lineWidth(), Qt::SolidLine, Qt::FlatCap));
    const LinePoints& p = element_.points();
    const QPoint origin = geometry().topLeft();
    painter.drawLine(QPoint(pixels(p.x1), pixels(p.y1)) - origin,
                     QPoint(pixels(p.x2), pixels(p.y2)) - origin);
}

}  // namespace quorvel::platform::qt
