#pragma once

#include <QImage>
#include <QPixmap>
#include <map>
#include <string>
#include <tuple>

#include "platform/qt/pictures.h"

namespace quorvel::platform::qt {

// Pictures from the asset folder: `pictures/<name>.png` for a named picture and
// `pictures/<list>/<index>.png` for an image-list entry, each maybe with an `@2x` twin.
// The smallest file at least as large as the size asked for is scaled down to it; a picture
// without a file comes from the fallback. In another language than English the pictures with
// words come from `pictures/<language>/` where it has them.
class AssetPictures : public PictureSource {
public:
    AssetPictures(std::string folder, PictureSource& fallback);
    QPixmap picture(const Picture& picture, QSize size) override;
    // Whether a file stands behind the picture.
    bool has(const Picture& picture);
    // "en", "de", ...: what is answered after a change is painted in that language.
    void setLanguage(const std::string& language);

private:
    QImage original(const Picture& picture, QSize size);
    QImage original(const QString& base, QSize size);
    const QImage& file(const QString& path);

    std::string folder_;
    PictureSource& fallback_;
    std::string language_ = "en";
    std::map<QString, QImage> files_;
    std::map<std::tuple<std::string, std::string, int, int, int, int>, QPixmap> cache_;
};

// The installed asset folder next to the program (../share/quorvel), else the given one.
std::string findAssetFolder(const std::string& buildTreeFolder);

}  // namespace quorvel::platform::qt
