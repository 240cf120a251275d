// The Qt screens open what the engine asks for, and every window they open (a screen, a question, an
// error) opens without a nested event loop: the calls return at once and the core keeps running.

#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "engine/start_screen_model.h"
#include "game/game_setup.h"
#include "harness.h"
#include "platform/texts.h"
#include "ui/first_frame_hold.h"
#include "ui/qt_ports.h"
#include "ui/qt_screens.h"
#include "ui/screens/start_screen.h"
#include "ui/screens/statistics_dialog.h"

using namespace liorna;

class QtScreensTest : public QObject {
    Q_OBJECT
private slots:
    void matchStatusScreenOpensAndCloses();
    void statisticsResetAsksWithoutNesting();
    void cardBackChoiceRunsThroughTheEngine();
    void errorsWaitTheirTurnWithoutNesting();
    void everyWindowBelongsToTheTable();
    void startScreenPaintsBeforeTheHeldTable();
    void startScreenOpensBeforeTheTable();
};

namespace {

// The engine with the Qt screens over recording ports, built in the program's order.
struct Parts {
    std::filesystem::path dir;
    VirtualTimers timers;
    SeededRandom random{1};
    RecordingCues cues{dir};
    RecordingMessages messages;
    RecordingShell shell;
    RecordingPictureWriter pictures{dir};
    QtScreens screens{&owner, [this](const std::function<void()>& event) { engine.deliver(event); },
                      QtScreenPorts{messages}};
    // Each render after an event, besides the screens'.
    std::function<void()> rendered;
    GameEngine engine{EnginePorts{timers, random, cues, messages, screens, shell, pictures, dir, [this] {
                                      screens.render();
                                      if (rendered)
                                          rendered();
                                  }}};
    // Last, so that the screens it owns go before the parts they use.
    QWidget owner;

    explicit Parts(const char* name)
        : dir(std::filesystem::temp_directory_path() / (name + std::to_string(::getpid())))
    {
        writeProgramFolder(dir);
        owner.show();
        engine.create();
        timers.advance(1);
        engine.deliver([&] { engine.startScreen()->press("Не играть"); });
        QCoreApplication::processEvents();
    }
    ~Parts() { std::filesystem::remove_all(dir); }
};

// The box shown over everything else, once it has opened.
QMessageBox* openBox()
{
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible())
            box = b;
    return box;
}

QMessageBox* openBoxIn(QWidget* parent)
{
    const auto boxes = parent->findChildren<QMessageBox*>();
    for (QMessageBox* b : boxes)
        if (b->isVisible())
            return b;
    return nullptr;
}

} // namespace

void QtScreensTest::matchStatusScreenOpensAndCloses()
{
    Parts p("liorna-qtscreens-status-");
    QVERIFY(!p.screens.startScreen() || !p.screens.startScreen()->isVisible());
    p.engine.setup().humanTrickPoints(20).computerTrickPoints(100);
    p.engine.deliver([&] { p.engine.scoreDeal(); });
    QVERIFY(p.screens.matchStatusScreen());
    QVERIFY(p.screens.matchStatusScreen()->isVisible());
    p.timers.advance(450 * 20);
    QVERIFY(p.screens.matchStatusScreen()->isVisible());
    p.timers.advance(450 + 1000);
    QCoreApplication::processEvents();
    QVERIFY(!p.screens.matchStatusScreen() || !p.screens.matchStatusScreen()->isVisible());
    QVERIFY(p.messages.shown.empty());
}

void QtScreensTest::statisticsResetAsksWithoutNesting()
{
    Parts p("liorna-qtscreens-stats-");
    p.engine.settings().setLine(6, "2");
    p.engine.deliver([&] { p.engine.runCommand(MenuCommand::Statistics); });
    auto* dialog = qobject_cast<StatisticsDialog*>(p.screens.dialog());
    QVERIFY(dialog && dialog->isVisible());

    // The click returns with the question open; the virtual clock still runs the core meanwhile.
    for (const bool ok : {false, true}) {
        dialog->resetButton()->click();
        QMessageBox* box = openBoxIn(dialog);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Сброс данных"));
        QCOMPARE(box->text(), QStringLiteral("Вы уверены что хотите сбросить все статистические данные?"));
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        p.timers.advance(100);
        QCOMPARE(p.engine.settings().line(6), std::string("2"));
        box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        QCoreApplication::processEvents();
        QCOMPARE(p.engine.settings().line(6), std::string(ok ? "0" : "2"));
    }
    QTRY_VERIFY(!p.screens.dialog());
    QVERIFY(p.messages.shown.empty());
}

void QtScreensTest::cardBackChoiceRunsThroughTheEngine()
{
    Parts p("liorna-qtscreens-back-");
    int renders = 0;
    p.rendered = [&] { ++renders; };
    p.engine.deliver([&] { p.engine.runCommand(MenuCommand::CardBack); });
    auto* dialog = p.screens.dialog();
    QVERIFY(dialog);
    auto* ok = dialog->findChild<QPushButton*>();
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));

    // A choice that cannot be saved reaches the message sink through the engine, which renders after it.
    std::filesystem::permissions(p.dir / "Setting", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    renders = 0;
    ok->click();
    QCOMPARE(p.messages.shown, std::vector<std::string>{"Cannot create file Setting/XP.kvz"});
    QCOMPARE(renders, 1);
    QVERIFY(dialog->isVisible());
    std::filesystem::permissions(p.dir / "Setting", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ok->click();
    // The choice is one event and the dialog's close, which lets the core drop its model, another.
    QCOMPARE(renders, 3);
    QTRY_VERIFY(!p.screens.dialog());
}

void QtScreensTest::errorsWaitTheirTurnWithoutNesting()
{
    QWidget owner;
    owner.show();
    MessageBoxSink sink(&owner);
    int acknowledged = 0;
    sink.afterLast = [&] { ++acknowledged; };
    // Each call returns at once: the first error shows, the second waits for it.
    sink.showError("first");
    sink.showError("second");
    QMessageBox* box = openBox();
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("first"));
    QCOMPARE(box->windowTitle(), QString::fromUtf8(text::PRODUCT_TITLE));
    QCOMPARE(box->parentWidget(), &owner);
    box->button(QMessageBox::Ok)->click();
    QCOMPARE(acknowledged, 0);
    QCoreApplication::processEvents();
    box = openBox();
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("second"));
    box->button(QMessageBox::Ok)->click();
    QCOMPARE(acknowledged, 1);
    QCoreApplication::processEvents();
    QTRY_VERIFY(!openBox());
}

namespace {

// The window is the table's: the desktop keeps it over the table, and it opens over the table's middle.
void checkOverTable(QWidget* window, const QWidget& table, const char* what)
{
    QVERIFY2(window && window->isVisible(), what);
    QVERIFY2(window->windowHandle() && window->windowHandle()->transientParent() == table.windowHandle(),
             what);
    const QPoint off = window->frameGeometry().center() - table.frameGeometry().center();
    QVERIFY2(off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1 is off the table's centre by (%2, %3)")
                                                        .arg(QLatin1String(what))
                                                        .arg(off.x())
                                                        .arg(off.y())));
}

} // namespace

void QtScreensTest::everyWindowBelongsToTheTable()
{
    Parts p("liorna-qtscreens-owner-");
    // A table moved away from the screen's middle: its windows go with it.
    p.owner.setGeometry(60, 40, 900, 640);
    QCoreApplication::processEvents();
    const struct {
        MenuCommand command;
        const char* what;
    } commands[] = {{MenuCommand::Settings, "settings"},
                    {MenuCommand::CardBack, "card back"},
                    {MenuCommand::Statistics, "statistics"},
                    {MenuCommand::Bonuses, "bonus pictures"},
                    {MenuCommand::About, "about box"}};
    for (const auto& c : commands) {
        p.engine.deliver([&] { p.engine.runCommand(c.command); });
        QDialog* dialog = p.screens.dialog();
        checkOverTable(dialog, p.owner, c.what);
        dialog->reject();
        QTRY_VERIFY(!p.screens.dialog());
    }

    p.engine.setup().humanTrickPoints(20).computerTrickPoints(100);
    p.engine.deliver([&] { p.engine.scoreDeal(); });
    checkOverTable(p.screens.matchStatusScreen(), p.owner, "match status");

    MessageBoxSink sink(&p.owner);
    sink.showError("Cannot open AVI");
    checkOverTable(sink.box(), p.owner, "error box");
}

namespace {

class CountedPaints : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

void QtScreensTest::startScreenPaintsBeforeTheHeldTable()
{
    // As the program starts where the table need not be on the screen first: the table is shown with
    // its first frame held, and the start screen opens over it at once, not after the table's frame.
    CountedPaints table;
    table.resize(800, 600);
    table.show();
    std::optional<FirstFrameHold> hold(std::in_place, table.windowHandle());
    RecordingMessages messages;
    QtScreens screens(
        &table, [](const std::function<void()>& event) { event(); }, QtScreenPorts{messages});
    int tablePaintsWhenStartPainted = -1;
    screens.startPainted = [&] {
        tablePaintsWhenStartPainted = table.paints;
        hold->release();
    };
    StartScreenModel model({});
    screens.openStart(model);
    auto* start = table.findChild<StartScreen*>();
    QVERIFY(start && start->isVisible());

    QTRY_COMPARE(tablePaintsWhenStartPainted, 0);
    QVERIFY(!hold->held());
    // Released, the table paints the frame it was kept from, without anything else asking for it.
    QTRY_VERIFY(table.paints > 0);

    // A hold that is never released lets go when it goes: the window is not left blank.
    CountedPaints other;
    other.resize(300, 200);
    other.show();
    {
        FirstFrameHold forgotten(other.windowHandle());
        QTest::qWait(50);
        QCOMPARE(other.paints, 0);
    }
    QTRY_VERIFY(other.paints > 0);
}

void QtScreensTest::startScreenOpensBeforeTheTable()
{
    // As the program starts on X11: the table, to be shown maximized, shows once the start screen is
    // up, and the screen lies in the middle of where the table will be.
    QWidget table;
    table.setWindowState(Qt::WindowMaximized);
    RecordingMessages messages;
    QtScreens screens(
        &table, [](const std::function<void()>& event) { event(); }, QtScreenPorts{messages});
    bool startUp = false;
    screens.startOpened = [&] {
        auto* start = table.findChild<StartScreen*>();
        startUp = start && start->isVisible();
        table.show();
    };
    StartScreenModel model({});
    screens.openStart(model);
    QVERIFY(startUp);
    QVERIFY(table.isVisible());
    auto* start = table.findChild<StartScreen*>();
    QVERIFY(start && start->isVisible());
    const QPoint middle = table.screen()->availableGeometry().center();
    QVERIFY2((start->frameGeometry().center() - middle).manhattanLength() <= 1,
             qPrintable(QStringLiteral("start screen at %1,%2").arg(start->x()).arg(start->y())));
    // Only the first opening shows anything.
    QVERIFY(!screens.startOpened);
}

QTEST_MAIN(QtScreensTest)
#include "qt_screens_test.moc"
