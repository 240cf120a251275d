#pragma once
// The borderless start screen: choose a match length, play, look at the bonuses, or leave. Its pure
// green is see-through, and it is dragged by the ace.

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <array>

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
    StartScreen(StartScreenModel& model, QWidget* parent = nullptr);
    QRadioButton* choice(int n) const { return choices_[n - 1]; }
    PictureLabel* ace() const { return ace_; }
    // Leaves exactly the pure green pixels undrawn.
    void updateMask();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    StartScreenModel& model_;
    std::array<QRadioButton*, 6> choices_{};
    PictureLabel* ace_ = nullptr;
    QPoint dragAnchor_;
    bool dragging_ = false;
};

} // namespace liorna
