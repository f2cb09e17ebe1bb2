// Writes the program icon as PNG files, one per size: make_icons <folder> <size>...
#include <QDir>
#include <QString>
#include <cstdio>

#include "app/icon_art.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder> <size>...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (int i = 2; i < argc; ++i) {
        const int size = QString(argv[i]).toInt();
        const QString file = folder + QString("/quorvel-%1.png").arg(size);
        if (size <= 0 || !quorvel::app::drawIcon(size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
