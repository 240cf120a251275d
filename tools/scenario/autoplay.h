#pragma once
// A player that clicks at random — legal and illegal input, right clicks, give-ups, take-backs,
// clicks during pauses — plays whole matches in virtual time while the game's invariants are checked.

#include <cstdint>
#include <ostream>

namespace liorna::scenario {

// Plays until `matches` matches are finished and `deals` deals are scored; checks the invariants and,
// from its own reckoning, the rules after every trick and every match. Prints deals per second, or
// the first broken invariant or rule. Returns 0 or 1.
int autoplay(long matches, long deals, std::uint32_t seed, std::ostream& out);

} // namespace liorna::scenario
