#include "engine/checked.h"
#include "engine/money.h"
#include "screen/quorvel.h"

namespace quorvel::screen {
namespace {

struct StepRow {
    std::int32_t upTo;  // counted so far, inclusive
    std::int16_t single;
    std::int16_t runningTotal;
};

// The next step, chosen from what has been counted so far. Both columns fall back in
// places on purpose: the meter slows before it speeds up again.
constexpr StepRow kSteps[] = {
    {0, 0, 0},    {5, 10, 1},   {10, 10, 2},   {15, 10, 3},    {20, 10, 3},     {30, 10, 3},
    {40, 10, 4},  {50, 10, 4},  {100, 10, 4},  {120, 20, 4},   {150, 30, 4},    {200, 40, 8},
    {300, 50, 5}, {450, 80, 5}, {600, 60, 10}, {700, 100, 15}, {1000, 150, 20}, {1500, 200, 30},
};
constexpr StepRow kAbove{0, 500, 100};

const StepRow& stepRow(std::int32_t counted) {
    for (const StepRow& row : kSteps)
        if (counted <= row.upTo) return row;
    return kAbove;
}

}  // namespace

void Quorvel::Timerwincounter_Timer() {
    const engine::RunState& run = cabinet_.run();
    const bool winroll = cabinet_.player().winroll != 0;
    CountUp& count = counters_.countUp;
    services_.events.pump();
    if (count.countmode == 1 || run.freespinmode == -1) {
        engine::addChecked(count.countedwin, count.countstep);
        if (!winroll || run.freespinmode == -1) count.countedwin = run.spinwin;
        count.countstep = stepRow(count.countedwin).runningTotal;
        if (count.countedwin >= run.spinwin) {
            showWin(run.featurewin);
            stop(Timer::Timerwincounter);
            count.countedwin = 0;
            count.countstep = 0;
            e_.takewin.setEnabled(false);
            services_.events.pump();
            if (run.freespintarget == 0) count.countmode = 0;
        } else {
            showWin(run.featurewin - run.spinwin + count.countedwin);
        }
        return;
    }
    if (!winroll) count.countedwin = run.spinwin;
    engine::addChecked(count.countedwin, count.countstep);
    count.countstep = stepRow(count.countedwin).single;
    if (count.countedwin >= run.spinwin) {
        showWin(run.spinwin);
        showCredit();
        stop(Timer::Timerwincounter);
        count.countedwin = 0;
        count.countmode = 0;
    } else {
        showWin(count.countedwin);
    }
}

}  // namespace quorvel::screen
