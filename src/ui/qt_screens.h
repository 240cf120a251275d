#pragma once
// The Screens port on Qt: each screen is opened with open(), never a nested loop, and shows the model
// the core hands it; every click it hands to the core goes through the program's event boundary.

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "game/screens.h"
#include "platform/ports.h"
#include "ui/event_boundary.h"
#include "ui/screens/match_status_screen.h"
#include "ui/screens/start_screen.h"

namespace liorna {

// The ports the screens use beside the core's.
struct QtScreenPorts {
    MessageSink& messages;
};

class QtScreens : public Screens {
public:
    // `owner` is only kept here and used once a screen opens, so it may still be under construction;
    // so may what `deliver` leads to.
    QtScreens(QWidget* owner, EventBoundary deliver, QtScreenPorts ports);
    ~QtScreens() override;
    void openStart(StartScreenModel& model) override;
    void openMatchStatus(MatchStatus& model) override;
    void openBonus(BonusScreenModel& model, ScreenActions actions) override;
    void openCardBack(CardBackModel& model, ScreenActions actions) override;
    void openSettings(SettingsDialogModel& model, ScreenActions actions) override;
    void openStatistics(StatisticsModel& model, ScreenActions actions) override;
    void openAbout(const std::string& clipPath) override;
    // Shows the state of the open screens after an event.
    void render();
    void close(ScreenId screen) override;
    void quit() override;
    StartScreen* startScreen() const { return start_; }
    MatchStatusScreen* matchStatusScreen() const { return matchStatus_; }
    // The screen opened last by openBonus, openCardBack, openSettings, openStatistics or openAbout,
    // while it is open.
    QDialog* dialog() const { return dialog_; }
    // Runs once the start screen opened at start-up has been painted.
    std::function<void()> startPainted;
    // Runs as soon as the start screen opened at start-up is up, where it opens before the table's first
    // frame (X11); what it shows lies under the screen.
    std::function<void()> startOpened;
    // Where the start screen keeps its shape between starts; by default nowhere.
    StartShapes startShapes;

private:
    // Shows a dialog; its close runs `closed` in the core.
    void show(QDialog* dialog, std::function<void()> closed = nullptr);
    std::function<void(const std::string&)> reporter();

    QWidget* owner_;
    EventBoundary deliver_;
    QtScreenPorts ports_;
    QPointer<StartScreen> start_;
    QPointer<MatchStatusScreen> matchStatus_;
    QPointer<QDialog> dialog_;
};

} // namespace liorna
