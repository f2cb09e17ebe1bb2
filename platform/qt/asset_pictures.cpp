#include "platform/qt/asset_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace quorvel::platform::qt {
namespace {

QString basePath(const std::string& folder, const Picture& picture) {
    QString path = QString::fromStdString(folder) + "/" + QString::fromStdString(picture.source);
    if (picture.index > 0) path += "/" + QString::number(picture.index);
    return path;
}

// The reveal frames of the card list are laid over a card face: their white lets it through.
bool whiteIsTransparent(const Picture& picture) {
    return picture.source == "imagelistcards" && picture.index >= 10;
}

QImage withoutWhite(QImage image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xffffff) == 0xffffff) line[x] = 0;
    }
    return image;
}

// Pictures saved with an alpha channel they do not use are drawn as opaque, which lets the
// painter skip what lies beneath them.
QImage dropUnusedAlpha(const QImage& image) {
    if (!image.hasAlphaChannel()) return image;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255) return image;
    }
    return argb.convertToFormat(QImage::Format_RGB32);
}

bool covers(const QImage& image, QSize size) {
    return image.width() >= size.width() && image.height() >= size.height();
}

}  // namespace

AssetPictures::AssetPictures(std::string folder, PictureSource& fallback)
    : folder_(std::move(folder)), fallback_(fallback) {}

const QImage& AssetPictures::file(const QString& path) {
    auto it = files_.find(path);
    if (it == files_.end()) it = files_.emplace(path, dropUnusedAlpha(QImage(path))).first;
    return it->second;
}

// The picture in the language in force, else the English one.
QImage AssetPictures::original(const Picture& picture, QSize size) {
    const std::string pictures = folder_ + "/pictures";
    if (language_ != "en") {
        QImage translated = original(basePath(pictures + "/" + language_, picture), size);
        if (!translated.isNull()) return translated;
    }
    return original(basePath(pictures, picture), size);
}

QImage AssetPictures::original(const QString& base, QSize size) {
    const QImage& single = file(base + ".png");
    if (!single.isNull() && covers(single, size)) return single;
    const QImage& twice = file(base + "@2x.png");
    return twice.isNull() ? single : twice;
}

bool AssetPictures::has(const Picture& picture) {
    return !original(picture, QSize(1, 1)).isNull();
}

void AssetPictures::setLanguage(const std::string& language) {
    if (language == language_) return;
    language_ = language;
    // The pictures of the old language are not shown again before it comes back.
    cache_.clear();
}

QPixmap AssetPictures::picture(const Picture& picture, QSize size) {
    if (picture.empty() || size.isEmpty()) return {};
    const auto key = std::make_tuple(language_, picture.source, picture.index, picture.overlay,
                                     size.width(), size.height());
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;
    if (picture.overlay != 0) {
        // A face under a reveal frame: the frame's white lets the face show through.
        QPixmap composed = this->picture(Picture{picture.source, picture.index}, size);
        QPainter painter(&composed);
        painter.drawPixmap(0, 0, this->picture(Picture{picture.source, picture.overlay}, size));
        painter.end();
        return cache_[key] = composed;
    }
    QImage image = original(picture, size);
    if (image.isNull()) return fallback_.picture(picture, size);
    if (whiteIsTransparent(picture)) image = withoutWhite(image);
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return cache_[key] = QPixmap::fromImage(image);
}

std::string findAssetFolder(const std::string& buildTreeFolder) {
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/quorvel");
    if (QFileInfo(installed).isDir()) return installed.toStdString();
    return buildTreeFolder;
}

}  // namespace quorvel::platform::qt
