#include "script.h"

#include <sstream>

namespace liorna::scenario {

Script parseScript(const std::string& text)
{
    Script script;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        Command command{number, {}};
        std::string word;
        bool quoted = false;
        bool inWord = false;
        for (char c : raw) {
            if (quoted) {
                if (c == '"') {
                    quoted = false;
                } else {
                    word += c;
                }
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                quoted = true;
                inWord = true;
            } else if (c == ' ' || c == '\t') {
                if (inWord)
                    command.words.push_back(word);
                word.clear();
                inWord = false;
            } else {
                word += c;
                inWord = true;
            }
        }
        if (quoted && !script.error) {
            script.error = {number, "unterminated quote"};
            continue;
        }
        if (inWord)
            command.words.push_back(word);
        if (!command.words.empty())
            script.commands.push_back(std::move(command));
    }
    return script;
}

} // namespace liorna::scenario
