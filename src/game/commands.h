#pragma once
// The commands: start-up and the start screen, the menus, the screens they open, and new games.

#include <filesystem>
#include <functional>
#include <memory>

#include "engine/menu_tree.h"
#include "engine/start_screen_model.h"
#include "engine/table_state.h"
#include "game/screen_models.h"
#include "game/screens.h"
#include "persist/profile.h"
#include "platform/engine_timer.h"
#include "platform/ports.h"
#include "play/match.h"

namespace liorna {

// A deal starts in one of two states: the first after start-up finds the parts as they were made,
// which already is a fresh deal; every later one resets them first.
enum class DealStart { First, Next };

class Commands {
public:
    struct Parts {
        Profile& profile;
        Match& match;
        ScreenModels& screenModels;
        Screens& screens;
        Shell& shell;
    };
    struct Events {
        std::function<void(DealStart)> startDeal;
        // The settings in memory take effect.
        std::function<void()> applySettings;
        // Runs an event from a screen through the program's event boundary.
        std::function<void(const std::function<void()>&)> deliver;
        std::function<void()> quit;
    };
    Commands(Parts parts, std::filesystem::path programDir, Timers& timers, Events events);

    // --- Start-up and the start screen ---
    // The table's one-shot start-up tick fires as soon as the event loop runs.
    void start() { startUpTimer_.start(); }
    // The tick itself: the table is painted and the start screen opens.
    void startUpTick();
    bool pending() const { return startUpTimer_.active(); }
    void startChosenMatch(int choice);
    StartScreenModel* startScreen() { return startScreen_.get(); }

    // --- New games: a match of the given length (1..6), or of the current length ---
    void newGame(int mode);
    void newGameSameLength();

    // --- The other commands of the menus ---
    void runCommand(MenuCommand command);
    void toggleMenus();
    void showMenus();
    void chooseBackground(int n);
    void showHelp();

    // The menus or the button that brings them back, and the backgrounds of the canvas and the piles.
    void project(TableState& table) const;

private:
    void paintBackgrounds();

    Parts parts_;
    std::filesystem::path programDir_;
    Events events_;
    bool menusShown_ = true;
    // None until the start-up tick first paints them.
    Picture canvas_;
    Picture pileBackground_;
    std::unique_ptr<StartScreenModel> startScreen_;
    EngineTimer startUpTimer_;
};

} // namespace liorna
