#pragma once
// "Настройки": sound cues on or off and the two pacing speeds.

#include <QDialog>
#include <functional>
#include <memory>

#include "persist/settings_model.h"
#include "ui/event_boundary.h"

class QCheckBox;
class QPushButton;
class QSlider;

namespace liorna {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // "Сохранить" puts the values into the model and runs `save` in the core through `deliver` (the
    // program saves the file and applies it again); after a failed save, which the boundary reports,
    // the dialog stays open.
    SettingsDialog(SettingsDialogModel& model, EventBoundary deliver, std::function<void()> save,
                   QWidget* parent = nullptr);

    QCheckBox* soundBox() const { return sound_; }
    QSlider* speed1Bar() const { return speed1_; }
    QSlider* speed2Bar() const { return speed2_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void pressSave();

    SettingsDialogModel& model_;
    EventBoundary deliver_;
    std::function<void()> saveAction_;
    QCheckBox* sound_ = nullptr;
    QSlider* speed1_ = nullptr;
    QSlider* speed2_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace liorna
