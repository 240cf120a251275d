// Won and lost matches per match length, kept in lines 5..10 and 11..16 of the settings file.

#include "persist/statistics.h"

#include <algorithm>

#include "engine/game_engine.h"
#include "persist/settings_schema.h"

namespace liorna {

std::optional<std::size_t> statisticsRow(int matchTargetCode)
{
    static constexpr int codes[] = {11, 14, 16, 18, 20, 22};
    for (std::size_t row = 0; row < 6; ++row)
        if (codes[row] == matchTargetCode)
            return row;
    return std::nullopt;
}

bool isCount(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

namespace {

// Digits without leading zeros; "0" for zero.
std::string normalised(const std::string& digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Adds two digit strings, written with the least significant digit first.
std::string addReversed(const std::string& a, const std::string& b)
{
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int d = carry + (i < a.size() ? a[i] - '0' : 0) + (i < b.size() ? b[i] - '0' : 0);
        sum += static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    return sum;
}

} // namespace

std::string incrementCount(const std::string& text)
{
    if (!isCount(text))
        return text;
    std::string reversed(text.rbegin(), text.rend());
    reversed = addReversed(reversed, "1");
    return normalised(std::string(reversed.rbegin(), reversed.rend()));
}

std::string sumCounts(const std::vector<std::string>& texts)
{
    std::string reversed = "0";
    for (const auto& text : texts)
        if (isCount(text))
            reversed = addReversed(reversed, std::string(text.rbegin(), text.rend()));
    return normalised(std::string(reversed.rbegin(), reversed.rend()));
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
