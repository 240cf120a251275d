#include "ui/qt_screens.h"

#include <QApplication>

#include "app/start_screen.h"

namespace liorna {

void QtScreens::openStart(StartScreenModel& model)
{
    start_ = new StartScreen(model, owner_);
    start_->setAttribute(Qt::WA_DeleteOnClose);
    start_->open();
}

void QtScreens::openMatchStatus()
{
    GameEngine* engine = engine_;
    matchStatus_ = new MatchStatusScreen(
        engine->matchStatus(), [engine] { engine->deliver([engine] { engine->clickMatchStatus(); }); }, owner_);
    matchStatus_->setAttribute(Qt::WA_DeleteOnClose);
    matchStatus_->open();
}

void QtScreens::openBonus(bool)
{
    // The bonus pictures' screen is not part of the program yet; a win is recorded all the same.
}

void QtScreens::render()
{
    if (matchStatus_)
        matchStatus_->render();
}

void QtScreens::close(ScreenId screen)
{
    if (screen == ScreenId::Start && start_)
        start_->accept();
    if (screen == ScreenId::MatchStatus && matchStatus_)
        matchStatus_->accept();
}

void QtScreens::quit()
{
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace liorna
