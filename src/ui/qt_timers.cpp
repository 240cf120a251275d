#include "ui/qt_timers.h"

namespace liorna {

QtTimers::QtTimers()
{
    clock_.start();
}

QtTimers::~QtTimers() = default;

TimerId QtTimers::create(std::function<void()> tick, int intervalMs)
{
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    QObject::connect(timer.get(), &QTimer::timeout, std::move(tick));
    timers_.push_back(std::move(timer));
    return static_cast<TimerId>(timers_.size() - 1);
}

void QtTimers::start(TimerId id)
{
    QTimer& t = *timers_.at(static_cast<std::size_t>(id));
    if (!t.isActive())
        t.start();
}

void QtTimers::stop(TimerId id)
{
    timers_.at(static_cast<std::size_t>(id))->stop();
}

void QtTimers::destroy(TimerId id)
{
    timers_.at(static_cast<std::size_t>(id)).reset();
}

void QtTimers::setInterval(TimerId id, int intervalMs)
{
    timers_.at(static_cast<std::size_t>(id))->setInterval(intervalMs);
}

int QtTimers::interval(TimerId id) const
{
    return timers_.at(static_cast<std::size_t>(id))->interval();
}

bool QtTimers::isActive(TimerId id) const
{
    return timers_.at(static_cast<std::size_t>(id))->isActive();
}

} // namespace liorna
