#pragma once

namespace liorna {

// The penalty a side's own card points hang on it: 0 gives 6, 1..31 give 4, 32..59 give 2, 60 up 0.
int penaltyForPoints(int points);

} // namespace liorna
