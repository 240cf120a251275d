#pragma once
// Every text the program shows, in one table: the table's labels, the menus, the screens and their
// buttons. The texts are the program's own, as its players know them; equal texts stay equal here.

namespace liorna::text {

// The program.
inline constexpr const char* PRODUCT_TITLE = "Лиорна";

// The table.
inline constexpr const char* ACTION_PLAY = "Пойти";
inline constexpr const char* ACTION_DISCARD = "Сбросить";
inline constexpr const char* MENU_BUTTON = "Меню";
inline constexpr const char* HUMAN_SCORE = "На Вас: ";
inline constexpr const char* COMPUTER_SCORE = "На сопернике: ";
inline constexpr const char* HUMAN_SCORE_ZERO = "На Вас: 0";
inline constexpr const char* COMPUTER_SCORE_ZERO = "На сопернике: 0";
inline constexpr const char* MATCH_TARGET = "Игра идёт до: ";
inline constexpr const char* MATCH_TARGET_UNSET = "Игра идёт до:";
inline constexpr const char* TRUMP_HEARTS = "Козырь черви";
inline constexpr const char* TRUMP_DIAMONDS = "Козырь буби";
inline constexpr const char* TRUMP_SPADES = "Козырь пики";
inline constexpr const char* TRUMP_CLUBS = "Козырь крести";
inline constexpr const char* HINT_LEAD = "Ваш ход: выберите карты одной масти и нажмите «Пойти»";
inline constexpr const char* HINT_THINKING = "Соперник думает…";
inline constexpr const char* HINT_ANSWER = "Покройте карты соперника или сбросьте столько же карт";
inline constexpr const char* HINT_MATCH_OVER = "Партия окончена. Новая игра — F2";
// Followed by the trick's points.
inline constexpr const char* HINT_HUMAN_TOOK = "Вы взяли взятку: +";
inline constexpr const char* HINT_COMPUTER_TOOK = "Соперник взял взятку: +";
// Why a move was refused.
inline constexpr const char* REFUSED_LEAD_SUIT = "Карты хода должны быть одной масти";
inline constexpr const char* REFUSED_NOTHING_SELECTED = "Сначала выберите карты хода";
inline constexpr const char* REFUSED_COVER_DOES_NOT_BEAT = "Эта карта не бьёт карту соперника";
inline constexpr const char* REFUSED_NO_CARD_PICKED = "Сначала выберите карту в руке";
// Followed by the number of cards to pick.
inline constexpr const char* REFUSED_DISCARD_COUNT = "Для сброса отберите карт: ";
// The last trick shown again; followed by its points.
inline constexpr const char* LAST_TRICK_HUMAN_TOOK = "Последняя взятка: взяли Вы, +";
inline constexpr const char* LAST_TRICK_COMPUTER_TOOK = "Последняя взятка: взял соперник, +";
inline constexpr const char* LAST_TRICK_CLOSE = "Любая клавиша или щелчок — закрыть";

// The suits, as the game names them.
inline constexpr const char* SUIT_HEARTS = "черви";
inline constexpr const char* SUIT_DIAMONDS = "буби";
inline constexpr const char* SUIT_SPADES = "пики";
inline constexpr const char* SUIT_CLUBS = "крести";

// The menus.
inline constexpr const char* MENU_GAME = "Игра";
inline constexpr const char* MENU_NEW_GAME = "Новая игра";
inline constexpr const char* MENU_NEW_GAME_TO = "Новая игра до...";
inline constexpr const char* MENU_TO_END_OF_DECK = "... конца колоды";
inline constexpr const char* MENU_TO_4 = "... четырёх баллов";
inline constexpr const char* MENU_TO_6 = "... шести баллов";
inline constexpr const char* MENU_TO_8 = "... восьми баллов";
inline constexpr const char* MENU_TO_10 = "... десяти баллов";
inline constexpr const char* MENU_TO_12 = "... двенадцати баллов";
inline constexpr const char* MENU_HIDE = "Спрятать меню";
inline constexpr const char* MENU_CARD_BACK = "Рубашка колоды";
inline constexpr const char* MENU_BACKGROUND = "Фон";
inline constexpr const char* MENU_GREEN = "Зелёный";
inline constexpr const char* MENU_BLUE = "Синий";
inline constexpr const char* MENU_RED = "Красный";
inline constexpr const char* MENU_GRASS = "Трава";
inline constexpr const char* MENU_OPTIONS = "Параметры";
inline constexpr const char* MENU_SETTINGS = "Настройки";
inline constexpr const char* MENU_BONUSES = "Просмотр бонусов";
inline constexpr const char* MENU_STATISTICS = "Статистика игр";
inline constexpr const char* MENU_FOUR_COLOUR_DECK = "Четырёхцветная колода";

// What a screen reader reads of the table. Cards are named by rank and suit, in the deck's order.
inline constexpr const char* RANK_NAMES[9] = {"шестёрка", "семёрка", "восьмёрка", "девятка", "валет",
                                              "дама",     "король",  "десятка",   "туз"};
inline constexpr const char* SUIT_NAMES[4] = {"червей", "бубей", "пик", "крестей"};
inline constexpr const char* ACCESSIBLE_TABLE = "Игровой стол";
inline constexpr const char* ACCESSIBLE_HAND = "Ваши карты";
inline constexpr const char* ACCESSIBLE_LED = "Карты на столе";
inline constexpr const char* ACCESSIBLE_COVERS = "Покрывает: ";
// A card of the last trick given up face down, and what it was given against.
inline constexpr const char* ACCESSIBLE_FACE_DOWN = "карта рубашкой вверх";
inline constexpr const char* ACCESSIBLE_GIVEN_AGAINST = "Отдана против: ";
inline constexpr const char* ACCESSIBLE_COMPUTER_HAND = "Карты соперника: ";
inline constexpr const char* ACCESSIBLE_STOCK = "Колода: ";
inline constexpr const char* ACCESSIBLE_HUMAN_PILE = "Ваши взятки, очков: ";
inline constexpr const char* ACCESSIBLE_COMPUTER_PILE = "Взятки соперника, очков: ";
// What a screen reader reads of the pictures of the windows.
inline constexpr const char* ACCESSIBLE_START_ACE = "Туз червей";
inline constexpr const char* ACCESSIBLE_START_ACE_HINT = "Потяните, чтобы передвинуть окно";
inline constexpr const char* ACCESSIBLE_MATCH_LENGTHS = "Длина партии";
inline constexpr const char* ACCESSIBLE_CARD_BACK = "Рубашка ";
inline constexpr const char* ACCESSIBLE_NEXT_BACK = "Следующая рубашка";
inline constexpr const char* ACCESSIBLE_PREVIOUS_BACK = "Предыдущая рубашка";
inline constexpr const char* ACCESSIBLE_BONUS_PICTURE = "Картинка ";
inline constexpr const char* ACCESSIBLE_BONUS_OPENED = ": открыто ";
inline constexpr const char* ACCESSIBLE_BONUS_OF_NINE = " из 9";
inline constexpr const char* ACCESSIBLE_CLIP = "Заставка";
inline constexpr const char* ACCESSIBLE_CARD_FAN = "Веер карт";
inline constexpr const char* MENU_HELP = "Справка";
inline constexpr const char* MENU_SHOW_HELP = "Показать справку";
inline constexpr const char* MENU_ABOUT = "О программе...";

// The start screen.
inline constexpr const char* START_TITLE = "Загрузка";
inline constexpr const char* START_CREDIT = "Лиорна — игра для двоих: вы против компьютера";
inline constexpr const char* START_PLAY = "Играть";
inline constexpr const char* START_BONUSES = "Бонусы";
inline constexpr const char* START_NO_PLAY = "Не играть";
inline constexpr const char* START_QUIT = "Выйти";
inline constexpr const char* LENGTH_SINGLE = "Одиночная игра (бонус 1/9 картинки)";
inline constexpr const char* LENGTH_4 = "Играть до: 4 (бонус 2/9 картинки)";
inline constexpr const char* LENGTH_6 = "Играть до: 6 (бонус 3/9 картинки)";
inline constexpr const char* LENGTH_8 = "Играть до: 8 (бонус 4/9 картинки)";
inline constexpr const char* LENGTH_10 = "Играть до: 10 (бонус 5/9 картинки)";
inline constexpr const char* LENGTH_12 = "Играть до: 12 (бонус 6/9 картинки)";
inline constexpr const char* TARGET_1 = "Игра идёт до: 1";
inline constexpr const char* TARGET_4 = "Игра идёт до: 4";
inline constexpr const char* TARGET_6 = "Игра идёт до: 6";
inline constexpr const char* TARGET_8 = "Игра идёт до: 8";
inline constexpr const char* TARGET_10 = "Игра идёт до: 10";
inline constexpr const char* TARGET_12 = "Игра идёт до: 12";

// The match status screen.
inline constexpr const char* STATUS_TITLE = "Итог сдачи";
inline constexpr const char* STATUS_ON_HUMAN = "На Вас повесили";
inline constexpr const char* STATUS_ON_COMPUTER = "Весит на сопернике";
inline constexpr const char* STATUS_TARGET = "Игра идёт до";
inline constexpr const char* MATCH_WON = "Вы победили";
inline constexpr const char* MATCH_LOST = "К сожалению Вы проиграли";

// The bonus screen.
inline constexpr const char* BONUS_TITLE = "Бонус за победу";
inline constexpr const char* BONUS_AS_BACKS =
    "Вы сможете установить эту и другие открытые картинки в качестве рубашки карт";
inline constexpr const char* BONUS_WILL_APPEAR =
    "Открытые картинки будут появляться по мере их открытия в меню выбора рубашки карт";
inline constexpr const char* BONUS_GALLERY = "Открытые картинки";
inline constexpr const char* BONUS_ALL_AS_BACKS =
    "Все открытые картинки доступны в меню выбора \"рубашки\" карт";
inline constexpr const char* BONUS_BACK = "<< Назад";
inline constexpr const char* BONUS_FILE = "Бонусная картинка_"; // followed by the picture's number and ".jpg"

// The dialogs.
inline constexpr const char* SAVE = "Сохранить";
inline constexpr const char* CANCEL = "Отмена";
inline constexpr const char* CARD_BACK_TITLE = "Рубашка колоды";
inline constexpr const char* SETTINGS_TITLE = "Настройки";
inline constexpr const char* SETTINGS_SOUND = "Использовать звуковые эффекты";
inline constexpr const char* SETTINGS_SPEED_1 = "Скорость анимации 1";
inline constexpr const char* SETTINGS_SPEED_2 = "Скорость анимации 2";
inline constexpr const char* SETTINGS_FASTER = "быстрее";
inline constexpr const char* SETTINGS_SLOWER = "медленнее";
inline constexpr const char* SETTINGS_SPEED_1_TIP =
    "Пауза перед тем, как взятка уходит со стола и начинается следующий ход: от 300 мс до 3 с";
inline constexpr const char* SETTINGS_SPEED_2_TIP =
    "Пауза перед ответом компьютера на ваш ход: от 200 мс до 2 с";
inline constexpr const char* STATISTICS_TITLE = "Статистика";
inline constexpr const char* STATISTICS_WON = "Побед";
inline constexpr const char* STATISTICS_LOST = "Поражений";
inline constexpr const char* STATISTICS_RESET = "Сброс";
inline constexpr const char* STATISTICS_TOTAL = "Общий результат";
inline constexpr const char* ROW_SINGLE = "Одна игра";
inline constexpr const char* ROW_4 = "Игра до четырёх очков";
inline constexpr const char* ROW_6 = "Игра до шести очков";
inline constexpr const char* ROW_8 = "Игра до восьми очков";
inline constexpr const char* ROW_10 = "Игра до десяти очков";
inline constexpr const char* ROW_12 = "Игра до двенадцати...";
inline constexpr const char* RESET_QUESTION_TITLE = "Сброс данных";
inline constexpr const char* RESET_QUESTION = "Вы уверены что хотите сбросить все статистические данные?";
inline constexpr const char* ABOUT_TITLE = "О программе";

// Messages.
inline constexpr const char* SETTINGS_DAMAGED =
    "Файл настроек был повреждён; его копия сохранена как Setting/XP.kvz.damaged";

// Words drawn into the pictures.
inline constexpr const char* PICTURE_LOCKED = "НЕТ ДОСТУПА";
inline constexpr const char* PICTURE_MAKER = "ЛИОРНА";
inline constexpr const char* PICTURE_STUDIO = "студия";
inline constexpr const char* PICTURE_CARD = "Карточная";
inline constexpr const char* PICTURE_GAME = "игра";
inline constexpr const char* PICTURE_CREDIT = "Лиорна — карточная игра для двоих: вы против компьютера.";
inline constexpr const char* PICTURE_AUTHOR = "Автор: команда Лиорны";

} // namespace liorna::text
