#pragma once
// "Setting/XP.kvz": settings, bonus progress and statistics, one decimal value per line. Lines stay
// texts: equality on them ("05" is not "5") is behaviour. Saving replaces the file atomically, so a
// crash, a kill or a full disk never leaves it truncated.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace liorna {

inline constexpr const char* SETTINGS_PATH = "Setting/XP.kvz";

// The lines of a fresh file: 20 locked pictures, cover stage 24, sound on, speeds 5 and 5,
// twelve zero counts, card back 1, green background, 15 selectable backs.
std::vector<std::string> freshSettingsLines();

inline constexpr std::size_t SETTINGS_LINES = 20;

// A settings file past this size (a thousand times the real one) is damaged: only its beginning is
// read, and from then on its twenty lines alone are written.
inline constexpr std::size_t SETTINGS_SIZE_LIMIT = std::size_t{64} * 1024;

// Where a damaged settings file is kept whole before the first save overwrites it.
inline constexpr const char* DAMAGED_COPY_PATH = "Setting/XP.kvz.damaged";

// What keeping a damaged file's copy came to.
enum class DamagedCopy {
    Kept,        // the file is now also at DAMAGED_COPY_PATH
    AlreadyKept, // the copy there already holds these unreadable lines: nothing new to keep
    Failed,      // no copy could be made; saves refuse to overwrite the file until one can
};

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path programDir);

    // Replaces the lines by the file's; throws UserError "Cannot open file Setting/XP.kvz" when the
    // file cannot be read or is no file. A UTF-8 byte order mark is not part of line 0, and lines the
    // file lacks take the fresh file's values, so every later save writes lines 0 to 19. Of a file past
    // SETTINGS_SIZE_LIMIT only the first twenty lines within the limit are read and kept.
    void load();
    // The file loaded was past SETTINGS_SIZE_LIMIT.
    bool oversized() const { return oversized_; }
    // Keeps the file as it is on disk at DAMAGED_COPY_PATH, replacing an earlier copy, unless that copy
    // already holds the same texts at each of the `unreadable` line numbers (damage already kept and
    // told, which the saves since then wrote back as they were). When no copy can be made, the
    // following saves try again and refuse to overwrite the file until one is made.
    DamagedCopy keepDamagedCopy(const std::vector<std::size_t>& unreadable);

    // Writes every line, each ended by CR LF; throws UserError "Cannot create file Setting/XP.kvz"
    // and leaves the old file as it was. A file that is a symbolic link stays one: the new file
    // replaces the link's final target.
    void save();

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

    // Removes temporary files that saves of programs no longer running left beside the file (and beside
    // its link's target), and the fixed-name temporaries of older versions.
    void removeStaleTemporaries() const;

    // Splits a file's text at CR, LF or CR LF.
    static std::vector<std::string> splitLines(const std::string& text);

private:
    // The file a save replaces: the settings file, or the final target of the link it is.
    std::filesystem::path saveTarget() const;
    // Reads at most SETTINGS_SIZE_LIMIT bytes of the file; false when it cannot be read.
    bool readHead(std::string& text, bool& oversized) const;

    std::filesystem::path programDir_;
    // Before any file is loaded the list holds these two lines.
    std::vector<std::string> settingsLines_{"20", "24"};
    bool oversized_ = false;
    bool damagedCopyOwed_ = false;
};

// Whether a file may be written at this path: its folder may be written, and the file too if it is
// there. Read-only marks count for every user, root too.
bool canReplace(const std::filesystem::path& file);

// The number a line holds, or `fallback` when it is not a plain decimal number. Blanks around a
// number are not part of it.
int lineNumber(const std::string& text, int fallback);

// The text without the spaces and tabs around it.
std::string_view trimBlanks(std::string_view text);

} // namespace liorna
