#include "platform/cue_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace liorna {

std::string checkCueFile(const std::filesystem::path& file, const std::string& shown)
{
    // Opened without waiting, so that a fifo in the cue's place cannot hold up the game.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return "Cannot open sound file " + shown + ": " + std::strerror(errno);
    struct stat info {};
    const bool plain = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    unsigned char head[36] = {};
    ssize_t got = 0;
    if (plain && static_cast<std::uintmax_t>(info.st_size) <= CUE_FILE_LIMIT) {
        do
            got = ::read(fd, head, sizeof head);
        while (got < 0 && errno == EINTR);
    }
    ::close(fd);
    const std::string refused = "Cannot play sound file " + shown + ": ";
    if (!plain)
        return refused + "not a wave file";
    if (static_cast<std::uintmax_t>(info.st_size) > CUE_FILE_LIMIT)
        return refused + "larger than 8 MB";
    if (got < static_cast<ssize_t>(sizeof head) || std::memcmp(head, "RIFF", 4) != 0 ||
        std::memcmp(head + 8, "WAVEfmt ", 8) != 0)
        return refused + "not a wave file";
    if ((head[20] | (head[21] << 8)) != 1)
        return refused + "not a PCM wave file";
    return {};
}

} // namespace liorna
