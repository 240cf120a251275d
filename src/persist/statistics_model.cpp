#include "persist/statistics_model.h"
#include "platform/texts.h"

#include "persist/settings_schema.h"
#include "persist/statistics.h"

namespace liorna {

const std::array<std::string, STATISTICS_ROWS>& StatisticsModel::captions()
{
    static const std::array<std::string, STATISTICS_ROWS> texts = {
        text::ROW_SINGLE, text::ROW_4, text::ROW_6, text::ROW_8, text::ROW_10, text::ROW_12,
    };
    return texts;
}

std::string StatisticsModel::wonText(std::size_t row) const
{
    return SettingsSchema(settings_).count(MatchResult::Won, row);
}

std::string StatisticsModel::lostText(std::size_t row) const
{
    return SettingsSchema(settings_).count(MatchResult::Lost, row);
}

std::string StatisticsModel::total(MatchResult result) const
{
    std::vector<std::string> counts;
    for (std::size_t row = 0; row < STATISTICS_ROWS; ++row)
        counts.push_back(SettingsSchema(settings_).count(result, row));
    return sumCounts(counts);
}

std::string StatisticsModel::wonTotal() const
{
    return total(MatchResult::Won);
}

std::string StatisticsModel::lostTotal() const
{
    return total(MatchResult::Lost);
}

void StatisticsModel::resetAll()
{
    // Withdrawn from memory when it cannot be saved, so a later save never resets the counts.
    settings_.commitChange([this] { SettingsSchema(settings_).resetCounts(); });
}

} // namespace liorna
