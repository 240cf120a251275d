#include "ui/screens/settings_dialog.h"
#include "platform/texts.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "ui/fonts.h"

namespace liorna {

namespace {

const QRect SPEED_BAR(16, 0, 209, 25);

QSlider* speedBar(QWidget* parent, int y, int value, const QString& toolTip)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setGeometry(SPEED_BAR.translated(0, y));
    bar->setRange(SPEED_MIN, SPEED_MAX);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(1);
    bar->setPageStep(1);
    bar->setValue(value);
    bar->setToolTip(toolTip);
    // What the ends mean, under them: a higher position is a longer pause.
    const QFont small = sansFont(11, false);
    const int top = y + SPEED_BAR.height() + 1;
    auto* fast = new QLabel(QString::fromUtf8(text::SETTINGS_FASTER), parent);
    fast->setFont(small);
    fast->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fast->setGeometry(SPEED_BAR.left(), top, SPEED_BAR.width() / 2, 16);
    auto* slow = new QLabel(QString::fromUtf8(text::SETTINGS_SLOWER), parent);
    slow->setFont(small);
    slow->setAlignment(Qt::AlignRight | Qt::AlignTop);
    slow->setGeometry(SPEED_BAR.left() + SPEED_BAR.width() / 2, top,
                      SPEED_BAR.width() - SPEED_BAR.width() / 2, 16);
    return bar;
}

} // namespace

SettingsDialog::SettingsDialog(SettingsDialogModel& model, EventBoundary deliver, std::function<void()> save,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model), deliver_(std::move(deliver)), saveAction_(std::move(save))
{
    setWindowTitle(QString::fromUtf8(text::SETTINGS_TITLE));
    setFixedSize(274, 386);

    sound_ = new QCheckBox(QString::fromUtf8(text::SETTINGS_SOUND), this);
    sound_->setGeometry(16, 32, 209, 17);
    sound_->setChecked(model_.soundOn);
    fitWidth(sound_, 209);

    auto* caption1 = new QLabel(QString::fromUtf8(text::SETTINGS_SPEED_1), this);
    caption1->move(8, 72);
    caption1->adjustSize();
    speed1_ = speedBar(this, 96, model_.speed1, QString::fromUtf8(text::SETTINGS_SPEED_1_TIP));
    // A slider has no text of its own: it is named by the caption above it.
    speed1_->setAccessibleName(caption1->text());
    auto* caption2 = new QLabel(QString::fromUtf8(text::SETTINGS_SPEED_2), this);
    caption2->move(8, 152);
    caption2->adjustSize();
    speed2_ = speedBar(this, 176, model_.speed2, QString::fromUtf8(text::SETTINGS_SPEED_2_TIP));
    speed2_->setAccessibleName(caption2->text());

    save_ = new QPushButton(QString::fromUtf8(text::SAVE), this);
    save_->setGeometry(64, 352, 97, 25);
    save_->setDefault(true);
    connect(save_, &QPushButton::clicked, this, &SettingsDialog::pressSave);
    cancel_ = new QPushButton(QString::fromUtf8(text::CANCEL), this);
    cancel_->setGeometry(168, 352, 97, 25);
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::pressSave()
{
    bool saved = false;
    const auto event = [&] {
        model_.soundOn = sound_->isChecked();
        model_.speed1 = speed1_->value();
        model_.speed2 = speed2_->value();
        // After a failed save the new values are in memory but not applied; the player may fix the
        // folder and try again.
        if (saveAction_)
            saveAction_();
        saved = true;
    };
    runEvent(deliver_, event);
    if (saved)
        accept();
}

} // namespace liorna
