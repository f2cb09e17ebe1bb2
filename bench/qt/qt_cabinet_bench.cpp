// What the player sees, timed on the real Qt front end: a reel step put on screen, a whole
// fast spin, and the start-up up to the first frame. Offscreen unless QT_QPA_PLATFORM says
// otherwise (run under xvfb-run with QT_QPA_PLATFORM=xcb for an X server's figures).
#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <cstdlib>
#include <memory>

#include "platform/qt/qt_platform.h"
#include "screen/quorvel.h"

namespace {

using quorvel::platform::qt::QtPlatform;
using quorvel::platform::qt::SceneView;

constexpr int kStepTwips = 1875;  // the step of the fastest speed code
constexpr int kSpinSteps = 169;   // steps of one spin at that code, each paused
constexpr int kSpinPauseMs = 2;

// The game's main screen on screen at a given window size, settled.
struct Cabinet {
    explicit Cabinet(QSize size) : quorvel(platform.services()) {
        quorvel.Form_Load();
        view = platform.windows.mainView();
        view->resize(size);
        QElapsedTimer clock;
        clock.start();
        while (!view->windowHandle()->isExposed() && clock.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        view->repaint();
    }
    // What follows the first frame on the event loop (the strips handed to the display).
    void settle() {
        for (int turn = 0; turn < 3; ++turn)
            QCoreApplication::processEvents();
    }
    // Every reel at the same top, as the first stage of the animation moves them.
    void moveReels(int top) {
        for (int reel = 1; reel <= 5; ++reel)
            quorvel.window().at("reel" + std::to_string(reel)).move(0, top);
    }

    QtPlatform platform{QUORVEL_BENCH_ASSETS, "QuorvelBench"};
    quorvel::screen::Quorvel quorvel;
    SceneView* view = nullptr;
};

// A sweep position: from a stop 4050 twips below, up in steps, as the animation runs.
int sweepTop(int step) {
    const int stop = -20625;
    return stop - 4050 + (step % 3) * kStepTwips;
}

// One step of the reel animation: five strips moved, the change notices, the synchronous
// repaint of what they touched (the sleep before the pause).
void BM_ReelStepOnScreen(benchmark::State& state) {
    Cabinet cabinet(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    cabinet.settle();
    int step = 0;
    for (auto _ : state) {
        cabinet.moveReels(sweepTop(step++));
        cabinet.platform.events.sleep(0);
    }
    state.SetLabel(std::to_string(state.range(0)) + "x" + std::to_string(state.range(1)));
}
BENCHMARK(BM_ReelStepOnScreen)
    ->Args({803, 602})
    ->Args({1606, 1204})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// Waits until the X server has carried out every request sent so far; nothing to wait for
// offscreen. (QGuiApplication::sync would also run events, and with them other paints.)
void waitForTheDisplay() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c =
        x11 && QGuiApplication::platformName() == "xcb" ? x11->connection() : nullptr;
    if (!c) return;
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// The same step until it is on the screen itself: the display's own copying included.
void BM_ReelStepUntilShown(benchmark::State& state) {
    Cabinet cabinet(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    cabinet.settle();
    waitForTheDisplay();
    int step = 0;
    for (auto _ : state) {
        cabinet.moveReels(sweepTop(step++));
        cabinet.platform.events.sleep(0);
        waitForTheDisplay();
    }
    state.SetLabel(std::to_string(state.range(0)) + "x" + std::to_string(state.range(1)));
}
BENCHMARK(BM_ReelStepUntilShown)
    ->Args({803, 602})
    ->Args({1606, 1204})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// A whole spin of the game's reel animation at the fastest speed code: 169 steps, each put on
// screen before its 2 ms pause. The counter says how far the spin runs over its pause total.
void BM_SpinReelsAtSpeedCode1(benchmark::State& state) {
    Cabinet cabinet(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    cabinet.settle();
    quorvel::engine::CabinetState game = cabinet.quorvel.cabinet().state();
    game.player.reelspeed = 1;
    game.player.soundonoff = -1;
    double total = 0;
    int spin = 0;
    for (auto _ : state) {
        for (int reel = 1; reel <= 5; ++reel)  // stops spread over the strip, as draws are
            game.run.stop[reel] = static_cast<std::int16_t>(1 + (spin * 7 + reel * 5) % 22);
        cabinet.quorvel.cabinet().restore(game);
        ++spin;
        QElapsedTimer clock;
        clock.start();
        cabinet.quorvel.spinreels();
        total += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
    state.counters["over_pause_total"] =
        total / static_cast<double>(state.iterations()) / (kSpinSteps * kSpinPauseMs);
    state.SetLabel(std::to_string(state.range(0)) + "x" + std::to_string(state.range(1)));
}
BENCHMARK(BM_SpinReelsAtSpeedCode1)
    ->Args({803, 602})
    ->Args({1606, 1204})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

// From nothing to the main screen's first frame: platform (sound device included), the
// screen and its design, the start-up (recordings, settings), the window, one full paint.
void BM_StartUpToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        auto cabinet = std::make_unique<Cabinet>(QSize(803, 602));
        benchmark::DoNotOptimize(cabinet->view);
        state.PauseTiming();
        cabinet.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
