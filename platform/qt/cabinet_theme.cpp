#include "platform/qt/cabinet_theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>
#include <map>

#include "platform/qt/cabinet_palette.h"

namespace quorvel::platform::qt::theme {
namespace {

const QJsonObject& palette() {
    static const QJsonObject colours =
        QJsonDocument::fromJson(kCabinetPaletteJson).object().value("colours").toObject();
    return colours;
}

QString css(const char* name) {
    return colour(name).name();
}

// Weathered wood for a control that cannot be used: the same wood, its colour drained.
QColor drained(const char* name) {
    const QColor c = colour(name);
    return QColor::fromHslF(c.hslHueF(), c.hslSaturationF() * 0.2, c.lightnessF());
}

struct Recolour {
    Colour design;
    const char* themed;
};

// clang-format off
constexpr Recolour kBacks[] = {
    {{255, 255, 255}, "bone"},
    {{255, 255, 0}, "goldLight"},
};
constexpr Recolour kFores[] = {
    {{0, 0, 0}, "ink"},
    {{255, 0, 0}, "blood"},
    {{0, 0, 255}, "sea"},
    {{0, 0, 128}, "seaDark"},
};
// clang-format on

template <std::size_t N>
QColor recolour(const Recolour (&table)[N], Colour design) {
    for (const Recolour& entry : table)
        if (entry.design == design) return colour(entry.themed);
    return QColor(design.r, design.g, design.b);
}

}  // namespace

QColor colour(const char* name) {
    const QColor c(palette().value(QLatin1String(name)).toString());
    return c.isValid() ? c : QColor(Qt::magenta);
}

QColor back(Colour design) {
    return recolour(kBacks, design);
}

QColor fore(Colour design) {
    return recolour(kFores, design);
}

QColor buttonCaption(const ButtonLook& look) {
    return look.enabled ? colour("goldLight") : drained("woodLight").lighter(150);
}

void paintButton(QPainter& painter, const QRectF& rect, const ButtonLook& look, const QFont& font,
                 const QString& caption) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = std::min(4.0, r.height() / 4);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    if (!look.enabled) {
        face.setColorAt(0, drained("woodLight"));
        face.setColorAt(1, drained("wood"));
    } else if (look.down) {
        face.setColorAt(0, colour("woodDark"));
        face.setColorAt(1, colour("wood"));
    } else {
        face.setColorAt(0, colour("woodLight"));
        face.setColorAt(0.55, colour("wood"));
        face.setColorAt(1, colour("woodDark"));
    }
    painter.setPen(QPen(look.enabled ? colour("goldDark") : drained("goldDark"), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(r, radius, radius);
    if (look.enabled && !look.down) {
        QColor shine = colour("goldLight");
        shine.setAlpha(110);
        painter.setPen(QPen(shine, 1));
        painter.drawLine(QPointF(r.left() + radius, r.top() + 1.5),
                         QPointF(r.right() - radius, r.top() + 1.5));
    }
    painter.setFont(font);
    painter.setPen(buttonCaption(look));
    painter.drawText(look.down ? r.translated(1, 1) : r, Qt::AlignCenter | Qt::TextWordWrap,
                     caption);
    if (look.focused) {
        painter.setPen(QPen(colour("gold"), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), radius / 2, radius / 2);
    }
    painter.restore();
}

void paintOptionMark(QPainter& painter, const QRectF& mark, bool selected, bool enabled) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(enabled ? colour("goldDark") : drained("goldDark"), 1.5));
    painter.setBrush(enabled ? colour("bone") : drained("parchment"));
    painter.drawEllipse(mark);
    if (selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(enabled ? colour("ink") : drained("wood"));
        painter.drawEllipse(mark.adjusted(3, 3, -3, -3));
    }
    painter.restore();
}

void paintFocus(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour("wood"), 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
    painter.restore();
}

void paintWindowEdge(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour("woodDark"), 3));
    painter.drawRect(rect.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(colour("goldDark"), 1));
    painter.drawRect(rect.adjusted(3.5, 3.5, -3.5, -3.5));
    painter.restore();
}

QString textBoxStyleSheet() {
    return QString(
               "QLineEdit { background: %1; color: %2; border: 1px solid %3;"
               " border-radius: 3px; padding: 0 2px;"
               " selection-background-color: %4; selection-color: %1; }"
               "QLineEdit:focus { border: 2px solid %4; }"
               "QLineEdit:disabled { background: %5; color: %3; }")
        .arg(css("bone"), css("ink"), css("wood"), css("goldDark"), css("parchment"));
}

QString messageBoxStyleSheet() {
    const QString wood = QString(
                             "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:0.55 "
                             "%2, stop:1 %3)")
                             .arg(css("woodLight"), css("wood"), css("woodDark"));
    const QString sunk = QString("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
                             .arg(css("woodDark"), css("wood"));
    return QString(
               "QMessageBox { background: qradialgradient(cx:0.5, cy:0.4, radius:0.9,"
               " fx:0.5, fy:0.4, stop:0 %1, stop:1 %2); border: 3px solid %3; }"
               "QMessageBox QLabel { color: %4; background: transparent; }"
               "QMessageBox QPushButton { color: %5; background: %6;"
               " border: 1px solid %7; border-radius: 4px; padding: 4px 16px;"
               " min-width: 72px; }"
               "QMessageBox QPushButton:pressed { background: %8; padding: 5px 15px 3px 17px; }"
               "QMessageBox QPushButton:focus { border: 2px solid %9; }"
               "QMessageBox QPushButton:disabled { color: %10; background: %11; }")
        .arg(css("bone"), css("parchment"), css("woodDark"), css("ink"), css("goldLight"), wood,
             css("goldDark"), sunk, css("gold"))
        .arg(buttonCaption({.enabled = false}).name(), drained("wood").name());
}

QFont messageBoxFont() {
    QFont font("Comic Sans MS");
    font.setPointSizeF(10);
    font.setBold(true);
    return font;
}

int messageBoxMinimumWidth(int titleAdvance) {
    // Room for the title bar's icon and its three buttons on either side of the title.
    constexpr int kTitleBarChrome = 160;
    constexpr int kNarrowest = 300;
    return std::max(kNarrowest, titleAdvance + kTitleBarChrome);
}

void dress(QMessageBox& box) {
    box.setFont(messageBoxFont());
    box.setStyleSheet(messageBoxStyleSheet());
    // The desktop's stock button icons would sit on the wood like stickers.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int width =
        messageBoxMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()));
    // A message box sizes itself to its text; a spacer across its grid is what it respects.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace quorvel::platform::qt::theme
