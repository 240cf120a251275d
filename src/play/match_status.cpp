#include "play/match_status.h"
#include "platform/texts.h"

#include "platform/intervals.h"

namespace liorna {

MatchStatus::MatchStatus(Timers& timers, Deliver deliver, Events events)
    : deliver_(std::move(deliver)), events_(std::move(events)),
      animation_(timers, interval::STATUS_ANIMATION, [this] { deliver_([this] { step(); }); }),
      closing_(timers, interval::STATUS_CLOSE, [this] { deliver_([this] { close(); }); })
{
}

void MatchStatus::open(int humanTotal, int computerTotal, int target, bool humanWonDeal)
{
    state_ = MatchStatusState{};
    state_.open = true;
    state_.humanTotal = std::to_string(humanTotal);
    state_.computerTotal = std::to_string(computerTotal);
    state_.target = std::to_string(target);
    humanWonDeal_ = humanWonDeal;
    animation_.setInterval(interval::STATUS_ANIMATION);
    animation_.start();
}

void MatchStatus::click()
{
    if (state_.open && animation_.active())
        animation_.setInterval(interval::STATUS_HURRIED);
}

void MatchStatus::cancel()
{
    timers_.stopAll();
    state_.open = false;
}

void MatchStatus::step()
{
    animation_.stop();
    MatchStatusState& s = state_;
    const int n = --s.statusCountdown;
    // Steps 24..14 lay the covers and take their pieces away; then the totals show one by one.
    if (n >= 14 && n <= 24)
        s.frame = Picture::cover(24 - n);
    if (n == 14)
        s.tilesShown = false;
    if (n == 11) {
        if (events_.resultCue)
            events_.resultCue(humanWonDeal_);
        s.humanTotalShown = true;
    }
    if (n == 9)
        s.computerTotalShown = true;
    if (n == 7)
        s.targetShown = true;
    if (n == 5 && events_.decide) {
        const MatchDecision decision = events_.decide();
        if (decision.over) {
            s.matchOver = true;
            s.matchWon = decision.won;
            s.resultShown = true;
            s.result = decision.won ? text::MATCH_WON : text::MATCH_LOST;
        }
    }
    if (n == 4)
        closing_.start();
    else
        animation_.start();
}

void MatchStatus::close()
{
    closing_.stop();
    state_.open = false;
    if (events_.closed)
        events_.closed(state_.matchWon);
}

} // namespace liorna
