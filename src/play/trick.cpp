// Settling the tricks the human answers, and the after-trick step every trick ends with: a pause with
// the trick on the table, then the clean-up, the refill or redraw, and the end-of-deal test.

#include "play/trick.h"

#include "platform/intervals.h"
#include "platform/texts.h"

namespace liorna {

Trick::Trick(TableCards& cards, Deal& deal, Timers& timers, Events events)
    : cards_(cards), deal_(deal), events_(std::move(events)),
      playStepTimer_(timers, interval::PLAY_STEP, [this] { playStepTick(); }),
      afterTrickTimer_(timers, interval::AFTER_TRICK_UNSET, [this] { events_.afterTrickPause(); }),
      computerAnswerTimer_(timers, interval::ANSWER_UNSET, [this] { beginComputerAnswer(); })
{
}

void Trick::setPauses(int afterTrickMs, int answerMs)
{
    afterTrickTimer_.setInterval(afterTrickMs);
    computerAnswerTimer_.setInterval(answerMs);
}

void Trick::cancelPending()
{
    playStepTimer_.stop();
    afterTrickTimer_.stop();
    computerAnswerTimer_.stop();
}

void Trick::project(TableState& table) const
{
    table.playShown = playShown_;
    table.discardShown = discardShown_;
    table.actionCaption = actionCaption_;
    for (auto [pile, count] : {std::pair{&table.humanPile, &humanPileCount_},
                               std::pair{&table.computerPile, &computerPileCount_}}) {
        for (CardView& b : pile->backs) {
            b.shown = true;
            b.picture = pileBack_;
        }
        pile->count = *count;
        pile->countShown = true;
    }
    table.refusal = refusal_;
}

void Trick::showButtons(bool play, bool discard, const char* caption)
{
    playShown_ = play;
    discardShown_ = discard;
    actionCaption_ = caption;
}

void Trick::setPosition(const Position& position)
{
    if (position.leader)
        leader_ = *position.leader;
    if (position.phase)
        phase_ = *position.phase;
    if (position.ledCount)
        ledCount_ = *position.ledCount;
    if (position.computerLeadArmed)
        computerLeadArmed_ = *position.computerLeadArmed;
    if (position.humanTrickPoints)
        humanTrickPoints_ = *position.humanTrickPoints;
    if (position.computerTrickPoints)
        computerTrickPoints_ = *position.computerTrickPoints;
    if (position.noTrick) {
        ledCount_ = 0;
        uncoveredCount_ = 0;
    }
    if (position.noSelection) {
        handSelected_ = {};
        handCommitted_ = {};
    }
    if (position.waitForLeader && ledCount_ == 0 && phase_ != TurnPhase::DealOver) {
        phase_ = leader_ == Seat::Human ? TurnPhase::HumanLeading : TurnPhase::AwaitingComputerLead;
        showLeaderButton();
    }
}

void Trick::showLeaderButton()
{
    const bool human = leader_ == Seat::Human;
    showButtons(human, !human, human ? text::ACTION_PLAY : text::ACTION_DISCARD);
}

void Trick::reset()
{
    phase_ = TurnPhase::NoTrick;
    handSelected_ = {};
    handCommitted_ = {};
    coverSource_ = {};
    ledCount_ = 0;
    uncoveredCount_ = 0;
    pickCount_ = 0;
    picked_ = Slot::empty();
    pickedSlot_ = 0;
    leader_ = Seat::Human;
    leadSuit_.reset();
    computerLeadSuit_.reset();
    computerSuitCount_ = {};
    trumpPhaseAtAnswer_ = 1;
    computerLeadArmed_ = true;
    humanTrickPoints_ = 0;
    computerTrickPoints_ = 0;
    settled_.reset();
    lastCleared_.reset();

    showButtons(true, false, text::ACTION_PLAY);
    humanPileCount_ = "0";
    computerPileCount_ = "0";
}

void Trick::endDeal()
{
    phase_ = TurnPhase::DealOver;
    // No button is left to caption.
    showButtons(false, false, "");
}

void Trick::handsRedrawn()
{
    // A finished deal starts no further trick.
    if (phase_ != TurnPhase::DealOver) {
        if (leader_ == Seat::Computer && computerLeadArmed_)
            tryComputerLead();
        else if (leader_ == Seat::Human && (phase_ == TurnPhase::NoTrick || phase_ == TurnPhase::Refilling))
            phase_ = TurnPhase::HumanLeading;
    }
    computerLeadArmed_ = true;
}

void Trick::settleHumanCovered()
{
    if (uncoveredCount_ != 0)
        return;
    cue(Cue::HumanTook);
    int points = 0;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        points += slotPoints(cards_.slot(Row::Led, k)) + slotPoints(cards_.slot(Row::Cover, k));
    humanTrickPoints_ += points;
    record(Seat::Human, false, points);
    // Exactly the placed covers leave the hand; a card picked and not placed stays.
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        if (coverSource_[k] != 0)
            cards_.remove(Row::Human, static_cast<std::size_t>(coverSource_[k] - 1));
    cards_.pack(Row::Human);
    leader_ = Seat::Human;
    startAfterTrick();
}

void Trick::settleHumanGaveUp()
{
    int points = 0;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        points += slotPoints(cards_.slot(Row::Led, k));
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        if (!handCommitted_[k])
            continue;
        points += slotPoints(cards_.slot(Row::Human, k));
        cards_.remove(Row::Human, k);
    }
    computerTrickPoints_ += points;
    record(Seat::Computer, true, points);
    cards_.pack(Row::Human);
    cards_.pack(Row::Computer);
    leader_ = Seat::Computer;
    startAfterTrick();
}

void Trick::record(Seat taker, bool givenUp, int points)
{
    TrickRecord r;
    r.count = ledCount_;
    r.led = cards_.row(Row::Led);
    if (!givenUp)
        r.cover = cards_.row(Row::Cover);
    r.givenUp = givenUp;
    r.taker = taker;
    r.points = points;
    settled_ = r;
}

void Trick::startAfterTrick()
{
    phase_ = TurnPhase::AfterTrick;
    afterTrickTimer_.start();
}

bool Trick::dealFinished() const
{
    // Once the stock has nothing left to draw, a human hand without a real card ends the deal; the
    // computer's is then empty too, since every trick takes as many cards from each hand.
    if (deal_.stockCount() > 0)
        return false;
    for (const auto& slot : cards_.row(Row::Human))
        if (slot.holdsCard())
            return false;
    return true;
}

TrickEnd Trick::clearTrick()
{
    afterTrickTimer_.stop();
    humanPileCount_ = std::to_string(humanTrickPoints_);
    computerPileCount_ = std::to_string(computerTrickPoints_);

    const bool finished = dealFinished();
    // A redraw still running from a right click must not end inside the refill and start a trick
    // with half-dealt hands; the refill ends with a redraw of its own.
    cards_.stopRedraw();
    if (deal_.stockCount() < 0) {
        cards_.redrawHands();
    } else if (finished) {
        // The last card fell on the last step of the previous refill and this trick emptied both
        // hands: the one refill step left would only mark its slot, so mark it now and close the deal.
        deal_.markLastPlace(ledCount_);
        cards_.redrawHands();
    } else {
        deal_.refillHands(ledCount_);
    }

    leadSuit_.reset();
    ledCount_ = 0;
    computerSuitCount_ = {};
    picked_ = Slot::empty();
    coverSource_ = {};
    pickedSlot_ = 0;
    uncoveredCount_ = 0;
    computerLeadArmed_ = true;
    pickCount_ = 0;
    handCommitted_ = {};
    handSelected_ = {};
    cards_.clearTrick();
    if (settled_)
        lastCleared_ = settled_;
    settled_.reset();

    if (finished) {
        endDeal();
        return TrickEnd::DealOver;
    }
    showLeaderButton();
    phase_ = leader_ == Seat::Computer ? TurnPhase::AwaitingComputerLead : TurnPhase::Refilling;
    return TrickEnd::NextTrick;
}

} // namespace liorna
