#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "qt_test_support.h"

int main(int argc, char** argv) {
    // Discovery runs this binary at build time too: never reach for a display or a device.
    quorvel::qt_tests::useDesktopSizedOffscreenScreen();
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
