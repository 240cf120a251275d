#pragma once
// The computer's lead: every card of a long suit (three or more) when it holds one, or else the first
// suit it holds from where the suit cycle stands.

#include <array>
#include <optional>

#include "engine/card.h"

namespace liorna {

using SuitCounts = std::array<int, 4>;

// How many real cards of each suit the hand holds.
SuitCounts countSuits(const std::array<Slot, HAND_SIZE>& hand);

// The suit with five, four or three cards, most first and in deck order among equals; none without one.
std::optional<Suit> longSuit(const SuitCounts& counts);

} // namespace liorna
