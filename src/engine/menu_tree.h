#pragma once
// The table window's menus as data: captions, shortcuts and the command each item runs. The window
// builds its menu bar from this, and the scenario driver finds items by caption or shortcut.

#include "platform/texts.h"
#include <array>

namespace liorna {

enum class MenuCommand {
    None,
    NewGame,
    NewGameSingle,
    NewGameTo4,
    NewGameTo6,
    NewGameTo8,
    NewGameTo10,
    NewGameTo12,
    HideMenus,
    CardBack,
    BackgroundGreen,
    BackgroundBlue,
    BackgroundRed,
    BackgroundGrass,
    Settings,
    Bonuses,
    Statistics,
    Help,
    About,
};

struct MenuItem {
    int depth; // 0 a menu of the bar, 1 its item, 2 an item of a submenu
    const char* caption;
    const char* shortcut; // "" for none
    MenuCommand command;  // None for a menu or submenu
};

inline constexpr std::array<MenuItem, 23> MENU_TREE{{
    {0, text::MENU_GAME, "", MenuCommand::None},
    {1, text::MENU_NEW_GAME, "F2", MenuCommand::NewGame},
    {1, text::MENU_NEW_GAME_TO, "", MenuCommand::None},
    {2, text::MENU_TO_END_OF_DECK, "Ctrl+F1", MenuCommand::NewGameSingle},
    {2, text::MENU_TO_4, "Ctrl+F2", MenuCommand::NewGameTo4},
    {2, text::MENU_TO_6, "Ctrl+F3", MenuCommand::NewGameTo6},
    {2, text::MENU_TO_8, "Ctrl+F4", MenuCommand::NewGameTo8},
    {2, text::MENU_TO_10, "Ctrl+F5", MenuCommand::NewGameTo10},
    {2, text::MENU_TO_12, "Ctrl+F6", MenuCommand::NewGameTo12},
    {1, text::MENU_HIDE, "F3", MenuCommand::HideMenus},
    {1, text::MENU_CARD_BACK, "", MenuCommand::CardBack},
    {1, text::MENU_BACKGROUND, "", MenuCommand::None},
    {2, text::MENU_GREEN, "", MenuCommand::BackgroundGreen},
    {2, text::MENU_BLUE, "", MenuCommand::BackgroundBlue},
    {2, text::MENU_RED, "", MenuCommand::BackgroundRed},
    {2, text::MENU_GRASS, "", MenuCommand::BackgroundGrass},
    {0, text::MENU_OPTIONS, "", MenuCommand::None},
    {1, text::MENU_SETTINGS, "F4", MenuCommand::Settings},
    {1, text::MENU_BONUSES, "F5", MenuCommand::Bonuses},
    {1, text::MENU_STATISTICS, "F6", MenuCommand::Statistics},
    {0, text::MENU_HELP, "", MenuCommand::None},
    {1, text::MENU_SHOW_HELP, "F1", MenuCommand::Help},
    {1, text::MENU_ABOUT, "", MenuCommand::About},
}};

} // namespace liorna
