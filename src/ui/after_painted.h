#pragma once
// Work that waits for a window's first paint.

#include <QObject>
#include <functional>

class QWidget;

namespace liorna {

// Runs `then` once a window has been painted. A window shown over a table that is still painting on a
// busy machine stays an unpainted cut-out until the table is done; after it, its own paint comes at once.
// A window that is not on the screen (or not exposed within two seconds) holds nothing back. It belongs
// to the widget: a window closed before its paint runs nothing.
class AfterPainted : public QObject {
public:
    AfterPainted(QWidget* widget, std::function<void()> then);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run();
    std::function<void()> then_;
};

} // namespace liorna
