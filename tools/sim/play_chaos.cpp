#include "tools/sim/play_chaos.h"

#include <iterator>
#include <random>
#include <vector>

namespace quorvel::sim {
namespace {

using platform::EventKind;

constexpr EventKind kElementEvents[] = {EventKind::MouseDown, EventKind::MouseUp, EventKind::Click,
                                        EventKind::MouseMove};
constexpr int kRestartLimit = 1'000'000;
// Input given later than the run that follows lands in whatever the game does next.
constexpr int kLatestMs = 3000;
// The codes the key-down handlers act on: F2, M, plus (and its unshifted =), minus.
constexpr int kKeyDowns[] = {platform::kKeyF2, 'M', '+', '=', '-'};

bool isGambleControl(const std::string& name) {
    for (const char* control : {"doublebutton", "betred", "betblack", "suitbet", "cancelbet"})
        if (name == control) return true;
    return false;
}

class Chaos {
public:
    explicit Chaos(PlaySession& s) : s_(s), rng_(s.options().seed * 104729 + 17) {}

    void run() {
        const long long target = s_.options().spins;
        while (s_.player().games < target) {
            step();
            if (s_.game().ended()) s_.restart();
        }
        closeAndRestart();
    }

private:
    int roll(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }

    // Input is given at a moment of the run to come, now or later: it lands wherever the
    // game is then, between timer ticks or inside the pumps and sleeps of a turning reel, a
    // turning card, the running ball, a count-up.
    void step() {
        auto& p = s_.platform();
        const int span = roll(3) == 0 ? roll(3000) : roll(120);
        const std::int64_t at = p.clock.now() + (roll(2) == 0 ? 0 : roll(kLatestMs));
        platform::Window& main = s_.game().window();
        const int dice = roll(100);
        if (dice < 10 && gambleByPolicy()) {
            // the policy's choice, when the gamble is there to play
        } else if (dice < 12) {
            p.eventAt(at, main, "btnspin", 0, EventKind::MouseDown);
            p.eventAt(at, main, "btnspin", 0, EventKind::MouseUp);
        } else if (dice < 20) {
            p.keyAt(at, main, ' ');
        } else if (dice < 24) {
            s_.insertCreditIfShort();
        } else if (dice < 60) {
            randomElementEvent(at);
        } else if (dice < 62) {
            p.keyDownAt(at, randomWindow(),
                        kKeyDowns[roll(static_cast<int>(std::size(kKeyDowns)))]);
        } else if (dice < 66) {
            p.keyAt(at, randomWindow(), 32 + roll(95));
        } else if (dice < 70) {
            p.windowEventAt(at, randomWindow(), EventKind::MouseMove);
        } else if (dice < 72) {
            p.windowEventAt(at, randomWindow(), EventKind::Close);
        } else if (dice < 73 && roll(4) == 0) {
            p.windowEventAt(at, main, EventKind::Close);
        }
        s_.runUntil([] { return false; }, span);
    }

    // The gamble is played as the policy says: offered wins are staked and bet on; "never"
    // leaves the gamble alone, however the rest of the input falls.
    bool gambleByPolicy() {
        const GamblePolicy policy = s_.options().gamble;
        if (policy == GamblePolicy::Never) return false;
        if (!s_.shown("pandouble")) {
            if (!s_.enabled("doublebutton") || !s_.shown("doublebutton")) return false;
            s_.press("doublebutton");
            return true;
        }
        if (policy == GamblePolicy::Take || roll(3) == 0)
            s_.click("cancelbet");
        else if (policy == GamblePolicy::Red)
            s_.click("betred");
        else if (policy == GamblePolicy::Black)
            s_.click("betblack");
        else
            s_.click("suitbet", 1 + roll(4));
        return true;
    }

    platform::Window& randomWindow() {
        const auto& open = s_.platform().windows.openWindows();
        if (open.empty()) return s_.game().window();
        return *open[static_cast<std::size_t>(roll(static_cast<int>(open.size())))];
    }

    void randomElementEvent(std::int64_t at) {
        platform::Window& window = randomWindow();
        const auto& elements = window.elements();
        if (elements.empty()) return;
        const auto& element =
            elements[static_cast<std::size_t>(roll(static_cast<int>(elements.size())))];
        if (s_.options().gamble == GamblePolicy::Never && isGambleControl(element->name())) return;
        const EventKind kind = kElementEvents[roll(4)];
        const int button = kind == EventKind::MouseDown ? 1 + roll(2) : 1;
        s_.platform().eventAt(at, window, element->name(), element->index(), kind, button);
    }

    void closeAndRestart() {
        s_.platform().closeRequest(s_.game().window());
        s_.runUntil([&] { return s_.game().ended(); }, kRestartLimit);
        if (!s_.game().ended()) throw BrokenRule{"the program would not close"};
        s_.restart();
    }

    PlaySession& s_;
    std::mt19937_64 rng_;
};

}  // namespace

void playChaos(PlaySession& session) {
    Chaos(session).run();
}

}  // namespace quorvel::sim
