#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/catalogue/qt_catalogue.h"
#include "platform/languages.h"
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

void saveSheet(const std::vector<quorvel::artgen::PictureJob>& jobs,
               const std::vector<QImage>& images, const std::filesystem::path& file) {
    if (!quorvel::artgen::contactSheet(jobs, images).save(QString::fromStdString(file.string())))
        throw std::runtime_error("cannot write " + file.string());
}

// The pictures with words once more in every other language, under pictures/<language>/,
// each with its own contact sheet beside the English one (<sheet>-<language>.png).
void paintTranslations(const std::vector<quorvel::artgen::PictureJob>& jobs,
                       const quorvel::artgen::Kit& kit, const std::vector<bool>& worded,
                       const Options& o) {
    for (const auto& language : quorvel::platform::kLanguages) {
        const std::string code = language.code;
        if (code == "en") continue;
        quorvel::platform::qt::QtCatalogue catalogue("en");
        catalogue.setLanguage(code);
        if (catalogue.language() != code) throw std::runtime_error("no translations for " + code);
        quorvel::artgen::Kit speaking = kit;
        speaking.language = &catalogue;
        const auto folder =
            o.out.empty() ? std::filesystem::path() : std::filesystem::path(o.out) / code;
        const auto painted = quorvel::artgen::renderAll(jobs, speaking, folder, worded);
        if (o.sheet.empty()) continue;
        std::filesystem::path sheet = o.sheet;
        sheet.replace_filename(sheet.stem().string() + "-" + code + sheet.extension().string());
        saveSheet(jobs, painted.images, sheet);
    }
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
        const auto english = renderAll(jobs, kit, o.out);
        if (!o.sheet.empty()) saveSheet(jobs, english.images, o.sheet);
        std::vector<bool> worded;
        for (const Spoken& s : english.spoken)
            worded.push_back(s.words);
        paintTranslations(jobs, kit, worded, o);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
