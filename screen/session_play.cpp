#include <cmath>
#include <cstdio>
#include <optional>

#include "engine/money.h"
#include "engine/session_text.h"
#include "players/settings_layout.h"
#include "screen/quorvel.h"

namespace quorvel::screen {
namespace {

constexpr const char* kSessionKey = "session";
// The chart's points are many: they keep a file of their own, out of the profile's.
constexpr const char* kSessionPointsKey = "points";

std::string pointsApplication(const std::string& slot) {
    return "session" + slot;
}

constexpr std::int64_t kSessionStoreEveryMs = 5'000;
constexpr std::int64_t kMinuteMs = 60'000;

}  // namespace

engine::Session& Quorvel::session() {
    return sessions_[cabinet_.player().playerslot];
}

// A session stored and not cleared at a close was cut short by a crash: it goes on.
void Quorvel::beginSession() {
    const engine::PlayerValues& player = cabinet_.player();
    const std::string section = players::slotSection(player.playerslot);
    const std::int64_t now = services_.events.steadyMs();
    engine::Session& current = session();
    auto points = engine::sessionPointsFromText(
        services_.store.read(pointsApplication(player.playerslot), kSessionKey, kSessionPointsKey));
    if (auto stored = engine::sessionStartFromText(
            services_.store.read(players::kPlayerApplication, section, kSessionKey)))
        current.resume(*stored, points.value_or(std::deque<engine::SessionPoint>{}), now);
    else
        current.begin(player, now);
    current.observe(player, now);
    sessionStoredAt_ = now;
    remindedIntervals_ = reminderIntervalsPlayed();
}

// The profile switched in the options: its own session goes on, or one begins.
void Quorvel::followSessionToSlot() {
    if (sessions_.count(cabinet_.player().playerslot) == 0) {
        session().begin(cabinet_.player(), services_.events.steadyMs());
        remindedIntervals_ = 0;
    }
}

void Quorvel::storeSession(bool force) {
    const std::int64_t now = services_.events.steadyMs();
    if (!force && now - sessionStoredAt_ < kSessionStoreEveryMs) return;
    sessionStoredAt_ = now;
    writeSessionText(engine::sessionStartText(session().stored(now)),
                     engine::sessionPointsText(session().points()));
}

void Quorvel::clearStoredSession() {
    writeSessionText("", "");
}

// The store keeps what it was last given; the same text is never written twice.
void Quorvel::writeSessionText(const std::string& start, const std::string& points) {
    const std::string& slot = cabinet_.player().playerslot;
    saver_.writeAlongside(services_.store, pointsApplication(slot), kSessionKey, kSessionPointsKey,
                          points);
    saver_.writeAlongside(services_.store, players::kPlayerApplication, players::slotSection(slot),
                          kSessionKey, start);
}

std::int64_t Quorvel::reminderIntervalsPlayed() {
    const std::int16_t minutes = cabinet_.player().reminder;
    if (minutes <= 0) return 0;
    return session().playedMs(services_.events.steadyMs()) / (minutes * kMinuteMs);
}

// A spin settled with nothing in play: the session takes its point, and a reminder due
// is shown now (autoplay shows it before its next spin instead).
void Quorvel::playRests() {
    if (ended_ || !cabinet_.atRest()) return;
    observeSession();
    storeSession(false);
    if (!counters_.pace.autoplayOn()) remindIfDue();
}

// Answers whether play goes on.
bool Quorvel::remindIfDue() {
    const std::int16_t minutes = cabinet_.player().reminder;
    const std::int64_t intervals = reminderIntervalsPlayed();
    if (minutes <= 0 || intervals <= remindedIntervals_) return true;
    remindedIntervals_ = intervals;
    const engine::SessionFigures f =
        session().figures(cabinet_.player(), services_.events.steadyMs());
    const int played = static_cast<int>(f.seconds / 60);
    const platform::TextCatalogue& catalogue = services_.text;
    const std::string text = platform::fillIn(
        translate("quorvel", "You have played %1: %2, wagered %3, won %4, net %5."),
        {catalogue.translate("quorvel", "%n minutes", "%n minute", played),
         catalogue.translate("quorvel", "%n games", "%n game", f.games),
         engine::dollarsAndCents(f.wagered), engine::dollarsAndCents(f.won),
         engine::dollarsAndCents(f.net)});
    const int choice =
        services_.messages.choose("Slots_Quorvel", text, platform::MessageIcon::Information,
                                  {translate("quorvel", "Keep Playing"),
                                   translate("quorvel", "Session"), translate("quorvel", "Quit")},
                                  0);
    if (choice == 2) {
        xit_Click();
        return false;
    }
    if (choice == 1) openSession();
    return true;
}

}  // namespace quorvel::screen
