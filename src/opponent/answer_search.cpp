#include "opponent/answer_search.h"

#include <algorithm>

namespace liorna {

bool answerBeats(Card answer, Card led, Suit trump, bool trumpsMarked)
{
    const int ledRank = led.rank + (led.suit == trump ? TRUMP_MARK : 0);
    Suit suit = answer.suit;
    int rank = answer.rank;
    if (answer.suit == trump && trumpsMarked) {
        // A marked trump takes the led suit and outranks every plain card.
        suit = led.suit;
        rank += TRUMP_MARK;
    }
    return suit == led.suit && rank > ledRank;
}

namespace {

std::vector<Candidate> generate(int k)
{
    std::vector<Candidate> list;
    Candidate current;
    std::array<bool, 6> used{};
    auto extend = [&](auto&& self) -> void {
        if (static_cast<int>(current.size()) == k) {
            list.push_back(current);
            return;
        }
        for (int slot = 1; slot <= 5; ++slot) {
            if (used[static_cast<std::size_t>(slot)])
                continue;
            used[static_cast<std::size_t>(slot)] = true;
            current.push_back(slot);
            self(self);
            current.pop_back();
            used[static_cast<std::size_t>(slot)] = false;
        }
    };
    extend(extend);
    if (k == 4) {
        const Candidate first{5, 4, 3, 2};
        const auto block =
            std::find_if(list.begin(), list.end(), [](const Candidate& c) { return c[0] == 5; });
        const auto it = std::find(block, list.end(), first);
        std::rotate(block, it, it + 1);
    }
    return list;
}

} // namespace

const std::vector<Candidate>& candidateList(int k)
{
    static const std::array<std::vector<Candidate>, 6> lists{
        {{}, generate(1), generate(2), generate(3), generate(4), generate(5)}};
    static const std::vector<Candidate> none;
    return k >= 1 && k <= 5 ? lists[static_cast<std::size_t>(k)] : none;
}

std::optional<Candidate> searchAnswer(const std::array<Slot, 5>& hand, const std::array<Slot, 5>& led,
                                      int ledCount, Suit trump, bool trumpsMarked)
{
    for (const Candidate& c : candidateList(ledCount)) {
        bool all = true;
        for (std::size_t j = 0; j < c.size() && all; ++j) {
            const Slot& answer = hand[static_cast<std::size_t>(c[j] - 1)];
            const Slot& ledCard = led[j];
            // An empty or exhausted slot beats nothing.
            all = answer.holdsCard() && ledCard.holdsCard() &&
                  answerBeats(answer.card, ledCard.card, trump, trumpsMarked);
        }
        if (all)
            return c;
    }
    return std::nullopt;
}

} // namespace liorna
