#pragma once
// Keeps the table window as the player leaves it: shown at start with the size and state it had (the
// first start maximized), and saved a moment after they change, and when it closes.

#include <QObject>
#include <QRect>
#include <QTimer>

#include "ui/preferences.h"

class QWidget;

namespace liorna {

class WindowMemory : public QObject {
public:
    // `delayMs` is how long the window must stay unchanged before it is saved.
    WindowMemory(QWidget* window, Preferences& preferences, int delayMs = 500);

    // Gives the window the size and state it was saved with, kept within the free area of its screen,
    // without showing it.
    void restore();
    // Restores the window and shows it.
    void restoreAndShow();
    // Saves the window's size and state now, if they changed since the last save.
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Preferences& preferences_;
    QTimer delay_;
    // Its geometry when last seen neither maximized nor full screen: what restoring it gives back.
    QRect normal_;
    std::optional<Preferences::TableWindow> saved_;
};

} // namespace liorna
