#pragma once

#include <QWidget>

#include "platform/qt/pictures.h"
#include "platform/window.h"

namespace quorvel::platform::qt {

// The top-level surface of a model window: its background, bare-window input, closing.
class FormWidget : public QWidget {
public:
    FormWidget(Window& window, PictureSource& pictures);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    Window& window_;
    PictureSource& pictures_;
};

// Draws any element that is a picture, a label, a panel or a picture button.
class ElementWidget : public QWidget {
public:
    ElementWidget(Element& element, PictureSource& pictures, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    Element& element_;
    PictureSource& pictures_;
};

// A payline segment: a thick straight line that lets the mouse through.
class LineWidget : public QWidget {
public:
    LineWidget(Element& element, QWidget* parent);
    void place();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Element& element_;
};

int buttonOf(Qt::MouseButton button);
QFont fontOf(const Font& font);
QColor colourOf(Colour colour);

}  // namespace quorvel::platform::qt
