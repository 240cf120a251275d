#include "ui/qt_screens.h"
#include "platform/texts.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include "persist/bonus_screen_model.h"
#include "ui/screens/about_box.h"
#include "ui/screens/bonus_screen.h"
#include "ui/screens/card_back_dialog.h"
#include "ui/screens/settings_dialog.h"
#include "ui/screens/statistics_dialog.h"
#include "ui/window_placement.h"

namespace liorna {

QtScreens::QtScreens(QWidget* owner, GameEngine& engine, QtScreenPorts ports)
    : owner_(owner), engine_(engine), ports_(ports),
      timers_(std::make_unique<DeliveringTimers>(
          ports.timers, [&engine](const std::function<void()>& tick) { engine.deliver(tick); }))
{
}

QtScreens::~QtScreens() = default;

EventBoundary QtScreens::boundary()
{
    GameEngine& engine = engine_;
    return [&engine](const std::function<void()>& event) { engine.deliver(event); };
}

std::function<void(const std::string&)> QtScreens::reporter()
{
    MessageSink& messages = ports_.messages;
    return [&messages](const std::string& text) { messages.showError(text); };
}

namespace {

// Runs `then` once the table has been painted. A window shown over a table that is still painting on a
// busy machine stays an unpainted cut-out until the table is done; after it, its own paint comes at once.
// A table that is not on the screen (or not exposed within two seconds) does not hold the window back.
class AfterTablePainted : public QObject {
public:
    AfterTablePainted(QWidget* table, std::function<void()> then) : QObject(table), then_(std::move(then))
    {
        QWindow* window = table->windowHandle();
        if (!table->isVisible() || !window || window->isExposed()) {
            QTimer::singleShot(0, this, [this] { run(); });
            return;
        }
        window->installEventFilter(this);
        QTimer::singleShot(2000, this, [this] { run(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The expose paints the table before returning; the window follows right after.
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run()
    {
        if (then_)
            std::exchange(then_, nullptr)();
        deleteLater();
    }
    std::function<void()> then_;
};

} // namespace

void QtScreens::openStart(StartScreenModel& model)
{
    start_ = new StartScreen(model, owner_);
    belongToTable(start_, owner_);
    start_->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<StartScreen> screen = start_;
    auto open = [this, screen] {
        // Closed by the engine before it could show: nothing to open.
        if (screen && screen == start_)
            screen->open();
    };
    if (owner_)
        new AfterTablePainted(owner_->window(), open);
    else
        open();
}

void QtScreens::openMatchStatus()
{
    GameEngine& engine = engine_;
    matchStatus_ = new MatchStatusScreen(
        engine.matchStatus(), [&engine] { engine.deliver([&engine] { engine.clickMatchStatus(); }); },
        owner_);
    belongToTable(matchStatus_, owner_);
    matchStatus_->setAttribute(Qt::WA_DeleteOnClose);
    matchStatus_->open();
}

void QtScreens::show(QDialog* dialog)
{
    dialog_ = dialog;
    belongToTable(dialog, owner_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->open();
}

void QtScreens::openBonus(bool reveal)
{
    std::optional<int> mode;
    if (reveal)
        mode = engine_.match().matchMode();
    auto model =
        std::make_unique<BonusScreenModel>(*timers_, engine_.settings(), mode, ports_.pictures, ports_.shell);
    model->report = reporter();
    auto* screen = new BonusScreen(std::move(model), boundary(), owner_);
    // A completed picture may have become a card back: the table's backs follow the file.
    GameEngine& engine = engine_;
    QObject::connect(screen, &QDialog::finished, screen,
                     [&engine] { engine.deliver([&engine] { engine.applySettings(); }); });
    show(screen);
}

void QtScreens::openCardBack()
{
    GameEngine& engine = engine_;
    show(new CardBackDialog(
        engine.profile().cardBackChoice(), engine.profile().availableBackCount(), boundary(),
        [&engine](const std::string& chosen) { engine.chooseCardBack(chosen); }, engine.profile().cardBack(),
        owner_));
}

void QtScreens::openSettings()
{
    GameEngine& engine = engine_;
    show(new SettingsDialog(
        std::make_unique<SettingsDialogModel>(engine.settings()), boundary(),
        [&engine] { engine.applySettings(); }, owner_));
}

void QtScreens::openStatistics()
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
    show(
        new StatisticsDialog(std::make_unique<StatisticsModel>(engine_.settings()), boundary(), ask, owner_));
}

void QtScreens::openAbout()
{
    show(new AboutBox(
        QDir(QString::fromStdString(engine_.programDir().string())).filePath(QStringLiteral("Orvel.avi")),
        reporter(), owner_));
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
