// Liorna: start-up creates the table window, then the engine with the settings file, then runs the
// event loop; the table's first tick opens the start screen.

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <random>

#include "engine/game_engine.h"
#include "persist/program_folder.h"
#include "ui/jpeg_picture_writer.h"
#include "ui/qt_ports.h"
#include "ui/qt_screens.h"
#include "ui/qt_timers.h"
#include "ui/table_window.h"

using namespace liorna;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("liorna"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(PRODUCT_TITLE));
    QGuiApplication::setDesktopFileName(QStringLiteral(LIORNA_APP_ID));
    // Relative paths are taken from the program folder: the build tree's own, or the player's when installed.
    const ProgramFolder folder = prepareProgramFolder(QApplication::applicationDirPath().toStdString());
    if (!folder.error.empty()) {
        std::fprintf(stderr, "liorna: %s\n", folder.error.c_str());
        MessageBoxSink().showError(folder.error);
        return 1;
    }
    const QString programDir = QString::fromStdString(folder.path.string());
    QDir::setCurrent(programDir);

    QtTimers timers;
    SeededRandom random(std::random_device{}());
    SoundEffectCuePlayer cues(programDir);
    MessageBoxSink messages;
    DesktopShell shell(programDir);
    QtScreens screens;

    GameEngine engine(EnginePorts{timers, random, cues, messages, screens, shell, programDir.toStdString()});
    TableWindow window(engine.table());
    messages.setOwner(&window);
    shell.setOwner(&window);
    screens.setOwner(&window);
    screens.setEngine(&engine);
    JpegPictureWriter pictures(folder.path);
    screens.setPorts(&messages, &shell, &timers, &pictures);
    engine.onTableChanged = [&window, &screens] {
        window.render();
        screens.render();
    };
    window.input.handCard = [&engine](int k, Qt::MouseButton b) {
        engine.deliver([&] { engine.inputHandCard(k, b == Qt::RightButton); });
    };
    window.input.ledCard = [&engine](int k) { engine.deliver([&] { engine.inputLedCard(k); }); };
    window.input.coverCard = [&engine](int k) { engine.deliver([&] { engine.inputCoverCard(k); }); };
    window.input.play = [&engine] { engine.deliver([&] { engine.inputPlay(); }); };
    window.input.discard = [&engine] { engine.deliver([&] { engine.inputDiscard(); }); };
    window.input.command = [&engine](MenuCommand c) { engine.deliver([&] { engine.runCommand(c); }); };
    window.input.menuButton = [&engine] { engine.deliver([&] { engine.showMenus(); }); };

    try {
        engine.create();
    } catch (const UserError& error) {
        messages.setOwner(nullptr);
        messages.showError(error.what());
        return 1;
    }
    window.render();
    window.showMaximized();
    return QApplication::exec();
}
