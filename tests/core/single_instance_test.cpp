// One game per program folder: the lock, what a second start finds, the requests it sends, and the
// folders that cannot hold a lock.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <functional>

#include "persist/single_instance.h"

using liorna::SingleInstance;
using State = SingleInstance::State;
namespace fs = std::filesystem;

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("liorna-instance-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        folder = root / "game";
        fs::create_directories(folder / "Setting");
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root, folder;
};

} // namespace

TEST_F(SingleInstanceTest, ASecondStartFindsTheGameAndAsksItToComeToTheFront)
{
    // A folder whose socket path is far longer than a socket address holds, and an ordinary one.
    const fs::path deep = root / std::string(120, 'd') / "game";
    fs::create_directories(deep / "Setting");
    for (const fs::path& dir : {folder, deep}) {
        SCOPED_TRACE(dir.string().size());
        SingleInstance first(dir);
        ASSERT_EQ(first.state(), State::First);
        EXPECT_GE(first.requestSocket(), 0);
        EXPECT_TRUE(first.takeRequests().empty());
        {
            SingleInstance second(dir);
            EXPECT_EQ(second.state(), State::Running);
            EXPECT_TRUE(second.askToShow("token-1:2_3"));
            EXPECT_TRUE(second.askToShow(""));
            // Not a token: the request still counts, without it.
            EXPECT_TRUE(second.askToShow("two words"));
        }
        EXPECT_EQ(first.takeRequests(), (std::vector<std::string>{"token-1:2_3", "", ""}));
        EXPECT_TRUE(first.takeRequests().empty());
    }
    // Gone, the game leaves the folder to the next start.
    EXPECT_FALSE(fs::exists(folder / liorna::INSTANCE_SOCKET_PATH));
    EXPECT_EQ(SingleInstance(folder).state(), State::First);
}

TEST_F(SingleInstanceTest, OnlyRequestsAreTaken)
{
    SingleInstance first(folder);
    ASSERT_EQ(first.state(), State::First);
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = (folder / liorna::INSTANCE_SOCKET_PATH).string();
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    for (const std::string& datagram :
         {std::string("hello"), std::string("activatex"), "activate " + std::string(5000, 't'),
          std::string("activate \x01\x02"), std::string("activate good")}) {
        ASSERT_GE(::sendto(fd, datagram.data(), datagram.size(), 0,
                           reinterpret_cast<const sockaddr*>(&address), sizeof address),
                  0);
    }
    ::close(fd);
    EXPECT_EQ(first.takeRequests(), (std::vector<std::string>{"good"}));
}

TEST_F(SingleInstanceTest, AKilledGameLeavesNothingThatKeepsTheNextStartOut)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance game(folder);
        const char state = game.state() == State::First ? 'F' : '?';
        if (::write(ready[1], &state, 1) != 1)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    EXPECT_EQ(state, 'F');
    EXPECT_EQ(SingleInstance(folder).state(), State::Running);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    // The kernel let go of the lock; the socket file the game left is replaced.
    EXPECT_TRUE(fs::exists(fs::symlink_status(folder / liorna::INSTANCE_SOCKET_PATH)));
    SingleInstance next(folder);
    ASSERT_EQ(next.state(), State::First);
    EXPECT_TRUE(SingleInstance(folder).askToShow("again"));
    EXPECT_EQ(next.takeRequests(), (std::vector<std::string>{"again"}));
}

TEST_F(SingleInstanceTest, AFolderThatCannotHoldALockStillPlays)
{
    const fs::path outside = root / "outside";
    std::ofstream(outside) << "keep me";
    const fs::path lock = folder / liorna::INSTANCE_LOCK_PATH;
    const struct {
        const char* what;
        std::function<void()> arrange;
    } cases[] = {
        {"no Setting folder", [&] { fs::remove_all(folder / "Setting"); }},
        {"a folder at the lock's name", [&] { fs::create_directory(lock); }},
        {"a link at the lock's name", [&] { fs::create_symlink(outside, lock); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        std::ofstream(outside) << "keep me";
        c.arrange();
        SingleInstance game(folder);
        EXPECT_EQ(game.state(), State::Alone);
        EXPECT_LT(game.requestSocket(), 0);
        EXPECT_FALSE(game.askToShow("x"));
        std::ifstream in(outside);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");
    }

    // Something not ours at the socket's name is left alone; the game holds the lock all the same.
    TearDown();
    SetUp();
    std::ofstream(folder / liorna::INSTANCE_SOCKET_PATH) << "mine";
    SingleInstance game(folder);
    EXPECT_EQ(game.state(), State::First);
    EXPECT_LT(game.requestSocket(), 0);
    EXPECT_EQ(SingleInstance(folder).state(), State::Running);
    std::ifstream in(folder / liorna::INSTANCE_SOCKET_PATH);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mine");
}
