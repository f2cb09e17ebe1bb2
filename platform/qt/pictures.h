#pragma once

#include <QPixmap>
#include <QSize>
#include <map>
#include <string>
#include <vector>

#include "platform/element.h"

namespace quorvel::platform::qt {

// Turns the model's picture references into pixmaps of the size they are shown at.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    virtual QPixmap picture(const Picture& picture, QSize size) = 0;
};

// Labelled stand-ins, so every element can be seen at its place before the artwork exists.
class PlaceholderPictures : public PictureSource {
public:
    QPixmap picture(const Picture& picture, QSize size) override;
    // A tall picture made of square tiles (a reel strip) gets one label per tile.
    void setTileLabels(const std::string& source, std::vector<std::string> labels);

private:
    QPixmap tiles(const std::string& source, QSize size);
    std::map<std::string, std::vector<std::string>> tileLabels_;
    std::map<std::tuple<std::string, int, int, int>, QPixmap> cache_;
};

}  // namespace quorvel::platform::qt
