// The seeded generator's batches take their remainders by multiplication: they must be the
// division's, or the pacing digits would change.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/remainder.h"

using namespace liorna;

TEST(Remainder, EqualsTheDivisionsRemainderForEveryKindOfDivisorAndNumber)
{
    const std::uint32_t divisors[] = {1u,          2u,          3u,          7u,         9u,
                                      10u,         25u,         600u,        1000u,      65537u,
                                      0x7fffffffu, 0x80000001u, 0xfffffffeu, 0xffffffffu};
    std::mt19937 numbers(5);
    for (const std::uint32_t d : divisors) {
        const Remainder remainder(d);
        std::vector<std::uint32_t> tried{0u,          1u,          d - 1u,      d,          d + 1u,
                                         2u * d - 1u, 0x7fffffffu, 0x80000000u, 0xffffffffu};
        for (int i = 0; i < 10000; ++i)
            tried.push_back(numbers());
        for (const std::uint32_t n : tried)
            ASSERT_EQ(remainder.of(n), n % d) << n << " % " << d;
    }
}
