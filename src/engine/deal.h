#pragma once
// The deal: the deck in fixed order and the time-driven draw from it, the pacing pool that spaces the
// deal's steps, the paced deal and refill of the hands, and the trump with the counters it is taken
// from. It shows the stock pile and the trump on the table and deals into the table's cards.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/card.h"
#include "engine/digit_pool.h"
#include "engine/free_running.h"
#include "engine/table_cards.h"
#include "engine/table_state.h"
#include "platform/engine_timer.h"
#include "platform/texts.h"

namespace liorna {

class Deal {
public:
    Deal(TableCards& cards, Timers& timers, Random& random);

    // The free-running counters and the pool's first window start with the program.
    void start();
    // A new deal: a full deck in order, the stock shown full with the given back, the pool renewed at
    // the first redraw.
    void reset(const Picture& back);
    // The stock's backs show this back.
    void showBack(const Picture& back);

    // The draw: the card at the shuffle counter, or the next one left after it, wrapping around.
    std::optional<Card> drawCard();
    // The deal (or the refill set up before it) takes its next step after a pacing delay.
    void scheduleDealStep();
    // The hands are refilled after a trick of n cards each.
    void refillHands(int n);
    // The draw that would refill the human's last emptied place finds the stock empty: the place is
    // marked now, as the one refill step left would only have marked it.
    void markLastPlace(int ledCount);
    // The first redraw after a new deal renews the pacing pool.
    void refreshPoolIfDue();
    void announceTrump();
    // The computer falls back on the suit cycle to lead: the cycle stops for good and is stepped by
    // hand, at most once round, until it shows a suit the hand holds (`suitCount` per suit). Before
    // its first step the cycle shows nothing, and hearts stands in, as for the trump.
    std::optional<Suit> cycleToHeldSuit(const std::array<int, 4>& suitCount);

    // A new deal stops the deal's next step; the trump announcement runs its course.
    void cancelPending() { dealTimer_.stop(); }
    // A deal step or the hiding of the announcement is still to come.
    bool pending() const { return dealTimer_.active() || hideTrumpAnnouncement_.active(); }

    std::int64_t now() const { return timers_.now(); }
    int stockCount() const { return stockCount_; }
    Suit trumpSuit() const { return trumpSuit_; }
    int shuffleCounter() const;
    std::optional<Suit> cycledSuit() const { return suitCycle_.cycledSuit(timers_.now()); }
    int suitCyclePhase() const { return suitCycle_.suitCyclePhase(timers_.now()); }
    int trumpPhase() const { return trumpPhase_.value(timers_.now()); }
    int dealStep() const { return dealStep_; }
    int paceDigit() const { return paceDigit_; }
    // The delay before the next deal step, while one is to come.
    int stepDelayMs() const { return dealTimer_.interval(); }
    bool poolRefreshPending() const { return poolRefreshPending_; }
    bool inStock(int deckIndex) const { return deckList_[static_cast<std::size_t>(deckIndex)].has_value(); }
    // The pacing pool as it stands now; reading it catches it up with the clock.
    struct PoolState {
        std::string digits;
        int count = 0;
        bool windowOpen = false;
    };
    PoolState pool();

    // A position for tests and the scenario driver: each value given is set as play would have left it.
    struct Position {
        // Exactly these cards (by deck position) left in the stock, and its count shown.
        std::optional<std::vector<int>> stock = std::nullopt;
        // The stock drawn past its end: no count, a blank top card.
        bool stockExhausted = false;
        std::optional<int> stockCount = std::nullopt;
        std::optional<int> shuffleCounter = std::nullopt;
        std::optional<int> dealStep = std::nullopt;
        std::optional<Suit> trumpSuit = std::nullopt;
        // The suit cycle or the trump phase shows this now; its next step comes a full period later.
        std::optional<Suit> cycledSuit = std::nullopt;
        std::optional<int> trumpPhase = std::nullopt;
        // The pacing pool holds these digits, as if that many numbers had been appended.
        std::optional<std::pair<std::string, int>> pool = std::nullopt;
    };
    void setPosition(const Position& position);

    // The stock pile, the trump symbol and the trump announcement, as the view draws them.
    void project(TableState& table) const;

private:
    void dealOneCard();
    void continueDeal();
    void hideTrumpAnnouncementTick();
    void setShuffleCounter(int value);
    void putDrawnCard(int step);
    void updateStockPile();

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

    // What the deal shows: the stock's three backs and its count, and the trump.
    // All three shown until the stock is drawn past its end.
    std::array<CardView, 3> stockBacks_{};
    bool stockCountShown_ = true;
    std::string stockCountText_ = "36";
    Picture trumpSymbol_;
    bool announcementShown_ = false;
    std::string announcement_ = text::TRUMP_HEARTS;

    EngineTimer dealTimer_;
    EngineTimer hideTrumpAnnouncement_;
};

} // namespace liorna
