#include "platform/qt/asset_fonts.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace quorvel::platform::qt {
namespace {

struct StandIn {
    const char* design;
    const char* metricCompatible;  // the face drawn in its place, when present
};

constexpr StandIn kStandIns[] = {
    {"Comic Sans MS", "Comic Neue"},
    {"Times New Roman", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
};

}  // namespace

int loadAssetFonts(const std::string& folder) {
    const QDir fonts(QString::fromStdString(folder) + "/fonts");
    int loaded = 0;
    for (const QString& file : fonts.entryList({"*.ttf", "*.otf"}, QDir::Files))
        if (QFontDatabase::addApplicationFont(fonts.filePath(file)) >= 0) ++loaded;
    const QStringList families = QFontDatabase::families();
    for (const StandIn& standIn : kStandIns)
        if (families.contains(standIn.metricCompatible))
            QFont::insertSubstitution(standIn.design, standIn.metricCompatible);
    return loaded;
}

}  // namespace quorvel::platform::qt
