#include "virtual_timers.h"

#include <limits>

namespace liorna {

TimerId VirtualTimers::create(std::function<void()> tick, int intervalMs)
{
    timers_.push_back({std::move(tick), intervalMs, false, 0, 0});
    return static_cast<TimerId>(timers_.size() - 1);
}

void VirtualTimers::start(TimerId id)
{
    auto& t = timers_.at(static_cast<std::size_t>(id));
    if (t.active)
        return;
    t.active = true;
    t.due = now_ + t.interval;
    t.order = sequence_++;
}

void VirtualTimers::stop(TimerId id)
{
    timers_.at(static_cast<std::size_t>(id)).active = false;
}

void VirtualTimers::destroy(TimerId id)
{
    auto& t = timers_.at(static_cast<std::size_t>(id));
    t.active = false;
    t.tick = nullptr;
}

void VirtualTimers::setInterval(TimerId id, int intervalMs)
{
    auto& t = timers_.at(static_cast<std::size_t>(id));
    t.interval = intervalMs;
    if (t.active) {
        t.due = now_ + intervalMs;
        t.order = sequence_++;
    }
}

int VirtualTimers::interval(TimerId id) const
{
    return timers_.at(static_cast<std::size_t>(id)).interval;
}

bool VirtualTimers::isActive(TimerId id) const
{
    return timers_.at(static_cast<std::size_t>(id)).active;
}

std::int64_t VirtualTimers::nextDue() const
{
    std::int64_t best = -1;
    for (const auto& t : timers_)
        if (t.active && (best < 0 || t.due < best))
            best = t.due;
    return best;
}

int VirtualTimers::activeCount() const
{
    int n = 0;
    for (const auto& t : timers_)
        n += t.active ? 1 : 0;
    return n;
}

bool VirtualTimers::fireNext(std::int64_t limit)
{
    std::size_t best = timers_.size();
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const auto& t = timers_[i];
        if (!t.active || t.due > limit)
            continue;
        if (best == timers_.size() || t.due < timers_[best].due ||
            (t.due == timers_[best].due && t.order < timers_[best].order))
            best = i;
    }
    if (best == timers_.size())
        return false;
    auto& t = timers_[best];
    now_ = t.due;
    // A repeating timer is due again one interval later; a zero interval still moves on.
    t.due = now_ + (t.interval > 0 ? t.interval : 1);
    t.order = sequence_++;
    if (onFire)
        onFire(now_, static_cast<TimerId>(best));
    auto tick = t.tick; // the tick may create timers, which can move the vector
    tick();
    return true;
}

void VirtualTimers::advance(std::int64_t ms)
{
    const std::int64_t target = now_ + ms;
    while (fireNext(target)) {}
    now_ = target;
}

} // namespace liorna
