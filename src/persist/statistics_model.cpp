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
    std::vector<std::string> counts;
    for (std::size_t row = 0; row < STATISTICS_ROWS; ++row)
        counts.push_back(settings_.line(firstLine + row));
    return sumCounts(counts);
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
    // Withdrawn from memory when it cannot be saved, so a later save never resets the counts.
    settings_.commitChange([this] {
        for (std::size_t line = WON_LINE; line < LOST_LINE + STATISTICS_ROWS; ++line)
            settings_.setLine(line, "0");
    });
}

} // namespace liorna
