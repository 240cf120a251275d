#pragma once
// Every line of the settings file by name, with one rule each for a value that is not what the line
// should hold. Only this file pair knows the line numbers; the lines themselves stay texts, since
// equality on them ("05" is not "5") is behaviour.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "persist/settings_file.h"

namespace liorna {

enum class Speed { AfterTrick, Answer };
enum class MatchResult { Won, Lost };

inline constexpr int SPEED_MIN = 1;
inline constexpr int SPEED_MAX = 10;
inline constexpr int SPEED_FRESH = 5;
inline constexpr int BONUS_PICTURES = 20;
inline constexpr int BUILT_IN_BACKS = 15;
inline constexpr int FULL_COVER_STAGE = 24; // no piece removed
inline constexpr int LAST_PIECE_STAGE = 16; // one piece left
inline constexpr std::size_t MATCH_LENGTHS_COUNT = 6;

class SettingsSchema {
public:
    explicit SettingsSchema(SettingsFile& file) : file_(file) {}
    SettingsFile& file() { return file_; }

    // Sound cues: off only for exactly "0".
    bool soundOn() const;
    void setSoundOn(bool on);

    // The two pacing speeds 1..10; anything else reads as the fresh 5.
    int speed(Speed which) const;
    void setSpeed(Speed which, int value); // kept within 1..10

    // The card back number as its text; only "1".."35" name a back.
    std::string cardBackChoice() const;
    void setCardBackChoice(const std::string& number);
    // Backs that may be chosen, as its text (15 plus the completed pictures).
    std::string availableBackCount() const;

    // The table background 1..4, or none for any other text.
    std::optional<int> background() const;
    void setBackground(int n);

    // Completed bonus pictures as each of its two lines tells them: 20 minus the locked count, or the
    // available backs minus 15; none where the line cannot be read or lies out of range.
    std::optional<int> completedByLockedCount() const;
    std::optional<int> completedByBackCount() const;
    // The cover stage 16..24 of the picture in progress; anything else reads as the whole cover.
    int coverStage() const;
    // Lines 0 and 19 from the completed count, and the cover stage.
    void setCompleted(int completed);
    void setCoverStage(int stage);

    // Won or lost matches of a match length (row 0 one deal .. 5 to 12 points), as their text.
    std::string count(MatchResult result, std::size_t row) const;
    // One more; a count that is not a number keeps its text.
    void incrementCount(MatchResult result, std::size_t row);
    // Every count back to "0", won rows before lost ones.
    void resetCounts();

    // The lines of bonus progress and of the counts that cannot be read: what a player might still
    // recover by hand from a damaged file, which a save would overwrite.
    std::vector<std::size_t> unreadableResultLines() const;

private:
    std::string value(std::size_t line) const;

    SettingsFile& file_;
};

} // namespace liorna
