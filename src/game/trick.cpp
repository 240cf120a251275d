// Settling the tricks the human answers, and the after-trick step every trick ends with: a pause with
// the trick on the table, then the clean-up, the refill or redraw, and the end-of-deal test.

#include "game/game_engine.h"
#include "platform/texts.h"

namespace liorna {

void GameEngine::settleHumanCovered()
{
    if (uncoveredCount != 0)
        return;
    playCue(Cue::HumanTook);
    int points = 0;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        points += slotPoints(led[k]) + slotPoints(cover[k]);
    humanTrickPoints += points;
    // Exactly the placed covers leave the hand; a card picked and not placed stays.
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        if (coverSource[k] == 0)
            continue;
        const auto slot = static_cast<std::size_t>(coverSource[k] - 1);
        humanHand[slot] = Slot::empty();
        table_.humanHand[slot].shown = false;
    }
    packHumanHand();
    leader = Seat::Human;
    startAfterTrick();
}

void GameEngine::settleHumanGaveUp()
{
    int points = 0;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        points += slotPoints(led[k]);
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        if (!handCommitted[k])
            continue;
        points += slotPoints(humanHand[k]);
        humanHand[k] = Slot::empty();
        table_.humanHand[k].shown = false;
    }
    computerTrickPoints += points;
    packHumanHand();
    packComputerHand();
    leader = Seat::Computer;
    startAfterTrick();
}

void GameEngine::startAfterTrick()
{
    phase = TurnPhase::AfterTrick;
    afterTrickTimer_.start();
}

bool GameEngine::dealFinished() const
{
    // Once the stock has nothing left to draw, a human hand without a real card ends the deal; the
    // computer's is then empty too, since every trick takes as many cards from each hand.
    if (stockCount > 0)
        return false;
    for (const auto& slot : humanHand)
        if (slot.holdsCard())
            return false;
    return true;
}

void GameEngine::clearTrick()
{
    afterTrickTimer_.stop();
    table_.humanPile.count = std::to_string(humanTrickPoints);
    table_.computerPile.count = std::to_string(computerTrickPoints);

    const bool finished = dealFinished();
    // A redraw still running from a right click must not end inside the refill and start a trick
    // with half-dealt hands; the refill ends with a redraw of its own.
    renderTimer_.stop();
    if (stockCount < 0) {
        redrawHands();
    } else if (finished) {
        // The last card fell on the last step of the previous refill and this trick emptied both
        // hands: the one refill step left would only mark its slot, so mark it now and close the deal.
        humanHand[static_cast<std::size_t>(HAND_SIZE - ledCount)] = Slot::exhausted();
        --stockCount;
        updateStockPile();
        redrawHands();
    } else {
        refillHands();
    }

    leadSuit.reset();
    ledCount = 0;
    computerSuitCount = {};
    picked = Slot::empty();
    coverSource = {};
    pickedSlot = 0;
    uncoveredCount = 0;
    computerLeadArmed = true;
    led = {};
    cover = {};
    pickCount = 0;
    handCommitted = {};

    for (auto* group : {&table_.led, &table_.cover})
        for (auto& view : *group) {
            view.shown = false;
            view.clickable = true;
        }
    for (auto& view : table_.humanHand) {
        view.seeThrough = false;
        view.clickable = true;
    }
    handSelected = {};
    computerCardPictures = {};

    if (leader == Seat::Human) {
        table_.playShown = true;
        table_.discardShown = false;
        table_.actionCaption = text::ACTION_PLAY;
    } else {
        table_.discardShown = true;
        table_.playShown = false;
        table_.actionCaption = text::ACTION_DISCARD;
    }
    phase = leader == Seat::Computer ? TurnPhase::AwaitingComputerLead : TurnPhase::Refilling;
    if (finished)
        scoreDeal();
}

} // namespace liorna
