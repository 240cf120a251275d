#include "persist/settings_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
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
    const UserError failure(std::string("Cannot open file ") + SETTINGS_PATH);
    std::error_code error;
    // A folder in the file's place opens on Linux but reads nothing: it is no settings file.
    if (!std::filesystem::is_regular_file(path(), error))
        throw failure;
    std::ifstream in(path(), std::ios::binary);
    if (!in)
        throw failure;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw failure;
    std::string content = text.str();
    // An editor saving as UTF-8 may put a byte order mark first; it is not part of line 0.
    static constexpr std::string_view BOM = "\xEF\xBB\xBF";
    if (content.starts_with(BOM))
        content.erase(0, BOM.size());
    settingsLines_ = splitLines(content);
    // A short or truncated file would otherwise be written back with empty lines where values
    // belong; the lines it lacks take the fresh file's values.
    const auto fresh = freshSettingsLines();
    for (std::size_t i = settingsLines_.size(); i < fresh.size(); ++i)
        settingsLines_.push_back(fresh[i]);
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

namespace {

bool writable(const std::filesystem::path& path, bool mayBeMissing)
{
    // Write bits are honoured even for a user (such as root) whom the system would let write anyway:
    // a file or folder marked read-only is not to be replaced.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return mayBeMissing && errno == ENOENT;
    return (info.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

} // namespace

bool canReplace(const std::filesystem::path& file)
{
    return writable(file.parent_path(), false) && writable(file, true);
}

namespace {

// Temporary files are named "XP.kvz.tmp-PID-XXXXXX": unique, and telling which program made them.
std::string temporaryPrefix(const std::filesystem::path& target)
{
    return target.filename().string() + ".tmp-";
}

} // namespace

void SettingsFile::save() const
{
    const UserError failure(std::string("Cannot create file ") + SETTINGS_PATH);
    std::string data;
    for (const auto& line : settingsLines_)
        data += line + "\r\n";

    // Write beside the file, flush to disk, then rename over it: the old file stays whole until the
    // new one is complete. The temporary file gets a fresh name created exclusively, so nothing
    // already there (a link, a folder, a stale leftover) is followed, overwritten or in the way.
    const auto target = path();
    if (!canReplace(target))
        throw failure;
    std::string temporary =
        (target.parent_path() / (temporaryPrefix(target) + std::to_string(::getpid()) + "-XXXXXX")).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        throw failure;
    const bool written = ::fchmod(fd, 0644) == 0 && writeAll(fd, data) && ::fsync(fd) == 0;
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

void SettingsFile::removeStaleTemporaries() const
{
    // A save killed between creating its temporary file and the rename leaves it behind. Only plain
    // files of our naming whose program is gone are removed; a link or folder of that name is not ours.
    const auto target = path();
    const std::string prefix = temporaryPrefix(target);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !entry.is_regular_file(error) || entry.is_symlink(error))
            continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) == 0)
            continue; // another copy of the program is saving right now
        std::filesystem::remove(entry.path(), error);
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
