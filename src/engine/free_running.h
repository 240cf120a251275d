#pragma once
// Counters that an ideal periodic timer would advance. Computing them from the clock when they are
// read, instead of waking every millisecond, keeps the idle program at no CPU while every reader sees
// exactly what the timer would have produced.

#include <cstdint>
#include <optional>

#include "engine/card.h"
#include "platform/intervals.h"

namespace liorna {

class FreeRunningCounter {
public:
    explicit FreeRunningCounter(int periodMs) : period_(periodMs) {}

    void start(std::int64_t now)
    {
        if (running_)
            return;
        running_ = true;
        since_ = now;
    }
    void stop(std::int64_t now)
    {
        base_ = steps(now);
        running_ = false;
    }
    bool running() const { return running_; }
    // Ticks so far; a timer started at s ticks at s + period, s + 2 period, ...
    std::int64_t steps(std::int64_t now) const { return base_ + (running_ ? (now - since_) / period_ : 0); }
    // Sets the count now; the next tick comes a full period later.
    void setSteps(std::int64_t steps, std::int64_t now)
    {
        base_ = steps;
        since_ = now;
    }
    int period() const { return period_; }

private:
    int period_;
    bool running_ = false;
    std::int64_t base_ = 0;
    std::int64_t since_ = 0;
};

// The 300 ms suit cycle: nothing before its first step, then b, p, k, h, b, ...
class SuitCycle {
public:
    static constexpr int PERIOD_MS = interval::SUIT_CYCLE;

    void start(std::int64_t now) { counter_.start(now); }
    void stop(std::int64_t now) { counter_.stop(now); }
    bool running() const { return counter_.running(); }
    // `advanceSuitCycle` by hand, once the timer has been stopped for good.
    void advance(std::int64_t now) { counter_.setSteps(counter_.steps(now) + 1, now); }
    std::optional<Suit> cycledSuit(std::int64_t now) const
    {
        const auto n = counter_.steps(now);
        if (n == 0)
            return std::nullopt;
        return ALL_SUITS[n % 4];
    }
    // `suitCyclePhase`: 5 at creation, then 4, 3, 2, 5, 4, ...
    int suitCyclePhase(std::int64_t now) const
    {
        const auto r = counter_.steps(now) % 4;
        return r == 0 ? 5 : static_cast<int>(5 - r);
    }
    void show(Suit suit, std::int64_t now)
    {
        const int i = static_cast<int>(suit);
        counter_.setSteps(i == 0 ? 4 : i, now);
    }

private:
    FreeRunningCounter counter_{PERIOD_MS};
};

// The 5 s trump phase: 2, 1, 2, 1, ...
class TrumpPhase {
public:
    static constexpr int PERIOD_MS = interval::TRUMP_PHASE;

    void start(std::int64_t now) { counter_.start(now); }
    int value(std::int64_t now) const { return counter_.steps(now) % 2 == 0 ? 2 : 1; }
    void set(int phase, std::int64_t now) { counter_.setSteps(phase == 2 ? 0 : 1, now); }

private:
    FreeRunningCounter counter_{PERIOD_MS};
};

} // namespace liorna
