#pragma once
// The running game's side of one game per folder: another start of the game asks, through the
// folder's socket, for the table window to come to the front.

#include <QSocketNotifier>
#include <QString>
#include <QWidget>
#include <memory>

#include "persist/single_instance.h"

namespace liorna {

class InstanceListener {
public:
    // Watches the socket of `instance` (if it has one) for as long as the listener lives.
    InstanceListener(SingleInstance& instance, QWidget& window);

private:
    SingleInstance& instance_;
    QWidget& window_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Brings the window, and the screen open over it, to the front and gives it the focus where the
// desktop allows it; where it does not (Wayland without a token), it asks for attention.
// `activationToken` is the desktop's token of the start that asked, or empty.
void bringToFront(QWidget& window, const QString& activationToken);

} // namespace liorna
