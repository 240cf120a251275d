#include "game/game_setup.h"

#include "game/game_engine.h"
#include "platform/texts.h"

namespace liorna {

GameSetup& GameSetup::hand(Seat seat, const SlotRow& slots)
{
    TableCards& cards = e_.cards();
    Trick& trick = e_.trick();
    const Row row = seat == Seat::Human ? Row::Human : Row::Computer;
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        const Slot& slot = slots[k];
        cards.rows_[static_cast<std::size_t>(row)][k] = slot;
        CardView& view = cards.views(row)[k];
        view.shown = !slot.isEmpty();
        view.seeThrough = false;
        view.clickable = true;
        if (seat == Seat::Human) {
            view.picture = lookUpCardPicture(slot);
            trick.handSelected_[k] = false;
            trick.handCommitted_[k] = false;
        } else {
            view.picture = e_.profile().cardBack();
            cards.computerCardPictures_[k] = lookUpCardPicture(slot);
        }
    }
    return *this;
}

GameSetup& GameSetup::dealtHand(Seat seat, const SlotRow& slots)
{
    e_.cards().rows_[static_cast<std::size_t>(seat == Seat::Human ? Row::Human : Row::Computer)] = slots;
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
    e_.trick().ledCount_ = 0;
    e_.trick().uncoveredCount_ = 0;
    return *this;
}

GameSetup& GameSetup::stock(const std::vector<int>& deckIndexes)
{
    Deal& deal = e_.deal();
    deal.deckList_ = {};
    for (int i : deckIndexes)
        deal.deckList_[static_cast<std::size_t>(i)] = Card::fromDeckIndex(i);
    deal.stockCount_ = static_cast<int>(deckIndexes.size());
    deal.table_.stock.countShown = true;
    deal.table_.stock.count = std::to_string(deal.stockCount_);
    return *this;
}

GameSetup& GameSetup::stockExhausted()
{
    Deal& deal = e_.deal();
    deal.deckList_ = {};
    deal.stockCount_ = -1;
    deal.updateStockPile();
    return *this;
}

GameSetup& GameSetup::stockCount(int count)
{
    e_.deal().stockCount_ = count;
    return *this;
}

GameSetup& GameSetup::shuffleCounter(int value)
{
    e_.deal().setShuffleCounter(value);
    return *this;
}

GameSetup& GameSetup::dealStep(int step)
{
    e_.deal().dealStep_ = step;
    return *this;
}

GameSetup& GameSetup::trump(Suit suit)
{
    e_.deal().trumpSuit_ = suit;
    return *this;
}

GameSetup& GameSetup::cycledSuit(Suit suit)
{
    e_.deal().suitCycle_.show(suit, e_.now());
    return *this;
}

GameSetup& GameSetup::trumpPhase(int phase)
{
    e_.deal().trumpPhase_.set(phase, e_.now());
    return *this;
}

GameSetup& GameSetup::leader(Seat seat)
{
    e_.trick().leader_ = seat;
    return *this;
}

GameSetup& GameSetup::phase(TurnPhase phase)
{
    e_.trick().phase_ = phase;
    return *this;
}

GameSetup& GameSetup::ledCount(int count)
{
    e_.trick().ledCount_ = count;
    return *this;
}

GameSetup& GameSetup::computerLeadArmed(bool armed)
{
    e_.trick().computerLeadArmed_ = armed;
    return *this;
}

GameSetup& GameSetup::humanTrickPoints(int points)
{
    e_.trick().humanTrickPoints_ = points;
    return *this;
}

GameSetup& GameSetup::computerTrickPoints(int points)
{
    e_.trick().computerTrickPoints_ = points;
    return *this;
}

GameSetup& GameSetup::waitForLeader()
{
    Trick& trick = e_.trick();
    if (trick.ledCount_ != 0 || trick.phase_ == TurnPhase::DealOver)
        return *this;
    TableState& t = trick.table_;
    if (trick.leader_ == Seat::Human) {
        trick.phase_ = TurnPhase::HumanLeading;
        t.playShown = true;
        t.discardShown = false;
        t.actionCaption = text::ACTION_PLAY;
    } else {
        trick.phase_ = TurnPhase::AwaitingComputerLead;
        t.playShown = false;
        t.discardShown = true;
        t.actionCaption = text::ACTION_DISCARD;
    }
    return *this;
}

GameSetup& GameSetup::humanPenalty(int points)
{
    e_.match().humanPenalty_ = points;
    return *this;
}

GameSetup& GameSetup::computerPenalty(int points)
{
    e_.match().computerPenalty_ = points;
    return *this;
}

GameSetup& GameSetup::humanDealPenalty(int points)
{
    e_.match().humanDealPenalty_ = points;
    return *this;
}

GameSetup& GameSetup::computerDealPenalty(int points)
{
    e_.match().computerDealPenalty_ = points;
    return *this;
}

GameSetup& GameSetup::matchTargetCode(int code)
{
    e_.match().matchTargetCode_ = code;
    return *this;
}

GameSetup& GameSetup::matchMode(int mode)
{
    e_.match().matchMode_ = mode;
    return *this;
}

GameSetup& GameSetup::sound(bool on)
{
    e_.profile().soundOn_ = on;
    return *this;
}

GameSetup& GameSetup::cardBackChoice(const std::string& number)
{
    e_.profile().cardBackChoice_ = number;
    return *this;
}

GameSetup& GameSetup::availableBackCount(const std::string& count)
{
    e_.profile().availableBackCount_ = count;
    return *this;
}

} // namespace liorna
