#include "app/icon_art.h"

#include <QPainter>
#include <QPainterPath>

namespace quorvel::app {

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    // A cabinet: red body, gold rim, three reel windows each showing a coloured symbol.
    painter.setPen(QPen(QColor(240, 190, 40), 3));
    painter.setBrush(QColor(170, 20, 30));
    painter.drawRoundedRect(QRectF(3, 3, 58, 58), 10, 10);
    const QColor symbols[] = {QColor(230, 40, 40), QColor(250, 200, 0), QColor(40, 170, 60)};
    for (int reel = 0; reel < 3; ++reel) {
        const QRectF window(10 + reel * 15.5, 16, 13, 32);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(window, 2, 2);
        painter.setBrush(symbols[reel]);
        painter.drawEllipse(window.center(), 4.5, 4.5);
    }
    painter.setBrush(QColor(240, 190, 40));
    painter.drawRect(QRectF(10, 52, 44, 3));
    return image;
}

}  // namespace quorvel::app
