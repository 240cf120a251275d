#pragma once
// The match status screen's countdown, on the program's clock: the covers come down over the totals,
// the deal's result cue sounds, the totals and the target show, the match is decided, and the screen
// closes. The screen is a view of this; the scenario driver runs it on the virtual clock.

#include <functional>
#include <string>

#include "platform/engine_timer.h"
#include "platform/picture.h"
#include "platform/texts.h"

namespace liorna {

// What the match status screen shows.
struct MatchStatusState {
    bool open = false;
    int statusCountdown = 25;
    bool matchOver = false;
    bool matchWon = false;
    Picture frame;
    bool tilesShown = true;
    bool humanTotalShown = false;
    bool computerTotalShown = false;
    bool targetShown = false;
    bool resultShown = false;
    std::string humanTotal = "0";
    std::string computerTotal = "0";
    std::string target = "0";
    std::string result = text::MATCH_WON;
};

// How the match stands once the countdown decides it.
struct MatchDecision {
    bool over = false;
    bool won = false;
};

class MatchStatus {
public:
    struct Events {
        // The deal's result cue: true when the deal hung more on the computer than on the human.
        std::function<void(bool humanWonDeal)> resultCue;
        // Decides the match (records it, or deals on behind the screen) and says how it stands.
        std::function<MatchDecision()> decide;
        // The screen has closed; after a won match the bonus pictures follow.
        std::function<void(bool won)> closed;
    };

    // `deliver` runs each tick through the program's event boundary.
    using Deliver = std::function<void(const std::function<void()>&)>;
    MatchStatus(Timers& timers, Deliver deliver, Events events);

    // The screen opens over the table with the totals and the target still hidden.
    void open(int humanTotal, int computerTotal, int target, bool humanWonDeal);
    // A click on the screen runs the rest of the countdown at once; the close keeps its second.
    void click();
    // A new game ends the countdown where it stands: nothing it would still do happens.
    void cancel();
    bool pending() const { return timers_.anyActive(); }
    const MatchStatusState& state() const { return state_; }

private:
    void step();
    void close();

    Deliver deliver_;
    Events events_;
    MatchStatusState state_;
    bool humanWonDeal_ = false;
    EngineTimer animation_;
    EngineTimer closing_;
    TimerGroup timers_{&animation_, &closing_};
};

} // namespace liorna
