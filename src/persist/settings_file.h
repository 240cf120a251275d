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

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path programDir);

    // Replaces the lines by the file's; throws UserError "Cannot open file Setting/XP.kvz".
    void load();
    // Writes every line, each ended by CR LF; throws UserError "Cannot create file Setting/XP.kvz"
    // and leaves the old file as it was.
    void save() const;

    // Empty text for a line the file does not have.
    std::string line(std::size_t index) const;
    // Extends the list with empty lines when it is shorter.
    void setLine(std::size_t index, std::string text);
    const std::vector<std::string>& lines() const { return settingsLines_; }

    std::filesystem::path path() const { return programDir_ / SETTINGS_PATH; }

    // Splits a file's text at CR, LF or CR LF.
    static std::vector<std::string> splitLines(const std::string& text);

private:
    std::filesystem::path programDir_;
    // Before any file is loaded the list holds these two lines.
    std::vector<std::string> settingsLines_{"20", "24"};
};

// Whether the file or folder exists and may be written; read-only marks count for every user.
bool canWrite(const std::filesystem::path& path);

// The number a line holds, or `fallback` when it is not a plain decimal number.
int lineNumber(const std::string& text, int fallback);

} // namespace liorna
