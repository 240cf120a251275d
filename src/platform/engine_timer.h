#pragma once
// One timer of the engine, bound to the Timers port.

#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/timers.h"

namespace liorna {

class EngineTimer {
public:
    EngineTimer(Timers& timers, int intervalMs, std::function<void()> tick)
        : timers_(&timers), id_(timers.create(std::move(tick), intervalMs))
    {
    }
    ~EngineTimer() { timers_->destroy(id_); }
    EngineTimer(const EngineTimer&) = delete;
    EngineTimer& operator=(const EngineTimer&) = delete;

    void start() { timers_->start(id_); }
    void stop() { timers_->stop(id_); }
    void setInterval(int ms) { timers_->setInterval(id_, ms); }
    int interval() const { return timers_->interval(id_); }
    bool active() const { return timers_->isActive(id_); }

private:
    Timers* timers_;
    TimerId id_;
};

// Timers that belong together: the one list both cancelling them and asking whether any is still
// due go through, so the two can never disagree.
class TimerGroup {
public:
    TimerGroup(std::initializer_list<EngineTimer*> timers) : timers_(timers) {}
    void stopAll()
    {
        for (EngineTimer* t : timers_)
            t->stop();
    }
    bool anyActive() const
    {
        for (const EngineTimer* t : timers_)
            if (t->active())
                return true;
        return false;
    }

private:
    std::vector<EngineTimer*> timers_;
};

} // namespace liorna
