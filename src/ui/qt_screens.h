#pragma once
// The Screens port on Qt: each screen is opened window-modally with open(), never a nested loop.

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "engine/game_engine.h"
#include "persist/settings_model.h"
#include "persist/statistics_model.h"
#include "platform/picture_writer.h"
#include "platform/ports.h"
#include "platform/screens.h"
#include "ui/screens/match_status_screen.h"
#include "ui/screens/start_screen.h"

namespace liorna {

class QtScreens : public Screens {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void setEngine(GameEngine* engine) { engine_ = engine; }
    void openStart(StartScreenModel& model) override;
    void openMatchStatus() override;
    void openBonus(bool reveal) override;
    void openCardBack() override;
    void openSettings() override;
    void openStatistics() override;
    void openAbout() override;
    void setPorts(MessageSink* messages, Shell* shell, Timers* timers, PictureWriter* pictures)
    {
        pictures_ = pictures;
        timers_ = timers;
        messages_ = messages;
        shell_ = shell;
    }
    // Shows the state of the open screens after an event.
    void render();
    void close(ScreenId screen) override;
    void quit() override;
    StartScreen* startScreen() const { return start_; }
    MatchStatusScreen* matchStatusScreen() const { return matchStatus_; }

private:
    QWidget* owner_ = nullptr;
    QPointer<StartScreen> start_;
    QPointer<MatchStatusScreen> matchStatus_;
    GameEngine* engine_ = nullptr;
    MessageSink* messages_ = nullptr;
    Shell* shell_ = nullptr;
    // The models of the open dialog; each opening starts from fresh ones.
    std::unique_ptr<StatisticsModel> statistics_;
    std::unique_ptr<SettingsDialogModel> settings_;
    Timers* timers_ = nullptr;
    PictureWriter* pictures_ = nullptr;
    void show(QDialog* dialog);
    std::function<void(const std::string&)> reporter();
};

} // namespace liorna
