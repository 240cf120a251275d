#include "engine/digit_pool.h"

#include <algorithm>
#include <charconv>

namespace liorna {

void DigitPool::openWindow(std::int64_t now)
{
    catchUp(now);
    if (open_)
        return;
    open_ = true;
    windowStart_ = now;
    ticksA_ = 0;
    ticksB_ = 0;
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
    const std::int64_t end = std::min(now, windowStart_ + WINDOW_MS);
    // Merge the two timers' ticks in time order; at equal times the 25 ms timer, started first, wins.
    for (;;) {
        const std::int64_t nextA = windowStart_ + (ticksA_ + 1) * TIMER_A_MS;
        const std::int64_t nextB = windowStart_ + (ticksB_ + 1) * TIMER_B_MS;
        const std::int64_t next = std::min(nextA, nextB);
        if (next > end)
            break;
        if (nextA <= nextB)
            ++ticksA_;
        else
            ++ticksB_;
        append();
    }
    if (now >= windowStart_ + WINDOW_MS)
        open_ = false;
}

void DigitPool::append()
{
    ++poolCount_;
    char text[12];
    const auto end = std::to_chars(text, text + sizeof text, random_.below(NUMBER_BOUND)).ptr;
    digitPool_.append(text, end);
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
