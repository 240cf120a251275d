#include "persist/settings_schema.h"

#include <algorithm>

#include "persist/statistics.h"

namespace liorna {

namespace {

// The lines of the file, by what they hold.
constexpr std::size_t LOCKED_LINE = 0;
constexpr std::size_t STAGE_LINE = 1;
constexpr std::size_t SOUND_LINE = 2;
constexpr std::size_t AFTER_TRICK_SPEED_LINE = 3;
constexpr std::size_t ANSWER_SPEED_LINE = 4;
constexpr std::size_t WON_LINE = 5;   // 5..10, one per match length
constexpr std::size_t LOST_LINE = 11; // 11..16
constexpr std::size_t CARD_BACK_LINE = 17;
constexpr std::size_t BACKGROUND_LINE = 18;
constexpr std::size_t AVAILABLE_LINE = 19;

std::size_t speedLine(Speed which)
{
    return which == Speed::AfterTrick ? AFTER_TRICK_SPEED_LINE : ANSWER_SPEED_LINE;
}

std::size_t countLine(MatchResult result, std::size_t row)
{
    return (result == MatchResult::Won ? WON_LINE : LOST_LINE) + row;
}

} // namespace

std::string SettingsSchema::value(std::size_t line) const
{
    // Blanks around a value (a hand edit, an editor's habit) are not part of it.
    return std::string(trimBlanks(file_.line(line)));
}

bool SettingsSchema::soundOn() const
{
    return value(SOUND_LINE) != "0";
}

void SettingsSchema::setSoundOn(bool on)
{
    file_.setLine(SOUND_LINE, on ? "1" : "0");
}

int SettingsSchema::speed(Speed which) const
{
    const int value = lineNumber(file_.line(speedLine(which)), SPEED_FRESH);
    return value >= SPEED_MIN && value <= SPEED_MAX ? value : SPEED_FRESH;
}

void SettingsSchema::setSpeed(Speed which, int value)
{
    file_.setLine(speedLine(which), std::to_string(std::clamp(value, SPEED_MIN, SPEED_MAX)));
}

std::string SettingsSchema::cardBackChoice() const
{
    return value(CARD_BACK_LINE);
}

void SettingsSchema::setCardBackChoice(const std::string& number)
{
    file_.setLine(CARD_BACK_LINE, number);
}

std::string SettingsSchema::availableBackCount() const
{
    return value(AVAILABLE_LINE);
}

std::optional<int> SettingsSchema::background() const
{
    const std::string text = value(BACKGROUND_LINE);
    if (text == "1" || text == "2" || text == "3" || text == "4")
        return text[0] - '0';
    return std::nullopt;
}

void SettingsSchema::setBackground(int n)
{
    file_.setLine(BACKGROUND_LINE, std::to_string(n));
}

std::optional<int> SettingsSchema::completedByLockedCount() const
{
    const int locked = lineNumber(file_.line(LOCKED_LINE), -1);
    if (locked < 0 || locked > BONUS_PICTURES)
        return std::nullopt;
    return BONUS_PICTURES - locked;
}

std::optional<int> SettingsSchema::completedByBackCount() const
{
    const int available = lineNumber(file_.line(AVAILABLE_LINE), -1);
    if (available < BUILT_IN_BACKS || available > BUILT_IN_BACKS + BONUS_PICTURES)
        return std::nullopt;
    return available - BUILT_IN_BACKS;
}

int SettingsSchema::coverStage() const
{
    const int value = lineNumber(file_.line(STAGE_LINE), FULL_COVER_STAGE);
    return value >= LAST_PIECE_STAGE && value <= FULL_COVER_STAGE ? value : FULL_COVER_STAGE;
}

void SettingsSchema::setCompleted(int completed)
{
    // Both derived from the one count, so lines 0 and 19 always move together.
    file_.setLine(LOCKED_LINE, std::to_string(BONUS_PICTURES - completed));
    file_.setLine(AVAILABLE_LINE, std::to_string(BUILT_IN_BACKS + completed));
}

void SettingsSchema::setCoverStage(int stage)
{
    file_.setLine(STAGE_LINE, std::to_string(stage));
}

std::string SettingsSchema::count(MatchResult result, std::size_t row) const
{
    if (row >= MATCH_LENGTHS_COUNT)
        return {};
    const std::string text = file_.line(countLine(result, row));
    return isCount(text) ? value(countLine(result, row)) : text;
}

void SettingsSchema::incrementCount(MatchResult result, std::size_t row)
{
    if (row < MATCH_LENGTHS_COUNT)
        file_.setLine(countLine(result, row), liorna::incrementCount(file_.line(countLine(result, row))));
}

void SettingsSchema::resetCounts()
{
    for (std::size_t row = 0; row < MATCH_LENGTHS_COUNT; ++row)
        file_.setLine(countLine(MatchResult::Won, row), "0");
    for (std::size_t row = 0; row < MATCH_LENGTHS_COUNT; ++row)
        file_.setLine(countLine(MatchResult::Lost, row), "0");
}

std::vector<std::size_t> SettingsSchema::unreadableResultLines() const
{
    std::vector<std::size_t> lines;
    if (!completedByLockedCount())
        lines.push_back(LOCKED_LINE);
    if (lineNumber(file_.line(STAGE_LINE), -1) != coverStage())
        lines.push_back(STAGE_LINE);
    for (std::size_t line = WON_LINE; line < LOST_LINE + MATCH_LENGTHS_COUNT; ++line)
        if (!isCount(file_.line(line)))
            lines.push_back(line);
    if (!completedByBackCount())
        lines.push_back(AVAILABLE_LINE);
    return lines;
}

} // namespace liorna
