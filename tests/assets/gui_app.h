#pragma once

#include <QGuiApplication>

namespace quorvel::assets_test {

// Fonts and painting need one application object for the whole test process.
inline void ensureGuiApp() {
    static int argc = 1;
    static char name[] = "quorvel-picture-tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

}  // namespace quorvel::assets_test
