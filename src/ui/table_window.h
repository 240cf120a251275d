#pragma once
// The table's window: the painted table, the menus and the window's shortcuts. It renders the
// engine's table state and forwards clicks, keys and commands; it decides nothing.

#include <QList>
#include <QMainWindow>

#include "engine/menu_tree.h"
#include "engine/table_state.h"
#include "ui/table_input.h"

class QActionGroup;

namespace liorna {

class Preferences;
class TableView;

class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    // Menus::Later leaves the menus and their shortcuts to buildMenus(): the program builds them once
    // the start screen has been painted, which they would otherwise hold up.
    enum class Menus { Now, Later };
    explicit TableWindow(const TableState& state, QWidget* parent = nullptr, Menus menus = Menus::Now);
    ~TableWindow() override;

    TableInput input;
    // Shows the table state; only what changed since the last call is repainted.
    void render();

    // The painted table (the window's client area under the menu bar).
    TableView* table() const { return view_; }
    // The menu item with this caption, for tests.
    QAction* action(const QString& caption) const;
    QList<QMenu*> menus() const { return menus_; }
    // The menu bar's menus and the shortcuts of their items; once only.
    void buildMenus();
    // The player's own preferences of the table: the item «Четырёхцветная колода» shows the one kept
    // there, and each choice is drawn at once and kept.
    void usePreferences(Preferences& preferences);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenuTree();
    void buildWindowKeys();
    void buildPreferenceItems();
    void placeRestored();
    void markBackground();
    void toggleFullScreen();

    const TableState& state_;
    TableView* view_ = nullptr;
    QList<QMenu*> menus_;
    QList<QAction*> actions_;
    QActionGroup* backgrounds_ = nullptr;
    QAction* leaveFullScreen_ = nullptr;
    QAction* fourColourDeck_ = nullptr;
    Preferences* preferences_ = nullptr;
};

} // namespace liorna
