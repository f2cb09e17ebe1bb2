#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

#include "platform/element.h"

class QMessageBox;

namespace quorvel::platform::qt {

// The look of everything the game draws outside the cabinet's own artwork: the secondary
// windows' form face, buttons, option buttons, frames and text boxes, and the message boxes.
// Its colours are the artwork's, read from the palette the pictures are painted with.
namespace theme {

// A named colour of the cabinet's palette ("wood", "parchment", ...); magenta if unknown, so a
// slip shows.
QColor colour(const char* name);

// The parchment the form face is painted with, drawn from the artwork.
inline const char* const kFormFacePicture = "formface";

// The design's plain office colours as they read on parchment: white boxes become bone,
// yellow notes pale gold, pure red the cabinet's blood red.
QColor back(Colour design);
QColor fore(Colour design);

struct ButtonLook {
    bool down = false;
    bool enabled = true;
    bool focused = false;
};
// A wood command button with a brass edge and a light caption; pressed it sinks, disabled
// it turns to grey weathered wood with a faint caption.
void paintButton(QPainter& painter, const QRectF& rect, const ButtonLook& look, const QFont& font,
                 const QString& caption);
// The caption colour of a command button in that state.
QColor buttonCaption(const ButtonLook& look);
// The round mark of an option button: a brass ring, an ink pip when selected.
void paintOptionMark(QPainter& painter, const QRectF& mark, bool selected, bool enabled);
// The focus outline of a control drawn on parchment.
void paintFocus(QPainter& painter, const QRectF& rect);
// The wood-and-brass edge round a secondary window.
void paintWindowEdge(QPainter& painter, const QRectF& rect);

QString textBoxStyleSheet();
QString messageBoxStyleSheet();
QFont messageBoxFont();
// Wide enough that a window manager's title bar shows the whole title beside its buttons.
int messageBoxMinimumWidth(int titleAdvance);
// Dresses a message box in the theme and widens it for its title.
void dress(QMessageBox& box);

}  // namespace theme
}  // namespace quorvel::platform::qt
