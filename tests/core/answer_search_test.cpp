#include <gtest/gtest.h>

#include <algorithm>

#include "opponent/answer_search.h"

using namespace liorna;

namespace {

Card c(const char* code)
{
    return *Card::fromCode(code);
}

std::array<Slot, 5> hand(std::initializer_list<const char*> codes)
{
    std::array<Slot, 5> h{};
    std::size_t i = 0;
    for (const char* code : codes)
        h[i++] = std::string(code) == "." ? Slot::empty() : Slot::held(c(code));
    return h;
}

} // namespace

TEST(BeatingRule, OneTableForEveryKindOfPair)
{
    struct Case {
        const char* answer;
        const char* led;
        char trump;
        bool marked;
        bool beats;
    };
    const Case cases[] = {
        {"b7", "b3", 'h', true, true},   // higher of the led suit
        {"b2", "b3", 'h', true, false},  // lower of the led suit
        {"b3", "b3", 'h', true, false},  // the same card value does not beat
        {"h1", "b9", 'h', true, true},   // any trump on a plain card
        {"h1", "b9", 'h', false, false}, // a trump held back beats nothing
        {"h6", "h4", 'h', true, true},   // higher trump on a trump
        {"h6", "h8", 'h', true, false},  // lower trump on a trump
        {"h6", "h4", 'h', false, false}, // unmarked trump against a marked led trump
        {"p9", "b5", 'h', true, false},  // other suit, not a trump
        {"b9", "h1", 'h', true, false},  // a plain card never beats a trump
        {"k9", "k8", 'k', true, true},   // ace of trumps on the ten of trumps
    };
    for (const auto& t : cases)
        EXPECT_EQ(answerBeats(c(t.answer), c(t.led), *suitFromLetter(t.trump), t.marked), t.beats)
            << t.answer << " on " << t.led << " trump " << t.trump << (t.marked ? " marked" : " unmarked");
}

TEST(CandidateOrder, MatchesAnIndependentEnumerationWithTheFourCardException)
{
    for (int k = 1; k <= 5; ++k) {
        // Every k-tuple of 1..5 in lexicographic order, keeping those with distinct slots.
        std::vector<Candidate> expected;
        Candidate t(static_cast<std::size_t>(k), 1);
        for (;;) {
            Candidate sorted = t;
            std::sort(sorted.begin(), sorted.end());
            if (std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end())
                expected.push_back(t);
            int i = k - 1;
            while (i >= 0 && t[static_cast<std::size_t>(i)] == 5)
                t[static_cast<std::size_t>(i--)] = 1;
            if (i < 0)
                break;
            ++t[static_cast<std::size_t>(i)];
        }
        if (k == 4) {
            const auto firstFive =
                std::find_if(expected.begin(), expected.end(), [](auto& x) { return x[0] == 5; });
            expected.erase(std::find(firstFive, expected.end(), Candidate{5, 4, 3, 2}));
            expected.insert(firstFive, Candidate{5, 4, 3, 2});
        }
        EXPECT_EQ(candidateList(k), expected) << k;
    }
    const std::size_t sizes[] = {5, 20, 60, 120, 120};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(candidateList(k).size(), sizes[k - 1]);
    const auto& four = candidateList(4);
    EXPECT_EQ(four[95], (Candidate{4, 5, 3, 2}));
    EXPECT_EQ(four[96], (Candidate{5, 4, 3, 2}));
    EXPECT_EQ(four[97], (Candidate{5, 1, 2, 3}));
    EXPECT_EQ(four.back(), (Candidate{5, 4, 3, 1}));
    EXPECT_TRUE(candidateList(0).empty());
    EXPECT_TRUE(candidateList(6).empty());
}

TEST(AnswerSearch, AcceptsTheFirstCandidateThatBeatsEveryLedCard)
{
    struct Case {
        std::array<Slot, 5> computer;
        std::array<Slot, 5> led;
        int ledCount;
        char trump;
        bool marked;
        std::optional<Candidate> answer;
    };
    const Case cases[] = {
        // A single b3: the trump in slot 2 while trumps are used, else the first diamond that beats.
        {hand({"p5", "h2", "b7", "b4", "k9"}), hand({"b3"}), 1, 'h', true, Candidate{2}},
        {hand({"p5", "h2", "b7", "b4", "k9"}), hand({"b3"}), 1, 'h', false, Candidate{3}},
        // A led trump of rank 5: only a higher trump, and only while trumps are used.
        {hand({"h6", "b9", ".", ".", "."}), hand({"h5"}), 1, 'h', false, std::nullopt},
        {hand({"h6", "b9", ".", ".", "."}), hand({"h5"}), 1, 'h', true, Candidate{1}},
        // Two cards: 1-2 when both beat, in either order of the hand.
        {hand({"b5", "b6", "p1", "p2", "p3"}), hand({"b3", "b4"}), 2, 'h', true, Candidate{1, 2}},
        {hand({"b6", "b5", "p1", "p2", "p3"}), hand({"b3", "b4"}), 2, 'h', true, Candidate{1, 2}},
        // b9, b4 against b3, b8: 2-1 is the first that beats both.
        {hand({"b9", "b4", "p1", "p2", "p3"}), hand({"b3", "b8"}), 2, 'h', true, Candidate{2, 1}},
        // More led cards than the computer holds: nothing.
        {hand({"b9", "b8", ".", ".", "."}), hand({"b1", "b2", "b3"}), 3, 'h', true, std::nullopt},
        // A higher first position does not save a lower second one.
        {hand({"b9", "b1", "p1", "p2", "p3"}), hand({"b3", "b4"}), 2, 'h', true, std::nullopt},
    };
    for (const auto& t : cases)
        EXPECT_EQ(searchAnswer(t.computer, t.led, t.ledCount, *suitFromLetter(t.trump), t.marked), t.answer)
            << t.computer[0].code() << t.computer[1].code() << " vs " << t.led[0].code() << t.led[1].code();
}

TEST(AnswerSearch, FourCardsTakeFiveFourThreeTwoBeforeFiveOneTwoThree)
{
    // Slot 5 and then 4, 3, 2 or 1, 2, 3 both beat; the selections before them all fail because
    // slot 5's ace must cover led card 1, the only one the others cannot beat.
    const auto computer = hand({"b2", "b3", "b4", "b5", "b9"});
    const auto led = hand({"b8", "b1", "b1", "b1"});
    EXPECT_EQ(searchAnswer(computer, led, 4, Suit::Hearts, true), (Candidate{5, 4, 3, 2}));
}
