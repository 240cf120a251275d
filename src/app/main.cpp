// Liorna: start-up prepares the program folder, builds the parts, creates the engine with the settings
// file, then runs the event loop; the table's first tick opens the start screen.

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <random>

#include "game/game_engine.h"
#include "persist/program_folder.h"
#include "platform/texts.h"
#include "ui/deferred_icon_style.h"
#include "ui/first_frame_hold.h"
#include "ui/instance_listener.h"
#include "ui/jpeg_picture_writer.h"
#include "ui/qt_ports.h"
#include "ui/qt_screens.h"
#include "ui/qt_timers.h"
#include "ui/table_view.h"
#include "ui/table_window.h"
#include "ui/translations.h"
#include "ui/warm_up.h"
#include "ui/window_memory.h"
#include "ui/window_placement.h"

using namespace liorna;

namespace {

// The program's parts. The ports open their windows over the table window, which shows the engine's
// table, so they are handed its place as they are made and use it only once all are built. The
// screens hand their clicks to the engine's event boundary.
struct Program {
    explicit Program(const std::filesystem::path& dir)
        : programDir(QString::fromStdString(dir.string())), random(std::random_device{}()), cues(programDir),
          messages(&window), shell(programDir, &window), pictures(dir),
          screens(
              &window, [this](const std::function<void()>& event) { engine.deliver(event); },
              QtScreenPorts{messages}),
          engine(EnginePorts{timers, random, cues, messages, screens, shell, pictures, dir,
                             [this] {
                                 window.render();
                                 screens.render();
                             }}),
          window(engine.table(), nullptr, TableWindow::Menus::Later)
    {
    }

    QString programDir;
    QtTimers timers;
    SeededRandom random;
    ModuleCuePlayer cues;
    MessageBoxSink messages;
    DesktopShell shell;
    JpegPictureWriter pictures;
    QtScreens screens;
    GameEngine engine;
    TableWindow window;
};

// An error before anything is shown: the message alone, then the program ends with a failure status
// once it has been read. The box needs the event loop, but nothing else runs in it.
int failAtStartUp(const std::string& text)
{
    MessageBoxSink messages(nullptr);
    messages.afterLast = [] { QApplication::exit(1); };
    messages.showError(text);
    QApplication::exec();
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // The menus belong to the table, which hides and shows them itself; a desktop's global menu bar
    // would take them out of the window, and asking the session bus for one holds up every start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    installQtTranslations(app);
    // The desktop's style, with its standard icons read when first drawn.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
    QApplication::setApplicationName(QStringLiteral("liorna"));
    // No display name: Qt would add it to every window's title, and the table and the help page already
    // carry it.
    QGuiApplication::setDesktopFileName(QStringLiteral(LIORNA_APP_ID));
    // Relative paths are taken from the program folder: the build tree's own, or the player's when installed.
    const ProgramFolder folder = prepareProgramFolder(QApplication::applicationDirPath().toStdString());
    if (!folder.error.empty()) {
        std::fprintf(stderr, "liorna: %s\n", folder.error.c_str());
        return failAtStartUp(folder.error);
    }
    QDir::setCurrent(QString::fromStdString(folder.path.string()));
    // One game per folder: a second start brings the first to the front and ends before it reads anything.
    SingleInstance instance(folder.path);
    if (instance.state() == SingleInstance::State::Running) {
        instance.askToShow(qEnvironmentVariable("XDG_ACTIVATION_TOKEN").toStdString());
        return 0;
    }

    Program program(folder.path);
    const InstanceListener listener(instance, program.window);
    GameEngine& engine = program.engine;
    TableWindow& window = program.window;
    window.input.handCard = [&engine](int k, Qt::MouseButton b) {
        engine.deliver([&] { engine.inputHandCard(k, b == Qt::RightButton); });
    };
    window.input.ledCard = [&engine](int k) { engine.deliver([&] { engine.inputLedCard(k); }); };
    window.input.coverCard = [&engine](int k) { engine.deliver([&] { engine.inputCoverCard(k); }); };
    window.input.play = [&engine] { engine.deliver([&] { engine.inputPlay(); }); };
    window.input.discard = [&engine] { engine.deliver([&] { engine.inputDiscard(); }); };
    window.input.pile = [&engine] { engine.deliver([&] { engine.inputPile(); }); };
    window.input.lastTrick = [&engine] { engine.deliver([&] { engine.inputLastTrick(); }); };
    window.input.command = [&engine](MenuCommand c) { engine.deliver([&] { engine.runCommand(c); }); };
    window.input.menuButton = [&engine] { engine.deliver([&] { engine.showMenus(); }); };
    window.input.key = [&engine](TableKey key) { engine.deliver([&] { engine.inputKey(key); }); };

    try {
        engine.create();
    } catch (const UserError& error) {
        // Only the message shows: not the table, not the start screen.
        return failAtStartUp(error.what());
    }
    window.render();
    // The table's art and menus would hold up the start screen: the table shows no menus and only its
    // plain colour until the start screen has been painted (or two seconds have passed). Where the start
    // screen need not wait for the table to be on the screen (X11), the table paints nothing at all till
    // then: a whole screen of pixels sent first would keep the start screen's from the display.
    window.table()->paintPlain(true);
    // The table opens as the player left it: the first time maximized. It is placed at once, so that the
    // start screen is centred over it even when the screen shows first.
    Preferences preferences(
        QDir(QString::fromStdString(folder.path.string())).filePath(QString::fromLatin1(Preferences::FILE)));
    window.usePreferences(preferences);
    WindowMemory memory(&window, preferences);
    memory.restore();
    std::optional<FirstFrameHold> hold;
    const qreal ratio = app.devicePixelRatio();
    const auto showTable = [&window, &hold, ratio] {
        if (window.isVisible())
            return;
        window.show();
        // Begun once the table window is made: beside its making, on a machine of two cores, the fonts'
        // loading held it up. It then runs until the start screen's first paint, and has the fonts ready.
        warmUp(ratio);
        if (!parentMustShowFirst())
            hold.emplace(window.windowHandle());
    };
    const auto complete = [&window, &hold, showTable] {
        // Not shown yet only if the start screen never opened.
        showTable();
        window.buildMenus();
        // The menu bar takes its place before the table's first frame, not after it.
        if (window.layout())
            window.layout()->activate();
        window.table()->paintPlain(false);
        if (hold)
            hold->release();
    };
    program.screens.startPainted = complete;
    program.screens.startShapes =
        StartShapes(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    QTimer::singleShot(2000, &window, complete);
    // Where the start screen need not wait for the table (X11), it maps first and the table shows under
    // it: a window shown sets up Qt's accessibility, which would hold the start screen up by milliseconds.
    if (parentMustShowFirst()) {
        showTable();
    } else {
        program.screens.startOpened = showTable;
        // The start-up tick, which opens the start screen, runs before exec: exec begins by setting up
        // Qt's accessibility too.
        QCoreApplication::processEvents();
    }
    return QApplication::exec();
}
