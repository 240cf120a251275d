#pragma once
// "Setting/XP.kvz": settings, bonus progress and statistics, one decimal value per line. Lines stay
// texts: equality on them ("05" is not "5") is behaviour. Saving replaces the file atomically, so a
// crash, a kill or a full disk never leaves it truncated.

#include <filesystem>
#include <string>
#include <vector>

namespace liorna {

inline constexpr const char* SETTINGS_PATH = "Setting/XP.kvz";

// The lines of a fresh file: 20 locked pictures, cover stage 24, sound on, speeds 5 and 5,
// twelve zero counts, card back 1, green background, 15 selectable backs.
std::vector<std::string> freshSettingsLines();

inline constexpr std::size_t SETTINGS_LINES = 20;

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path programDir);

    // Replaces the lines by the file's; throws UserError "Cannot open file Setting/XP.kvz" when the
    // file cannot be read or is no file. A UTF-8 byte order mark is not part of line 0, and lines the
    // file lacks take the fresh file's values, so every later save writes lines 0 to 19.
    void load();
    // Writes every line, each ended by CR LF; throws UserError "Cannot create file Setting/XP.kvz"
    // and leaves the old file as it was.
    void save() const;

    // A change the player makes (a setting, a background, a card back, a reset): its lines are
    // written now, or, when the save fails, taken back out of memory, so that no later save writes
    // a change the player withdrew or the table never showed. The UserError propagates.
    template <typename Edit>
    void commitChange(Edit&& edit)
    {
        auto before = settingsLines_;
        edit();
        try {
            save();
        } catch (...) {
            settingsLines_ = std::move(before);
            throw;
        }
    }
    // A result of play (a won or lost match, bonus progress): when its save fails it stays in memory,
    // so the next save that succeeds writes it and no result is lost. The UserError propagates.
    template <typename Edit>
    void commitResult(Edit&& edit)
    {
        edit();
        save();
    }

    // Empty text for a line the list does not have.
    std::string line(std::size_t index) const;
    // Extends the list with empty lines when it is shorter.
    void setLine(std::size_t index, std::string text);
    const std::vector<std::string>& lines() const { return settingsLines_; }

    std::filesystem::path path() const { return programDir_ / SETTINGS_PATH; }

    // Removes temporary files that saves of programs no longer running left beside the file.
    void removeStaleTemporaries() const;

    // Splits a file's text at CR, LF or CR LF.
    static std::vector<std::string> splitLines(const std::string& text);

private:
    std::filesystem::path programDir_;
    // Before any file is loaded the list holds these two lines.
    std::vector<std::string> settingsLines_{"20", "24"};
};

// Whether a file may be written at this path: its folder may be written, and the file too if it is
// there. Read-only marks count for every user, root too.
bool canReplace(const std::filesystem::path& file);

// The number a line holds, or `fallback` when it is not a plain decimal number.
int lineNumber(const std::string& text, int fallback);

} // namespace liorna
