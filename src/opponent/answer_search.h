#pragma once
// The computer's answer: a fixed-order list of candidate answers built from its five hand slots, and
// the rule by which one card beats another.

#include <array>
#include <optional>
#include <vector>

#include "engine/card.h"

namespace liorna {

// Whether `answer` beats `led`: a higher card of the led suit, a trump on a card that is not a trump,
// or a higher trump on a trump. When trumps are not marked (the computer holding its trumps back
// against a single card), a trump keeps its own suit and plain rank, and so beats nothing.
bool answerBeats(Card answer, Card led, Suit trump, bool trumpsMarked);

// A candidate: answer position j is filled from hand slot slots[j] (1-based).
using Candidate = std::vector<int>;

// Every ordered selection of k distinct slots of five, in lexicographic order, except that for k = 4
// the selection 5-4-3-2 leads the selections that begin with slot 5.
const std::vector<Candidate>& candidateList(int k);

// The first candidate that beats every led card, or none.
std::optional<Candidate> searchAnswer(const std::array<Slot, 5>& hand, const std::array<Slot, 5>& led,
                                      int ledCount, Suit trump, bool trumpsMarked);

} // namespace liorna
