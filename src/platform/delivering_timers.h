#pragma once
// Timers whose ticks are events like any other: each tick runs through the program's event boundary,
// so an error met in a tick reaches the message sink and the table is shown after it.

#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>

#include "platform/timers.h"

namespace liorna {

class DeliveringTimers : public Timers {
public:
    using Deliver = std::function<void(const std::function<void()>&)>;
    DeliveringTimers(Timers& timers, Deliver deliver) : timers_(timers), deliver_(std::move(deliver)) {}

    TimerId create(std::function<void()> tick, int intervalMs) override
    {
        // The tick is kept here, so the function the clock holds is two pointers and costs nothing to copy.
        auto kept = std::make_unique<std::function<void()>>(std::move(tick));
        const std::function<void()>* f = kept.get();
        const TimerId id = timers_.create([this, f] { deliver_(*f); }, intervalMs);
        ticks_[id] = std::move(kept);
        return id;
    }
    void start(TimerId id) override { timers_.start(id); }
    void stop(TimerId id) override { timers_.stop(id); }
    void destroy(TimerId id) override
    {
        timers_.destroy(id);
        ticks_.erase(id);
    }
    void setInterval(TimerId id, int intervalMs) override { timers_.setInterval(id, intervalMs); }
    int interval(TimerId id) const override { return timers_.interval(id); }
    bool isActive(TimerId id) const override { return timers_.isActive(id); }
    std::int64_t now() const override { return timers_.now(); }

private:
    Timers& timers_;
    Deliver deliver_;
    std::unordered_map<TimerId, std::unique_ptr<std::function<void()>>> ticks_;
};

} // namespace liorna
