#pragma once
// The Timers port on Qt's precise timers and one monotonic clock.

#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <vector>

#include "platform/timers.h"

namespace liorna {

class QtTimers : public Timers {
public:
    QtTimers();
    ~QtTimers() override;
    TimerId create(std::function<void()> tick, int intervalMs) override;
    void start(TimerId id) override;
    void stop(TimerId id) override;
    void destroy(TimerId id) override;
    void setInterval(TimerId id, int intervalMs) override;
    int interval(TimerId id) const override;
    bool isActive(TimerId id) const override;
    std::int64_t now() const override { return clock_.elapsed(); }

private:
    QElapsedTimer clock_;
    std::vector<std::unique_ptr<QTimer>> timers_;
};

} // namespace liorna
