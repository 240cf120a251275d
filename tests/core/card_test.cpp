#include <gtest/gtest.h>

#include "engine/card.h"

using namespace liorna;

TEST(Card, LookUpGivesTheFaceOfACardAndTheBlankCardForAnythingElse)
{
    struct Case {
        Slot slot;
        Picture expected;
    };
    const Case cases[] = {
        {Slot::held({Suit::Hearts, 1}), Picture::face(0)},
        {Slot::held({Suit::Clubs, 9}), Picture::face(35)},
        {Slot::held({Suit::Diamonds, 8}), Picture::face(16)},
        {Slot::empty(), Picture::blank()},
        {Slot::exhausted(), Picture::blank()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lookUpCardPicture(c.slot), c.expected) << c.slot.code();
}

TEST(Card, CodesRoundTripAndRejectWhatIsNoCard)
{
    for (int i = 0; i < DECK_SIZE; ++i) {
        const Card card = Card::fromDeckIndex(i);
        EXPECT_EQ(card.deckIndex(), i);
        EXPECT_EQ(Card::fromCode(card.code()), card);
    }
    EXPECT_EQ(Card::fromDeckIndex(7).code(), "h8");
    for (const char* bad : {"", "h", "h0", "x5", "h95", "++", "100"})
        EXPECT_FALSE(Card::fromCode(bad).has_value()) << bad;
}

TEST(Card, PointsFollowTheRanksAndTheDeckHolds120)
{
    const int expected[] = {0, 0, 0, 0, 2, 3, 4, 10, 11};
    int total = 0;
    for (int rank = 1; rank <= 9; ++rank) {
        EXPECT_EQ(cardPoints(rank), expected[rank - 1]) << rank;
        total += cardPoints(rank);
    }
    EXPECT_EQ(total * 4, DECK_POINTS);
    EXPECT_EQ(cardPoints(0), 0);
    EXPECT_EQ(cardPoints(95), 0);
}
