#pragma once
// Won and lost matches per match length: the row of a length, and counts as decimal texts.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace liorna {

// The row of a match length (0 one deal .. 5 to 12 points), chosen by the match target code.
std::optional<std::size_t> statisticsRow(int matchTargetCode);

// Counts are decimal texts of any length, so no count ever overflows. A text of digits is a count, the
// blanks around it not being part of it; anything else is not a number: it keeps its text and adds
// nothing to a total.
bool isCount(const std::string& text);
// The count plus one, or the text unchanged when it is not a number.
std::string incrementCount(const std::string& text);
// The sum of the counts among `texts`, as decimal text.
std::string sumCounts(const std::vector<std::string>& texts);

} // namespace liorna
