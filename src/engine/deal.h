#pragma once
// The deal: the deck in fixed order and the time-driven draw from it, the pacing pool that spaces the
// deal's steps, the paced deal and refill of the hands, and the trump with the counters it is taken
// from. It shows the stock pile and the trump on the table and deals into the table's cards.

#include <array>
#include <optional>

#include "engine/card.h"
#include "engine/digit_pool.h"
#include "engine/free_running.h"
#include "engine/table_cards.h"
#include "engine/table_state.h"
#include "platform/engine_timer.h"

namespace liorna {

class GameSetup;

class Deal {
public:
    Deal(TableState& table, TableCards& cards, Timers& timers, Random& random);

    // The free-running counters and the pool's first window start with the program.
    void start();
    // A new deal: a full deck in order, the stock shown full with the given back, the pool renewed at
    // the first redraw.
    void reset(const Picture& back);

    std::optional<Card> drawCard();
    void scheduleDealStep();
    void dealOneCard();
    void continueDeal();
    // The hands are refilled after a trick of n cards each.
    void refillHands(int n);
    // The draw that would refill the human's last emptied place finds the stock empty: the place is
    // marked now, as the one refill step left would only have marked it.
    void markLastPlace(int ledCount);
    // The first redraw after a new deal renews the pacing pool.
    void refreshPoolIfDue();
    void announceTrump();
    void hideTrumpAnnouncementTick();

    std::int64_t now() const { return timers_.now(); }
    int stockCount() const { return stockCount_; }
    Suit trumpSuit() const { return trumpSuit_; }
    int shuffleCounter() const;
    std::optional<Suit> cycledSuit() const { return suitCycle_.cycledSuit(timers_.now()); }
    int trumpPhase() const { return trumpPhase_.value(timers_.now()); }
    // The computer's lead steps the suit cycle by hand once it falls back on it.
    SuitCycle& suitCycle() { return suitCycle_; }
    int dealStep() const { return dealStep_; }
    int paceDigit() const { return paceDigit_; }
    bool poolRefreshPending() const { return poolRefreshPending_; }
    // The pacing pool itself; reading it catches it up with the clock.
    DigitPool& pool() { return pool_; }
    bool inStock(int deckIndex) const { return deckList_[static_cast<std::size_t>(deckIndex)].has_value(); }

    EngineTimer& dealTimer() { return dealTimer_; }
    EngineTimer& hideTrumpTimer() { return hideTrumpAnnouncement_; }

private:
    friend class GameSetup;
    void setShuffleCounter(int value);
    void putDrawnCard(int step);
    void updateStockPile();

    TableState& table_;
    TableCards& cards_;
    Timers& timers_;
    std::array<std::optional<Card>, DECK_SIZE> deckList_{};
    std::optional<Card> drawnCard_;
    int stockCount_ = DECK_SIZE;
    int dealStep_ = 55;
    int paceDigit_ = -1;
    bool poolRefreshPending_ = false;
    DigitPool pool_;
    FreeRunningCounter shuffle_{interval::SHUFFLE};
    Suit trumpSuit_ = Suit::Hearts;
    SuitCycle suitCycle_;
    TrumpPhase trumpPhase_;

    EngineTimer dealTimer_;
    EngineTimer hideTrumpAnnouncement_;
};

} // namespace liorna
