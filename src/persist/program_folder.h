#pragma once
// Where the game plays from. Run from the build tree, its own folder holds everything. Installed, the
// read-only files lie in a shared folder of the prefix, and each player gets a folder of their own under
// $XDG_DATA_HOME that holds the settings and the exported pictures and reaches the shared files through
// symbolic links, so the game finds everything by the same relative paths.

#include <filesystem>
#include <optional>
#include <string>

#include "persist/settings_file.h"

namespace liorna {

// The shared folder of an installation, relative to the folder of the executable (P/games).
inline constexpr const char* SHARED_DATA_FROM_EXECUTABLE = "../share/games/liorna";
// The clip decoder module of an installation, relative to the folder of the executable.
inline constexpr const char* MODULE_DIR_FROM_EXECUTABLE = "../lib/games/liorna";

// The read-only entries of the program folder that an installation shares between its players.
inline constexpr const char* SHARED_ENTRIES[] = {"Melodies", "Help", "Orvel.avi"};
inline constexpr const char* PICTURES_DIR = "pictures";

struct FolderEnvironment {
    std::filesystem::path executableDir;
    std::optional<std::string> xdgDataHome; // $XDG_DATA_HOME, when set
    std::optional<std::string> home;        // $HOME, when set
};

struct ProgramFolder {
    std::filesystem::path path; // the working folder to play in; empty when error is set
    bool perUser = false;       // prepared under the player's data folder
    std::string error;          // why the game cannot start, naming the path; empty on success
};

// Chooses the program folder and, for an installed game, prepares the player's folder: a missing
// settings file is copied from the shared template, "pictures" is made, and the shared entries are
// linked (a link pointing elsewhere, say at an older prefix, is re-pointed; a real file or folder the
// player put there is left alone). Everything is checked before anything is made, so an unwritable home
// or a broken template ends the game with nothing touched.
ProgramFolder prepareProgramFolder(const FolderEnvironment& env);

// The same for this process: the executable's folder and the environment variables.
ProgramFolder prepareProgramFolder(const std::filesystem::path& executableDir);

} // namespace liorna
