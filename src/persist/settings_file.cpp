#include "persist/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <fstream>
#include <sstream>

#include "platform/ports.h"

namespace liorna {

std::vector<std::string> freshSettingsLines()
{
    std::vector<std::string> lines{"20", "24", "1", "5", "5"};
    lines.insert(lines.end(), 12, "0");
    lines.insert(lines.end(), {"1", "1", "15"});
    return lines;
}

SettingsFile::SettingsFile(std::filesystem::path programDir) : programDir_(std::move(programDir)) {}

std::vector<std::string> SettingsFile::splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    bool pending = false; // text since the last line end
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending)
        lines.push_back(current);
    return lines;
}

void SettingsFile::load()
{
    std::ifstream in(path(), std::ios::binary);
    if (!in)
        throw UserError(std::string("Cannot open file ") + SETTINGS_PATH);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw UserError(std::string("Cannot open file ") + SETTINGS_PATH);
    settingsLines_ = splitLines(text.str());
}

namespace {

bool writeAll(int fd, const std::string& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool canWrite(const std::filesystem::path& path)
{
    // Write bits are honoured even for a user (such as root) whom the system would let write anyway:
    // a file or folder marked read-only is not to be replaced.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    return (info.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

void SettingsFile::save() const
{
    const UserError failure(std::string("Cannot create file ") + SETTINGS_PATH);
    std::string data;
    for (const auto& line : settingsLines_)
        data += line + "\r\n";

    // Write beside the file, flush to disk, then rename over it: the old file stays whole until the
    // new one is complete.
    const auto target = path();
    const auto temporary = target.string() + ".tmp";
    if (!canWrite(target.parent_path()) || (std::filesystem::exists(target) && !canWrite(target)))
        throw failure;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw failure;
    const bool written = writeAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw failure;
    }
    // Make the rename itself durable.
    const int dir = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

std::string SettingsFile::line(std::size_t index) const
{
    return index < settingsLines_.size() ? settingsLines_[index] : std::string();
}

void SettingsFile::setLine(std::size_t index, std::string text)
{
    if (index >= settingsLines_.size())
        settingsLines_.resize(index + 1);
    settingsLines_[index] = std::move(text);
}

int lineNumber(const std::string& text, int fallback)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 0)
        return fallback;
    return value;
}

} // namespace liorna
