#include "ui/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace liorna {

namespace {

// Centres its window over the table whenever the window is shown, before the desktop maps it.
class TableCentring : public QObject {
public:
    TableCentring(QWidget* table, QWidget* window) : QObject(window), table_(table) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && table_ && watched->isWidgetType())
            centreOverTable(static_cast<QWidget*>(watched), table_);
        return false;
    }

private:
    QPointer<QWidget> table_;
};

} // namespace

bool programPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool parentMustShowFirst()
{
    return !programPlacesWindows();
}

void belongToTable(QWidget* window, QWidget* table)
{
    if (!table)
        return;
    table = table->window();
    // A window parented to the table has the table's window as its transient parent; the flags keep it
    // a window of its own.
    if (window->parentWidget() != table)
        window->setParent(table, window->windowFlags());
    if (programPlacesWindows())
        window->installEventFilter(new TableCentring(table, window));
}

void centreOverTable(QWidget* window, const QWidget* table)
{
    // The frame counts. Before its first showing a window has no frame yet: a decorated one will get
    // about the table's.
    QMargins frame;
    if (!(window->windowFlags() & Qt::FramelessWindowHint)) {
        const QWindow* own = window->windowHandle();
        frame = own && window->isVisible() ? own->frameMargins() : QMargins();
        if (frame.isNull() && table->windowHandle())
            frame = table->windowHandle()->frameMargins();
    }
    QRect placed(QPoint(), window->size().grownBy(frame));
    const QScreen* screen = table->screen();
    QRect over = table->frameGeometry();
    // A table still to be shown maximized or full screen will fill its screen, or the screen's free area.
    if (screen && !table->isVisible()) {
        if (table->windowState() & Qt::WindowFullScreen)
            over = screen->geometry();
        else if (table->windowState() & Qt::WindowMaximized)
            over = screen->availableGeometry();
    }
    placed.moveCenter(over.center());
    if (screen) {
        const QRect area = screen->availableGeometry();
        placed.moveLeft(
            std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() + 1 - placed.width())));
        placed.moveTop(
            std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() + 1 - placed.height())));
    }
    // A window's position is its frame's.
    window->move(placed.topLeft());
}

} // namespace liorna
