#pragma once
// What a cue file must be to be played: a PCM wave, and small enough to be loaded whole. The sound
// system reports a bad file only as a status without a text, and loads a file whole into memory, so
// the player checks the file itself first and says why it cannot be played.

#include <cstdint>
#include <filesystem>
#include <string>

namespace liorna {

// A cue is a short sound: a larger file would take that much memory for every cue played.
inline constexpr std::uintmax_t CUE_FILE_LIMIT = std::uintmax_t{8} * 1024 * 1024;

// Why the cue file at `file` cannot be played, naming it as `shown`; an empty text when it can.
std::string checkCueFile(const std::filesystem::path& file, const std::string& shown);

} // namespace liorna
