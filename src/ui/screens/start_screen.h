#pragma once
// The borderless start screen: choose a match length, play, look at the bonuses, or leave. Its pure
// green is see-through, and it is dragged by the ace.
//
// See-through comes in two ways. Where the display composites (Wayland, X11 with a compositing manager)
// the window is translucent and its key green is painted fully transparent, pixel by device pixel. On a
// bare X server it is painted green and shaped by a mask of the green, in logical pixels.

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <array>
#include <functional>
#include <vector>

#include "ui/screens/start_shape.h"

class QMouseEvent;
class QRadioButton;

namespace liorna {

// A black text with a thin light outline, drawn into an image of `size` logical pixels at `dpr` as a label
// would place it. Every pixel is either fully clear or fully opaque, and the text's anti-aliasing blends
// only with the outline: laid on the see-through green, no pixel mixes with it into a green fringe.
QImage outlinedText(const QString& text, const QFont& font, QSize size, Qt::Alignment alignment, qreal dpr);

class StartScreenModel;
class PictureLabel;

class StartScreen : public QDialog {
    Q_OBJECT
public:
    enum class SeeThrough { Mask, Alpha };
    // The display's way unless told.
    static SeeThrough displaySeeThrough();

    // With `shapes` that keep, the screen takes its shape from its last showing and keeps what it finds.
    StartScreen(StartScreenModel& model, QWidget* parent = nullptr,
                SeeThrough seeThrough = displaySeeThrough(), StartShapes shapes = {});
    QRadioButton* choice(int n) const { return choices_[n - 1]; }
    PictureLabel* ace() const { return ace_; }
    SeeThrough seeThrough() const { return seeThrough_; }
    // Leaves exactly the pure green pixels undrawn: the mask of a masked screen, and where clicks fall
    // through a translucent one. Done before the first showing, so the window maps shaped, unless a
    // kept shape stands in for it until the first paint.
    void updateMask();
    // The logical pixels that are drawn (what updateMask found).
    QRegion drawnRegion() const { return drawn_; }
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startDrag(QMouseEvent* event);
    void applyInputRegion();
    void useShape(const QRegion& drawn, qreal dpr);
    void settleShape();
    // Gives the parts their texts, names and the chosen match length, and shows them: at once unless a
    // kept shape lets the window map first.
    void label();

    StartScreenModel& model_;
    SeeThrough seeThrough_;
    StartShapes shapes_;
    QRegion drawn_;
    // The shape came from the last start and is not yet checked against this one's paint.
    bool keptShape_ = false;
    // The shape was found and is not yet kept.
    bool unsaved_ = false;
    qreal drawnRatio_ = 0;
    std::array<QRadioButton*, 6> choices_{};
    PictureLabel* ace_ = nullptr;
    std::vector<std::function<void()>> labels_;
    std::vector<QWidget*> heldParts_;
    QPoint dragAnchor_;
    bool dragging_ = false;
};

} // namespace liorna
