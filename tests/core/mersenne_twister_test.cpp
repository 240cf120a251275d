// The seeded generator must keep giving std::mt19937's numbers: the golden deals and every autoplay
// seed stand on them.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/mersenne_twister.h"
#include "platform/ports.h"

using namespace liorna;

TEST(MersenneTwister, GivesTheStandardNumbersForEverySeedAcrossSeveralBlocks)
{
    for (const std::uint32_t seed : {0u, 1u, 7u, 42u, 2026u, 5489u, 0x80000000u, 0xffffffffu}) {
        std::mt19937 standard(seed);
        MersenneTwister ours(seed);
        for (int i = 0; i < 624 * 3 + 5; ++i)
            ASSERT_EQ(ours(), standard()) << "seed " << seed << ", draw " << i;
    }
    std::mt19937 standard;
    MersenneTwister ours;
    EXPECT_EQ(ours(), standard());
}

TEST(MersenneTwister, ReseedingMidBlockStartsTheNewSequenceFromItsFirstNumber)
{
    MersenneTwister ours(3);
    for (int i = 0; i < 700; ++i)
        ours();
    ours.reseed(99);
    std::mt19937 standard(99);
    for (int i = 0; i < 1300; ++i)
        ASSERT_EQ(ours(), standard()) << "draw " << i;
}

TEST(SeededRandom, ABatchIsTheSameAsSingleDrawsAndLeavesTheStreamWhereTheyWould)
{
    SeededRandom single(11);
    SeededRandom batched(11);
    Random& port = batched;
    std::vector<std::uint32_t> numbers(1000);
    port.fillBelow(1000, numbers);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        ASSERT_EQ(numbers[i], single.below(1000)) << "number " << i;
    EXPECT_EQ(port.below(9), single.below(9));

    std::mt19937 standard(11);
    SeededRandom fresh(11);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(fresh.below(1000), standard() % 1000) << "draw " << i;
}
