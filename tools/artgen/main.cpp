#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <string>

#include "tools/artgen/contact_sheet.h"
#include "tools/artgen/render.h"

namespace {

struct Options {
    std::string icons, palette, fonts, out, sheet;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        std::string* slot = flag == "--icons"           ? &o.icons
                            : flag == "--palette"       ? &o.palette
                            : flag == "--fonts"         ? &o.fonts
                            : flag == "--out"           ? &o.out
                            : flag == "--contact-sheet" ? &o.sheet
                                                        : nullptr;
        if (!slot) return false;
        *slot = argv[i + 1];
    }
    return argc % 2 == 1 && !o.icons.empty() && !o.palette.empty() && !o.fonts.empty() &&
           (!o.out.empty() || !o.sheet.empty());
}

void loadFonts(const std::string& folder) {
    const QDir dir(QString::fromStdString(folder));
    for (const QString& file : dir.entryList({"*.ttf", "*.otf"}, QDir::Files))
        QFontDatabase::addApplicationFont(dir.filePath(file));
}

}  // namespace

// Paints every picture of the game; run with QT_QPA_PLATFORM=offscreen.
int main(int argc, char** argv) {
    using namespace quorvel::artgen;
    QGuiApplication app(argc, argv);
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: artgen --icons icons.json --palette palette.json --fonts DIR "
                     "[--out DIR] [--contact-sheet FILE]\n");
        return 2;
    }
    try {
        loadFonts(o.fonts);
        const IconSet icons(o.icons);
        const Palette palette(o.palette);
        const Kit kit{icons, palette};
        const auto jobs = pictureJobs();
        const auto images = renderAll(jobs, kit, o.out);
        if (!o.sheet.empty() && !contactSheet(jobs, images).save(QString::fromStdString(o.sheet)))
            throw std::runtime_error("cannot write " + o.sheet);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
