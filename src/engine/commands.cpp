// The new-game commands: a match of a chosen length, or of the current one.

#include "engine/game_engine.h"

namespace liorna {

void GameEngine::newGame(int mode)
{
    const MatchLength& length = MATCH_LENGTHS[static_cast<std::size_t>(mode - 1)];
    table_.matchTarget = length.label;
    table_.humanScore = "На Вас: 0";
    table_.computerScore = "На сопернике: 0";
    startNewDeal();
    humanPenalty = 0;
    computerPenalty = 0;
    matchTargetCode = length.targetCode;
    matchMode = length.mode;
    playCue(1);
    announceTrump();
}

void GameEngine::newGameSameLength()
{
    // Keeps the match target code and the mode, whatever they are.
    table_.matchTarget = "Игра идёт до: " + std::to_string(matchTargetCode - 10);
    table_.humanScore = "На Вас: 0";
    table_.computerScore = "На сопернике: 0";
    startNewDeal();
    humanPenalty = 0;
    computerPenalty = 0;
    playCue(1);
    announceTrump();
}

} // namespace liorna
