// Deal scoring, the match status screen's countdown, the end of a match and its result.

#include "game/game_engine.h"
#include "persist/settings_schema.h"
#include "persist/statistics.h"
#include "platform/texts.h"
#include "play/scoring.h"

namespace liorna {

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
    table_.humanScore = text::HUMAN_SCORE + std::to_string(humanPenalty);
    table_.computerScore = text::COMPUTER_SCORE + std::to_string(computerPenalty);

    matchStatus_.open(humanPenalty, computerPenalty, matchTarget(), computerDealPenalty > humanDealPenalty);
    screens_.openMatchStatus();
}

void GameEngine::clickMatchStatus()
{
    matchStatus_.click();
}

MatchDecision GameEngine::checkMatchEnd()
{
    const int target = matchTarget();
    const bool humanOver = humanPenalty >= target;
    const bool computerOver = computerPenalty >= target;
    if (humanOver || computerOver) {
        // Both over the target after one deal: the side with more penalty points loses, and a tie
        // counts against the human. One result only is recorded.
        const bool won = computerOver && (!humanOver || computerPenalty > humanPenalty);
        ++matchesFinished;
        phase = TurnPhase::NoTrick;
        matchOver_ = true;
        // A result that cannot be saved is reported; the screen still runs to its end.
        try {
            if (won)
                recordMatchWon();
            else
                recordMatchLost();
        } catch (const UserError& error) {
            reportAfterEvent(error.what());
        }
        return {true, won};
    }
    startNewDeal();
    phase = TurnPhase::NoTrick;
    playCue(Cue::NewDeal);
    return {};
}

void GameEngine::recordMatchWon()
{
    // A result whose save fails stays pending and is written by the next save that succeeds.
    settings_.commitResult([this] {
        if (const auto row = statisticsRow(matchTargetCode))
            SettingsSchema(settings_).incrementCount(MatchResult::Won, *row);
    });
}

void GameEngine::recordMatchLost()
{
    settings_.commitResult([this] {
        if (const auto row = statisticsRow(matchTargetCode))
            SettingsSchema(settings_).incrementCount(MatchResult::Lost, *row);
    });
}

} // namespace liorna
