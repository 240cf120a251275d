#pragma once
// Where the game's windows go. Every window besides the table belongs to it: its transient parent is the
// table's window, so the desktop places it over the table, keeps it above and hides it with it. Where
// the windowing system lets a program place its windows (X11), it opens centred over the table.

class QWidget;

namespace liorna {

// False on Wayland, where only the compositor places windows and a client's move() is ignored.
bool programPlacesWindows();

// True on Wayland, where a window takes its parent only once the parent is on the screen: a window opened
// over the table at start-up waits until the table has painted.
bool parentMustShowFirst();

// Makes `window` (a top-level dialog or window, shown later) one of `table`'s. Call it where the window
// is made; it is centred each time it is shown. A null table leaves the window to the desktop.
void belongToTable(QWidget* window, QWidget* table);

// Centres `window` over `table` now, kept on the table's screen.
void centreOverTable(QWidget* window, const QWidget* table);

} // namespace liorna
