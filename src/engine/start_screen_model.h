#pragma once
// What the start screen does; its Qt view shows the choices and forwards the buttons.

#include <array>
#include <functional>
#include <string>

namespace liorna {

struct MatchLength {
    const char* caption;
    int targetCode; // match target + 10
    int mode;
    const char* label;
};

inline constexpr std::array<MatchLength, 6> MATCH_LENGTHS{{
    {"Одиночная игра (бонус 1/9 картинки)", 11, 1, "Игра идёт до: 1"},
    {"Играть до: 4 (бонус 2/9 картинки)", 14, 2, "Игра идёт до: 4"},
    {"Играть до: 6 (бонус 3/9 картинки)", 16, 3, "Игра идёт до: 6"},
    {"Играть до: 8 (бонус 4/9 картинки)", 18, 4, "Игра идёт до: 8"},
    {"Играть до: 10 (бонус 5/9 картинки)", 20, 5, "Игра идёт до: 10"},
    {"Играть до: 12 (бонус 6/9 картинки)", 22, 6, "Игра идёт до: 12"},
}};

// The match target kept as its code, the target plus 10, as the statistics look it up: 11 is a
// match of one deal, 14 .. 22 matches to 4 .. 12 points.
inline constexpr int MATCH_TARGET_OFFSET = 10;
inline int matchTargetOfCode(int code)
{
    return code - MATCH_TARGET_OFFSET;
}
// "Игра идёт до: 12"
inline std::string matchTargetLabel(int target)
{
    return "Игра идёт до: " + std::to_string(target);
}

class StartScreenModel {
public:
    struct Actions {
        std::function<void(int choice)> play;
        std::function<void()> noPlay;
        std::function<void()> bonuses;
        std::function<void()> quit;
    };

    explicit StartScreenModel(Actions actions) : actions_(std::move(actions)) {}

    static constexpr const char* TITLE = "Загрузка";
    static constexpr const char* PLAY = "Играть";
    static constexpr const char* BONUSES = "Бонусы";
    static constexpr const char* NO_PLAY = "Не играть";
    static constexpr const char* QUIT = "Выйти";
    static constexpr const char* CREDIT = "Лиорна — игра для двоих: вы против компьютера";

    // Choices are numbered 1..6; the last is selected when the screen opens.
    int choice() const { return choice_; }
    void choose(int n)
    {
        if (n >= 1 && n <= 6)
            choice_ = n;
    }

    // Runs the button with this caption; false when the screen has no such button.
    bool press(const std::string& caption)
    {
        if (caption == PLAY)
            actions_.play(choice_);
        else if (caption == NO_PLAY)
            actions_.noPlay();
        else if (caption == BONUSES)
            actions_.bonuses();
        else if (caption == QUIT)
            actions_.quit();
        else
            return false;
        return true;
    }

private:
    Actions actions_;
    int choice_ = 6;
};

} // namespace liorna
