#include "engine/money.h"
#include "screen/quorvel.h"

namespace quorvel::screen {

// Autoplay begins counting its stops from the credit and the spins it starts with.
void Quorvel::armAutoplayStops() {
    const engine::PlayerValues& player = cabinet_.player();
    counters_.pace.autospinsleft = player.autostopspins > 0 ? player.autostopspins : -1;
    counters_.pace.autostartcredit = player.bank;
    e_.lblautoplay.hide();
    const auto& points = session().points();
    lastAutoplayGameSeen_ = points.empty() ? 0 : points.back().game;
    showAutoplaySpinsLeft();
}

void Quorvel::showAutoplaySpinsLeft() {
    const std::int32_t left = counters_.pace.autospinsleft;
    if (left < 0 || !counters_.pace.autoplayOn()) return;
    e_.lblautoplay.setCaption(services_.text.translate("quorvel", "Autoplay: %n spins left",
                                                       "Autoplay: %n spin left", left));
    e_.lblautoplay.show();
}

// An autoplay spin is about to start: one fewer left.
void Quorvel::countAutoplaySpin() {
    if (cabinet_.run().freespinmode != 0) return;
    if (counters_.pace.autospinsleft > 0) --counters_.pace.autospinsleft;
    showAutoplaySpinsLeft();
}

// Checked at rest before autoplay's next spin; empty when autoplay goes on.
std::string Quorvel::autoplayStopReason() {
    const engine::PlayerValues& player = cabinet_.player();
    const Pace& pace = counters_.pace;
    if (pace.autospinsleft == 0)
        return services_.text.translate("quorvel", "Autoplay stopped after %n spins.",
                                        "Autoplay stopped after %n spin.", player.autostopspins);
    if (player.autostoploss > 0 &&
        static_cast<std::int64_t>(pace.autostartcredit) - player.bank >= player.autostoploss)
        return platform::fillIn(translate("quorvel", "Autoplay stopped: the credit fell by %1."),
                                {engine::dollarsAndCents(player.autostoploss)});
    const auto& points = session().points();
    const std::int64_t winLimit =
        static_cast<std::int64_t>(player.autostopwin) * cabinet_.totalBet();
    if (winLimit > 0 && !points.empty() && points.back().game > lastAutoplayGameSeen_ &&
        points.back().paid >= winLimit)
        return platform::fillIn(translate("quorvel", "Autoplay stopped on a win of %1."),
                                {engine::dollarsAndCents(points.back().paid)});
    return {};
}

// A feature starting stops autoplay when the player asked for that; its free spins still
// play, and their total waits for Take Win.
void Quorvel::featureStartsUnderAutoplay(const std::string& sentence) {
    if (!counters_.pace.autoplayOn() || cabinet_.player().autostopfeature == 0) return;
    stopAutoplay(sentence);
}

// Before autoplay's next spin, with play at rest: the session takes its point, a stop
// reached ends autoplay, and a reminder due pauses it until the player answers.
bool Quorvel::autoplayGoesOn() {
    if (cabinet_.atRest()) {
        observeSession();
        storeSession(false);
        if (const std::string reason = autoplayStopReason(); !reason.empty()) {
            stopAutoplay(reason);
            return false;
        }
        stop(Timer::tmrautospin);
        const bool goesOn = remindIfDue();
        if (!goesOn || !counters_.pace.autoplayOn()) return false;
        start(Timer::tmrautospin);
    }
    if (cabinet_.spinRefusal() == engine::Refusal::None) countAutoplaySpin();
    return true;
}

void Quorvel::stopAutoplay(const std::string& sentence) {
    counters_.pace.autotoggle = 0;
    autoplayOff();
    e_.lblautoplay.setCaption(sentence);
    e_.lblautoplay.show();
    window_.announce(sentence);
}

}  // namespace quorvel::screen
