#pragma once
// "Статистика": won and lost matches per match length, their totals, and the reset.

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "persist/statistics_model.h"
#include "ui/event_boundary.h"

class QLabel;
class QPushButton;

namespace liorna {

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // Asks, over `dialog`, whether to reset, and answers (true = OK) when the player has: at once or
    // later, never inside a nested loop.
    using AskReset = std::function<void(QWidget* dialog, std::function<void(bool ok)> answer)>;

    // `reset` runs in the core through `deliver`, which reports a failed save; without `ask` (a test)
    // the reset goes ahead without a question.
    StatisticsDialog(const StatisticsModel& model, EventBoundary deliver, AskReset ask,
                     std::function<void()> reset, QWidget* parent = nullptr);

    // Reads the counts again; done on construction.
    void refresh();
    QPushButton* resetButton() const { return reset_; }
    QLabel* wonLabel(std::size_t row) const { return won_[row]; }
    QLabel* lostLabel(std::size_t row) const { return lost_[row]; }
    // Row STATISTICS_ROWS is the totals row.
    QLabel* captionLabel(std::size_t row) const { return captions_[row]; }

private:
    void pressReset();
    void reset();
    void fitColumns();

    const StatisticsModel& model_;
    EventBoundary deliver_;
    AskReset ask_;
    std::function<void()> resetAll_;
    std::array<QLabel*, STATISTICS_ROWS + 1> won_{};
    std::array<QLabel*, STATISTICS_ROWS + 1> lost_{};
    std::array<QLabel*, STATISTICS_ROWS + 1> captions_{};
    QLabel* lostHeading_ = nullptr;
    QPushButton* reset_ = nullptr;
};

} // namespace liorna
