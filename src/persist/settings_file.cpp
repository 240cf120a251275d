#include "persist/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fstream>

#include "persist/safe_file.h"
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
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos) {
            lines.emplace_back(text, begin); // the last line, without a line end
            break;
        }
        lines.emplace_back(text, begin, end - begin);
        begin = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

bool SettingsFile::readHead(std::string& text, bool& oversized) const
{
    // A fifo in the file's place must not block the start: it is opened without waiting, then refused
    // like a folder, which opens on Linux but is no settings file.
    const int fd = ::open(path().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info {};
    bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // One byte past the limit tells an oversized file; nothing more of it is read.
    text.assign(SETTINGS_SIZE_LIMIT + 1, '\0');
    std::size_t got = 0;
    while (readable && got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            readable = false;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    oversized = got > SETTINGS_SIZE_LIMIT;
    text.resize(std::min(got, SETTINGS_SIZE_LIMIT));
    return readable;
}

void SettingsFile::load()
{
    std::string content;
    bool oversized = false;
    if (!readHead(content, oversized))
        throw UserError(std::string("Cannot open file ") + SETTINGS_PATH);
    // An editor saving as UTF-8 may put a byte order mark first; it is not part of line 0.
    static constexpr std::string_view BOM = "\xEF\xBB\xBF";
    if (content.starts_with(BOM))
        content.erase(0, BOM.size());
    settingsLines_ = splitLines(content);
    oversized_ = oversized;
    damagedCopyOwed_ = false;
    if (oversized_ && settingsLines_.size() > SETTINGS_LINES)
        settingsLines_.resize(SETTINGS_LINES);
    // A short or truncated file would otherwise be written back with empty lines where values
    // belong; the lines it lacks take the fresh file's values.
    const auto fresh = freshSettingsLines();
    for (std::size_t i = settingsLines_.size(); i < fresh.size(); ++i)
        settingsLines_.push_back(fresh[i]);
    if (oversized_) {
        // The twenty lines kept must make a file within the limit: the longest gives way.
        std::size_t size = 0;
        for (const auto& line : settingsLines_)
            size += line.size() + 2;
        while (size > SETTINGS_SIZE_LIMIT) {
            auto& longest =
                *std::max_element(settingsLines_.begin(), settingsLines_.end(),
                                  [](const auto& a, const auto& b) { return a.size() < b.size(); });
            const std::size_t cut = std::min(longest.size(), size - SETTINGS_SIZE_LIMIT);
            longest.resize(longest.size() - cut);
            size -= cut;
        }
    }
}

DamagedCopy SettingsFile::keepDamagedCopy(const std::vector<std::size_t>& unreadable)
{
    const auto copy = programDir_ / DAMAGED_COPY_PATH;
    if (!oversized_ && !unreadable.empty()) {
        // The copy kept at an earlier start holds these very lines: the saves since then wrote back
        // what could not be read, and there is nothing new to keep or to tell.
        std::ifstream in(copy, std::ios::binary);
        std::string head(SETTINGS_SIZE_LIMIT, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
        if (head.starts_with("\xEF\xBB\xBF"))
            head.erase(0, 3);
        const auto kept = splitLines(head);
        const bool same = std::all_of(unreadable.begin(), unreadable.end(),
                                      [&](std::size_t i) { return i < kept.size() && kept[i] == line(i); });
        if (same)
            return DamagedCopy::AlreadyKept;
    }
    bool done = false;
    const int fd = ::open(path().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        TemporaryFile temporary(copy);
        done = temporary.copyFrom(fd) && temporary.replaceTarget();
        ::close(fd);
    }
    damagedCopyOwed_ = !done;
    return done ? DamagedCopy::Kept : DamagedCopy::Failed;
}

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

std::filesystem::path SettingsFile::saveTarget() const
{
    auto file = path();
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return file;
    // A link (into a synced folder, from a dotfile manager) stays a link: its target takes the lines.
    char* resolved = ::realpath(file.c_str(), nullptr);
    if (resolved == nullptr)
        return {}; // the link leads nowhere: there is nothing to write to
    std::filesystem::path target(resolved);
    std::free(resolved);
    return target;
}

void SettingsFile::save()
{
    const UserError failure(std::string("Cannot create file ") + SETTINGS_PATH);
    // A damaged file is overwritten only once its copy is kept.
    if (damagedCopyOwed_ && keepDamagedCopy({}) == DamagedCopy::Failed)
        throw UserError(std::string("Cannot create file ") + DAMAGED_COPY_PATH);
    std::string data;
    for (const auto& line : settingsLines_)
        data += line + "\r\n";

    // Write beside the file, flush to disk, then rename over it: the old file stays whole until the
    // new one is complete, and nothing already beside it (a link, a folder, a stale leftover) is
    // followed, overwritten or in the way.
    const auto target = saveTarget();
    if (target.empty() || !canReplace(target))
        throw failure;
    TemporaryFile temporary(target);
    if (!temporary.write(data) || !temporary.replaceTarget())
        throw failure;
}

void SettingsFile::removeStaleTemporaries() const
{
    // Only plain files of ours are removed, of our naming and their program gone; a link or a folder
    // of that name is not ours.
    const auto file = path();
    liorna::removeStaleTemporaries(file.parent_path(), temporaryPrefix(file));
    if (const auto target = saveTarget(); !target.empty() && target != file)
        liorna::removeStaleTemporaries(target.parent_path(), temporaryPrefix(target));
    // Older versions saved and copied through these fixed names.
    for (const char* suffix : {".tmp", ".new"})
        removeOwnPlainFile(file.parent_path() / (file.filename().string() + suffix));
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

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int lineNumber(const std::string& line, int fallback)
{
    const std::string_view text = trimBlanks(line);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 0)
        return fallback;
    return value;
}

} // namespace liorna
