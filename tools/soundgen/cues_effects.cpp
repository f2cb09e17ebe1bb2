#include "tools/soundgen/score.h"

namespace quorvel::soundgen {
// A landed chest rings brighter on each reel, so a run of chests climbs.
Score chestLand(double, double midi) {
    Score s{bell(0, midi, 0.4, 0.3), bell(0.05, midi + 12, 0.18, 0.22)};
    s.push_back({.length = 0.04,
                 .wave = Wave::Noise,
                 .gain = 0.12,
                 .decay = 0.01,
                 .release = 0.01,
                 .highpass = 6000,
                 .seed = 3});
    return s;
}

Score stepBlip(double seconds, double midi) {
    return {blip(0, seconds - 0.03, midi, 0.35), blip(0, seconds - 0.03, midi + 12, 0.1)};
}

Score reelLand(double, double) {
    // A wooden knock: a falling low body, a short hollow tone and a dull tick.
    return {{.length = 0.07,
             .freq = 150,
             .glideTo = 70,
             .gain = 0.8,
             .attack = 0.002,
             .decay = 0.035,
             .release = 0.02},
            {.length = 0.05,
             .freq = 420,
             .wave = Wave::Triangle,
             .gain = 0.25,
             .attack = 0.001,
             .decay = 0.014,
             .release = 0.02},
            {.length = 0.03,
             .wave = Wave::Noise,
             .gain = 0.3,
             .attack = 0.001,
             .decay = 0.008,
             .release = 0.01,
             .lowpass = 1500,
             .seed = 9}};
}

Score click(double, double) {
    return {{.start = 0.003,
             .length = 0.03,
             .freq = 1300,
             .glideTo = 900,
             .gain = 0.4,
             .attack = 0.001,
             .decay = 0.014,
             .release = 0.02},
            {.start = 0.003,
             .length = 0.01,
             .wave = Wave::Noise,
             .gain = 0.25,
             .attack = 0.0005,
             .decay = 0.003,
             .release = 0.005,
             .lowpass = 6000,
             .highpass = 1500,
             .seed = 5}};
}

Score menuPick(double, double) {
    return {{.length = 0.08,
             .freq = 620,
             .glideTo = 980,
             .wave = Wave::Triangle,
             .gain = 0.5,
             .attack = 0.003,
             .decay = 0.05,
             .release = 0.03}};
}

Score spare(double, double) {
    return {bell(0, 96, 0.4, 0.15), bell(0.06, 100, 0.3, 0.1)};
}

Score noCredit(double, double) {
    // Two low buzzes falling: the machine says no.
    Score s;
    for (int i = 0; i < 2; ++i)
        s.push_back({.start = 0.3 * i,
                     .length = 0.22,
                     .freq = key(i == 0 ? 52 : 48),
                     .wave = Wave::Square,
                     .gain = 0.4,
                     .attack = 0.01,
                     .release = 0.04,
                     .lowpass = 1100});
    return s;
}

Score gambleLost(double, double) {
    // The sad trombone: two steps down, then a long wobbling slide.
    Note step = brass(0, 0.22, 55, 0.5);
    step.lowpass = 900;
    step.lowpassTo = 1400;
    Score s{step};
    step.start = 0.27;
    step.freq = key(54);
    s.push_back(step);
    step.start = 0.54;
    step.length = 0.48;
    step.freq = key(53);
    step.glideTo = key(49);
    step.vibrato = 0.35;
    step.lowpassTo = 600;
    s.push_back(step);
    return s;
}

Score spinStart(double, double) {
    // A rising whoosh over a quick wooden ratchet.
    Score s{{.length = 0.6,
             .wave = Wave::Noise,
             .gain = 0.5,
             .attack = 0.25,
             .release = 0.15,
             .lowpass = 400,
             .lowpassTo = 5000,
             .highpass = 200,
             .seed = 11}};
    for (int i = 0; i < 8; ++i) {
        s.push_back({.start = 0.05 + 0.07 * i,
                     .length = 0.02,
                     .freq = 700.0 + 90 * i,
                     .wave = Wave::Triangle,
                     .gain = 0.25,
                     .attack = 0.001,
                     .decay = 0.01,
                     .release = 0.01});
    }
    return s;
}

Score shipsBell(double, double) {
    // Ship's bells strike in pairs.
    return {bell(0, 80, 0.6, 1.2), bell(0.42, 80, 0.55, 1.6)};
}

}  // namespace quorvel::soundgen
