#include "tools/artgen/contact_sheet.h"

#include <QPainter>
#include <algorithm>

#include "tools/artgen/kit.h"

namespace quorvel::artgen {
namespace {

constexpr int kWidth = 2400;
constexpr int kGap = 10;
constexpr int kLabel = 16;
constexpr int kFold = 1250;  // a reel strip is shown as columns of ten symbols

struct Placed {
    QImage image;
    QString label;
    QPoint at;
};

QImage folded(const QImage& tall) {
    if (tall.height() <= kFold + 200) return tall;
    const int columns = (tall.height() + kFold - 1) / kFold;
    QImage out(tall.width() * columns + 4 * (columns - 1), kFold, tall.format());
    out.fill(Qt::transparent);
    QPainter p(&out);
    for (int c = 0; c < columns; ++c)
        p.drawImage(QPoint(c * (tall.width() + 4), 0), tall,
                    QRect(0, c * kFold, tall.width(), kFold));
    return out;
}

std::vector<Placed> shelve(const std::vector<PictureJob>& jobs, const std::vector<QImage>& images,
                           int& height) {
    std::vector<Placed> placed;
    int x = kGap, y = kGap, shelf = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (images[i].isNull()) continue;
        const QImage image = folded(images[i]);
        const int w = std::max(image.width(), 70);
        if (x + w > kWidth - kGap) {
            x = kGap;
            y += shelf + kLabel + kGap;
            shelf = 0;
        }
        placed.push_back({image, QString::fromStdString(jobs[i].path), QPoint(x, y)});
        x += w + kGap;
        shelf = std::max(shelf, image.height());
    }
    height = y + shelf + kLabel + kGap;
    return placed;
}

}  // namespace

QImage contactSheet(const std::vector<PictureJob>& jobs, const std::vector<QImage>& images) {
    int height = 0;
    const auto placed = shelve(jobs, images, height);
    QImage sheet(kWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(58, 62, 70));
    QPainter p(&sheet);
    p.setFont(font(Face::Sans, 11, false));
    for (const auto& item : placed) {
        // A checkerboard under each picture shows where it is transparent.
        const QRect area(item.at, item.image.size());
        p.fillRect(area, QBrush(QColor(90, 95, 105), Qt::Dense4Pattern));
        p.drawImage(item.at, item.image);
        p.setPen(QColor(230, 230, 230));
        p.drawText(QRect(item.at.x(), area.bottom() + 2, std::max(area.width(), 70) + 60, kLabel),
                   Qt::AlignLeft | Qt::AlignTop, item.label);
    }
    return sheet;
}

}  // namespace quorvel::artgen
