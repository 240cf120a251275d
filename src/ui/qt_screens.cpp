#include "ui/qt_screens.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>

#include "ui/screens/about_box.h"
#include "ui/screens/bonus_screen.h"
#include "ui/screens/card_back_dialog.h"
#include "ui/screens/settings_dialog.h"
#include "ui/screens/statistics_dialog.h"

#include "ui/screens/start_screen.h"

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
        engine->matchStatus(), [engine] { engine->deliver([engine] { engine->clickMatchStatus(); }); },
        owner_);
    matchStatus_->setAttribute(Qt::WA_DeleteOnClose);
    matchStatus_->open();
}

void QtScreens::show(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->open();
    if (const QScreen* s = dialog->screen())
        dialog->move(s->geometry().center() - dialog->rect().center());
}

std::function<void(const std::string&)> QtScreens::reporter()
{
    MessageSink* messages = messages_;
    return [messages](const std::string& text) { messages->showError(text); };
}

void QtScreens::openBonus(bool reveal)
{
    std::optional<int> mode;
    if (reveal)
        mode = engine_->matchMode;
    GameEngine* engine = engine_;
    auto model = std::make_unique<BonusScreenModel>(*timers_, engine->settings(), mode, *pictures_, *shell_);
    model->report = reporter();
    auto* screen = new BonusScreen(
        std::move(model), [engine](const std::function<void()>& event) { engine->deliver(event); }, owner_);
    // A completed picture may have become a card back: the table's backs follow the file.
    QObject::connect(screen, &QDialog::finished, screen,
                     [engine] { engine->deliver([engine] { engine->applySettings(); }); });
    show(screen);
}

void QtScreens::openCardBack()
{
    GameEngine* engine = engine_;
    auto report = reporter();
    auto* dialog = new CardBackDialog(
        engine->cardBackChoice, engine->availableBackCount,
        [engine, report](const std::string& chosen) {
            try {
                engine->chooseCardBack(chosen);
            } catch (const UserError& error) {
                report(error.what());
                return false;
            }
            engine->deliver([] {});
            return true;
        },
        engine->cardBackPicture, owner_);
    show(dialog);
}

void QtScreens::openSettings()
{
    settings_ = std::make_unique<SettingsDialogModel>(engine_->settings());
    GameEngine* engine = engine_;
    auto* dialog = new SettingsDialog(
        *settings_, [engine] { engine->deliver([engine] { engine->applySettings(); }); }, reporter(), owner_);
    show(dialog);
}

void QtScreens::openStatistics()
{
    statistics_ = std::make_unique<StatisticsModel>(engine_->settings());
    QWidget* owner = owner_;
    auto confirm = [owner] {
        return QMessageBox::question(
                   owner, QStringLiteral("Сброс данных"),
                   QStringLiteral("Вы уверены что хотите сбросить все статистические данные?"),
                   QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    };
    show(new StatisticsDialog(*statistics_, confirm, reporter(), owner_));
}

void QtScreens::openAbout()
{
    show(new AboutBox(QDir(QString::fromStdString(engine_->programDir().string())).filePath("Orvel.avi"),
                      reporter(), owner_));
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
