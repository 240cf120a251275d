#pragma once

#include <cstddef>
#include <optional>

#include "persist/settings_file.h"

namespace liorna {

inline constexpr std::size_t WON_LINE = 5;   // lines 5..10: won, one per match length
inline constexpr std::size_t LOST_LINE = 11; // lines 11..16: lost

// The row of a match length (0 one deal .. 5 to 12 points), chosen by the match target code.
std::optional<std::size_t> statisticsRow(int matchTargetCode);
void incrementCountLine(SettingsFile& settings, std::size_t line);

} // namespace liorna
