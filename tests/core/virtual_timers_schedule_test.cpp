// The virtual clock's schedule under change: the next due timer follows every start, stop and new
// interval, and a tick may destroy its own timer or create many others while it runs.

#include <gtest/gtest.h>

#include <memory>

#include "virtual_timers.h"

using namespace liorna;

TEST(VirtualTimersSchedule, NextDueFollowsEveryChangeOfTheSchedule)
{
    VirtualTimers timers;
    const TimerId a = timers.create([] {}, 40);
    const TimerId b = timers.create([] {}, 25);
    const TimerId c = timers.create([] {}, 25);
    struct Step {
        const char* what;
        std::function<void()> change;
        std::int64_t nextDue;
        int active;
    };
    const std::vector<Step> steps{
        {"nothing started", [] {}, -1, 0},
        {"a at 40", [&] { timers.start(a); }, 40, 1},
        {"b at 25", [&] { timers.start(b); }, 25, 2},
        {"b again keeps 25", [&] { timers.start(b); }, 25, 2},
        {"b stopped", [&] { timers.stop(b); }, 40, 1},
        {"a set to 10", [&] { timers.setInterval(a, 10); }, 10, 1},
        {"c at 25", [&] { timers.start(c); }, 10, 2},
        {"a destroyed", [&] { timers.destroy(a); }, 25, 1},
        {"5 ms on", [&] { timers.advance(5); }, 25, 1},
        {"b from 5", [&] { timers.start(b); }, 25, 2},
        {"c fired", [&] { EXPECT_TRUE(timers.fireNext(100)); }, 30, 2},
        {"b fired, not c again", [&] { EXPECT_TRUE(timers.fireNext(30)); }, 50, 2},
        {"nothing due by 49", [&] { EXPECT_FALSE(timers.fireNext(49)); }, 50, 2},
        {"b stopped, c next", [&] { timers.stop(b); }, 50, 1},
        {"c stopped", [&] { timers.stop(c); }, -1, 0},
    };
    for (const auto& step : steps) {
        step.change();
        EXPECT_EQ(timers.nextDue(), step.nextDue) << step.what;
        EXPECT_EQ(timers.activeCount(), step.active) << step.what;
    }
}

TEST(VirtualTimersSchedule, ATickMayDestroyItsTimerAndCreateManyOthers)
{
    VirtualTimers timers;
    std::vector<std::string> log;
    std::vector<TimerId> created;
    // The tick's captured state must stay alive until it returns, however the storage grows.
    auto name = std::make_shared<std::string>("self");
    TimerId self = 0;
    self = timers.create(
        [&, name] {
            timers.destroy(self);
            for (int i = 0; i < 50; ++i) {
                const TimerId id = timers.create(
                    [&, i] {
                        log.push_back("t" + std::to_string(i) + "@" + std::to_string(timers.now()));
                        timers.stop(created[static_cast<std::size_t>(i)]);
                    },
                    50 - i);
                created.push_back(id);
                timers.start(id);
            }
            log.push_back(*name + "@" + std::to_string(timers.now()));
        },
        10);
    timers.start(self);
    name.reset();
    timers.advance(100);
    ASSERT_EQ(log.size(), 51u);
    EXPECT_EQ(log[0], "self@10");
    EXPECT_EQ(log[1], "t49@11");
    EXPECT_EQ(log[50], "t0@60");
    EXPECT_FALSE(timers.isActive(self));
    EXPECT_EQ(timers.activeCount(), 0);
}
