#include "ui/window_memory.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include "ui/window_placement.h"

namespace liorna {

WindowMemory::WindowMemory(QWidget* window, Preferences& preferences, int delayMs)
    : QObject(window), window_(window), preferences_(preferences)
{
    delay_.setSingleShot(true);
    delay_.setInterval(delayMs);
    connect(&delay_, &QTimer::timeout, this, &WindowMemory::save);
    saved_ = preferences_.tableWindow();
    window_->installEventFilter(this);
}

void WindowMemory::restoreAndShow()
{
    restore();
    window_->show();
}

void WindowMemory::restore()
{
    normal_ = window_->geometry();
    if (!saved_) {
        window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
        return;
    }
    const Preferences::TableWindow& w = *saved_;
    const bool placed = w.position && programPlacesWindows();
    const QScreen* screen = placed ? QGuiApplication::screenAt(QRect(*w.position, w.size).center()) : nullptr;
    if (!screen)
        screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    // Never larger than the screen's free area, never off it.
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = w.size.boundedTo(area.size()).expandedTo(window_->minimumSize());
    QRect restored(window_->pos(), size);
    if (placed)
        restored.moveTopLeft(*w.position);
    restored.moveLeft(
        std::clamp(restored.left(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    restored.moveTop(
        std::clamp(restored.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    window_->setGeometry(restored);
    normal_ = window_->geometry();
    Qt::WindowStates state = Qt::WindowNoState;
    if (w.maximized)
        state |= Qt::WindowMaximized;
    if (w.fullScreen)
        state |= Qt::WindowFullScreen;
    window_->setWindowState(state);
}

void WindowMemory::save()
{
    delay_.stop();
    const Qt::WindowStates state = window_->windowState();
    // A minimized window keeps the state it was left in.
    if (state & Qt::WindowMinimized)
        return;
    if (!(state & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        normal_ = window_->geometry();
    Preferences::TableWindow now{normal_.size(), std::nullopt, bool(state & Qt::WindowMaximized),
                                 bool(state & Qt::WindowFullScreen)};
    // A Wayland client never learns where it is: the position written under X11 stays.
    if (programPlacesWindows())
        now.position = normal_.topLeft();
    else if (saved_)
        now.position = saved_->position;
    if (saved_ == now)
        return;
    preferences_.setTableWindow(now);
    saved_ = now;
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::WindowStateChange:
            if (window_->isVisible())
                delay_.start();
            break;
        case QEvent::Close: save(); break;
        default: break;
        }
    }
    return false;
}

} // namespace liorna
