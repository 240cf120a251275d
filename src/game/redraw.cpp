// Keeping the table's pictures in step with the hands: the slot-by-slot redraw, the veil over
// refilled cards, and packing cards to the left over empty places.

#include "game/game_engine.h"

namespace liorna {

void GameEngine::redrawHands()
{
    redrawStage = 11;
    renderTimer_.start();
}

void GameEngine::redrawStep()
{
    renderTimer_.stop();
    --redrawStage;
    if (poolRefreshPending) {
        poolRefreshPending = false;
        pool.refresh(now());
    }
    // 10..6 are human slots 1..5, 5..1 computer slots 1..5; the computer's slots keep their backs.
    if (redrawStage >= 6 && redrawStage <= 10) {
        const auto k = static_cast<std::size_t>(10 - redrawStage);
        table_.humanHand[k].picture = lookUpCardPicture(humanHand[k]);
    } else if (redrawStage >= 1 && redrawStage <= 5) {
        const auto k = static_cast<std::size_t>(5 - redrawStage);
        computerCardPictures[k] = lookUpCardPicture(computerHand[k]);
    }
    if (redrawStage <= 0)
        finishRedraw();
    else
        renderTimer_.start();
}

void GameEngine::finishRedraw()
{
    redrawStage = 0;
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        table_.humanHand[k].shown = true;
        table_.computerHand[k].shown = !computerHand[k].isEmpty();
    }
    // A finished deal starts no further trick.
    if (phase != TurnPhase::DealOver) {
        if (leader == Seat::Computer && computerLeadArmed)
            tryComputerLead();
        else if (leader == Seat::Human && (phase == TurnPhase::NoTrick || phase == TurnPhase::Refilling))
            phase = TurnPhase::HumanLeading;
    }
    veilCountdown = 25;
    veilTimer_.start();
    computerLeadArmed = true;
}

void GameEngine::veilStep()
{
    --veilCountdown;
    if (veilCountdown >= 16 && veilCountdown <= 24)
        veilPicture = Picture::cover(26 - veilCountdown);
    if (veilCountdown <= 16) {
        veilTimer_.stop();
        for (auto& overlay : table_.overlay)
            overlay.shown = false;
    }
    for (auto& overlay : table_.overlay)
        overlay.picture = veilPicture;
}

namespace {

// One packing pass over a row: moves a card left over each hidden place, examining pairs from the
// right so a card can travel several places in one pass. Returns whether anything moved.
template <typename Move>
bool packPass(std::array<CardView, HAND_SIZE>& views, Move move)
{
    bool moved = false;
    for (int k = HAND_SIZE - 2; k >= 0; --k) {
        auto& here = views[static_cast<std::size_t>(k)];
        auto& next = views[static_cast<std::size_t>(k + 1)];
        if (!here.shown && next.shown) {
            move(static_cast<std::size_t>(k));
            next.shown = false;
            here.shown = true;
            moved = true;
        }
    }
    return moved;
}

} // namespace

// Packing repeats its passes until one moves nothing: with the pairs examined from the right a card can
// travel several places in one pass, so a row of five is packed after a few passes at most.
template <typename Move>
void packRow(std::array<CardView, HAND_SIZE>& views, Move move)
{
    while (packPass(views, move)) {}
}

void GameEngine::packHumanHand()
{
    packRow(table_.humanHand, [this](std::size_t k) {
        // The card takes its look with it: a placed cover's see-through state belongs to that card, not
        // to the place it leaves.
        auto& here = table_.humanHand[k];
        auto& next = table_.humanHand[k + 1];
        here.picture = next.picture;
        here.seeThrough = next.seeThrough;
        here.clickable = next.clickable;
        next.seeThrough = false;
        next.clickable = true;
        humanHand[k] = humanHand[k + 1];
        humanHand[k + 1] = Slot::empty();
    });
}

void GameEngine::packComputerHand()
{
    // The computer's slots all show the back; only the cards move.
    packRow(table_.computerHand, [this](std::size_t k) {
        computerHand[k] = computerHand[k + 1];
        computerHand[k + 1] = Slot::empty();
    });
}

void GameEngine::packLedCards()
{
    // Covers are laid after packing and stay put.
    packRow(table_.led, [this](std::size_t k) {
        table_.led[k].picture = table_.led[k + 1].picture;
        led[k] = led[k + 1];
        led[k + 1] = Slot::empty();
    });
}

} // namespace liorna
