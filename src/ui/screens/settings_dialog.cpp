#include "ui/screens/settings_dialog.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "ui/fonts.h"

namespace liorna {

namespace {

QSlider* speedBar(QWidget* parent, int y, int value)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setGeometry(16, y, 209, 25);
    bar->setRange(SPEED_MIN, SPEED_MAX);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(1);
    bar->setPageStep(1);
    bar->setValue(value);
    return bar;
}

} // namespace

SettingsDialog::SettingsDialog(std::unique_ptr<SettingsDialogModel> model, EventBoundary deliver,
                               std::function<void()> applied, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(std::move(model)), deliver_(std::move(deliver)), applied_(std::move(applied))
{
    setWindowTitle(QStringLiteral("Настройки"));
    setFixedSize(274, 386);

    sound_ = new QCheckBox(QStringLiteral("Использовать звуковые эффекты"), this);
    sound_->setGeometry(16, 32, 209, 17);
    sound_->setChecked(model_->soundOn);
    fitWidth(sound_, 209);

    auto* caption1 = new QLabel(QStringLiteral("Скорость анимации 1"), this);
    caption1->move(8, 72);
    caption1->adjustSize();
    speed1_ = speedBar(this, 96, model_->speed1);
    auto* caption2 = new QLabel(QStringLiteral("Скорость анимации 2"), this);
    caption2->move(8, 152);
    caption2->adjustSize();
    speed2_ = speedBar(this, 176, model_->speed2);

    save_ = new QPushButton(QStringLiteral("Сохранить"), this);
    save_->setGeometry(64, 352, 97, 25);
    save_->setDefault(true);
    connect(save_, &QPushButton::clicked, this, &SettingsDialog::pressSave);
    cancel_ = new QPushButton(QStringLiteral("Отмена"), this);
    cancel_->setGeometry(168, 352, 97, 25);
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::pressSave()
{
    bool saved = false;
    const auto event = [&] {
        model_->soundOn = sound_->isChecked();
        model_->speed1 = speed1_->value();
        model_->speed2 = speed2_->value();
        // After a failed save the new values are in memory but not applied; the player may fix the
        // folder and try again.
        model_->save();
        if (applied_)
            applied_();
        saved = true;
    };
    if (deliver_)
        deliver_(event);
    else
        event();
    if (saved)
        accept();
}

} // namespace liorna
