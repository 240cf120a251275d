#include "ui/instance_listener.h"

#include <QApplication>
#include <QGuiApplication>

namespace liorna {

InstanceListener::InstanceListener(SingleInstance& instance, QWidget& window)
    : instance_(instance), window_(window)
{
    if (instance_.requestSocket() < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(instance_.requestSocket(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, &window_, [this] {
        for (const std::string& token : instance_.takeRequests())
            bringToFront(window_, QString::fromStdString(token));
    });
}

void bringToFront(QWidget& window, const QString& activationToken)
{
    // On Wayland only a token the compositor handed to the asking start lets a window take the focus;
    // the platform takes it from this variable when the window asks to be activated.
    if (!activationToken.isEmpty() && QGuiApplication::platformName() == QLatin1String("wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    if (window.isVisible()) {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.raise();
        window.activateWindow();
    }
    // A screen open over the table (the start screen, a dialog, a message) is what the player answers.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
    QApplication::alert(window.isVisible() ? &window : QApplication::activeModalWidget());
}

} // namespace liorna
