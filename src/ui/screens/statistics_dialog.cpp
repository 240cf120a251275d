#include "ui/screens/statistics_dialog.h"
#include "platform/texts.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "ui/fonts.h"

namespace liorna {

namespace {

const QColor WON_COLOUR(0, 128, 0);
const QColor LOST_COLOUR(200, 0, 0);
// Stands in for the desktop's active-border colour, which modern styles no longer have.
const QColor CAPTION_BACK(200, 210, 226);
constexpr int DIALOG_WIDTH = 301;
constexpr int WON_X = 224;
constexpr int WON_WIDTH = 32;
constexpr int LOST_X = 256;
constexpr int LOST_WIDTH = 40;
constexpr int LOST_HEADING_X = 232;

QLabel* textLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

StatisticsDialog::StatisticsDialog(const StatisticsModel& model, EventBoundary deliver, AskReset ask,
                                   std::function<void()> reset, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model), deliver_(std::move(deliver)), ask_(std::move(ask)), resetAll_(std::move(reset))
{
    setWindowTitle(QString::fromUtf8(text::STATISTICS_TITLE));
    setFixedSize(DIALOG_WIDTH, 403);

    auto* wonHeading =
        textLabel(this, QString::fromUtf8(text::STATISTICS_WON), sansFont(11, true), WON_COLOUR);
    wonHeading->move(192, 40);
    auto* lostHeading =
        textLabel(this, QString::fromUtf8(text::STATISTICS_LOST), sansFont(11, true), LOST_COLOUR);
    lostHeading->move(LOST_HEADING_X, 40);
    wonHeading->adjustSize();
    lostHeading->adjustSize();
    lostHeading_ = lostHeading;

    static constexpr int rowY[STATISTICS_ROWS + 1] = {56, 96, 136, 176, 216, 256, 312};
    for (std::size_t row = 0; row <= STATISTICS_ROWS; ++row) {
        const bool totals = row == STATISTICS_ROWS;
        const QString caption = QString::fromStdString(totals ? std::string(StatisticsModel::totalCaption())
                                                              : StatisticsModel::captions()[row]);
        auto* label = textLabel(this, caption, sansFont(16, false), palette().color(QPalette::WindowText));
        label->setGeometry(8, rowY[row], 177, 20);
        label->setAutoFillBackground(true);
        QPalette back = label->palette();
        back.setColor(QPalette::Window, CAPTION_BACK);
        label->setPalette(back);
        label->setIndent(3);
        captions_[row] = label;

        const QFont countFont = sansFont(totals ? 16 : 13, true);
        won_[row] = textLabel(this, QStringLiteral("0"), countFont, WON_COLOUR);
        won_[row]->setGeometry(WON_X, rowY[row], WON_WIDTH, 20);
        lost_[row] = textLabel(this, QStringLiteral("0"), countFont, LOST_COLOUR);
        lost_[row]->setGeometry(LOST_X, rowY[row], LOST_WIDTH, 20);
    }

    reset_ = new QPushButton(QString::fromUtf8(text::STATISTICS_RESET), this);
    reset_->setGeometry(192, 368, 97, 25);
    reset_->setAutoDefault(false);
    connect(reset_, &QPushButton::clicked, this, &StatisticsDialog::pressReset);

    refresh();
}

void StatisticsDialog::refresh()
{
    for (std::size_t row = 0; row < STATISTICS_ROWS; ++row) {
        won_[row]->setText(QString::fromStdString(model_.wonText(row)));
        lost_[row]->setText(QString::fromStdString(model_.lostText(row)));
    }
    won_[STATISTICS_ROWS]->setText(QString::fromStdString(model_.wonTotal()));
    lost_[STATISTICS_ROWS]->setText(QString::fromStdString(model_.lostTotal()));
    fitColumns();
}

void StatisticsDialog::fitColumns()
{
    // The columns keep their places for ordinary counts; a count too wide for its column (a long
    // career, or a hand-edited file) widens the column and the dialog, so every count shows whole.
    auto widest = [](const std::array<QLabel*, STATISTICS_ROWS + 1>& column) {
        int w = 0;
        for (QLabel* label : column)
            w = std::max(w, label->fontMetrics().horizontalAdvance(label->text()) + 2);
        return w;
    };
    const int wonWidth = std::max(WON_WIDTH, widest(won_));
    const int lostWidth = std::max(LOST_WIDTH, widest(lost_));
    const int lostX = WON_X + wonWidth;
    for (std::size_t row = 0; row <= STATISTICS_ROWS; ++row) {
        won_[row]->setGeometry(WON_X, won_[row]->y(), wonWidth, won_[row]->height());
        lost_[row]->setGeometry(lostX, lost_[row]->y(), lostWidth, lost_[row]->height());
    }
    lostHeading_->move(LOST_HEADING_X + (lostX - LOST_X), lostHeading_->y());
    setFixedSize(std::max(DIALOG_WIDTH, lostX + lostWidth + 5), height());
}

void StatisticsDialog::pressReset()
{
    if (!ask_) {
        reset();
        return;
    }
    // The dialog may be gone by the time the answer comes.
    QPointer<StatisticsDialog> self(this);
    ask_(this, [self](bool ok) {
        if (self && ok)
            self->reset();
    });
}

void StatisticsDialog::reset()
{
    bool done = false;
    const auto event = [&] {
        if (resetAll_)
            resetAll_();
        done = true;
    };
    // A failed save is reported by the boundary; the zeros stay in memory and the dialog stays open,
    // so the player sees nothing was lost silently.
    runEvent(deliver_, event);
    if (done)
        accept();
}

} // namespace liorna
