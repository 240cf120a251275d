// The human's turn: selecting a lead of one suit and playing it, or answering the computer's lead by
// picking cards and covering the led cards they beat, taking covers back, or giving the trick up.

#include "opponent/answer_search.h"
#include "platform/texts.h"
#include "play/trick.h"

namespace liorna {

namespace {

std::size_t at(int k)
{
    return static_cast<std::size_t>(k - 1);
}

} // namespace

// --- Input gates: what the table window delivers, taken only in the phases that expect it ---

void Trick::inputHandCard(int k, bool rightButton)
{
    if (k < 1 || k > HAND_SIZE || !cards_.at(Row::Human, at(k)).shown || cards_.veiled(at(k)))
        return;
    const bool leading = phase_ == TurnPhase::HumanLeading;
    const bool answering = phase_ == TurnPhase::HumanAnswering;
    if (!leading && !answering)
        return;
    if (rightButton) {
        clearHandSelection();
        return;
    }
    // Empty and exhausted slots hold nothing to play; a placed cover is no longer in play.
    if (!cards_.slot(Row::Human, at(k)).holdsCard() || cards_.at(Row::Human, at(k)).placed)
        return;
    clickHandCard(k);
}

void Trick::inputLedCard(int k)
{
    if (k < 1 || k > HAND_SIZE || !cards_.at(Row::Led, at(k)).shown || !cards_.at(Row::Led, at(k)).clickable)
        return;
    if (phase_ == TurnPhase::HumanAnswering)
        coverLedCard(k);
}

void Trick::inputCoverCard(int k)
{
    if (k < 1 || k > HAND_SIZE || !cards_.at(Row::Cover, at(k)).shown)
        return;
    // Only a cover the human placed can be taken back, and only while answering.
    if (phase_ == TurnPhase::HumanAnswering && coverSource_[at(k)] != 0)
        takeBackCover(k);
}

void Trick::inputPlay()
{
    if (playShown_ && phase_ == TurnPhase::HumanLeading)
        pressPlay();
}

void Trick::inputDiscard()
{
    if (discardShown_ && phase_ == TurnPhase::HumanAnswering)
        pressDiscard();
}

// --- The operations ---

void Trick::countPicks()
{
    // Counted once per card, so that the give-up needs as many different cards as are due.
    pickCount_ = 0;
    for (std::size_t j = 0; j < HAND_SIZE; ++j)
        pickCount_ += handCommitted_[j] && !cards_.at(Row::Human, j).placed ? 1 : 0;
}

void Trick::clickHandCard(int k)
{
    const Slot& slot = cards_.slot(Row::Human, at(k));
    if (leader_ == Seat::Human) {
        if (!checkLeadSuit(slot.card.suit)) {
            refuse(RefusalPlace::HandCard, k, RefusalReason::LeadSuit);
            return;
        }
        leadSuit_ = slot.card.suit;
        handSelected_[at(k)] = true;
    } else {
        picked_ = slot;
        pickedSlot_ = k;
        handSelected_ = {};
        handSelected_[at(k)] = true;
        handCommitted_[at(k)] = true;
        countPicks();
    }
    showPickedFace(k);
}

bool Trick::checkLeadSuit(Suit suit)
{
    if (!leadSuit_ || *leadSuit_ == suit)
        return true;
    cue(Cue::Refused);
    return false;
}

void Trick::showPickedFace(int k)
{
    if (handSelected_[at(k)])
        cards_.showSelectedFace(at(k));
}

void Trick::pressPlay()
{
    cue(Cue::Played);
    phase_ = TurnPhase::Playing;
    playStepCountdown_ = 6;
    playStepTimer_.start();
}

void Trick::playStepTick()
{
    // Six ticks repaint the faces plain, slot by slot, before the cards go to the table.
    playStepTimer_.stop();
    --playStepCountdown_;
    if (playStepCountdown_ >= 1 && playStepCountdown_ <= 5)
        cards_.showHandFace(static_cast<std::size_t>(5 - playStepCountdown_));
    if (playStepCountdown_ > 0) {
        playStepTimer_.start();
        return;
    }
    playSelection();
}

void Trick::playSelection()
{
    bool any = false;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        any = any || (handSelected_[k] && cards_.slot(Row::Human, k).holdsCard());
    if (!any) {
        // Nothing was selected: the press did not count, which a player with the sound off sees too.
        phase_ = TurnPhase::HumanLeading;
        refuse(RefusalPlace::PlayButton, 0, RefusalReason::NothingSelected);
        return;
    }
    showButtons(false, false, "");
    layHumanLead();
}

void Trick::layHumanLead()
{
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        if (!handSelected_[k] || !cards_.slot(Row::Human, k).holdsCard())
            continue;
        // A card goes to the table pair with the number of its hand slot, then everything packs left.
        cards_.move(Row::Human, k, Row::Led, k, cards_.at(Row::Human, k).picture);
        ++ledCount_;
    }
    handSelected_ = {};
    ++leads_;
    cards_.pack(Row::Led);
    cards_.pack(Row::Human);
    phase_ = TurnPhase::AwaitingAnswer;
    startComputerAnswer();
}

void Trick::coverLedCard(int k)
{
    cards_.redrawHandFaces();
    const bool picked = leader_ == Seat::Computer && picked_.holdsCard() && pickedSlot_ >= 1;
    const bool accepted =
        picked && answerBeats(picked_.card, cards_.slot(Row::Led, at(k)).card, deal_.trumpSuit(), true);
    if (!accepted) {
        cue(Cue::Refused);
        refuse(RefusalPlace::LedCard, k,
               picked ? RefusalReason::CoverDoesNotBeat : RefusalReason::NoCardPicked);
        return;
    }
    cards_.place(Row::Cover, at(k), picked_, lookUpCardPicture(picked_));
    cards_.setCovered(at(k), true);
    coverSource_[at(k)] = pickedSlot_;
    --uncoveredCount_;
    // The placed card stays in its slot, committed and see-through, until the trick is settled.
    cards_.layAsCover(at(pickedSlot_));
    handSelected_ = {};
    picked_ = Slot::empty();
    pickedSlot_ = 0;
    countPicks();
    settleHumanCovered();
}

void Trick::takeBackCover(int k)
{
    const int source = coverSource_[at(k)];
    cards_.takeBack(at(source));
    // The card is free again: neither placed nor picked.
    handCommitted_[at(source)] = false;
    cards_.remove(Row::Cover, at(k));
    ++uncoveredCount_;
    cards_.setCovered(at(k), false);
    coverSource_[at(k)] = 0;
}

void Trick::pressDiscard()
{
    // The give-up hands over exactly as many cards as were led: the covers already placed and the
    // cards picked besides them.
    int committed = 0;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        committed += handCommitted_[k] ? 1 : 0;
    if (committed != ledCount_) {
        cue(Cue::Refused);
        refuse(RefusalPlace::DiscardButton, 0, RefusalReason::DiscardCount, uncoveredCount_);
        return;
    }
    settleHumanGaveUp();
    showButtons(false, false, "");
    cue(Cue::HumanGaveUp);
}

void Trick::clearHandSelection()
{
    leadSuit_.reset();
    handSelected_ = {};
    picked_ = Slot::empty();
    pickedSlot_ = 0;
    // Placed covers stay on the table and stay committed; only the picks are released.
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        if (!cards_.at(Row::Human, k).placed)
            handCommitted_[k] = false;
    pickCount_ = 0;
    computerLeadArmed_ = false;
    cards_.redrawHands();
}

} // namespace liorna
