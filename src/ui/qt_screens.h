#pragma once
// The Screens port on Qt: each screen is opened with open(), never a nested loop, and owns its model;
// every click and tick it hands to the core goes through the engine's deliver.

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "game/game_engine.h"
#include "platform/delivering_timers.h"
#include "platform/picture_writer.h"
#include "platform/ports.h"
#include "platform/screens.h"
#include "ui/event_boundary.h"
#include "ui/screens/match_status_screen.h"
#include "ui/screens/start_screen.h"

namespace liorna {

// The ports the screens use beside the engine's.
struct QtScreenPorts {
    Timers& timers;
    MessageSink& messages;
    Shell& shell;
    PictureWriter& pictures;
};

class QtScreens : public Screens {
public:
    // The engine and the screens need each other: `engine` and `owner` are only kept here and used
    // once a screen opens, so both may still be under construction.
    QtScreens(QWidget* owner, GameEngine& engine, QtScreenPorts ports);
    ~QtScreens() override;
    void openStart(StartScreenModel& model) override;
    void openMatchStatus() override;
    void openBonus(bool reveal) override;
    void openCardBack() override;
    void openSettings() override;
    void openStatistics() override;
    void openAbout() override;
    // Shows the state of the open screens after an event.
    void render();
    void close(ScreenId screen) override;
    void quit() override;
    StartScreen* startScreen() const { return start_; }
    MatchStatusScreen* matchStatusScreen() const { return matchStatus_; }
    // The screen opened last by openBonus, openCardBack, openSettings, openStatistics or openAbout,
    // while it is open.
    QDialog* dialog() const { return dialog_; }

private:
    void show(QDialog* dialog);
    EventBoundary boundary();
    std::function<void(const std::string&)> reporter();

    QWidget* owner_;
    GameEngine& engine_;
    QtScreenPorts ports_;
    // The screens' own timers (the bonus reveal) tick through the engine's deliver, like its own.
    std::unique_ptr<DeliveringTimers> timers_;
    QPointer<StartScreen> start_;
    QPointer<MatchStatusScreen> matchStatus_;
    QPointer<QDialog> dialog_;
};

} // namespace liorna
