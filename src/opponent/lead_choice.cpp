#include "opponent/lead_choice.h"

namespace liorna {

SuitCounts countSuits(const std::array<Slot, HAND_SIZE>& hand)
{
    SuitCounts counts{};
    for (const Slot& slot : hand)
        if (slot.holdsCard())
            ++counts[static_cast<std::size_t>(slot.card.suit)];
    return counts;
}

std::optional<Suit> longSuit(const SuitCounts& counts)
{
    for (int wanted : {5, 4, 3})
        for (Suit suit : ALL_SUITS)
            if (counts[static_cast<std::size_t>(suit)] == wanted)
                return suit;
    return std::nullopt;
}

} // namespace liorna
