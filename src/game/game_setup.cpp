#include "game/game_setup.h"

#include "game/game_engine.h"

namespace liorna {

GameSetup& GameSetup::done()
{
    // A position is seen as play would leave it, without waiting for the next event.
    e_.projectTable();
    return *this;
}

GameSetup& GameSetup::hand(Seat seat, const SlotRow& slots)
{
    const Row row = seat == Seat::Human ? Row::Human : Row::Computer;
    e_.cards().setPosition({row, slots, true, e_.profile().cardBack()});
    if (seat == Seat::Human)
        e_.trick().setPosition({.noSelection = true});
    return done();
}

GameSetup& GameSetup::dealtHand(Seat seat, const SlotRow& slots)
{
    e_.cards().setPosition({seat == Seat::Human ? Row::Human : Row::Computer, slots, false, {}});
    return done();
}

GameSetup& GameSetup::card(Row row, std::size_t i, Slot slot)
{
    e_.cards().place(row, i, slot, lookUpCardPicture(slot));
    return done();
}

GameSetup& GameSetup::noTrick()
{
    TableCards& cards = e_.cards();
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        cards.remove(Row::Led, k);
        cards.remove(Row::Cover, k);
    }
    e_.trick().setPosition({.noTrick = true});
    return done();
}

GameSetup& GameSetup::stock(const std::vector<int>& deckIndexes)
{
    e_.deal().setPosition({.stock = deckIndexes});
    return done();
}

GameSetup& GameSetup::stockExhausted()
{
    e_.deal().setPosition({.stockExhausted = true});
    return done();
}

GameSetup& GameSetup::stockCount(int count)
{
    e_.deal().setPosition({.stockCount = count});
    return done();
}

GameSetup& GameSetup::shuffleCounter(int value)
{
    e_.deal().setPosition({.shuffleCounter = value});
    return done();
}

GameSetup& GameSetup::dealStep(int step)
{
    e_.deal().setPosition({.dealStep = step});
    return done();
}

GameSetup& GameSetup::trump(Suit suit)
{
    e_.deal().setPosition({.trumpSuit = suit});
    return done();
}

GameSetup& GameSetup::cycledSuit(Suit suit)
{
    e_.deal().setPosition({.cycledSuit = suit});
    return done();
}

GameSetup& GameSetup::trumpPhase(int phase)
{
    e_.deal().setPosition({.trumpPhase = phase});
    return done();
}

GameSetup& GameSetup::pacingPool(const std::string& digits, int count)
{
    e_.deal().setPosition({.pool = std::pair{digits, count}});
    return done();
}

GameSetup& GameSetup::leader(Seat seat)
{
    e_.trick().setPosition({.leader = seat});
    return done();
}

GameSetup& GameSetup::phase(TurnPhase phase)
{
    e_.trick().setPosition({.phase = phase});
    return done();
}

GameSetup& GameSetup::ledCount(int count)
{
    e_.trick().setPosition({.ledCount = count});
    return done();
}

GameSetup& GameSetup::computerLeadArmed(bool armed)
{
    e_.trick().setPosition({.computerLeadArmed = armed});
    return done();
}

GameSetup& GameSetup::humanTrickPoints(int points)
{
    e_.trick().setPosition({.humanTrickPoints = points});
    return done();
}

GameSetup& GameSetup::computerTrickPoints(int points)
{
    e_.trick().setPosition({.computerTrickPoints = points});
    return done();
}

GameSetup& GameSetup::waitForLeader()
{
    e_.trick().setPosition({.waitForLeader = true});
    return done();
}

GameSetup& GameSetup::humanPenalty(int points)
{
    e_.match().setPosition({.humanPenalty = points});
    return done();
}

GameSetup& GameSetup::computerPenalty(int points)
{
    e_.match().setPosition({.computerPenalty = points});
    return done();
}

GameSetup& GameSetup::humanDealPenalty(int points)
{
    e_.match().setPosition({.humanDealPenalty = points});
    return done();
}

GameSetup& GameSetup::computerDealPenalty(int points)
{
    e_.match().setPosition({.computerDealPenalty = points});
    return done();
}

GameSetup& GameSetup::matchTargetCode(int code)
{
    e_.match().setPosition({.matchTargetCode = code});
    return done();
}

GameSetup& GameSetup::matchMode(int mode)
{
    e_.match().setPosition({.matchMode = mode});
    return done();
}

GameSetup& GameSetup::sound(bool on)
{
    e_.profile().setPosition({.soundOn = on});
    return done();
}

GameSetup& GameSetup::cardBackChoice(const std::string& number)
{
    e_.profile().setPosition({.cardBackChoice = number});
    return done();
}

GameSetup& GameSetup::availableBackCount(const std::string& count)
{
    e_.profile().setPosition({.availableBackCount = count});
    return done();
}

} // namespace liorna
