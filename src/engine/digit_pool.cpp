#include "engine/digit_pool.h"

#include <algorithm>
#include <array>

namespace liorna {

void DigitPool::openWindow(std::int64_t now)
{
    catchUp(now);
    if (open_)
        return;
    open_ = true;
    windowStart_ = now;
    ticks_ = 0;
}

void DigitPool::refresh(std::int64_t now)
{
    catchUp(now);
    digitPool_.clear();
    // A window appends some 750 numbers of up to three digits.
    digitPool_.reserve(2400);
    poolCount_ = 0;
    openWindow(now);
}

void DigitPool::catchUp(std::int64_t now)
{
    if (!open_)
        return;
    // A timer started at s ticks at s + period, s + 2 period, ... up to the end of the window.
    const std::int64_t elapsed =
        std::max<std::int64_t>(0, std::min(now, windowStart_ + WINDOW_MS) - windowStart_);
    const std::int64_t due = elapsed / TIMER_A_MS + elapsed / TIMER_B_MS;
    append(due - ticks_);
    ticks_ = due;
    if (now >= windowStart_ + WINDOW_MS)
        open_ = false;
}

void DigitPool::append(std::int64_t count)
{
    static_assert(NUMBER_BOUND <= 1000, "the digits are written for numbers of up to three digits");
    constexpr std::size_t BATCH = 256;
    std::array<std::uint32_t, BATCH> numbers;
    std::array<char, BATCH * 3> text;
    while (count > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(count, BATCH));
        random_.fillBelow(NUMBER_BOUND, std::span(numbers.data(), n));
        char* out = text.data();
        for (std::size_t i = 0; i < n; ++i) {
            // The decimal text without leading zeros, as the number would be printed.
            const std::uint32_t v = numbers[i];
            if (v >= 100)
                *out++ = static_cast<char>('0' + v / 100);
            if (v >= 10)
                *out++ = static_cast<char>('0' + v / 10 % 10);
            *out++ = static_cast<char>('0' + v % 10);
        }
        digitPool_.append(text.data(), out);
        poolCount_ += static_cast<int>(n);
        count -= static_cast<std::int64_t>(n);
    }
}

int DigitPool::takeDigit(std::int64_t now)
{
    catchUp(now);
    // An exhausted pool must not stall the deal: draw a pacing digit directly.
    if (poolCount_ < 1)
        return 1 + static_cast<int>(random_.below(9));
    --poolCount_;
    if (poolCount_ < 1)
        return 1 + static_cast<int>(random_.below(9));
    return digitPool_[static_cast<std::size_t>(poolCount_ - 1)] - '0';
}

bool DigitPool::windowOpen(std::int64_t now)
{
    catchUp(now);
    return open_;
}

const std::string& DigitPool::digits(std::int64_t now)
{
    catchUp(now);
    return digitPool_;
}

int DigitPool::poolCount(std::int64_t now)
{
    catchUp(now);
    return poolCount_;
}

} // namespace liorna
