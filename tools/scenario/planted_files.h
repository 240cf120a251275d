#pragma once
// File commands that put things into the program folder as a player, an older version or another
// program might have left them: a plain file, a symbolic link, a wave file of a given size.

#include <filesystem>
#include <string>
#include <vector>

namespace liorna::scenario {

// Carries out `plant PATH`, `link PATH TARGET` or `wave PATH BYTES` in the program folder `dir`; false
// for any other command. Throws Failure when the command cannot be carried out.
bool plantFile(const std::filesystem::path& dir, const std::vector<std::string>& words);

} // namespace liorna::scenario
