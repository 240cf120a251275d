#pragma once
// A player that clicks at random — legal and illegal input, right clicks, give-ups, take-backs,
// clicks during pauses — plays whole matches in virtual time while the game's invariants are checked.

#include <cstdint>
#include <ostream>

namespace liorna::scenario {

// Plays `matches` matches; prints deals per second, or the first broken invariant. Returns 0 or 1.
int autoplay(int matches, std::uint32_t seed, std::ostream& out);

} // namespace liorna::scenario
