#pragma once
// One game per program folder. Two games on one settings file would each rewrite it whole from what
// they hold, and the last to save would erase the other's results. The first game holds a lock in the
// folder, which the kernel releases however the program ends, so a crash cannot leave it stuck, and
// listens on a local socket beside it; a second start finds the lock taken, asks the running game to
// come to the front through the socket, and ends without touching the settings.

#include <filesystem>
#include <string>
#include <vector>

namespace liorna {

inline constexpr const char* INSTANCE_LOCK_PATH = "Setting/liorna.lock";
inline constexpr const char* INSTANCE_SOCKET_PATH = "Setting/liorna.socket";

class SingleInstance {
public:
    enum class State {
        First,   // this program holds the folder's lock: it is the game of this folder
        Running, // another program holds it: a game already runs in this folder
        Alone,   // the folder cannot hold a lock (read-only, say): this program plays without one
    };

    // Takes the lock of the program folder `programDir`, or finds it taken.
    explicit SingleInstance(const std::filesystem::path& programDir);
    // Gives up the lock and the socket.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    State state() const { return state_; }

    // Running: asks the game that runs to come to the front, handing on the desktop's activation
    // token (may be empty). False when the game could not be reached.
    bool askToShow(const std::string& token) const;

    // First: the socket to watch for requests, or -1 when none could be opened (the game then plays
    // on, only unreachable).
    int requestSocket() const { return socket_; }
    // First: the activation tokens of the requests that have come since the last call, oldest first;
    // an empty token for a request without one. Never waits.
    std::vector<std::string> takeRequests();

private:
    void listen();

    std::filesystem::path folder_; // the folder that holds the lock and the socket
    State state_ = State::Alone;
    int lock_ = -1;
    int socket_ = -1;
    int folderFd_ = -1; // the folder, when its path is too long for a socket address
};

} // namespace liorna
