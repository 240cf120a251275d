// The human's turn: selecting a lead of one suit and playing it, or answering the computer's lead by
// picking cards and covering the led cards they beat, taking covers back, or giving the trick up.

#include "game/game_engine.h"
#include "opponent/answer_search.h"

namespace liorna {

namespace {

std::size_t at(int k)
{
    return static_cast<std::size_t>(k - 1);
}

} // namespace

// --- Input gates: what the table window delivers, taken only in the phases that expect it ---

void GameEngine::inputHandCard(int k, bool rightButton)
{
    table_.focus.shown = false;
    if (k < 1 || k > HAND_SIZE || !table_.humanHand[at(k)].shown || table_.overlay[at(k)].shown)
        return;
    const bool leading = phase == TurnPhase::HumanLeading;
    const bool answering = phase == TurnPhase::HumanAnswering;
    if (!leading && !answering)
        return;
    if (rightButton) {
        clearHandSelection();
        return;
    }
    // Empty and exhausted slots hold nothing to play; a placed cover is no longer in play.
    if (!humanHand[at(k)].holdsCard() || table_.humanHand[at(k)].seeThrough)
        return;
    clickHandCard(k);
}

void GameEngine::inputLedCard(int k)
{
    table_.focus.shown = false;
    if (k < 1 || k > HAND_SIZE || !table_.led[at(k)].shown || !table_.led[at(k)].clickable)
        return;
    if (phase == TurnPhase::HumanAnswering)
        coverLedCard(k);
}

void GameEngine::inputCoverCard(int k)
{
    table_.focus.shown = false;
    if (k < 1 || k > HAND_SIZE || !table_.cover[at(k)].shown)
        return;
    // Only a cover the human placed can be taken back, and only while answering.
    if (phase == TurnPhase::HumanAnswering && coverSource[at(k)] != 0)
        takeBackCover(k);
}

void GameEngine::inputPlay()
{
    table_.focus.shown = false;
    if (table_.playShown && phase == TurnPhase::HumanLeading)
        pressPlay();
}

void GameEngine::inputDiscard()
{
    table_.focus.shown = false;
    if (table_.discardShown && phase == TurnPhase::HumanAnswering)
        pressDiscard();
}

// --- The operations ---

void GameEngine::clickHandCard(int k)
{
    const Slot& slot = humanHand[at(k)];
    if (leader == Seat::Human) {
        if (!checkLeadSuit(slot.card.suit)) {
            refuse(RefusalPlace::HandCard, k);
            return;
        }
        leadSuit = slot.card.suit;
        handSelected[at(k)] = true;
    } else {
        picked = slot;
        pickedSlot = k;
        handSelected = {};
        handSelected[at(k)] = true;
        handCommitted[at(k)] = true;
        // Counted once per card, so that the give-up needs as many different cards as are due.
        pickCount = 0;
        for (std::size_t j = 0; j < HAND_SIZE; ++j)
            pickCount += handCommitted[j] && !table_.humanHand[j].seeThrough ? 1 : 0;
    }
    showPickedFace(k);
}

bool GameEngine::checkLeadSuit(Suit suit)
{
    if (!leadSuit || *leadSuit == suit)
        return true;
    playCue(Cue::Refused);
    return false;
}

void GameEngine::showPickedFace(int k)
{
    if (handSelected[at(k)])
        table_.humanHand[at(k)].picture = selectedFacePicture(humanHand[at(k)]);
}

void GameEngine::redrawHandFaces()
{
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        table_.humanHand[k].picture = lookUpCardPicture(humanHand[k]);
}

void GameEngine::pressPlay()
{
    playCue(Cue::Played);
    phase = TurnPhase::Playing;
    playStepCountdown_ = 6;
    playStepTimer_.start();
}

void GameEngine::playStepTick()
{
    // Six ticks repaint the faces plain, slot by slot, before the cards go to the table.
    playStepTimer_.stop();
    --playStepCountdown_;
    if (playStepCountdown_ >= 1 && playStepCountdown_ <= 5) {
        const std::size_t k = static_cast<std::size_t>(5 - playStepCountdown_);
        table_.humanHand[k].picture = lookUpCardPicture(humanHand[k]);
    }
    if (playStepCountdown_ > 0) {
        playStepTimer_.start();
        return;
    }
    playSelection();
}

void GameEngine::playSelection()
{
    bool any = false;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        any = any || (handSelected[k] && humanHand[k].holdsCard());
    if (!any) {
        // Nothing was selected: the press did not count, which a player with the sound off sees too.
        phase = TurnPhase::HumanLeading;
        refuse(RefusalPlace::PlayButton, 0);
        return;
    }
    table_.playShown = false;
    table_.discardShown = false;
    layHumanLead();
    table_.actionCaption.clear();
}

void GameEngine::layHumanLead()
{
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        if (!handSelected[k] || !humanHand[k].holdsCard())
            continue;
        // A card goes to the table pair with the number of its hand slot, then everything packs left.
        table_.led[k].picture = table_.humanHand[k].picture;
        table_.led[k].shown = true;
        led[k] = humanHand[k];
        table_.humanHand[k].shown = false;
        humanHand[k] = Slot::empty();
        ++ledCount;
    }
    handSelected = {};
    packLedCards();
    packHumanHand();
    phase = TurnPhase::AwaitingAnswer;
    startComputerAnswer();
}

void GameEngine::coverLedCard(int k)
{
    redrawHandFaces();
    const bool accepted = leader == Seat::Computer && picked.holdsCard() && pickedSlot >= 1 &&
                          answerBeats(picked.card, led[at(k)].card, trumpSuit, true);
    if (!accepted) {
        playCue(Cue::Refused);
        refuse(RefusalPlace::LedCard, k);
        return;
    }
    cover[at(k)] = picked;
    table_.cover[at(k)].picture = lookUpCardPicture(picked);
    table_.cover[at(k)].shown = true;
    table_.led[at(k)].clickable = false;
    coverSource[at(k)] = pickedSlot;
    --uncoveredCount;
    // The placed card stays in its slot, committed and see-through, until the trick is settled.
    auto& placed = table_.humanHand[at(pickedSlot)];
    placed.seeThrough = true;
    placed.clickable = false;
    handSelected = {};
    picked = Slot::empty();
    pickedSlot = 0;
    pickCount = 0;
    for (std::size_t j = 0; j < HAND_SIZE; ++j)
        pickCount += handCommitted[j] && !table_.humanHand[j].seeThrough ? 1 : 0;
    settleHumanCovered();
}

void GameEngine::takeBackCover(int k)
{
    const int source = coverSource[at(k)];
    auto& view = table_.humanHand[at(source)];
    view.seeThrough = false;
    view.clickable = true;
    // The card is free again: neither placed nor picked.
    handCommitted[at(source)] = false;
    cover[at(k)] = Slot::empty();
    ++uncoveredCount;
    table_.led[at(k)].clickable = true;
    table_.cover[at(k)].shown = false;
    coverSource[at(k)] = 0;
}

void GameEngine::pressDiscard()
{
    // The give-up hands over exactly as many cards as were led: the covers already placed and the
    // cards picked besides them.
    int committed = 0;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        committed += handCommitted[k] ? 1 : 0;
    if (committed != ledCount) {
        playCue(Cue::Refused);
        refuse(RefusalPlace::DiscardButton, 0);
        return;
    }
    settleHumanGaveUp();
    table_.playShown = false;
    table_.discardShown = false;
    table_.actionCaption.clear();
    playCue(Cue::HumanGaveUp);
}

void GameEngine::clearHandSelection()
{
    leadSuit.reset();
    handSelected = {};
    picked = Slot::empty();
    pickedSlot = 0;
    // Placed covers stay on the table and stay committed; only the picks are released.
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        if (!table_.humanHand[k].seeThrough)
            handCommitted[k] = false;
    pickCount = 0;
    computerLeadArmed = false;
    redrawHands();
}

} // namespace liorna
