// Won and lost matches per match length, kept in lines 5..10 and 11..16 of the settings file.

#include "persist/statistics.h"
#include "engine/game_engine.h"

namespace liorna {

std::optional<std::size_t> statisticsRow(int matchTargetCode)
{
    static constexpr int codes[] = {11, 14, 16, 18, 20, 22};
    for (std::size_t row = 0; row < 6; ++row)
        if (codes[row] == matchTargetCode)
            return row;
    return std::nullopt;
}

void incrementCountLine(SettingsFile& settings, std::size_t line)
{
    // A count that is not a number counts as 0.
    settings.setLine(line, std::to_string(lineNumber(settings.line(line), 0) + 1));
}

void GameEngine::recordMatchWon()
{
    if (const auto row = statisticsRow(matchTargetCode))
        incrementCountLine(settings_, WON_LINE + *row);
    settings_.save();
}

void GameEngine::recordMatchLost()
{
    if (const auto row = statisticsRow(matchTargetCode))
        incrementCountLine(settings_, LOST_LINE + *row);
    settings_.save();
}

} // namespace liorna
