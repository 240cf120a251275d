// Deal scoring, the match status screen's countdown, and the end of a match.

#include "engine/game_engine.h"
#include "play/scoring.h"

namespace liorna {

int penaltyForPoints(int points)
{
    if (points == 0)
        return 6;
    if (points < 32)
        return 4;
    if (points < 60)
        return 2;
    return 0;
}

void GameEngine::scoreDeal()
{
    phase = TurnPhase::DealOver;
    ++dealsScored;
    table_.playShown = false;
    table_.discardShown = false;
    // No button is left to caption.
    table_.actionCaption.clear();
    computerDealPenalty = penaltyForPoints(computerTrickPoints);
    humanDealPenalty = penaltyForPoints(humanTrickPoints);
    computerPenalty += computerDealPenalty;
    humanPenalty += humanDealPenalty;
    table_.humanScore = "На Вас: " + std::to_string(humanPenalty);
    table_.computerScore = "На сопернике: " + std::to_string(computerPenalty);

    matchStatus_ = MatchStatusState{};
    matchStatus_.open = true;
    matchStatus_.humanTotal = std::to_string(humanPenalty);
    matchStatus_.computerTotal = std::to_string(computerPenalty);
    matchStatus_.target = std::to_string(matchTargetCode - 10);
    statusAnimationTimer_.setInterval(450);
    statusAnimationTimer_.start();
    screens_.openMatchStatus();
}

void GameEngine::clickMatchStatus()
{
    // The rest of the countdown runs at once; the close timer keeps its second.
    if (matchStatus_.open && statusAnimationTimer_.active())
        statusAnimationTimer_.setInterval(1);
}

void GameEngine::statusAnimationTick()
{
    statusAnimationTimer_.stop();
    MatchStatusState& s = matchStatus_;
    const int n = --s.statusCountdown;
    if (n >= 14 && n <= 24)
        s.frame = Picture::cover(24 - n);
    if (n == 14)
        s.tilesShown = false;
    if (n == 11) {
        playCue(computerDealPenalty > humanDealPenalty ? 4 : 5);
        s.humanTotalShown = true;
    }
    if (n == 9)
        s.computerTotalShown = true;
    if (n == 7)
        s.targetShown = true;
    if (n == 5)
        checkMatchEnd();
    if (n == 4)
        statusCloseTimer_.start();
    else
        statusAnimationTimer_.start();
}

void GameEngine::checkMatchEnd()
{
    MatchStatusState& s = matchStatus_;
    const int target = matchTargetCode - 10;
    const bool humanOver = humanPenalty >= target;
    const bool computerOver = computerPenalty >= target;
    if (humanOver || computerOver) {
        // Both over the target after one deal: the side with more penalty points loses, and a tie
        // counts against the human. One result only is recorded.
        const bool won = computerOver && (!humanOver || computerPenalty > humanPenalty);
        s.matchOver = true;
        s.matchWon = won;
        s.resultShown = true;
        s.result = won ? MATCH_WON_TEXT : MATCH_LOST_TEXT;
        ++matchesFinished;
        phase = TurnPhase::NoTrick;
        // A result that cannot be saved is reported; the screen still runs to its end.
        try {
            if (won)
                recordMatchWon();
            else
                recordMatchLost();
        } catch (const UserError& error) {
            reportAfterEvent(error.what());
        }
        return;
    }
    startNewDeal();
    phase = TurnPhase::NoTrick;
    playCue(1);
}

void GameEngine::statusCloseTick()
{
    statusCloseTimer_.stop();
    if (matchStatus_.matchWon)
        screens_.openBonus(true);
    matchStatus_.open = false;
    screens_.close(ScreenId::MatchStatus);
}

} // namespace liorna
