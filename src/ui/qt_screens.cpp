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

void QtScreens::close(ScreenId screen)
{
    if (screen == ScreenId::Start && start_)
        start_->accept();
}

void QtScreens::quit()
{
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace liorna
