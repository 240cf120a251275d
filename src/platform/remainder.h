#pragma once
// The remainder by one divisor for many numbers, by two multiplications instead of a division each
// (Lemire, Kaser and Kurz, "Faster remainder by direct computation"); exact for every 32-bit number
// and non-zero divisor.

#include <cstdint>
#include <limits>

namespace liorna {

class Remainder {
public:
    explicit Remainder(std::uint32_t divisor)
        : divisor_(divisor), factor_(std::numeric_limits<std::uint64_t>::max() / divisor + 1)
    {
    }
    std::uint32_t of(std::uint32_t n) const
    {
        const std::uint64_t fraction = factor_ * n;
        return static_cast<std::uint32_t>((static_cast<Wide>(fraction) * divisor_) >> 64);
    }

private:
    __extension__ using Wide = unsigned __int128;
    std::uint32_t divisor_;
    std::uint64_t factor_;
};

} // namespace liorna
