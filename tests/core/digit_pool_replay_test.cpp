// The pool computed from the clock holds exactly what its two timers would have appended, tick by
// tick, however often or seldom it is read: the pacing of every deal depends on those digits.

#include <gtest/gtest.h>

#include "engine/digit_pool.h"
#include "platform/ports.h"
#include "virtual_timers.h"

using namespace liorna;

namespace {

// The pool as its timers would build it: two real timers on a virtual clock, each tick up to the end
// of the window (that one included) appending the decimal text of one number drawn from the same
// seeded stream.
class TimedPool {
public:
    explicit TimedPool(std::uint32_t seed) : random_(seed)
    {
        auto append = [this] {
            if (timers_.now() > end_)
                return;
            digits += std::to_string(random_.below(DigitPool::NUMBER_BOUND));
            ++count;
        };
        a_ = timers_.create(append, DigitPool::TIMER_A_MS);
        b_ = timers_.create(append, DigitPool::TIMER_B_MS);
    }
    void refresh()
    {
        digits.clear();
        count = 0;
        end_ = timers_.now() + DigitPool::WINDOW_MS;
        for (TimerId id : {a_, b_}) {
            timers_.stop(id);
            timers_.start(id);
        }
    }
    void advanceTo(std::int64_t t) { timers_.advance(t - timers_.now()); }
    std::uint32_t nextNumber() { return random_.below(1000000); }

    std::string digits;
    int count = 0;

private:
    SeededRandom random_;
    VirtualTimers timers_;
    TimerId a_ = 0, b_ = 0;
    std::int64_t end_ = 0;
};

} // namespace

TEST(DigitPoolReplay, HoldsWhatTheTimersWouldHaveAppendedAtEveryReading)
{
    struct Case {
        const char* name;
        std::vector<std::int64_t> readings; // times the pool is read, in order, within one window
    };
    const std::vector<Case> cases{
        {"read once after the window", {9000}},
        {"read at the window's end", {7000, 7001}},
        {"read around the ticks", {0, 1, 14, 15, 16, 24, 25, 29, 30, 31, 75, 76, 150}},
        {"read seldom", {3001, 6999, 7000, 12000}},
        {"read every few milliseconds", {}},
    };
    for (const auto& c : cases) {
        auto readings = c.readings;
        if (readings.empty())
            for (std::int64_t t = 0; t <= 7100; t += 7)
                readings.push_back(t);
        SeededRandom random(2026);
        DigitPool pool(random);
        TimedPool timed(2026);
        // The window opens 100 ms in; a second one opens after the first has closed.
        for (const std::int64_t start : {std::int64_t{100}, std::int64_t{20000}}) {
            timed.advanceTo(start);
            timed.refresh();
            pool.refresh(start);
            for (const std::int64_t at : readings) {
                timed.advanceTo(start + at);
                ASSERT_EQ(pool.digits(start + at), timed.digits) << c.name << ", at " << at;
                ASSERT_EQ(pool.poolCount(start + at), timed.count) << c.name << ", at " << at;
            }
        }
        if (readings.back() >= DigitPool::WINDOW_MS) {
            EXPECT_EQ(timed.count, 7000 / 25 + 7000 / 15) << c.name;
        }
        // The stream stands where the single draws would have left it.
        EXPECT_EQ(random.below(1000000), timed.nextNumber()) << c.name;
    }
}

TEST(DigitPoolReplay, EveryNumberIsWrittenAsItsDecimalText)
{
    // Counts up through every number below the bound, through the port's one-by-one batch.
    class Counting : public Random {
    public:
        std::uint32_t below(std::uint32_t bound) override { return next_++ % bound; }

    private:
        std::uint32_t next_ = 0;
    } counting;
    DigitPool pool(counting);
    auto text = [](std::uint32_t from, std::uint32_t to) {
        std::string digits;
        for (std::uint32_t n = from; n < to; ++n)
            digits += std::to_string(n % DigitPool::NUMBER_BOUND);
        return digits;
    };
    constexpr std::uint32_t PER_WINDOW = 7000 / 25 + 7000 / 15;
    pool.refresh(0);
    EXPECT_EQ(pool.digits(7000), text(0, PER_WINDOW));
    pool.refresh(7000);
    EXPECT_EQ(pool.digits(20000), text(PER_WINDOW, 2 * PER_WINDOW));
}
