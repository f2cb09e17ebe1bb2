#include <algorithm>
#include <array>
#include <vector>

#include "engine/money.h"
#include "engine/preferences.h"
#include "presentation/reel_pictures.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

struct ReelSpeed {
    int code;
    int step;    // twips per step
    int pause;   // ms after each step
    int sweeps;  // for reels 2 to 5
};

// Code 1 is the fastest spin, 10 the slowest; any other stored code spins like code 1.
constexpr std::array<ReelSpeed, 5> kSpeeds{{
    {1, 1875, 2, 10},
    {2, 1000, 4, 6},
    {4, 800, 7, 6},
    {8, 600, 12, 7},
    {10, 400, 15, 3},
}};

constexpr int kSweepDepth = 4050;    // a sweep starts this far below the stop
constexpr int kFirstSweeps = 6;      // all reels together before reel 1 lands
constexpr int kBounce = 600;         // a landed reel shows this far below its stop...
constexpr int kBounceStep = 20;      // ...and climbs back this much per step
constexpr int kSpinningLower = 600;  // the reel about to land runs this much lower
constexpr int kLastReelLower = 2980;
constexpr int kQuickLandingMs = 70;  // between the landing cues of reels stopped at once

constexpr bool speedsFollowTheCodes() {
    for (std::size_t i = 0; i < kSpeeds.size(); ++i)
        if (kSpeeds[i].code != engine::kReelSpeedCodes[i]) return false;
    return kSpeeds.size() == engine::kReelSpeedCodes.size();
}
static_assert(speedsFollowTheCodes());

const ReelSpeed& speedFor(int code) {
    for (const ReelSpeed& speed : kSpeeds)
        if (speed.code == code) return speed;
    return kSpeeds[0];
}

// While the reels turn a press on them or on SPIN, or the space bar, lands them at once.
class QuickStop : public platform::InputWatch {
public:
    QuickStop(platform::EventLoop& events, std::vector<const platform::Element*> targets, bool on)
        : events_(events), targets_(std::move(targets)), on_(on) {
        if (on_) events_.setInputWatch(this);
    }
    ~QuickStop() override {
        if (on_) events_.setInputWatch(nullptr);
    }
    QuickStop(const QuickStop&) = delete;
    QuickStop& operator=(const QuickStop&) = delete;

    bool takes(const platform::Press& press) override {
        if (asked_ || press.window != &targets_.front()->window()) return false;
        asked_ = press.key == ' ' ||
                 (press.key == 0 && std::any_of(targets_.begin(), targets_.end(),
                                                [&](const platform::Element* target) {
                                                    return contains(*target, press.x, press.y);
                                                }));
        return asked_;
    }
    bool asked() const { return asked_; }

private:
    static bool contains(const platform::Element& e, int x, int y) {
        return x >= e.absoluteLeft() && x < e.absoluteLeft() + e.width() && y >= e.absoluteTop() &&
               y < e.absoluteTop() + e.height();
    }

    platform::EventLoop& events_;
    std::vector<const platform::Element*> targets_;
    bool on_;
    bool asked_ = false;
};

// The landed reel bounces back up to its stop while the next reels sweep.
struct Settle {
    platform::Element* reel = nullptr;
    int base = 0;
    int offset = 0;
    void land(platform::Element& landed, int stop) {
        reel = &landed;
        base = stop + kBounce;
        offset = 0;
    }
    void step() {
        if (!reel || offset >= kBounce) return;
        offset += kBounceStep;
        reel->move(0, base - offset);
    }
};

}  // namespace

void Quorvel::spinreels() {
    const engine::RunState& run = cabinet_.run();
    const bool freeSpin = run.freespinmode != 0;
    if (!freeSpin) showCredit();
    services_.events.pump();

    const ReelSpeed& speed = speedFor(cabinet_.player().reelspeed);
    const bool sounds = !freeSpin && cabinet_.player().soundonoff == -1;
    std::array<int, engine::kReels + 1> stop{};
    for (int reel = 1; reel <= engine::kReels; ++reel)
        stop[reel] = presentation::restOffset(run.stop[reel]);
    QuickStop hurry(services_.events, quickStopTargets(), quickStopOn());
    auto pause = [&] { services_.events.sleep(speed.pause); };
    // One sweep over the positions of `reel`'s stop, calling `place` at each; false when the
    // player asked for the reels to land.
    auto sweep = [&](int reel, int count, auto place) {
        for (int n = 0; n < count; ++n)
            for (int p = stop[reel] - kSweepDepth; p <= stop[reel]; p += speed.step) {
                place(p);
                pause();
                if (hurry.asked()) return false;
            }
        return true;
    };
    auto landSound = [&](int reel, bool chestCue) {
        if (!sounds) return;
        if (reel > 1 || !chestCue) playAlways(cue::kReelStop);
        if (chestCue) playAlways(cue::kChestLands[reel]);
    };
    auto chestCue = [&](int reel) {
        return run.scattercell[reel] > 0 && (reel <= 3 || run.scattercount >= 2);
    };

    int landed = 0;
    Settle settle;
    if (sweep(1, kFirstSweeps, [&](int p) {
            for (int k = 1; k <= engine::kReels; ++k)
                e_.reel[k]->move(0, p);
        })) {
        settle.land(*e_.reel[1], stop[1]);
        landSound(1, chestCue(1));
        landed = 1;
    }
    for (int reel = 2; landed == reel - 1 && reel <= engine::kReels; ++reel) {
        if (!sweep(reel, speed.sweeps, [&](int p) {
                settle.step();
                const int lower = reel == 5 ? kLastReelLower : reel <= 3 ? kSpinningLower : 0;
                e_.reel[reel]->move(0, p + lower);
                for (int k = reel + 1; k <= engine::kReels; ++k)
                    e_.reel[k]->move(0, p);
            }))
            break;
        settle.land(*e_.reel[reel], stop[reel]);
        landSound(reel, chestCue(reel));
        landed = reel;
    }
    for (int offset = 0; !hurry.asked() && offset <= kBounce; offset += kBounceStep) {
        e_.reel[5]->move(0, settle.base - offset);
        pause();
    }
    if (!hurry.asked()) return;
    // Every reel rests at once; the landings still sound, each just long enough to hear.
    for (int reel = 1; reel <= engine::kReels; ++reel)
        e_.reel[reel]->move(0, stop[reel]);
    for (int reel = landed + 1; reel <= engine::kReels; ++reel) {
        landSound(reel, chestCue(reel));
        if (sounds && reel < engine::kReels) services_.events.sleep(kQuickLandingMs);
    }
}

bool Quorvel::quickStopOn() const {
    return cabinet_.player().quickstop != 0 && counters_.pace.autoplaymode == 0;
}

std::vector<const platform::Element*> Quorvel::quickStopTargets() const {
    std::vector<const platform::Element*> targets;
    for (int reel = 1; reel <= engine::kReels; ++reel)
        targets.push_back(e_.reelWindow[reel]);
    // Under the free-spin banners SPIN is out of sight, and so out of reach.
    if (e_.panfreespin.visible()) targets.push_back(&e_.btnspin);
    return targets;
}

}  // namespace quorvel::screen
