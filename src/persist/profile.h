#pragma once
// The player's profile: the settings file through its typed schema, and what the table takes from it
// (sound, the two pauses, the card back, the background), the match results and the bonus progress.
// Every change is saved when it is made.

#include <filesystem>
#include <optional>
#include <string>

#include "persist/settings_file.h"
#include "platform/picture.h"

namespace liorna {

class Profile {
public:
    explicit Profile(const std::filesystem::path& programDir) : settings_(programDir) {}

    // Loads the file, removes our stale temporary files, keeps a damaged file's copy and heals the
    // bonus progress. Throws UserError when the file cannot be opened.
    void load();
    // The file loaded was damaged and is now kept whole at DAMAGED_COPY_PATH: the player is to be told.
    bool damagedCopyKept() const { return damagedCopyKept_; }
    // Takes the values from the lines in memory.
    void apply();

    bool soundOn() const { return soundOn_; }
    int afterTrickPauseMs() const { return afterTrickPauseMs_; }
    int answerPauseMs() const { return answerPauseMs_; }
    const std::string& cardBackChoice() const { return cardBackChoice_; }
    const std::string& availableBackCount() const { return availableBackCount_; }
    const Picture& cardBack() const { return cardBack_; }
    const Picture& background() const { return background_; }

    // A background or back that cannot be saved is not taken either, and stays out of later saves.
    void chooseBackground(int n);
    // The chosen back is saved; like every setting it takes effect with apply().
    void chooseCardBack(const std::string& number);
    // A result whose save fails stays pending and is written by the next save that succeeds.
    void recordMatch(int matchTargetCode, bool won);

    SettingsFile& settings() { return settings_; }

    // A position for tests and the scenario driver: each value given is taken as if applied from the file.
    struct Position {
        std::optional<bool> soundOn = std::nullopt;
        std::optional<std::string> cardBackChoice = std::nullopt;
        std::optional<std::string> availableBackCount = std::nullopt;
    };
    void setPosition(const Position& position);

private:
    SettingsFile settings_;
    bool soundOn_ = true;
    int afterTrickPauseMs_ = 0;
    int answerPauseMs_ = 0;
    std::string cardBackChoice_;
    std::string availableBackCount_;
    Picture cardBack_;
    Picture background_;
    bool damagedCopyKept_ = false;
};

} // namespace liorna
