#pragma once
// The pool of pacing digits: during a 7 s window two timers (25 ms and 15 ms) append the decimal text
// of a pseudo-random number each; deal steps read it backwards, one digit per step. The appends are
// replayed from the clock when the pool is read. Both timers append alike, so what the replay needs is
// how many ticks are due, not their order: the numbers are drawn as one batch, in the order the single
// draws would have come.

#include <cstdint>
#include <string>

#include "platform/intervals.h"
#include "platform/ports.h"

namespace liorna {

class DigitPool {
public:
    static constexpr int TIMER_A_MS = interval::POOL_A;
    static constexpr int TIMER_B_MS = interval::POOL_B;
    static constexpr int WINDOW_MS = interval::POOL_WINDOW;
    // Numbers appended are below this bound; any non-negative range gives every digit.
    static constexpr std::uint32_t NUMBER_BOUND = 1000;

    explicit DigitPool(Random& random) : random_(random) {}

    // Starts the pool timers and the stop timer; timers already running keep their schedule.
    void openWindow(std::int64_t now);
    // `refreshDigitPool`: empties the pool and opens a new window.
    void refresh(std::int64_t now);
    // The next pacing digit, 0..9, read backwards from the pool; a pseudo-random 1..9 when the pool
    // has no digit left at the read position.
    int takeDigit(std::int64_t now);

    // Puts the pool into a known state, as if these digits had been appended `count` times.
    void setPool(std::string digits, int count)
    {
        digitPool_ = std::move(digits);
        poolCount_ = count;
        open_ = false;
    }

    bool windowOpen(std::int64_t now);
    const std::string& digits(std::int64_t now);
    int poolCount(std::int64_t now);

private:
    void catchUp(std::int64_t now);
    void append(std::int64_t count);

    Random& random_;
    std::string digitPool_;
    int poolCount_ = 0;
    bool open_ = false;
    std::int64_t windowStart_ = 0;
    // Ticks of both timers replayed so far in this window.
    std::int64_t ticks_ = 0;
};

} // namespace liorna
