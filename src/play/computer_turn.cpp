// The computer's turn. It answers the human's lead after its pause: beaten, it takes the trick with
// its covers on the table; not beaten, it gives up as many cards face down. It leads every card of its
// long suit (three or more), or else of the first suit it holds on the suit cycle; the first time it
// falls back on the cycle, the cycle's timer stops for good.

#include "opponent/answer_search.h"
#include "opponent/lead_choice.h"
#include "play/trick.h"

namespace liorna {

void Trick::startComputerAnswer()
{
    computerAnswerTimer_.start();
}

void Trick::beginComputerAnswer()
{
    computerAnswerTimer_.stop();
    trumpPhaseAtAnswer_ = deal_.trumpPhase();
    // Against a single card, trumps are used only while the trump phase is 1.
    const bool trumpsMarked = ledCount_ >= 2 || trumpPhaseAtAnswer_ == 1;
    const auto answer = searchAnswer(cards_.row(Row::Computer), cards_.row(Row::Led), ledCount_,
                                     deal_.trumpSuit(), trumpsMarked);
    if (!answer) {
        settleNotBeaten();
        return;
    }
    for (std::size_t j = 0; j < answer->size(); ++j) {
        const auto slot = static_cast<std::size_t>((*answer)[j] - 1);
        cards_.place(Row::Cover, j, cards_.slot(Row::Computer, slot), cards_.computerCardPicture(slot));
    }
    settleBeaten(*answer);
}

void Trick::settleNotBeaten()
{
    const int k = ledCount_;
    int points = 0;
    // The computer gives up slots 1 to k, whatever they hold.
    for (std::size_t j = 0; j < static_cast<std::size_t>(k); ++j)
        points += slotPoints(cards_.slot(Row::Computer, j)) + slotPoints(cards_.slot(Row::Led, j));
    cards_.startFlights(k);
    cue(Cue::ComputerGaveUp);
    humanTrickPoints_ += points;
    record(Seat::Human, true, points);
    for (std::size_t j = 0; j < static_cast<std::size_t>(k); ++j)
        cards_.remove(Row::Computer, j);
    restoreComputerHand();
    leader_ = Seat::Human;
    startAfterTrick();
}

void Trick::settleBeaten(const std::vector<int>& slots)
{
    // The covers stay on the table; their places in the hand are emptied.
    for (int s : slots)
        cards_.remove(Row::Computer, static_cast<std::size_t>(s - 1));
    int points = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(ledCount_); ++j)
        points += slotPoints(cards_.slot(Row::Led, j)) + slotPoints(cards_.slot(Row::Cover, j));
    computerTrickPoints_ += points;
    record(Seat::Computer, false, points);
    restoreComputerHand();
    cue(Cue::ComputerTook);
    leader_ = Seat::Computer;
    startAfterTrick();
}

void Trick::restoreComputerHand()
{
    // The places the answer played or gave were emptied and hidden with their cards; the unplayed cards
    // pack to the left in their order.
    cards_.pack(Row::Computer);
}

void Trick::tryComputerLead()
{
    if (cards_.slot(Row::Computer, 0).isEmpty())
        return;
    computerLead();
}

void Trick::computerLead()
{
    computerSuitCount_ = countSuits(cards_.row(Row::Computer));
    if (const auto suit = longSuit(computerSuitCount_)) {
        layComputerLead(*suit);
        return;
    }
    if (const auto suit = deal_.cycleToHeldSuit(computerSuitCount_)) {
        uncoveredCount_ = 0;
        layComputerLead(*suit);
    }
}

void Trick::layComputerLead(Suit suit)
{
    computerLeadSuit_ = suit;
    for (std::size_t i = 0; i < HAND_SIZE; ++i) {
        const Slot& slot = cards_.slot(Row::Computer, i);
        if (!slot.holdsCard() || slot.card.suit != suit)
            continue;
        cards_.move(Row::Computer, i, Row::Led, i, cards_.computerCardPicture(i));
        ++uncoveredCount_;
    }
    ledCount_ = uncoveredCount_;
    ++leads_;
    cards_.pack(Row::Led);
    cards_.pack(Row::Computer);
    phase_ = TurnPhase::HumanAnswering;
    cue(Cue::ComputerLed);
}

} // namespace liorna
