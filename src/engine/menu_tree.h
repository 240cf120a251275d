#pragma once
// The table window's menus as data: captions, shortcuts and the command each item runs. The window
// builds its menu bar from this, and the scenario driver finds items by caption or shortcut.

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
    {0, "Игра", "", MenuCommand::None},
    {1, "Новая игра", "F2", MenuCommand::NewGame},
    {1, "Новая игра до...", "", MenuCommand::None},
    {2, "... конца колоды", "Ctrl+F1", MenuCommand::NewGameSingle},
    {2, "... четырёх баллов", "Ctrl+F2", MenuCommand::NewGameTo4},
    {2, "... шести баллов", "Ctrl+F3", MenuCommand::NewGameTo6},
    {2, "... восьми баллов", "Ctrl+F4", MenuCommand::NewGameTo8},
    {2, "... десяти баллов", "Ctrl+F5", MenuCommand::NewGameTo10},
    {2, "... двенадцати баллов", "Ctrl+F6", MenuCommand::NewGameTo12},
    {1, "Спрятать меню", "F3", MenuCommand::HideMenus},
    {1, "Рубашка колоды", "", MenuCommand::CardBack},
    {1, "Фон", "", MenuCommand::None},
    {2, "Зелёный", "", MenuCommand::BackgroundGreen},
    {2, "Синий", "", MenuCommand::BackgroundBlue},
    {2, "Красный", "", MenuCommand::BackgroundRed},
    {2, "Трава", "", MenuCommand::BackgroundGrass},
    {0, "Параметры", "", MenuCommand::None},
    {1, "Настройки", "F4", MenuCommand::Settings},
    {1, "Просмотр бонусов", "F5", MenuCommand::Bonuses},
    {1, "Статистика игр", "F6", MenuCommand::Statistics},
    {0, "Справка", "", MenuCommand::None},
    {1, "Показать справку", "F1", MenuCommand::Help},
    {1, "О программе...", "", MenuCommand::About},
}};

} // namespace liorna
