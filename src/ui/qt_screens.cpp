#include "ui/qt_screens.h"
#include "platform/texts.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "persist/bonus_screen_model.h"
#include "persist/card_back_model.h"
#include "persist/settings_model.h"
#include "persist/statistics_model.h"
#include "play/match_status.h"
#include "ui/after_painted.h"
#include "ui/screens/about_box.h"
#include "ui/screens/bonus_screen.h"
#include "ui/screens/card_back_dialog.h"
#include "ui/screens/settings_dialog.h"
#include "ui/screens/statistics_dialog.h"
#include "ui/window_placement.h"

namespace liorna {

QtScreens::QtScreens(QWidget* owner, EventBoundary deliver, QtScreenPorts ports)
    : owner_(owner), deliver_(std::move(deliver)), ports_(ports)
{
}

QtScreens::~QtScreens() = default;

std::function<void(const std::string&)> QtScreens::reporter()
{
    MessageSink& messages = ports_.messages;
    return [&messages](const std::string& text) { messages.showError(text); };
}

void QtScreens::openStart(StartScreenModel& model)
{
    start_ = new StartScreen(model, owner_, StartScreen::displaySeeThrough(), startShapes);
    belongToTable(start_, owner_);
    start_->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<StartScreen> screen = start_;
    auto open = [this, screen] {
        // Closed by the engine before it could show: nothing to open.
        if (!screen || screen != start_)
            return;
        screen->open();
        if (startPainted)
            new AfterPainted(screen, std::exchange(startPainted, nullptr));
    };
    // Where the table need not be on the screen first (X11), the screen opens at once: it is up before
    // the table's first frame rather than after it.
    if (owner_ && parentMustShowFirst()) {
        new AfterPainted(owner_->window(), open);
        return;
    }
    open();
    if (startOpened) {
        std::exchange(startOpened, nullptr)();
        // Mapped after it, a window would cover it on a display without a window manager.
        if (start_)
            start_->raise();
    }
}

void QtScreens::openMatchStatus(MatchStatus& model)
{
    matchStatus_ = new MatchStatusScreen(
        model.state(), [deliver = deliver_, &model] { runEvent(deliver, [&model] { model.click(); }); },
        owner_);
    belongToTable(matchStatus_, owner_);
    matchStatus_->setAttribute(Qt::WA_DeleteOnClose);
    matchStatus_->open();
}

void QtScreens::show(QDialog* dialog, std::function<void()> closed)
{
    dialog_ = dialog;
    if (closed)
        QObject::connect(dialog, &QDialog::finished, dialog,
                         [deliver = deliver_, closed = std::move(closed)] { runEvent(deliver, closed); });
    belongToTable(dialog, owner_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->open();
}

void QtScreens::openBonus(BonusScreenModel& model, ScreenActions actions)
{
    show(new BonusScreen(model, deliver_, owner_), std::move(actions.closed));
}

void QtScreens::openCardBack(CardBackModel& model, ScreenActions actions)
{
    show(new CardBackDialog(model, deliver_, std::move(actions.accept), owner_), std::move(actions.closed));
}

void QtScreens::openSettings(SettingsDialogModel& model, ScreenActions actions)
{
    show(new SettingsDialog(model, deliver_, std::move(actions.accept), owner_), std::move(actions.closed));
}

void QtScreens::openStatistics(StatisticsModel& model, ScreenActions actions)
{
    // The question is window-modal over the dialog and answers through a callback: no nested loop.
    auto ask = [](QWidget* dialog, std::function<void(bool)> answer) {
        auto* box = new QMessageBox(QMessageBox::Question, QString::fromUtf8(text::RESET_QUESTION_TITLE),
                                    QString::fromUtf8(text::RESET_QUESTION),
                                    QMessageBox::Ok | QMessageBox::Cancel, dialog);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        QObject::connect(box, &QDialog::finished, box, [box, answer = std::move(answer)] {
            answer(box->standardButton(box->clickedButton()) == QMessageBox::Ok);
        });
        box->open();
    };
    show(new StatisticsDialog(model, deliver_, ask, std::move(actions.accept), owner_),
         std::move(actions.closed));
}

void QtScreens::openAbout(const std::string& clipPath)
{
    show(new AboutBox(QString::fromStdString(clipPath), reporter(), owner_));
}

void QtScreens::render()
{
    if (matchStatus_)
        matchStatus_->render();
}

void QtScreens::close(ScreenId screen)
{
    if (screen == ScreenId::Start && start_) {
        start_->accept();
        start_ = nullptr;
    }
    if (screen == ScreenId::MatchStatus && matchStatus_)
        matchStatus_->accept();
}

void QtScreens::quit()
{
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace liorna
