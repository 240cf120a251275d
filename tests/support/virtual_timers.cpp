#include "virtual_timers.h"

namespace liorna {

TimerId VirtualTimers::create(std::function<void()> tick, int intervalMs)
{
    timers_.push_back({intervalMs, false, 0, false, false, 0, 0});
    ticks_.push_back(std::move(tick));
    return static_cast<TimerId>(timers_.size() - 1);
}

void VirtualTimers::schedule(TimerId id, std::int64_t due)
{
    auto& t = timers_[static_cast<std::size_t>(id)];
    t.due = due;
    t.order = sequence_++;
    // The newest start loses ties, so the first due changes only if this one is due earlier; the first
    // moved to another time needs a new look.
    if (!firstKnown_)
        return;
    if (id == first_)
        firstKnown_ = false;
    else if (first_ < 0 || due < timers_[static_cast<std::size_t>(first_)].due)
        first_ = id;
}

void VirtualTimers::start(TimerId id)
{
    auto& t = entry(id);
    if (t.active)
        return;
    t.active = true;
    t.slot = static_cast<std::uint32_t>(active_.size());
    active_.push_back(id);
    schedule(id, now_ + t.interval);
}

void VirtualTimers::deactivate(TimerId id)
{
    auto& t = entry(id);
    if (!t.active)
        return;
    t.active = false;
    const TimerId moved = active_.back();
    active_[t.slot] = moved;
    timers_[static_cast<std::size_t>(moved)].slot = t.slot;
    active_.pop_back();
    if (id == first_)
        firstKnown_ = false;
}

void VirtualTimers::stop(TimerId id)
{
    deactivate(id);
}

void VirtualTimers::destroy(TimerId id)
{
    deactivate(id);
    auto& t = entry(id);
    if (t.firing)
        t.destroyed = true;
    else
        ticks_[static_cast<std::size_t>(id)] = nullptr;
}

void VirtualTimers::setInterval(TimerId id, int intervalMs)
{
    auto& t = entry(id);
    t.interval = intervalMs;
    if (t.active)
        schedule(id, now_ + intervalMs);
}

int VirtualTimers::interval(TimerId id) const
{
    return entry(id).interval;
}

bool VirtualTimers::isActive(TimerId id) const
{
    return entry(id).active;
}

TimerId VirtualTimers::first() const
{
    if (firstKnown_)
        return first_;
    TimerId best = -1;
    for (const TimerId id : active_) {
        const auto& t = timers_[static_cast<std::size_t>(id)];
        if (best < 0)
            best = id;
        else if (const auto& b = timers_[static_cast<std::size_t>(best)];
                 t.due < b.due || (t.due == b.due && t.order < b.order))
            best = id;
    }
    first_ = best;
    firstKnown_ = true;
    return best;
}

std::int64_t VirtualTimers::nextDue() const
{
    const TimerId id = first();
    return id < 0 ? -1 : timers_[static_cast<std::size_t>(id)].due;
}

bool VirtualTimers::fireNext(std::int64_t limit)
{
    const TimerId id = first();
    if (id < 0 || timers_[static_cast<std::size_t>(id)].due > limit)
        return false;
    auto& t = timers_[static_cast<std::size_t>(id)];
    now_ = t.due;
    // A repeating timer is due again one interval later; a zero interval still moves on.
    schedule(id, now_ + (t.interval > 0 ? t.interval : 1));
    if (onFire)
        onFire(now_, id);
    // Ticks may create timers, which can move the entries but not the ticks.
    auto& firing = timers_[static_cast<std::size_t>(id)];
    struct Done {
        VirtualTimers& timers;
        TimerId id;
        bool wasFiring;
        ~Done()
        {
            auto& t = timers.timers_[static_cast<std::size_t>(id)];
            t.firing = wasFiring;
            if (!t.firing && t.destroyed)
                timers.ticks_[static_cast<std::size_t>(id)] = nullptr;
        }
    } done{*this, id, firing.firing};
    firing.firing = true;
    ticks_[static_cast<std::size_t>(id)]();
    return true;
}

void VirtualTimers::advance(std::int64_t ms)
{
    const std::int64_t target = now_ + ms;
    while (fireNext(target)) {}
    now_ = target;
}

} // namespace liorna
