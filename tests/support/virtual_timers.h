#pragma once
// A virtual clock: timers fire in due order when a test advances time, including timers started
// inside a tick; a timer a tick stops never fires again.

#include <cstdint>
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
    int activeCount() const;
    std::function<void(std::int64_t at, TimerId id)> onFire;

private:
    struct Entry {
        std::function<void()> tick;
        int interval = 0;
        bool active = false;
        std::int64_t due = 0;
        std::uint64_t order = 0; // start order breaks ties between equal due times
    };
    std::vector<Entry> timers_;
    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
};

} // namespace liorna
