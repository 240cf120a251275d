// The computer leads every card of its long suit (three or more), or else of the first suit it holds
// on the suit cycle; the first time it falls back on the cycle, the cycle's timer stops for good.

#include "game/game_engine.h"

namespace liorna {

void GameEngine::tryComputerLead()
{
    if (computerHand[0].isEmpty())
        return;
    computerLead();
}

void GameEngine::computerLead()
{
    computerSuitCount = {};
    for (const Slot& slot : computerHand)
        if (slot.holdsCard())
            ++computerSuitCount[static_cast<std::size_t>(slot.card.suit)];
    for (int wanted : {5, 4, 3})
        for (Suit suit : ALL_SUITS)
            if (computerSuitCount[static_cast<std::size_t>(suit)] == wanted) {
                layComputerLead(suit);
                return;
            }
    const auto t = now();
    suitCycle.stop(t);
    // Before its first step the cycle shows nothing; hearts stands in, as for the trump.
    Suit suit = cycledSuit().value_or(Suit::Hearts);
    // Four steps pass every suit once; a hand without a card of any suit leads nothing.
    for (int step = 0; step < 4; ++step) {
        if (computerSuitCount[static_cast<std::size_t>(suit)] > 0) {
            uncoveredCount = 0;
            layComputerLead(suit);
            return;
        }
        suitCycle.advance(t);
        suit = *cycledSuit();
    }
}

void GameEngine::layComputerLead(Suit suit)
{
    computerLeadSuit = suit;
    for (std::size_t i = 0; i < HAND_SIZE; ++i) {
        if (!computerHand[i].holdsCard() || computerHand[i].card.suit != suit)
            continue;
        led[i] = computerHand[i];
        table_.led[i].picture = computerCardPictures[i];
        table_.led[i].shown = true;
        table_.computerHand[i].shown = false;
        computerHand[i] = Slot::empty();
        ++uncoveredCount;
    }
    ledCount = uncoveredCount;
    packLedCards();
    packComputerHand();
    phase = TurnPhase::HumanAnswering;
    playCue(Cue::ComputerLed);
}

} // namespace liorna
