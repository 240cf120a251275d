#pragma once
// The composition root and event boundary: it makes the parts of the game, wires what each needs from
// the others, and runs every event from outside (a click, a key, a command, a tick) through `deliver`,
// which reports errors to the message sink and tells the view. Operations run synchronously to their
// end; the only deferred work is a timer tick.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/table_cards.h"
#include "engine/table_state.h"
#include "game/commands.h"
#include "game/screen_models.h"
#include "game/screens.h"
#include "persist/profile.h"
#include "platform/delivering_timers.h"
#include "platform/engine_timer.h"
#include "platform/picture_writer.h"
#include "platform/ports.h"
#include "platform/timers.h"
#include "play/keyboard.h"
#include "play/last_trick.h"
#include "play/match.h"
#include "play/table_hint.h"
#include "play/trick.h"

namespace liorna {

class GameSetup;

struct EnginePorts {
    Timers& timers;
    Random& random;
    CuePlayer& cues;
    MessageSink& messages;
    Screens& screens;
    Shell& shell;
    PictureWriter& pictures;
    std::filesystem::path programDir;
    // Told after every event, once the table is as the event left it.
    std::function<void()> tableChanged = {};
};

class GameEngine {
public:
    explicit GameEngine(EnginePorts ports);
    ~GameEngine();
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // Creating the engine: load and apply the settings, then start the free-running timers.
    // Throws UserError when the settings file cannot be opened; the program then ends.
    void create();

    // Runs one outside event: errors go to the message sink, and the view is told of the change.
    template <typename Event>
    void deliver(Event&& event)
    {
        ++deliverDepth_;
        try {
            event();
        } catch (const UserError& error) {
            messages_.showError(error.what());
        }
        if (--deliverDepth_ == 0)
            afterEvent();
    }

    // The table as the view draws it: the parts' state projected once each event is over.
    const TableState& table() const { return table_; }
    // Projects it now; every event ends with this, and so does a set-up.
    void projectTable();
    std::int64_t now() const { return timers_.now(); }

    // --- What the table window and the screens deliver ---
    // A click hides the keyboard's focus; a key shows it again. While the last trick is shown again,
    // a click or key only closes it.
    void inputHandCard(int k, bool rightButton)
    {
        if (!clickOnlyClosesLastTrick())
            trick_.inputHandCard(k, rightButton);
    }
    void inputLedCard(int k)
    {
        if (!clickOnlyClosesLastTrick())
            trick_.inputLedCard(k);
    }
    void inputCoverCard(int k)
    {
        if (!clickOnlyClosesLastTrick())
            trick_.inputCoverCard(k);
    }
    void inputPlay()
    {
        if (!clickOnlyClosesLastTrick())
            trick_.inputPlay();
    }
    void inputDiscard()
    {
        if (!clickOnlyClosesLastTrick())
            trick_.inputDiscard();
    }
    // A click on either pile shows the last trick, or closes it.
    void inputPile()
    {
        keyboard_.hideFocus();
        hint_.inputSeen();
        lastTrick_.toggle();
    }
    // A click anywhere on the last trick shown again closes it.
    void inputLastTrick() { clickOnlyClosesLastTrick(); }
    void inputKey(TableKey key);
    void runCommand(MenuCommand command) { commands_.runCommand(command); }
    void showMenus() { commands_.showMenus(); }
    void clickMatchStatus() { screenModels_.clickMatchStatus(); }
    // The settings in memory take effect: sound, the pauses, the card back.
    void applySettings();
    // A deal starts: after the first, every step of the previous deal is cancelled and the parts reset;
    // the trump is announced, the deal's first step is scheduled and its cue plays.
    void startDeal(DealStart start);
    // The deal is scored and the match status screen opens.
    void scoreDeal();

    // --- The parts ---
    TableCards& cards() { return cards_; }
    const TableCards& cards() const { return cards_; }
    Deal& deal() { return deal_; }
    const Deal& deal() const { return deal_; }
    Trick& trick() { return trick_; }
    const Trick& trick() const { return trick_; }
    Match& match() { return match_; }
    const Match& match() const { return match_; }
    Profile& profile() { return profile_; }
    const Profile& profile() const { return profile_; }
    Commands& commands() { return commands_; }
    // Positions for tests and the scenario driver, set by name.
    GameSetup setup();

    StartScreenModel* startScreen() { return commands_.startScreen(); }
    const MatchStatusState& matchStatus() const { return screenModels_.matchStatus(); }
    SettingsFile& settings() { return profile_.settings(); }
    // How many deals were started since the engine was created; the driver's autoplay counts them.
    int dealsStarted() const { return dealsStarted_; }

    // A pacing step, a chain, the start-up tick or the hiding of the trump announcement is still to come.
    bool pacingPending() const
    {
        return deal_.pending() || cards_.pending() || trick_.pending() || commands_.pending();
    }
    // ... or a screen's countdown: nothing more happens by itself when this is false, but for the
    // free-running timers and a refusal's reason leaving the hint line.
    bool anythingPending() const { return pacingPending() || screenModels_.pending(); }

private:
    void afterEvent();
    // A click was made on the table: true when it goes no further than closing the last trick.
    bool clickOnlyClosesLastTrick()
    {
        keyboard_.hideFocus();
        hint_.inputSeen();
        return lastTrick_.closeIfShown();
    }
    void showPendingErrors();
    void reportAfterEvent(const std::string& text);
    void playCue(Cue cue);
    void setCardBacks(const Picture& back);
    void afterTrickPause();
    MatchDecision decideMatch();

    CuePlayer& cues_;
    MessageSink& messages_;
    std::function<void()> tableChanged_;
    std::vector<std::string> pendingErrors_;
    int deliverDepth_ = 0;
    int dealsStarted_ = 0;

    DeliveringTimers timers_;
    CountedScreens screens_;
    TableState table_;
    Profile profile_;
    TableCards cards_;
    Deal deal_;
    Trick trick_;
    Match match_;
    ScreenModels screenModels_;
    Commands commands_;
    TableKeyboard keyboard_;
    TableHint hint_;
    LastTrick lastTrick_;
};

} // namespace liorna
