#include "persist/safe_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace liorna {

std::string temporaryPrefix(const std::filesystem::path& target)
{
    return target.filename().string() + ".tmp-";
}

TemporaryFile::TemporaryFile(const std::filesystem::path& target)
    : target_(target),
      path_((target.parent_path() / (temporaryPrefix(target) + std::to_string(::getpid()) + "-XXXXXX"))
                .string())
{
    // mkostemp creates the file exclusively under a fresh name: nothing already there is opened.
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    created_ = fd_ >= 0;
    if (created_ && ::fchmod(fd_, 0644) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

TemporaryFile::~TemporaryFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (created_ && !placed_)
        ::unlink(path_.c_str());
}

bool TemporaryFile::write(std::string_view data)
{
    if (fd_ < 0)
        return false;
    while (!data.empty()) {
        const ssize_t n = ::write(fd_, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool TemporaryFile::copyFrom(int fd)
{
    if (fd_ < 0)
        return false;
    // The kernel copies without bringing the bytes through the program (a damaged file may be huge).
    for (;;) {
        const ssize_t n = ::copy_file_range(fd, nullptr, fd_, nullptr, std::size_t{1} << 30, 0);
        if (n == 0)
            return true;
        if (n > 0)
            continue;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return false;
        break; // not offered here: copy by hand
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!write(std::string_view(buffer, static_cast<std::size_t>(n))))
            return false;
    }
}

bool TemporaryFile::finish()
{
    if (fd_ < 0)
        return false;
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return synced && closed;
}

void TemporaryFile::syncFolder() const
{
    // Makes the rename itself durable.
    const int dir = ::open(target_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

bool TemporaryFile::replaceTarget()
{
    if (!finish() || ::rename(path_.c_str(), target_.c_str()) != 0)
        return false;
    placed_ = true;
    syncFolder();
    return true;
}

bool TemporaryFile::createTarget()
{
    if (!finish())
        return false;
    if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0) {
        placed_ = true;
    } else if (errno == EINVAL || errno == ENOSYS) {
        // A file system without the no-replace rename: a hard link is just as exclusive.
        if (::link(path_.c_str(), target_.c_str()) != 0)
            return false;
        ::unlink(path_.c_str());
        placed_ = true;
    } else {
        return false;
    }
    syncFolder();
    return true;
}

void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& prefix)
{
    // A save killed between creating its temporary file and the rename leaves it behind.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) == 0)
            continue; // another copy of the program is saving right now
        removeOwnPlainFile(entry.path());
    }
}

void removeOwnPlainFile(const std::filesystem::path& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
        ::unlink(path.c_str());
}

} // namespace liorna
