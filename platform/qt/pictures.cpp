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

void PlaceholderPictures::setTileLabels(const std::string& source,
                                        std::vector<std::string> labels) {
    tileLabels_[source] = std::move(labels);
}

QPixmap PlaceholderPictures::tiles(const std::string& source, QSize size) {
    const auto& labels = tileLabels_[source];
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    const int side = size.width();
    painter.setFont(QFont("DejaVu Sans", 9, QFont::Bold));
    for (int i = 0; i * side < size.height(); ++i) {
        const std::string label = i < static_cast<int>(labels.size()) ? labels[i] : source;
        const QRect tile(0, i * side, side, side);
        painter.fillRect(tile, tint(label, 0));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(tile.adjusted(3, 3, -4, -4));
        painter.drawText(tile, Qt::AlignCenter, QString::fromStdString(label));
    }
    return pixmap;
}

QPixmap PlaceholderPictures::picture(const Picture& picture, QSize size) {
    if (picture.empty() || size.isEmpty()) return {};
    const auto key = std::make_tuple(picture.source, picture.index, size.width(), size.height());
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;
    if (tileLabels_.count(picture.source)) return cache_[key] = tiles(picture.source, size);

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
