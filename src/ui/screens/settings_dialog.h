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
    // "Сохранить" saves in the core through `deliver`, then runs `applied` there (the program applies
    // the file again); after a failed save, which the boundary reports, the dialog stays open.
    SettingsDialog(std::unique_ptr<SettingsDialogModel> model, EventBoundary deliver,
                   std::function<void()> applied, QWidget* parent = nullptr);

    QCheckBox* soundBox() const { return sound_; }
    QSlider* speed1Bar() const { return speed1_; }
    QSlider* speed2Bar() const { return speed2_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void pressSave();

    std::unique_ptr<SettingsDialogModel> model_;
    EventBoundary deliver_;
    std::function<void()> applied_;
    QCheckBox* sound_ = nullptr;
    QSlider* speed1_ = nullptr;
    QSlider* speed2_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace liorna
