#pragma once
// The clock and timers the core runs on. Production binds them to Qt's precise timers; tests to a
// virtual clock that fires due timers in order when advanced.

#include <cstdint>
#include <functional>

namespace liorna {

using TimerId = int;

class Timers {
public:
    virtual ~Timers() = default;

    // A repeating timer, stopped, with the given interval. Its tick runs `tick` until stopped.
    virtual TimerId create(std::function<void()> tick, int intervalMs) = 0;
    // Enabling a running timer does not restart its interval.
    virtual void start(TimerId id) = 0;
    virtual void stop(TimerId id) = 0;
    // The timer is stopped and gone; its id is not used again.
    virtual void destroy(TimerId id) = 0;
    // A running timer restarts its interval from now.
    virtual void setInterval(TimerId id, int intervalMs) = 0;
    virtual int interval(TimerId id) const = 0;
    virtual bool isActive(TimerId id) const = 0;
    // Milliseconds on one monotonic clock.
    virtual std::int64_t now() const = 0;
};

} // namespace liorna
