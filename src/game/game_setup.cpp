#include "game/game_setup.h"

#include "game/game_engine.h"

namespace liorna {

GameSetup& GameSetup::hand(Seat seat, const SlotRow& slots)
{
    const Row row = seat == Seat::Human ? Row::Human : Row::Computer;
    e_.cards().setPosition({row, slots, true, e_.profile().cardBack()});
    if (seat == Seat::Human)
        e_.trick().setPosition({.noSelection = true});
    return *this;
}

GameSetup& GameSetup::dealtHand(Seat seat, const SlotRow& slots)
{
    e_.cards().setPosition({seat == Seat::Human ? Row::Human : Row::Computer, slots, false, {}});
    return *this;
}

GameSetup& GameSetup::card(Row row, std::size_t i, Slot slot)
{
    e_.cards().place(row, i, slot, lookUpCardPicture(slot));
    return *this;
}

GameSetup& GameSetup::noTrick()
{
    TableCards& cards = e_.cards();
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        cards.remove(Row::Led, k);
        cards.remove(Row::Cover, k);
    }
    e_.trick().setPosition({.noTrick = true});
    return *this;
}

GameSetup& GameSetup::stock(const std::vector<int>& deckIndexes)
{
    e_.deal().setPosition({.stock = deckIndexes});
    return *this;
}

GameSetup& GameSetup::stockExhausted()
{
    e_.deal().setPosition({.stockExhausted = true});
    return *this;
}

GameSetup& GameSetup::stockCount(int count)
{
    e_.deal().setPosition({.stockCount = count});
    return *this;
}

GameSetup& GameSetup::shuffleCounter(int value)
{
    e_.deal().setPosition({.shuffleCounter = value});
    return *this;
}

GameSetup& GameSetup::dealStep(int step)
{
    e_.deal().setPosition({.dealStep = step});
    return *this;
}

GameSetup& GameSetup::trump(Suit suit)
{
    e_.deal().setPosition({.trumpSuit = suit});
    return *this;
}

GameSetup& GameSetup::cycledSuit(Suit suit)
{
    e_.deal().setPosition({.cycledSuit = suit});
    return *this;
}

GameSetup& GameSetup::trumpPhase(int phase)
{
    e_.deal().setPosition({.trumpPhase = phase});
    return *this;
}

GameSetup& GameSetup::pacingPool(const std::string& digits, int count)
{
    e_.deal().setPosition({.pool = std::pair{digits, count}});
    return *this;
}

GameSetup& GameSetup::leader(Seat seat)
{
    e_.trick().setPosition({.leader = seat});
    return *this;
}

GameSetup& GameSetup::phase(TurnPhase phase)
{
    e_.trick().setPosition({.phase = phase});
    return *this;
}

GameSetup& GameSetup::ledCount(int count)
{
    e_.trick().setPosition({.ledCount = count});
    return *this;
}

GameSetup& GameSetup::computerLeadArmed(bool armed)
{
    e_.trick().setPosition({.computerLeadArmed = armed});
    return *this;
}

GameSetup& GameSetup::humanTrickPoints(int points)
{
    e_.trick().setPosition({.humanTrickPoints = points});
    return *this;
}

GameSetup& GameSetup::computerTrickPoints(int points)
{
    e_.trick().setPosition({.computerTrickPoints = points});
    return *this;
}

GameSetup& GameSetup::waitForLeader()
{
    e_.trick().setPosition({.waitForLeader = true});
    return *this;
}

GameSetup& GameSetup::humanPenalty(int points)
{
    e_.match().setPosition({.humanPenalty = points});
    return *this;
}

GameSetup& GameSetup::computerPenalty(int points)
{
    e_.match().setPosition({.computerPenalty = points});
    return *this;
}

GameSetup& GameSetup::humanDealPenalty(int points)
{
    e_.match().setPosition({.humanDealPenalty = points});
    return *this;
}

GameSetup& GameSetup::computerDealPenalty(int points)
{
    e_.match().setPosition({.computerDealPenalty = points});
    return *this;
}

GameSetup& GameSetup::matchTargetCode(int code)
{
    e_.match().setPosition({.matchTargetCode = code});
    return *this;
}

GameSetup& GameSetup::matchMode(int mode)
{
    e_.match().setPosition({.matchMode = mode});
    return *this;
}

GameSetup& GameSetup::sound(bool on)
{
    e_.profile().setPosition({.soundOn = on});
    return *this;
}

GameSetup& GameSetup::cardBackChoice(const std::string& number)
{
    e_.profile().setPosition({.cardBackChoice = number});
    return *this;
}

GameSetup& GameSetup::availableBackCount(const std::string& count)
{
    e_.profile().setPosition({.availableBackCount = count});
    return *this;
}

} // namespace liorna
