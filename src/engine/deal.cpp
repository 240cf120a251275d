#include "engine/deal.h"

#include "platform/texts.h"

namespace liorna {

namespace {

// Deal steps 54..45 fill human 1, computer 1, human 2, ... computer 5.
struct StepSlot {
    Row hand;
    std::size_t index;
};

StepSlot slotOfStep(int step)
{
    const int n = 54 - step; // 0..9
    return {n % 2 == 0 ? Row::Human : Row::Computer, static_cast<std::size_t>(n / 2)};
}

const char* announcementFor(Suit suit)
{
    static constexpr const char* texts[] = {text::TRUMP_HEARTS, text::TRUMP_DIAMONDS, text::TRUMP_SPADES,
                                            text::TRUMP_CLUBS};
    return texts[static_cast<int>(suit)];
}

} // namespace

Deal::Deal(TableCards& cards, Timers& timers, Random& random)
    : cards_(cards), timers_(timers), pool_(random),
      dealTimer_(timers, interval::DEAL_UNSET, [this] { dealOneCard(); }),
      hideTrumpAnnouncement_(timers, interval::HIDE_TRUMP, [this] { hideTrumpAnnouncementTick(); })
{
    for (int i = 0; i < DECK_SIZE; ++i)
        deckList_[static_cast<std::size_t>(i)] = Card::fromDeckIndex(i);
    for (CardView& b : stockBacks_)
        b.shown = true;
}

void Deal::start()
{
    const auto t = timers_.now();
    pool_.openWindow(t);
    shuffle_.start(t);
    suitCycle_.start(t);
    trumpPhase_.start(t);
}

void Deal::reset(const Picture& back)
{
    for (int i = 0; i < DECK_SIZE; ++i)
        deckList_[static_cast<std::size_t>(i)] = Card::fromDeckIndex(i);
    drawnCard_.reset();
    stockCount_ = DECK_SIZE;
    dealStep_ = 55;
    paceDigit_ = -1;
    poolRefreshPending_ = true;
    trumpSuit_ = Suit::Hearts;
    trumpPhase_.set(2, timers_.now());

    trumpSymbol_ = Picture::none();
    stockCountShown_ = true;
    stockCountText_ = "0";
    showBack(back);
    stockBacks_[1].shown = true;
    stockBacks_[2].shown = true;
}

void Deal::showBack(const Picture& back)
{
    for (auto& b : stockBacks_)
        b.picture = back;
}

int Deal::shuffleCounter() const
{
    return static_cast<int>(shuffle_.steps(timers_.now()) % DECK_SIZE);
}

void Deal::setShuffleCounter(int value)
{
    shuffle_.setSteps(value, timers_.now());
}

std::optional<Card> Deal::drawCard()
{
    // The counter stands still from a draw that finds nothing until the next draw that finds a card.
    const auto t = timers_.now();
    shuffle_.stop(t);
    int position = shuffleCounter();
    for (;;) {
        auto& line = deckList_[static_cast<std::size_t>(position)];
        drawnCard_ = line;
        line.reset();
        if (drawnCard_) {
            shuffle_.start(t);
            return drawnCard_;
        }
        // advanceDraw: on to the next position, wrapping, while the stock still holds a card.
        position = (position + 1) % DECK_SIZE;
        setShuffleCounter(position);
        if (stockCount_ < 1)
            return std::nullopt;
    }
}

void Deal::scheduleDealStep()
{
    paceDigit_ = pool_.takeDigit(timers_.now());
    if (paceDigit_ == 0) {
        continueDeal();
        return;
    }
    dealTimer_.setInterval(paceDigit_ * interval::DEAL_PER_DIGIT);
    dealTimer_.start();
}

void Deal::putDrawnCard(int step)
{
    const StepSlot slot = slotOfStep(step);
    cards_.deal(slot.hand, slot.index, drawnCard_ ? Slot::held(*drawnCard_) : Slot::exhausted());
    --stockCount_;
}

void Deal::dealOneCard()
{
    dealTimer_.stop();
    --dealStep_;
    drawCard();
    putDrawnCard(dealStep_);
    if (dealStep_ == 45)
        cards_.redrawHands();
    else
        continueDeal();
    updateStockPile();
}

void Deal::updateStockPile()
{
    if (stockCount_ < 0) {
        stockCountShown_ = false;
        stockBacks_[0].picture = Picture::blank();
        stockBacks_[1].shown = false;
        stockBacks_[2].shown = false;
    } else {
        stockCountText_ = std::to_string(stockCount_);
    }
}

void Deal::continueDeal()
{
    if (stockCount_ < 0)
        cards_.redrawHands();
    else
        scheduleDealStep();
}

void Deal::refillHands(int n)
{
    dealStep_ = 45 + 2 * n;
    // The refilled places are covered from the moment they show, so the veil only ever uncovers.
    cards_.coverRefilled(n);
    scheduleDealStep();
}

void Deal::markLastPlace(int ledCount)
{
    cards_.deal(Row::Human, static_cast<std::size_t>(HAND_SIZE - ledCount), Slot::exhausted());
    --stockCount_;
    updateStockPile();
}

std::optional<Suit> Deal::cycleToHeldSuit(const std::array<int, 4>& suitCount)
{
    const auto t = timers_.now();
    suitCycle_.stop(t);
    Suit suit = suitCycle_.cycledSuit(t).value_or(Suit::Hearts);
    // Four steps pass every suit once; a hand without a card of any suit leads nothing.
    for (int step = 0; step < 4; ++step) {
        if (suitCount[static_cast<std::size_t>(suit)] > 0)
            return suit;
        suitCycle_.advance(t);
        suit = *suitCycle_.cycledSuit(t);
    }
    return std::nullopt;
}

Deal::PoolState Deal::pool()
{
    const auto t = timers_.now();
    return {pool_.digits(t), pool_.poolCount(t), pool_.windowOpen(t)};
}

void Deal::setPosition(const Position& position)
{
    const auto t = timers_.now();
    if (position.stock) {
        deckList_ = {};
        for (int i : *position.stock)
            deckList_[static_cast<std::size_t>(i)] = Card::fromDeckIndex(i);
        stockCount_ = static_cast<int>(position.stock->size());
        stockCountShown_ = true;
        stockCountText_ = std::to_string(stockCount_);
    }
    if (position.stockExhausted) {
        deckList_ = {};
        stockCount_ = -1;
        updateStockPile();
    }
    if (position.stockCount)
        stockCount_ = *position.stockCount;
    if (position.shuffleCounter)
        setShuffleCounter(*position.shuffleCounter);
    if (position.dealStep)
        dealStep_ = *position.dealStep;
    if (position.trumpSuit)
        trumpSuit_ = *position.trumpSuit;
    if (position.cycledSuit)
        suitCycle_.show(*position.cycledSuit, t);
    if (position.trumpPhase)
        trumpPhase_.set(*position.trumpPhase, t);
    if (position.pool)
        pool_.setPool(position.pool->first, position.pool->second);
}

void Deal::refreshPoolIfDue()
{
    if (poolRefreshPending_) {
        poolRefreshPending_ = false;
        pool_.refresh(timers_.now());
    }
}

void Deal::announceTrump()
{
    // Before the cycle's first step it shows nothing; the deal then keeps hearts rather than going
    // without a trump.
    trumpSuit_ = cycledSuit().value_or(Suit::Hearts);
    trumpSymbol_ = Picture::suitSymbol(static_cast<int>(trumpSuit_));
    announcement_ = announcementFor(trumpSuit_);
    announcementShown_ = true;
    hideTrumpAnnouncement_.start();
}

void Deal::hideTrumpAnnouncementTick()
{
    hideTrumpAnnouncement_.stop();
    announcementShown_ = false;
    announcement_.clear();
}

void Deal::project(TableState& table) const
{
    table.stock.backs = stockBacks_;
    table.stock.countShown = stockCountShown_;
    table.stock.count = stockCountText_;
    table.trumpSymbol = trumpSymbol_;
    table.trumpAnnouncementShown = announcementShown_;
    table.trumpAnnouncement = announcement_;
}

} // namespace liorna
