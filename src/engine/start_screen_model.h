#pragma once
// What the start screen does; its Qt view shows the choices and forwards the buttons.

#include <array>
#include <functional>
#include <string>

#include "platform/texts.h"

namespace liorna {

struct MatchLength {
    const char* caption;
    int targetCode; // match target + 10
    int mode;
    const char* label;
};

inline constexpr std::array<MatchLength, 6> MATCH_LENGTHS{{
    {text::LENGTH_SINGLE, 11, 1, text::TARGET_1},
    {text::LENGTH_4, 14, 2, text::TARGET_4},
    {text::LENGTH_6, 16, 3, text::TARGET_6},
    {text::LENGTH_8, 18, 4, text::TARGET_8},
    {text::LENGTH_10, 20, 5, text::TARGET_10},
    {text::LENGTH_12, 22, 6, text::TARGET_12},
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
    return text::MATCH_TARGET + std::to_string(target);
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

    static constexpr const char* TITLE = text::START_TITLE;
    static constexpr const char* PLAY = text::START_PLAY;
    static constexpr const char* BONUSES = text::START_BONUSES;
    static constexpr const char* NO_PLAY = text::START_NO_PLAY;
    static constexpr const char* QUIT = text::START_QUIT;
    static constexpr const char* CREDIT = text::START_CREDIT;

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
