#pragma once
// "Статистика": won and lost matches per match length, their totals, and the reset.

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "persist/statistics_model.h"

class QLabel;
class QPushButton;

namespace liorna {

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // `confirm` asks whether to reset (true = OK); `report` shows a save error.
    StatisticsDialog(StatisticsModel& model, std::function<bool()> confirm,
                     std::function<void(const std::string&)> report, QWidget* parent = nullptr);

    // Reads the counts again; done on construction.
    void refresh();
    QPushButton* resetButton() const { return reset_; }
    QLabel* wonLabel(std::size_t row) const { return won_[row]; }
    QLabel* lostLabel(std::size_t row) const { return lost_[row]; }
    // Row STATISTICS_ROWS is the totals row.
    QLabel* captionLabel(std::size_t row) const { return captions_[row]; }

private:
    void pressReset();
    void fitColumns();

    StatisticsModel& model_;
    std::function<bool()> confirm_;
    std::function<void(const std::string&)> report_;
    std::array<QLabel*, STATISTICS_ROWS + 1> won_{};
    std::array<QLabel*, STATISTICS_ROWS + 1> lost_{};
    std::array<QLabel*, STATISTICS_ROWS + 1> captions_{};
    QLabel* lostHeading_ = nullptr;
    QPushButton* reset_ = nullptr;
};

} // namespace liorna
