#pragma once
// The Screens port on Qt: each screen is opened window-modally with open(), never a nested loop.

#include <QPointer>
#include <QWidget>

#include "app/start_screen.h"
#include "platform/screens.h"

namespace liorna {

class QtScreens : public Screens {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void openStart(StartScreenModel& model) override;
    void close(ScreenId screen) override;
    void quit() override;
    StartScreen* startScreen() const { return start_; }

private:
    QWidget* owner_ = nullptr;
    QPointer<StartScreen> start_;
};

} // namespace liorna
