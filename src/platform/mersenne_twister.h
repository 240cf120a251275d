#pragma once
// The 32-bit Mersenne Twister: for every seed the very numbers of std::mt19937, drawn more cheaply.
// The state is renewed and tempered a whole block at a time, in loops the compiler can vectorise,
// so a draw is a load and a count.

#include <array>
#include <cstdint>

namespace liorna {

class MersenneTwister {
public:
    static constexpr std::uint32_t DEFAULT_SEED = 5489u;

    explicit MersenneTwister(std::uint32_t seed = DEFAULT_SEED) { reseed(seed); }
    void reseed(std::uint32_t seed);
    std::uint32_t operator()()
    {
        if (next_ == N)
            renew();
        return block_[next_++];
    }

private:
    static constexpr int N = 624;
    static constexpr int M = 397;
    void renew();

    std::array<std::uint32_t, N> state_{};
    // The tempered outputs of the current state, drawn in order.
    std::array<std::uint32_t, N> block_{};
    int next_ = N;
};

} // namespace liorna
