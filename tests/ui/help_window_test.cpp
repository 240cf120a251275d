// F1's page: handed to the desktop's opener, and shown in a window of the program when no viewer can
// show it. The opener is a script on a PATH of the test's own, so each outcome can be staged.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include "ui/qt_ports.h"
#include "ui/screens/help_window.h"

using namespace liorna;

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir program_;
    QTemporaryDir bin_;
    QByteArray savedPath_;

    void writeFile(const QString& path, const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // An xdg-open that records its argument and exits with the given code.
    void stageOpener(int exitCode)
    {
        const QString script = bin_.filePath(QStringLiteral("xdg-open"));
        writeFile(
            script,
            QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexit %2\n").arg(marker()).arg(exitCode).toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString marker() const { return bin_.filePath(QStringLiteral("asked")); }

private slots:
    void initTestCase()
    {
        savedPath_ = qgetenv("PATH");
        writeFile(program_.filePath(QStringLiteral("Help/index.htm")),
                  "<html><head><meta charset=\"utf-8\"><title>Справка</title></head>"
                  "<body><h1>Правила</h1><p>Козырь бьёт любую карту другой масти.</p></body></html>");
    }
    void init()
    {
        QFile::remove(bin_.filePath(QStringLiteral("xdg-open")));
        QFile::remove(marker());
        qputenv("PATH", bin_.path().toLocal8Bit());
    }
    void cleanup() { qputenv("PATH", savedPath_); }

    void openerWithoutViewerFallsBackToTheWindow()
    {
        stageOpener(3); // what xdg-open answers in a bare X session: "no method available"
        DesktopShell shell(program_.path(), nullptr);
        shell.open("Help/index.htm");
        QTRY_VERIFY(shell.helpWindow() && shell.helpWindow()->isVisible());
        auto* window = qobject_cast<HelpWindow*>(shell.helpWindow());
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Справка"));
        QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("Козырь бьёт любую карту")));

        // F1 again brings the same window forward instead of stacking another.
        shell.open("Help/index.htm");
        QTRY_VERIFY(QFile::exists(marker()));
        QTest::qWait(300);
        QCOMPARE(shell.helpWindow(), window);
        delete window;
    }

    void viewerThatOpensThePageLeavesNoWindow()
    {
        stageOpener(0);
        DesktopShell shell(program_.path(), nullptr);
        shell.open("Help/index.htm");
        QTRY_VERIFY(QFile::exists(marker()));
        QFile asked(marker());
        QVERIFY(asked.open(QIODevice::ReadOnly));
        QCOMPARE(QUrl(QString::fromUtf8(asked.readAll().trimmed())).toLocalFile(),
                 QFileInfo(program_.filePath(QStringLiteral("Help/index.htm"))).absoluteFilePath());
        QTest::qWait(300);
        QVERIFY(!shell.helpWindow());
    }

    void noOpenerAtAllFallsBackToTheWindow()
    {
        DesktopShell shell(program_.path(), nullptr);
        shell.open("Help/index.htm");
        QTRY_VERIFY(shell.helpWindow() && shell.helpWindow()->isVisible());
        delete shell.helpWindow();
    }

    void windowBelongsToTheTableAndEscCloses()
    {
        stageOpener(3);
        QWidget table;
        table.setGeometry(20, 40, 760, 720);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        DesktopShell shell(program_.path(), &table);
        shell.open("Help/index.htm");
        QTRY_VERIFY(shell.helpWindow() && shell.helpWindow()->isVisible());
        QWidget* help = shell.helpWindow();
        // Its title is the page's, and the desktop keeps it with the table.
        QCOMPARE(help->windowTitle(), QStringLiteral("Справка"));
        QCOMPARE(help->windowHandle()->transientParent(), table.windowHandle());
        QVERIFY((help->frameGeometry().center() - table.frameGeometry().center()).manhattanLength() <= 2);
        QPointer<QWidget> watched(help);
        QTest::keyClick(qobject_cast<HelpWindow*>(help)->browser(), Qt::Key_Escape);
        QTRY_VERIFY(!watched);
        QVERIFY(table.isVisible());
    }

    void missingPageIsNotReported()
    {
        stageOpener(3);
        DesktopShell shell(program_.path(), nullptr);
        shell.open("Help/missing.htm");
        QTest::qWait(500);
        QVERIFY(!shell.helpWindow());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void folderStillGoesToTheDesktopOnly()
    {
        // Nothing here can open it, as with the page above, yet a folder never becomes a help window.
        QDir(program_.path()).mkpath(QStringLiteral("pictures"));
        DesktopShell shell(program_.path(), nullptr);
        shell.open("pictures");
        QTest::qWait(300);
        QVERIFY(!shell.helpWindow());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
