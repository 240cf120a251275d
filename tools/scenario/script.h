#pragma once
// Scenario scripts: one command per line, `#` comments, double-quoted tokens may hold spaces.

#include <optional>
#include <string>
#include <vector>

namespace liorna::scenario {

struct Command {
    int line = 0;
    std::vector<std::string> words;
};

struct Script {
    std::vector<Command> commands;
    // The first line that could not be split into words, with the reason.
    std::optional<std::pair<int, std::string>> error;
};

Script parseScript(const std::string& text);

} // namespace liorna::scenario
