#include <gtest/gtest.h>

#include "virtual_timers.h"

using namespace liorna;

TEST(VirtualTimers, FiresDueTimersInOrderIncludingOnesStartedInsideATick)
{
    VirtualTimers timers;
    std::vector<std::string> log;
    TimerId late = 0;
    const TimerId a = timers.create(
        [&] {
            log.push_back("a@" + std::to_string(timers.now()));
            timers.stop(0);
        },
        30);
    const TimerId b = timers.create(
        [&] {
            log.push_back("b@" + std::to_string(timers.now()));
            timers.stop(1);
            timers.start(late); // due at 10 + 5 = 15, before a
        },
        10);
    late = timers.create(
        [&] {
            log.push_back("late@" + std::to_string(timers.now()));
            timers.stop(2);
        },
        5);
    timers.start(a);
    timers.start(b);
    timers.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"b@10", "late@15", "a@30"}));
    EXPECT_EQ(timers.now(), 100);
}

TEST(VirtualTimers, StoppedOneShotNeverFiresAgainAndRepeatingKeepsFiring)
{
    VirtualTimers timers;
    int oneShot = 0;
    int repeating = 0;
    const TimerId once = timers.create(
        [&] {
            ++oneShot;
            timers.stop(0);
        },
        7);
    const TimerId every = timers.create([&] { ++repeating; }, 10);
    timers.start(once);
    timers.start(every);
    timers.advance(95);
    EXPECT_EQ(oneShot, 1);
    EXPECT_EQ(repeating, 9);
    EXPECT_FALSE(timers.isActive(once));
}

TEST(VirtualTimers, StartingARunningTimerKeepsItsScheduleButSetIntervalRestartsIt)
{
    VirtualTimers timers;
    std::vector<std::int64_t> at;
    const TimerId t = timers.create(
        [&] {
            at.push_back(timers.now());
            timers.stop(0);
        },
        50);
    timers.start(t);
    timers.advance(30);
    timers.start(t); // no restart
    timers.advance(30);
    EXPECT_EQ(at, (std::vector<std::int64_t>{50}));
    timers.start(t);
    timers.advance(10);
    timers.setInterval(t, 100); // restarts from now (70)
    timers.advance(200);
    EXPECT_EQ(at, (std::vector<std::int64_t>{50, 170}));
}

TEST(VirtualTimers, EqualDueTimesFireInStartOrder)
{
    VirtualTimers timers;
    std::string order;
    const TimerId x = timers.create(
        [&] {
            order += 'x';
            timers.stop(0);
        },
        20);
    const TimerId y = timers.create(
        [&] {
            order += 'y';
            timers.stop(1);
        },
        10);
    timers.start(x);
    timers.advance(10);
    timers.start(y); // also due at 20, but started later
    timers.advance(10);
    EXPECT_EQ(order, "xy");
}
