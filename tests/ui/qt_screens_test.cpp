// The Qt screens open what the engine asks for: the match status screen after a deal, shown until
// the engine closes it.

#include <QtTest>

#include "harness.h"
#include "ui/qt_screens.h"

using namespace liorna;

class QtScreensTest : public QObject {
    Q_OBJECT
private slots:
    void matchStatusScreenOpensAndCloses();
};

void QtScreensTest::matchStatusScreenOpensAndCloses()
{
    const auto dir =
        std::filesystem::temp_directory_path() / ("liorna-qtscreens-" + std::to_string(::getpid()));
    writeProgramFolder(dir);
    VirtualTimers timers;
    SeededRandom random(1);
    RecordingCues cues(dir);
    RecordingMessages messages;
    RecordingShell shell;
    QtScreens screens;
    QWidget owner;
    owner.show();
    screens.setOwner(&owner);
    RecordingPictureWriter pictures(dir);
    screens.setPorts(&messages, &shell, &timers, &pictures);
    GameEngine engine(EnginePorts{timers, random, cues, messages, screens, shell, dir});
    screens.setEngine(&engine);
    engine.onTableChanged = [&screens] { screens.render(); };
    engine.create();
    timers.advance(1);
    QVERIFY(screens.startScreen());
    engine.deliver([&] { engine.startScreen()->press("Не играть"); });
    QCoreApplication::processEvents();

    engine.humanTrickPoints = 20;
    engine.computerTrickPoints = 100;
    engine.deliver([&] { engine.scoreDeal(); });
    QVERIFY(screens.matchStatusScreen());
    QVERIFY(screens.matchStatusScreen()->isVisible());
    timers.advance(450 * 20);
    QVERIFY(screens.matchStatusScreen()->isVisible());
    timers.advance(450 + 1000);
    QCoreApplication::processEvents();
    QVERIFY(!screens.matchStatusScreen() || !screens.matchStatusScreen()->isVisible());
    QVERIFY(messages.shown.empty());
    std::filesystem::remove_all(dir);
}

QTEST_MAIN(QtScreensTest)
#include "qt_screens_test.moc"
