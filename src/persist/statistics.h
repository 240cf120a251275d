#pragma once
// Won and lost matches per match length, kept in lines 5..10 and 11..16 of the settings file.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "persist/settings_file.h"

namespace liorna {

inline constexpr std::size_t WON_LINE = 5;   // lines 5..10: won, one per match length
inline constexpr std::size_t LOST_LINE = 11; // lines 11..16: lost

// The row of a match length (0 one deal .. 5 to 12 points), chosen by the match target code.
std::optional<std::size_t> statisticsRow(int matchTargetCode);

// Counts are decimal texts of any length, so no count ever overflows. A text of digits is a count;
// anything else is not a number: it keeps its text and adds nothing to a total.
bool isCount(const std::string& text);
// The count plus one, or the text unchanged when it is not a number.
std::string incrementCount(const std::string& text);
// The sum of the counts among `texts`, as decimal text.
std::string sumCounts(const std::vector<std::string>& texts);

// Adds one to a count line of the settings file (in memory).
void incrementCountLine(SettingsFile& settings, std::size_t line);

} // namespace liorna
