#include "ui/table_window.h"
#include "platform/texts.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>

#include "ui/clip_loader.h"
#include "ui/preferences.h"
#include "ui/qt_ports.h"
#include "ui/table_layout.h"
#include "ui/table_view.h"

namespace liorna {

namespace {

// Shortcuts beyond the menu's own: the usual Ctrl+N beside F2.
struct ExtraShortcut {
    MenuCommand command;
    const char* keys;
};
constexpr ExtraShortcut EXTRA_SHORTCUTS[] = {{MenuCommand::NewGame, "Ctrl+N"}};

// The background each item of "Фон" chooses, as the tile index of the table canvas.
int backgroundTile(MenuCommand command)
{
    switch (command) {
    case MenuCommand::BackgroundGreen: return 1;
    case MenuCommand::BackgroundBlue: return 2;
    case MenuCommand::BackgroundRed: return 3;
    case MenuCommand::BackgroundGrass: return 4;
    default: return 0;
    }
}

// Qt finds Ctrl+N under a Russian layout by the Latin layout beside it; with no Latin layout in the
// keymap it sees only Ctrl+Т. The letter on the same key of the Latin keyboard is what was meant.
int latinKey(int key)
{
    static const QString cyrillic = QStringLiteral("ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ");
    static const QString latin = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM");
    if (key < 0x400 || key > 0x4ff)
        return 0;
    const qsizetype at = cyrillic.indexOf(QChar(key).toUpper());
    return at < 0 ? 0 : Qt::Key_A + (latin[at].unicode() - 'A');
}

} // namespace

TableWindow::TableWindow(const TableState& state, QWidget* parent, Menus menus)
    : QMainWindow(parent), state_(state)
{
    setWindowTitle(QString::fromUtf8(text::PRODUCT_TITLE));
    view_ = new TableView(input, this);
    setCentralWidget(view_);
    setFocusProxy(view_);
    view_->setFocus();
    fourColourDeck_ = new QAction(QString::fromUtf8(text::MENU_FOUR_COLOUR_DECK), this);
    fourColourDeck_->setCheckable(true);
    connect(fourColourDeck_, &QAction::toggled, this, [this](bool on) {
        view_->setPalette(on ? art::DeckPalette::FourColour : art::DeckPalette::TwoColour);
        if (preferences_)
            preferences_->setFourColourDeck(on);
    });
    if (menus == Menus::Now)
        buildMenus();
    buildWindowKeys();
    placeRestored();
    render();
}

TableWindow::~TableWindow() = default;

void TableWindow::placeRestored()
{
    // The design's size, on any screen: never larger than the screen's free area, and small enough
    // to shrink to about 640 x 400 where the table still reads.
    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size(std::min(layout::DESIGN_WINDOW.w, area.width()),
                     std::min(layout::DESIGN_WINDOW.h, area.height()));
    setMinimumSize(std::min(layout::MIN_WINDOW_W, size.width()),
                   std::min(layout::MIN_WINDOW_H, size.height()));
    const int x = std::clamp(layout::DESIGN_WINDOW.x, area.left(), area.right() + 1 - size.width());
    const int y = std::clamp(layout::DESIGN_WINDOW.y, area.top(), area.bottom() + 1 - size.height());
    setGeometry(x, y, size.width(), size.height());
}

void TableWindow::buildMenus()
{
    if (backgrounds_)
        return;
    buildMenuTree();
    buildPreferenceItems();
    render();
}

void TableWindow::buildMenuTree()
{
    backgrounds_ = new QActionGroup(this);
    backgrounds_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    for (const MenuItem& item : MENU_TREE) {
        const QString caption = QString::fromUtf8(item.caption);
        if (item.depth == 0) {
            menu = menuBar()->addMenu(caption);
            menus_.push_back(menu);
            submenu = nullptr;
            continue;
        }
        if (item.command == MenuCommand::None) {
            submenu = menu->addMenu(caption);
            continue;
        }
        QMenu* parent = item.depth == 2 ? submenu : menu;
        if (item.depth == 1)
            submenu = nullptr;
        // Parented to the window and added to it, so that its shortcut works with the menus hidden.
        auto* action = new QAction(caption, this);
        QList<QKeySequence> keys;
        if (*item.shortcut)
            keys.push_back(QKeySequence(QString::fromLatin1(item.shortcut)));
        for (const ExtraShortcut& extra : EXTRA_SHORTCUTS)
            if (extra.command == item.command)
                keys.push_back(QKeySequence(QString::fromLatin1(extra.keys)));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        if (backgroundTile(item.command) != 0) {
            action->setCheckable(true);
            action->setData(int(item.command));
            backgrounds_->addAction(action);
        }
        const MenuCommand command = item.command;
        connect(action, &QAction::triggered, this, [this, command] {
            if (input.command)
                input.command(command);
            // The mark follows the table's background, whatever the command made of it.
            markBackground();
        });
        parent->addAction(action);
        addAction(action);
        actions_.push_back(action);
        // The about box's clip needs a large module: it is loaded on a worker while the player is
        // still in the menu, so the box opens at once.
        if (command == MenuCommand::About)
            connect(parent, &QMenu::aboutToShow, this, [] { preloadClipModule(); });
    }
}

void TableWindow::buildPreferenceItems()
{
    // Not a command of the game: the deck's look is the program's, kept beside the window's memory.
    QMenu* options = nullptr;
    for (QMenu* menu : menus_)
        if (menu->title() == QString::fromUtf8(text::MENU_OPTIONS))
            options = menu;
    if (options) {
        options->addSeparator();
        options->addAction(fourColourDeck_);
    }
    addAction(fourColourDeck_);
    actions_.push_back(fourColourDeck_);
}

void TableWindow::usePreferences(Preferences& preferences)
{
    preferences_ = nullptr;
    fourColourDeck_->setChecked(preferences.fourColourDeck());
    preferences_ = &preferences;
}

void TableWindow::buildWindowKeys()
{
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    auto* fullScreen = new QAction(this);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, this, &TableWindow::toggleFullScreen);
    addAction(fullScreen);

    // Esc is taken only in full screen, where it leaves it.
    leaveFullScreen_ = new QAction(this);
    leaveFullScreen_->setShortcut(QKeySequence(Qt::Key_Escape));
    leaveFullScreen_->setEnabled(false);
    connect(leaveFullScreen_, &QAction::triggered, this, [this] {
        if (isFullScreen())
            toggleFullScreen();
    });
    addAction(leaveFullScreen_);
}

void TableWindow::toggleFullScreen()
{
    // Qt keeps the maximized flag beside full screen, so leaving it restores what was there.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void TableWindow::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    const int latin = latinKey(event->key());
    if (latin != 0 && (mods & Qt::ControlModifier)) {
        const QKeySequence wanted(QKeyCombination(mods, Qt::Key(latin)));
        for (QAction* a : actions()) {
            if (a->isEnabled() && a->shortcuts().contains(wanted)) {
                event->accept();
                a->trigger();
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

void TableWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        leaveFullScreen_->setEnabled(isFullScreen());
    QMainWindow::changeEvent(event);
}

QAction* TableWindow::action(const QString& caption) const
{
    for (QAction* a : actions_)
        if (a->text() == caption)
            return a;
    return nullptr;
}

void TableWindow::markBackground()
{
    if (!backgrounds_)
        return;
    const int tile = state_.canvas.kind == PictureKind::Tile ? state_.canvas.index : 0;
    for (QAction* a : backgrounds_->actions()) {
        const bool current = backgroundTile(MenuCommand(a->data().toInt())) == tile;
        if (a->isChecked() != current)
            a->setChecked(current);
    }
}

void TableWindow::render()
{
    view_->show(state_);
    markBackground();
    // With the menus hidden the bar goes too; the shortcuts live on the window and still work.
    for (QMenu* menu : menus_)
        if (menu->menuAction()->isVisible() != state_.menusShown)
            menu->menuAction()->setVisible(state_.menusShown);
    if (menuBar()->isVisibleTo(this) != state_.menusShown)
        menuBar()->setVisible(state_.menusShown);
}

} // namespace liorna
