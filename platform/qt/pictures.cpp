#include "platform/qt/pictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace quorvel::platform::qt {
namespace {

QColor tint(const std::string& name, int index) {
    const auto hash = std::hash<std::string>{}(name) + 7919u * static_cast<unsigned>(index);
    return QColor::fromHsv(static_cast<int>(hash % 360), 110, 200);
}

}  // namespace

QPixmap PlaceholderPictures::picture(const Picture& picture, QSize size) {
    if (picture.empty() || size.isEmpty()) return {};
    const auto key = std::make_tuple(picture.source, picture.index, size.width(), size.height());
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;

    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    const QColor base = tint(picture.source, picture.index);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, base.lighter(130));
    fill.setColorAt(1, base.darker(160));
    painter.fillRect(pixmap.rect(), fill);
    painter.setPen(QPen(base.darker(220), 1));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    QString label = QString::fromStdString(picture.source);
    if (picture.index > 0) label += QString(" %1").arg(picture.index);
    QFont font("DejaVu Sans", 7);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(pixmap.rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap,
                     label);
    cache_[key] = pixmap;
    return pixmap;
}

}  // namespace quorvel::platform::qt
