// The table window is remembered in Setting/liorna.ini: size, state and (where the program places its
// windows) position come back at the next start; a file that cannot be read gives the first start's window.

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/preferences.h"
#include "ui/window_memory.h"

using namespace liorna;

class WindowMemoryTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartIsMaximized();
    void windowComesBackAsItWasLeft_data();
    void windowComesBackAsItWasLeft();
    void damagedFileGivesTheDefaultsAndIsWrittenAnew_data();
    void damagedFileGivesTheDefaultsAndIsWrittenAnew();
    void sizeLargerThanTheScreenIsClamped();

private:
    QString file() const { return dir_.filePath(QString::fromLatin1(Preferences::FILE)); }
    QTemporaryDir dir_;
};

namespace {

// A start of the game as far as its window goes: the preferences read, the window shown from them.
struct Start {
    explicit Start(const QString& file) : preferences(file), memory(&window, preferences, 0)
    {
        window.setMinimumSize(320, 200);
        window.setGeometry(244, 188, 708, 445);
        memory.restoreAndShow();
    }
    Preferences preferences;
    QWidget window;
    WindowMemory memory;
};

} // namespace

void WindowMemoryTest::firstStartIsMaximized()
{
    QFile::remove(file());
    Start start(file());
    QVERIFY(start.window.windowState() & Qt::WindowMaximized);
    QVERIFY(!start.preferences.tableWindow());
}

void WindowMemoryTest::windowComesBackAsItWasLeft_data()
{
    QTest::addColumn<Qt::WindowStates>("state");
    QTest::addRow("restored") << Qt::WindowStates(Qt::WindowNoState);
    QTest::addRow("maximized") << Qt::WindowStates(Qt::WindowMaximized);
    QTest::addRow("full screen") << Qt::WindowStates(Qt::WindowFullScreen);
    QTest::addRow("full screen over maximized") << (Qt::WindowMaximized | Qt::WindowFullScreen);
}

void WindowMemoryTest::windowComesBackAsItWasLeft()
{
    QFETCH(Qt::WindowStates, state);
    QFile::remove(file());
    const QRect left(30, 40, 700, 500);
    {
        Start first(file());
        first.window.setWindowState(Qt::WindowNoState);
        first.window.setGeometry(left);
        QTRY_COMPARE(first.preferences.tableWindow().value_or(Preferences::TableWindow{}).size, left.size());
        first.window.setWindowState(state);
        QCoreApplication::processEvents();
        first.window.close();
    }
    Start again(file());
    QCOMPARE(again.window.windowState(), state);
    again.window.setWindowState(Qt::WindowNoState);
    // Restoring it gives back the size and place it had before it was maximized or made full screen.
    QTRY_COMPARE(again.window.geometry(), left);
}

void WindowMemoryTest::damagedFileGivesTheDefaultsAndIsWrittenAnew_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addRow("not text") << QByteArray("\x00\xff\xfe[TableWindow\x00=\x01\n", 17);
    QTest::addRow("words for numbers")
        << QByteArray("[TableWindow]\nwidth=wide\nheight=500\nmaximized=false\n"
                      "fullScreen=false\n");
    QTest::addRow("no size") << QByteArray("[TableWindow]\nmaximized=false\nfullScreen=false\n");
    QTest::addRow("a state that is no word of ours")
        << QByteArray("[TableWindow]\nwidth=700\nheight=500\nmaximized=yes\nfullScreen=false\n");
    QTest::addRow("a size of nothing")
        << QByteArray("[TableWindow]\nwidth=0\nheight=-5\nmaximized=false\nfullScreen=false\n");
}

void WindowMemoryTest::damagedFileGivesTheDefaultsAndIsWrittenAnew()
{
    QFETCH(QByteArray, content);
    QDir().mkpath(dir_.filePath(QStringLiteral("Setting")));
    {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    {
        Start start(file());
        QVERIFY(start.window.windowState() & Qt::WindowMaximized);
        start.window.setWindowState(Qt::WindowNoState);
        start.window.setGeometry(50, 60, 640, 480);
        QTRY_VERIFY(start.preferences.tableWindow().has_value());
    }
    const auto saved = Preferences(file()).tableWindow();
    QVERIFY(saved);
    QCOMPARE(saved->size, QSize(640, 480));
    QCOMPARE(saved->maximized, false);
}

void WindowMemoryTest::sizeLargerThanTheScreenIsClamped()
{
    QFile::remove(file());
    Preferences(file()).setTableWindow({QSize(9000, 7000), QPoint(-4000, 12000), false, false});
    Start start(file());
    const QRect area = start.window.screen()->availableGeometry();
    // As large as the free area and on it (the test platform's window frame may shift it by its width).
    QCOMPARE(start.window.size(), area.size());
    QVERIFY(area.adjusted(-4, -4, 4, 4).contains(start.window.geometry()));
}

QTEST_MAIN(WindowMemoryTest)
#include "window_memory_test.moc"
