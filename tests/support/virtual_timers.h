#pragma once
// A virtual clock: timers fire in due order when a test advances time, including timers started
// inside a tick; a timer a tick stops never fires again.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/timers.h"

namespace liorna {

class VirtualTimers : public Timers {
public:
    TimerId create(std::function<void()> tick, int intervalMs) override;
    void start(TimerId id) override;
    void stop(TimerId id) override;
    void destroy(TimerId id) override;
    void setInterval(TimerId id, int intervalMs) override;
    int interval(TimerId id) const override;
    bool isActive(TimerId id) const override;
    std::int64_t now() const override { return now_; }

    // Fires every timer due up to now + ms, in order, and leaves the clock at now + ms.
    void advance(std::int64_t ms);
    // Fires the next due timer, if any is due by `limit`; false when none is.
    bool fireNext(std::int64_t limit);
    // The time the next active timer is due, or -1.
    std::int64_t nextDue() const;
    int activeCount() const { return static_cast<int>(active_.size()); }
    std::function<void(std::int64_t at, TimerId id)> onFire;

private:
    struct Entry {
        int interval = 0;
        bool active = false;
        // Where an active timer stands in the list of active timers.
        std::uint32_t slot = 0;
        // Its tick is running; a destroy meanwhile lets the tick finish before it goes.
        bool firing = false;
        bool destroyed = false;
        std::int64_t due = 0;
        std::uint64_t order = 0; // start order breaks ties between equal due times
    };
    Entry& entry(TimerId id) { return timers_.at(static_cast<std::size_t>(id)); }
    const Entry& entry(TimerId id) const { return timers_.at(static_cast<std::size_t>(id)); }
    void schedule(TimerId id, std::int64_t due);
    void deactivate(TimerId id);
    // The active timer due first (ties by start order), or -1; remembered until the schedule changes.
    TimerId first() const;

    std::vector<Entry> timers_;
    // The ticks, apart from the entries: a deque keeps each where it is while ticks create timers.
    std::deque<std::function<void()>> ticks_;
    // The active timers, in no order: usually a handful among many created.
    std::vector<TimerId> active_;
    mutable TimerId first_ = -1;
    mutable bool firstKnown_ = true;
    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
};

} // namespace liorna
