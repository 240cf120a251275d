// The deck in fixed order, the time-driven draw, the paced deal and refill, and the new deal.

#include "game/game_engine.h"
#include "platform/texts.h"

namespace liorna {

namespace {

// Deal steps 54..45 fill human 1, computer 1, human 2, ... computer 5.
struct StepSlot {
    bool human;
    int index; // 0-based slot
};

StepSlot slotOfStep(int step)
{
    const int n = 54 - step; // 0..9
    return {n % 2 == 0, n / 2};
}

const char* announcementFor(Suit suit)
{
    static constexpr const char* texts[] = {text::TRUMP_HEARTS, text::TRUMP_DIAMONDS, text::TRUMP_SPADES,
                                            text::TRUMP_CLUBS};
    return texts[static_cast<int>(suit)];
}

} // namespace

std::optional<Card> GameEngine::drawCard()
{
    // The counter stands still from a draw that finds nothing until the next draw that finds a card.
    const auto t = now();
    shuffle_.stop(t);
    for (;;) {
        auto& line = deckList[static_cast<std::size_t>(shuffleCounter())];
        drawnCard = line;
        line.reset();
        if (drawnCard) {
            shuffle_.start(t);
            return drawnCard;
        }
        // advanceDraw: on to the next position, wrapping, while the stock still holds a card.
        setShuffleCounter((shuffleCounter() + 1) % DECK_SIZE);
        if (stockCount < 1)
            return std::nullopt;
    }
}

void GameEngine::scheduleDealStep()
{
    paceDigit = pool.takeDigit(now());
    if (paceDigit == 0) {
        continueDeal();
        return;
    }
    dealTimer_.setInterval(paceDigit * 10);
    dealTimer_.start();
}

void GameEngine::putDrawnCard(int step)
{
    const StepSlot slot = slotOfStep(step);
    auto& hand = slot.human ? humanHand : computerHand;
    hand[static_cast<std::size_t>(slot.index)] = drawnCard ? Slot::held(*drawnCard) : Slot::exhausted();
    --stockCount;
}

void GameEngine::dealOneCard()
{
    dealTimer_.stop();
    --dealStep;
    drawCard();
    putDrawnCard(dealStep);
    if (dealStep == 45)
        redrawHands();
    else
        continueDeal();
    updateStockPile();
}

void GameEngine::updateStockPile()
{
    if (stockCount < 0) {
        table_.stock.countShown = false;
        table_.stock.backs[0].picture = Picture::blank();
        table_.stock.backs[1].shown = false;
        table_.stock.backs[2].shown = false;
    } else {
        table_.stock.count = std::to_string(stockCount);
    }
}

void GameEngine::continueDeal()
{
    if (stockCount < 0)
        redrawHands();
    else
        scheduleDealStep();
}

void GameEngine::refillHands()
{
    const int n = ledCount;
    dealStep = 45 + 2 * n;
    // The refilled places are covered from the moment they show, so the veil only ever uncovers.
    for (int k = HAND_SIZE - n; k < HAND_SIZE; ++k) {
        table_.overlay[static_cast<std::size_t>(k)].shown = true;
        table_.overlay[static_cast<std::size_t>(k)].picture = Picture::cover(1);
    }
    scheduleDealStep();
}

void GameEngine::cancelPendingChains()
{
    // No step of the previous deal may touch the new one.
    dealTimers_.stopAll();
    for (auto& overlay : table_.overlay)
        overlay.shown = false;
    table_.flyingCard.shown = false;
    furtherFlights = 0;
}

void GameEngine::resetDealFields()
{
    deckList = {};
    for (int i = 0; i < DECK_SIZE; ++i)
        deckList[static_cast<std::size_t>(i)] = Card::fromDeckIndex(i);
    drawnCard.reset();
    stockCount = DECK_SIZE;
    dealStep = 55;
    paceDigit = -1;
    poolRefreshPending = true;
    trumpSuit = Suit::Hearts;
    humanHand = {};
    computerHand = {};
    handSelected = {};
    handCommitted = {};
    savedComputerHand = {};
    led = {};
    cover = {};
    coverSource = {};
    ledCount = 0;
    uncoveredCount = 0;
    pickCount = 0;
    picked = Slot::empty();
    pickedSlot = 0;
    leader = Seat::Human;
    leadSuit.reset();
    computerLeadSuit.reset();
    redrawStage = 0;
    computerLeadArmed = true;
    veilCountdown = 25;
    trumpPhase.set(2, now());
    trumpPhaseAtAnswer = 1;
    computerSuitCount = {};
    humanTrickPoints = 0;
    computerTrickPoints = 0;
    humanDealPenalty = 0;
    computerDealPenalty = 0;
}

void GameEngine::startNewDeal()
{
    cancelPendingChains();
    resetDealFields();
    phase = TurnPhase::NoTrick;
    ++dealsStarted;

    computerCardPictures = {};
    for (auto& slot : table_.humanHand)
        slot.picture = Picture::none();
    table_.trumpSymbol = Picture::none();

    table_.stock.countShown = true;
    for (auto* group : {&table_.led, &table_.cover, &table_.humanHand, &table_.computerHand})
        for (auto& view : *group)
            view.shown = false;
    table_.playShown = true;
    table_.discardShown = false;

    table_.stock.count = "0";
    table_.actionCaption = text::ACTION_PLAY;
    table_.humanPile.count = "0";
    table_.computerPile.count = "0";
    table_.humanPile.countShown = true;
    table_.computerPile.countShown = true;

    for (auto& slot : table_.computerHand)
        slot.picture = cardBackPicture;
    for (auto& back : table_.stock.backs)
        back.picture = cardBackPicture;
    table_.stock.backs[1].shown = true;
    table_.stock.backs[2].shown = true;

    for (auto& slot : table_.humanHand) {
        slot.clickable = true;
        slot.seeThrough = false;
    }
    for (auto* group : {&table_.led, &table_.cover})
        for (auto& view : *group)
            view.clickable = true;

    announceTrump();
    scheduleDealStep();
}

void GameEngine::announceTrump()
{
    // Before the cycle's first step it shows nothing; the deal then keeps hearts rather than going
    // without a trump.
    trumpSuit = cycledSuit().value_or(Suit::Hearts);
    table_.trumpSymbol = Picture::suitSymbol(static_cast<int>(trumpSuit));
    table_.trumpAnnouncement = announcementFor(trumpSuit);
    table_.trumpAnnouncementShown = true;
    hideTrumpAnnouncement_.start();
}

void GameEngine::hideTrumpAnnouncementTick()
{
    hideTrumpAnnouncement_.stop();
    table_.trumpAnnouncementShown = false;
    table_.trumpAnnouncement.clear();
}

} // namespace liorna
