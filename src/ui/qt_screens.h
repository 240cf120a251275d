#pragma once
// The Screens port on Qt: each screen is opened window-modally with open(), never a nested loop.

#include <QPointer>
#include <QWidget>

#include "app/start_screen.h"
#include "engine/game_engine.h"
#include "play/match_status_screen.h"
#include "platform/screens.h"

namespace liorna {

class QtScreens : public Screens {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void setEngine(GameEngine* engine) { engine_ = engine; }
    void openStart(StartScreenModel& model) override;
    void openMatchStatus() override;
    void openBonus(bool reveal) override;
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
};

} // namespace liorna
