#include "persist/statistics_model.h"

#include "persist/statistics.h"

namespace liorna {

const std::array<std::string, STATISTICS_ROWS>& StatisticsModel::captions()
{
    static const std::array<std::string, STATISTICS_ROWS> texts = {
        "Одна игра",
        "Игра до четырёх очков",
        "Игра до шести очков",
        "Игра до восьми очков",
        "Игра до десяти очков",
        "Игра до двенадцати...",
    };
    return texts;
}

std::string StatisticsModel::wonText(std::size_t row) const
{
    return row < STATISTICS_ROWS ? settings_.line(WON_LINE + row) : std::string();
}

std::string StatisticsModel::lostText(std::size_t row) const
{
    return row < STATISTICS_ROWS ? settings_.line(LOST_LINE + row) : std::string();
}

std::string StatisticsModel::total(std::size_t firstLine) const
{
    // Summed wide so that absurd counts in a hand-edited file cannot overflow.
    long long sum = 0;
    for (std::size_t row = 0; row < STATISTICS_ROWS; ++row)
        sum += lineNumber(settings_.line(firstLine + row), 0);
    return std::to_string(sum);
}

std::string StatisticsModel::wonTotal() const
{
    return total(WON_LINE);
}

std::string StatisticsModel::lostTotal() const
{
    return total(LOST_LINE);
}

void StatisticsModel::resetAll()
{
    for (std::size_t line = WON_LINE; line < LOST_LINE + STATISTICS_ROWS; ++line)
        settings_.setLine(line, "0");
    settings_.save();
}

} // namespace liorna
