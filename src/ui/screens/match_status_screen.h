#pragma once
// The match status screen: a black panel with the penalty totals and the target, covered by tiles
// that lose their pieces, then the result. It shows the engine's match status and forwards clicks.

#include <QDialog>
#include <array>
#include <functional>

#include "play/match_status.h"

class QLabel;

namespace liorna {

class PictureLabel;

class MatchStatusScreen : public QDialog {
    Q_OBJECT
public:
    MatchStatusScreen(const MatchStatusState& state, std::function<void()> onClick,
                      QWidget* parent = nullptr);
    void render();
    QLabel* resultLabel() const { return result_; }
    PictureLabel* tile(int i) const { return tiles_[static_cast<std::size_t>(i)]; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const MatchStatusState& state_;
    std::function<void()> onClick_;
    QLabel* humanTotal_ = nullptr;
    QLabel* computerTotal_ = nullptr;
    QLabel* target_ = nullptr;
    QLabel* result_ = nullptr;
    std::array<PictureLabel*, 15> tiles_{};
};

} // namespace liorna
