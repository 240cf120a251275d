#include "play/scoring.h"

namespace liorna {

int penaltyForPoints(int points)
{
    if (points == 0)
        return 6;
    if (points < 32)
        return 4;
    if (points < 60)
        return 2;
    return 0;
}

} // namespace liorna
