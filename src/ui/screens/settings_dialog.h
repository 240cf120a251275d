#pragma once
// "Настройки": sound cues on or off and the two pacing speeds.

#include <QDialog>
#include <functional>
#include <string>

#include "persist/settings_model.h"

class QCheckBox;
class QPushButton;
class QSlider;

namespace liorna {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `applied` runs after a successful save (the program applies the file again); `report` shows a
    // save error, after which the dialog stays open.
    SettingsDialog(SettingsDialogModel& model, std::function<void()> applied,
                   std::function<void(const std::string&)> report, QWidget* parent = nullptr);

    QCheckBox* soundBox() const { return sound_; }
    QSlider* speed1Bar() const { return speed1_; }
    QSlider* speed2Bar() const { return speed2_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void pressSave();

    SettingsDialogModel& model_;
    std::function<void()> applied_;
    std::function<void(const std::string&)> report_;
    QCheckBox* sound_ = nullptr;
    QSlider* speed1_ = nullptr;
    QSlider* speed2_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace liorna
