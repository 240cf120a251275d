#include "persist/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>

namespace liorna {

namespace {

constexpr std::string_view REQUEST = "activate";
// An activation token is an opaque word of printable characters; anything longer is no token of ours.
constexpr std::size_t TOKEN_LIMIT = 512;

// The address of the socket file `name` in `folder`. A socket address holds about a hundred bytes; a
// longer path is reached through the folder's descriptor under /proc, which any length fits.
std::optional<sockaddr_un> socketAddress(const std::filesystem::path& folder, int& folderFd, const char* name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string path = (folder / name).string();
    if (path.size() >= sizeof address.sun_path) {
        if (folderFd < 0)
            folderFd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (folderFd < 0)
            return std::nullopt;
        path = "/proc/self/fd/" + std::to_string(folderFd) + "/" + name;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

std::string socketName()
{
    return std::filesystem::path(INSTANCE_SOCKET_PATH).filename().string();
}

bool isToken(std::string_view text)
{
    return !text.empty() && text.size() <= TOKEN_LIMIT &&
           std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

} // namespace

SingleInstance::SingleInstance(const std::filesystem::path& programDir)
    : folder_((programDir / INSTANCE_LOCK_PATH).parent_path())
{
    const auto lockPath = programDir / INSTANCE_LOCK_PATH;
    // Never through a link planted at the name, and without waiting on a fifo there. A read-only
    // folder that already has the lock file still locks: a lock needs no write access.
    const int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    lock_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | flags, 0644);
    if (lock_ < 0)
        lock_ = ::open(lockPath.c_str(), O_RDONLY | flags);
    struct stat info {};
    if (lock_ >= 0 && (::fstat(lock_, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(lock_);
        lock_ = -1;
    }
    if (lock_ < 0)
        return; // Alone
    if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::First;
        listen();
    } else {
        state_ = errno == EWOULDBLOCK ? State::Running : State::Alone;
        ::close(lock_);
        lock_ = -1;
    }
}

SingleInstance::~SingleInstance()
{
    if (socket_ >= 0) {
        ::close(socket_);
        // Removed while the lock is still held, so it is never a later game's socket that goes.
        ::unlink((folder_ / socketName()).c_str());
    }
    if (folderFd_ >= 0)
        ::close(folderFd_);
    if (lock_ >= 0)
        ::close(lock_); // releases the lock
}

void SingleInstance::listen()
{
    const auto path = folder_ / socketName();
    // With the lock held, a socket left at the name is a crashed game's. Anything else there is not
    // ours: the game then plays without being reachable.
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        if (!S_ISSOCK(info.st_mode))
            return;
        ::unlink(path.c_str());
    }
    const auto address = socketAddress(folder_, folderFd_, socketName().c_str());
    if (!address)
        return;
    socket_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket_ < 0)
        return;
    if (::bind(socket_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        ::close(socket_);
        socket_ = -1;
        return;
    }
    // Only the player may ask this game anything.
    ::chmod(path.c_str(), 0600);
}

bool SingleInstance::askToShow(const std::string& token) const
{
    if (state_ != State::Running)
        return false;
    int folderFd = -1;
    const auto address = socketAddress(folder_, folderFd, socketName().c_str());
    const int fd = address ? ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0) : -1;
    std::string request(REQUEST);
    if (isToken(token))
        request += " " + token;
    bool sent = false;
    // The game that holds the lock opens its socket right after taking it: a start in that instant
    // tries again a little later.
    for (int attempt = 0; fd >= 0 && attempt < 20 && !sent; ++attempt) {
        sent = ::sendto(fd, request.data(), request.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                        reinterpret_cast<const sockaddr*>(&*address), sizeof *address) >= 0;
        if (!sent && errno != ENOENT && errno != ECONNREFUSED)
            break;
        if (!sent)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (fd >= 0)
        ::close(fd);
    if (folderFd >= 0)
        ::close(folderFd);
    return sent;
}

std::vector<std::string> SingleInstance::takeRequests()
{
    std::vector<std::string> tokens;
    char buffer[TOKEN_LIMIT + 64];
    while (socket_ >= 0) {
        const ssize_t n = ::recv(socket_, buffer, sizeof buffer, MSG_DONTWAIT | MSG_TRUNC);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        // A datagram longer than the buffer (its full length is told) or not a request is no one's.
        if (static_cast<std::size_t>(n) > sizeof buffer)
            continue;
        const std::string_view text(buffer, static_cast<std::size_t>(n));
        if (!text.starts_with(REQUEST))
            continue;
        const std::string_view rest = text.substr(REQUEST.size());
        if (rest.empty())
            tokens.emplace_back();
        else if (rest[0] == ' ' && isToken(rest.substr(1)))
            tokens.emplace_back(rest.substr(1));
    }
    return tokens;
}

} // namespace liorna
