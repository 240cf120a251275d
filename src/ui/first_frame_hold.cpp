#include "ui/first_frame_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QWindow>

namespace liorna {

FirstFrameHold::FirstFrameHold(QWindow* window) : window_(window)
{
    if (window_)
        window_->installEventFilter(this);
}

FirstFrameHold::~FirstFrameHold()
{
    release();
}

void FirstFrameHold::release()
{
    if (!held_)
        return;
    held_ = false;
    if (!window_)
        return;
    window_->removeEventFilter(this);
    // The window knows it is exposed (Qt marks that before the event reaches it); it only missed the
    // paint that goes with it.
    if (missed_ && window_->isExposed()) {
        QExposeEvent expose(QRegion(QRect(QPoint(), window_->size())));
        QCoreApplication::sendEvent(window_, &expose);
    }
}

bool FirstFrameHold::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Expose && held_) {
        missed_ = true;
        return true;
    }
    return false;
}

} // namespace liorna
