#include "platform/mersenne_twister.h"

namespace liorna {

namespace {

std::uint32_t twist(std::uint32_t word, std::uint32_t nextWord, std::uint32_t farWord)
{
    const std::uint32_t y = (word & 0x80000000u) | (nextWord & 0x7fffffffu);
    return farWord ^ (y >> 1) ^ ((0u - (nextWord & 1u)) & 0x9908b0dfu);
}

} // namespace

void MersenneTwister::reseed(std::uint32_t seed)
{
    state_[0] = seed;
    for (int i = 1; i < N; ++i) {
        const std::uint32_t previous = state_[static_cast<std::size_t>(i - 1)];
        state_[static_cast<std::size_t>(i)] =
            1812433253u * (previous ^ (previous >> 30)) + static_cast<std::uint32_t>(i);
    }
    next_ = N;
}

void MersenneTwister::renew()
{
    std::uint32_t* s = state_.data();
    // The first run is split at a multiple of four so that all of it vectorises at -O2.
    int i = 0;
    for (; i < (N - M) / 4 * 4; ++i)
        s[i] = twist(s[i], s[i + 1], s[i + M]);
    for (; i < N - M; ++i)
        s[i] = twist(s[i], s[i + 1], s[i + M]);
    for (; i < N - 1; ++i)
        s[i] = twist(s[i], s[i + 1], s[i + M - N]);
    s[N - 1] = twist(s[N - 1], s[0], s[M - 1]);
    for (i = 0; i < N; ++i) {
        std::uint32_t z = s[i];
        z ^= z >> 11;
        z ^= (z << 7) & 0x9d2c5680u;
        z ^= (z << 15) & 0xefc60000u;
        z ^= z >> 18;
        block_[static_cast<std::size_t>(i)] = z;
    }
    next_ = 0;
}

} // namespace liorna
