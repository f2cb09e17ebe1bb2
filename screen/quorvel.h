#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/cabinet.h"
#include "engine/session.h"
#include "platform/child_window.h"
#include "platform/services.h"
#include "platform/sound_bank.h"
#include "platform/window.h"
#include "players/game_saver.h"
#include "screen/animation_counters.h"
#include "screen/celebration.h"
#include "screen/main_elements.h"
#include "screen/quorvel_layout.h"

namespace quorvel::screen {

// The main screen: its window and its handlers, which ask the cabinet what happens and
// show it. The handlers of each feature live in the file named after it (spin_cycle.cpp,
// reel_animation.cpp, ...).
class Quorvel {
public:
    explicit Quorvel(platform::Services services);
    ~Quorvel();
    Quorvel(const Quorvel&) = delete;
    Quorvel& operator=(const Quorvel&) = delete;

    platform::Window& window() { return window_; }
    engine::Cabinet& cabinet() { return cabinet_; }
    const engine::Cabinet& cabinet() const { return cabinet_; }
    const engine::RunState& run() const { return cabinet_.run(); }
    const engine::PlayerValues& player() const { return cabinet_.player(); }
    AnimationCounters& counters() { return counters_; }
    const Celebration& celebration() const { return celebration_; }
    platform::Services& services() { return services_; }
    const MainElements& elements() const { return e_; }
    // The secondary window open over the main screen, or nullptr.
    platform::ChildWindow* childWindow() const { return child_.get(); }
    // True once shut-down has closed the main screen: the program is over.
    bool ended() const { return ended_; }
    // The run's books as the store last saw them: at shut-down they stop moving.
    const engine::Books& books() const { return ended_ ? booksAtEnd_ : cabinet_.books(); }
    // The current player's session since the game started.
    engine::Session& session();
    // How deep spins have ever been nested: 1 in a healthy run.
    int deepestSpin() const { return deepestSpin_; }

    // Start-up and shut-down.
    void Form_Load();
    void Form_Unload();
    void xit_Click();

    // The spin cycle.
    void btnspin_MouseDown();
    void btnspin_MouseUp();
    void btnstartall_Click();

    // The draw of one spin: drawreel1 clears the last spin's marks and has the cabinet draw
    // the reels until a result stands; evaluatespin shows it.
    void drawreel1();
    void evaluatespin();

    // The reel animation: blocks until every reel rests on its stop.
    void spinreels();

    // Lines, bets and the payline view.
    void payline_MouseDown();
    void payline_MouseUp();
    void btnbet_MouseDown();
    void btnbet_MouseUp();
    void lin_MouseMove(int index);
    void viewpaylines_Click();
    void Btnreturn2game_Click();

    // Win presentation and the win meter count-up.
    void tmrlineflash_Timer();
    void Timer4_Timer();
    void Timerscatters_Timer();
    void Timerwincounter_Timer();

    // Credit, autoplay and the keyboard.
    void coinsin_MouseDown();
    void coinsin_MouseUp();
    void autoplayon_MouseDown();
    void showAutoplayKey();
    void autoplayon_MouseUp();
    void tmrautospin_Timer();
    void autoplayOff();
    // Autoplay's stops (spins, loss, a big win, a feature) and the reminder of time played.
    void armAutoplayStops();
    void showAutoplaySpinsLeft();
    void countAutoplaySpin();
    std::string autoplayStopReason();
    bool autoplayGoesOn();
    void featureStartsUnderAutoplay(const std::string& sentence);
    void stopAutoplay(const std::string& sentence);
    void Form_KeyPress(int& keyAscii);

    // Free spins.
    void tmrfrees_Timer();
    void Timerrespin_Timer();
    void takewin_Click();

    // The progressive jackpots' feature.
    void tmrbell_Timer();
    void tmrdecidejackpot_Timer();
    void tmrshowjackpot_Timer();

    // The gamble.
    void doublebutton_MouseDown();
    void betred_Click();
    void betblack_Click();
    void suitbet_Click(int index);
    void cancelbet_Click();

    // The recall of the last games: F2, or Game History in the menu.
    void Form_KeyDown(int keyCode);
    void gamehistory_Click();
    // The session so far: F3, or Session in the menu, at the same moments as the recall.
    void mnusession_Click();

    // The player's volume: the mute key (and M) and the volume bar.
    void btnmute_Click();
    void volumebar_MouseDown(int x);
    bool muted() const { return muted_; }

    // The screen's own behaviours: watchdog, game clock, menu, options.
    void tmrshowbuttons_Timer();
    void tmrtick_Timer();
    void btnopenmenu_MouseMove();
    void Form_MouseMove();
    void about_Click();
    void mnuviewpaytable_Click();
    void btnoptions_Click();
    // The screen's texts again after the player chose another language.
    void languageChanged();
    void doublebutton_MouseUp();

private:
    void registerTimers();
    void registerHandlers();
    void registerInput(const std::string& name, platform::EventKind kind,
                       void (Quorvel::*handler)());

    // Spin cycle steps.
    void startSpin(bool fromSpinButton);
    void creditRefused(bool fromSpinButton);
    void booksFull();
    void showAutoplayNotice();
    void showSpinStarting();
    void showSpinEnded(bool fromSpinButton);
    void dispatchResult();
    void settleNormalSpin();
    void resetForDraw();

    void showVolume();
    void toggleMute();
    void setVolume(int percent);
    // True when the key was the volume's own.
    bool volumeKey(int keyCode);

    // Quick stop: whether a press may land the turning reels, and where.
    bool quickStopOn() const;
    std::vector<const platform::Element*> quickStopTargets() const;

    // Free spins.
    void freeSpinTrigger(const engine::SpinSettlement& settled);
    void freeSpinBookkeeping(const engine::FreeSpinBooking& booking);
    void endFreeSpins();
    void slideBannerIn();

    // The jackpot feature.
    void jackpotFeatureStart();
    void startBoard();
    void moveBall(int position);
    void decideJackpot();
    void creditJackpotPrize();
    void showPrize();
    void payJackpot();

    // The gamble.
    void gambleDraw(engine::GambleBet bet, int suit);
    void showGamblePanel();
    void settleRevealedCard();
    void revealCard(int suit);
    void recordHistory(int picture);
    void gambleWon(engine::GambleBet bet, int suit);
    void gambleLost();
    void showStakeTexts();
    void slideResult(platform::Element& picture);
    void giveButtonsBack();

    bool recallAllowed() const;
    void openSession();
    void observeSession();
    // A big win's moment over the reels; it only shows.
    void celebrate(std::int32_t win);

    // What a screen reader is told: the names, the symbols on the reels, what just happened.
    void exposeToAssistiveTechnology();
    void nameElements();
    void speakLanguageInForce();
    // A text of the main screen in the language in force; said() for one marked where stored.
    std::string translate(const char* context, const char* source) const {
        return services_.text.translate(context, source);
    }
    std::string said(const char* marked) const { return translate("quorvel", marked); }
    void describeReels();
    void announceSpin();
    void announceCredit(const std::string& lead = "");
    void announceStake();
    void announceShown(const platform::Element& box);
    void announceGambleOpen();
    void announceCard(bool won, int suit);
    void nameHistoryCards();

    // A game the last run left in play goes on where it stood.
    void resumeInterruptedGame();
    void setRefusedPlayAside();
    void tellRefusedPlay(std::int32_t returned);
    void resumeFreeSpinScreen();
    void resumeTotalWaiting();
    void resumeBoard();
    void resumeGamble();
    void showHistoryStrip();

    // The screen's timers, by their typed names.
    void start(Timer timer) { services_.timers.start(timerName(timer)); }
    void stop(Timer timer) { services_.timers.stop(timerName(timer)); }
    bool enabled(Timer timer) const { return services_.timers.enabled(timerName(timer)); }
    void setInterval(Timer timer, int ms) { services_.timers.setInterval(timerName(timer), ms); }

    // Shared screen chores.
    void cue(const char* name);
    void playAlways(const char* name);
    void showCredit();
    void showWin(std::int32_t cents);
    void showTotalBet();
    void showLineMarkers();
    void hideOverlays();
    void drawPayline(int line);
    void saveCurrentSlot();
    void writeProfile();
    void shutDown();
    void beginSession();
    void followSessionToSlot();
    void storeSession(bool force);
    void clearStoredSession();
    void writeSessionText(const std::string& start, const std::string& points);
    std::int64_t reminderIntervalsPlayed();
    void playRests();
    bool remindIfDue();
    template <typename Window>
    void openChild(const std::function<void(Window&)>& prepare = {});

    platform::Services services_;
    platform::Window window_;
    MainElements e_;
    engine::Cabinet cabinet_;
    AnimationCounters counters_;
    Celebration celebration_;
    platform::SoundBank sounds_;
    platform::ChildSlot child_;
    bool redrawPending_ = false;
    bool ended_ = false;
    engine::Books booksAtEnd_;
    players::GameSaver saver_;
    int spinDepth_ = 0;
    // Counts the spin handlers on the stack, from their first line: their early pumps
    // already belong to the spin.
    int spinHandlers_ = 0;
    struct SpinHandler {
        int& count;
        explicit SpinHandler(int& c) : count(++c) {}
        ~SpinHandler() { --count; }
    };
    int deepestSpin_ = 0;
    bool takewinBeforeView_ = false;
    bool muted_ = false;
    bool noticePending_ = false;
    std::map<std::string, engine::Session> sessions_;
    std::int64_t sessionStoredAt_ = 0;
    std::int64_t remindedIntervals_ = 0;
    std::int32_t lastAutoplayGameSeen_ = 0;
};

// Secondary windows replace the last one and keep the main screen disabled while open.
template <typename Window>
inline void Quorvel::openChild(const std::function<void(Window&)>& prepare) {
    child_.clear();
    window_.setEnabled(false);
    std::unique_ptr<Window> child;
    if constexpr (std::is_constructible_v<Window, platform::Services, platform::Window&,
                                          const engine::Cabinet&, const engine::Session&>)
        child = std::make_unique<Window>(services_, window_, cabinet_, session());
    else if constexpr (std::is_constructible_v<Window, platform::Services, platform::Window&,
                                               engine::Cabinet&>)
        child = std::make_unique<Window>(services_, window_, cabinet_);
    else if constexpr (std::is_constructible_v<Window, platform::Services, platform::Window&,
                                               const engine::PlayerValues&>)
        child = std::make_unique<Window>(services_, window_, cabinet_.player());
    else
        child = std::make_unique<Window>(services_, window_);
    // Set up before it opens: its loading steps may pump, and the input may replace it.
    if (prepare) prepare(*child);
    child_.replace(std::move(child));
    child_->open();
}

}  // namespace quorvel::screen
