#pragma once
// Holds back a window's first frame: while held, the window's exposes are kept from it, so it paints
// nothing, allocates no frame and sends the display nothing. Released, the window gets the expose it
// missed and paints at once. The start screen uses it to paint before the table behind it: the table's
// first frame is a whole screen of pixels, and drawn first it holds up the small start screen.

#include <QObject>
#include <QPointer>

class QWindow;

namespace liorna {

class FirstFrameHold : public QObject {
public:
    // Holds `window`'s frames from now until release() or until the hold is destroyed.
    explicit FirstFrameHold(QWindow* window);
    ~FirstFrameHold() override;
    void release();
    bool held() const { return held_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWindow> window_;
    bool held_ = true;
    bool missed_ = false;
};

} // namespace liorna
