// The computer answers the human's lead after its pause, and the trick is settled: beaten, the
// computer takes it with its covers on the table; not beaten, it gives up as many cards face down.

#include "game/game_engine.h"
#include "opponent/answer_search.h"

namespace liorna {

void GameEngine::startComputerAnswer()
{
    computerAnswerTimer_.start();
}

void GameEngine::beginComputerAnswer()
{
    computerAnswerTimer_.stop();
    savedComputerHand = computerHand;
    trumpPhaseAtAnswer = trumpPhase.value(now());
    // Against a single card, trumps are used only while the trump phase is 1.
    const bool trumpsMarked = ledCount >= 2 || trumpPhaseAtAnswer == 1;
    const auto answer = searchAnswer(computerHand, led, ledCount, trumpSuit, trumpsMarked);
    if (answer) {
        for (std::size_t j = 0; j < answer->size(); ++j) {
            const auto slot = static_cast<std::size_t>((*answer)[j] - 1);
            cover[j] = computerHand[slot];
            table_.cover[j].picture = computerCardPictures[slot];
            table_.cover[j].shown = true;
        }
        settleBeaten(*answer);
    } else {
        settleNotBeaten();
    }
}

void GameEngine::settleNotBeaten()
{
    const int k = ledCount;
    int points = 0;
    // The computer gives up slots 1 to k, whatever they hold.
    for (std::size_t j = 0; j < static_cast<std::size_t>(k); ++j)
        points += slotPoints(computerHand[j]) + slotPoints(led[j]);
    furtherFlights = k - 1;
    table_.flyingCard.shown = true;
    startCardFlight();
    playCue(Cue::ComputerGaveUp);
    humanTrickPoints += points;
    for (std::size_t j = 0; j < static_cast<std::size_t>(k); ++j)
        computerHand[j] = Slot::empty();
    restoreComputerHand();
    leader = Seat::Human;
    startAfterTrick();
}

void GameEngine::settleBeaten(const std::vector<int>& slots)
{
    for (int s : slots)
        computerHand[static_cast<std::size_t>(s - 1)] = Slot::empty();
    int points = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(ledCount); ++j)
        points += slotPoints(led[j]) + slotPoints(cover[j]);
    computerTrickPoints += points;
    restoreComputerHand();
    playCue(Cue::ComputerTook);
    leader = Seat::Computer;
    startAfterTrick();
}

void GameEngine::restoreComputerHand()
{
    // Played and given slots are hidden; the rest are packed to the left in their order.
    for (std::size_t i = HAND_SIZE; i-- > 0;) {
        if (computerHand[i].isEmpty())
            table_.computerHand[i].shown = false;
        else
            computerHand[i] = savedComputerHand[i];
    }
    packComputerHand();
}

} // namespace liorna
