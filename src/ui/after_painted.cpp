#include "ui/after_painted.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace liorna {

AfterPainted::AfterPainted(QWidget* widget, std::function<void()> then)
    : QObject(widget), then_(std::move(then))
{
    QWindow* window = widget->windowHandle();
    if (!widget->isVisible() || !window || window->isExposed()) {
        QTimer::singleShot(0, this, [this] { run(); });
        return;
    }
    window->installEventFilter(this);
    QTimer::singleShot(2000, this, [this] { run(); });
}

bool AfterPainted::eventFilter(QObject* watched, QEvent* event)
{
    // The expose paints the window before returning; what waits follows right after.
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
        QTimer::singleShot(0, this, [this] { run(); });
    return false;
}

void AfterPainted::run()
{
    if (then_)
        std::exchange(then_, nullptr)();
    deleteLater();
}

} // namespace liorna
