// Where the game plays from: the build tree as it is, an installation through a prepared folder of the
// player's own, and refusals that leave the home folder untouched.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "persist/program_folder.h"

namespace fs = std::filesystem;
using liorna::FolderEnvironment;
using liorna::prepareProgramFolder;

namespace {

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A scratch folder with an installed prefix (P/games holds the executable, P/share/games/liorna the
// shared files) and an empty home.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("liorna-folder-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        games = root / "prefix" / "games";
        shared = root / "prefix" / "share" / "games" / "liorna";
        home = root / "home";
        fs::create_directories(games);
        fs::create_directories(home);
        writeFile(shared / "Setting" / "XP.kvz", "20\r\n24\r\n1\r\n");
        writeFile(shared / "Melodies" / "A1.wav", "RIFF cue");
        writeFile(shared / "Help" / "index.htm", "<html>help</html>");
        writeFile(shared / "Orvel.avi", "RIFF clip");
    }
    void TearDown() override
    {
        fs::permissions(home, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }
    FolderEnvironment installed() const { return {games, std::nullopt, home.string()}; }
    fs::path userFolder() const { return home / ".local" / "share" / "liorna"; }

    fs::path root, games, shared, home;
};

TEST_F(ProgramFolderTest, BuildTreePlaysInItsOwnFolderAndTouchesNothing)
{
    // No shared folder beside the prefix and a writable own folder, even without a settings file:
    // the engine's start-up error about the missing file stays what the player sees.
    const fs::path bin = root / "build" / "bin";
    fs::create_directories(bin);
    const auto folder = prepareProgramFolder(FolderEnvironment{bin, std::nullopt, home.string()});
    EXPECT_EQ(folder.error, "");
    EXPECT_EQ(folder.path, bin);
    EXPECT_FALSE(folder.perUser);
    EXPECT_TRUE(fs::is_empty(home));
    EXPECT_TRUE(fs::is_empty(bin));
}

TEST_F(ProgramFolderTest, InstalledGamePreparesThePlayersFolder)
{
    const auto folder = prepareProgramFolder(installed());
    ASSERT_EQ(folder.error, "");
    EXPECT_TRUE(folder.perUser);
    EXPECT_EQ(folder.path, userFolder());
    // The same relative paths the build tree offers.
    EXPECT_EQ(readFile(folder.path / "Setting" / "XP.kvz"), "20\r\n24\r\n1\r\n");
    EXPECT_FALSE(fs::is_symlink(folder.path / "Setting" / "XP.kvz"));
    EXPECT_TRUE(fs::is_directory(folder.path / "pictures"));
    EXPECT_EQ(readFile(folder.path / "Melodies" / "A1.wav"), "RIFF cue");
    EXPECT_EQ(readFile(folder.path / "Help" / "index.htm"), "<html>help</html>");
    EXPECT_EQ(readFile(folder.path / "Orvel.avi"), "RIFF clip");
    // The settings are the player's to rewrite, whatever the template's mode.
    EXPECT_EQ(::access((folder.path / "Setting" / "XP.kvz").c_str(), W_OK), 0);
}

TEST_F(ProgramFolderTest, TheDataFolderFollowsXdgDataHome)
{
    const struct {
        std::optional<std::string> xdg;
        fs::path expected; // relative to root
    } cases[] = {
        {std::nullopt, "home/.local/share/liorna"},
        {"", "home/.local/share/liorna"},
        {"relative/data", "home/.local/share/liorna"}, // XDG says a relative value is ignored
        {(root / "xdg").string(), "xdg/liorna"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xdg.value_or("(unset)"));
        const auto folder = prepareProgramFolder(FolderEnvironment{games, c.xdg, home.string()});
        EXPECT_EQ(folder.error, "");
        EXPECT_EQ(folder.path, root / c.expected);
        EXPECT_TRUE(fs::exists(folder.path / "Setting" / "XP.kvz"));
    }
}

TEST_F(ProgramFolderTest, LaterStartsKeepThePlayersFilesAndRepointStaleLinks)
{
    const fs::path user = userFolder();
    writeFile(user / "Setting" / "XP.kvz", "19\r\n23\r\n0\r\n");
    writeFile(user / "pictures" / "mine.jpg", "jpeg");
    // Melodies still points at a prefix that was removed; Help is a folder the player made.
    fs::create_symlink(root / "old-prefix" / "Melodies", user / "Melodies");
    writeFile(user / "Help" / "index.htm", "my notes");

    const auto folder = prepareProgramFolder(installed());
    ASSERT_EQ(folder.error, "");
    EXPECT_EQ(readFile(user / "Setting" / "XP.kvz"), "19\r\n23\r\n0\r\n");
    EXPECT_EQ(readFile(user / "pictures" / "mine.jpg"), "jpeg");
    EXPECT_EQ(fs::read_symlink(user / "Melodies"), shared / "Melodies");
    EXPECT_EQ(readFile(user / "Help" / "index.htm"), "my notes");
    EXPECT_EQ(readFile(user / "Orvel.avi"), "RIFF clip");

    // A second start finds everything in place and changes nothing.
    const auto again = prepareProgramFolder(installed());
    EXPECT_EQ(again.error, "");
    EXPECT_EQ(fs::read_symlink(user / "Melodies"), shared / "Melodies");
    EXPECT_FALSE(fs::exists(user / ".Melodies.link"));
    EXPECT_FALSE(fs::exists(user / "Setting" / "XP.kvz.new"));
}

TEST_F(ProgramFolderTest, TheFirstStartCopyFollowsNoLinkPlantedInThePlayersFolder)
{
    const fs::path setting = userFolder() / "Setting";
    const fs::path outside = root / "outside.txt";
    writeFile(outside, "keep me");
    fs::create_directories(setting);
    // At the name older versions copied through, and at a name a temporary copy could take.
    fs::create_symlink(outside, setting / "XP.kvz.new");
    fs::create_symlink(outside, setting / "XP.kvz.tmp");

    const auto folder = prepareProgramFolder(installed());
    ASSERT_EQ(folder.error, "");
    EXPECT_EQ(readFile(setting / "XP.kvz"), "20\r\n24\r\n1\r\n");
    EXPECT_FALSE(fs::is_symlink(setting / "XP.kvz"));
    EXPECT_EQ(readFile(outside), "keep me");
    EXPECT_EQ(fs::read_symlink(setting / "XP.kvz.new"), outside);
    EXPECT_EQ(fs::read_symlink(setting / "XP.kvz.tmp"), outside);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(setting))
        ++entries;
    EXPECT_EQ(entries, 3); // nothing of the copy is left behind

    // A link in the settings file's own place, even one leading nowhere, is the player's: no template
    // is copied over it or through it.
    for (const fs::path& to : {outside, root / "not-mounted" / "XP.kvz"}) {
        fs::remove(setting / "XP.kvz");
        fs::create_symlink(to, setting / "XP.kvz");
        EXPECT_EQ(prepareProgramFolder(installed()).error, "");
        EXPECT_EQ(fs::read_symlink(setting / "XP.kvz"), to);
        EXPECT_EQ(readFile(outside), "keep me");
        EXPECT_FALSE(fs::exists(root / "not-mounted"));
    }
}

TEST_F(ProgramFolderTest, RefusalsNameThePathAndLeaveHomeUntouched)
{
    const fs::path homeFile = root / "home-is-a-file";
    writeFile(homeFile, "");
    const struct {
        const char* name;
        std::function<void()> arrange;
        FolderEnvironment env;
        std::string named; // the path the message must name
    } cases[] = {
        {"missing template", [&] { fs::remove(shared / "Setting" / "XP.kvz"); }, installed(),
         (shared / "Setting" / "XP.kvz").string()},
        {"empty template", [&] { writeFile(shared / "Setting" / "XP.kvz", ""); }, installed(),
         (shared / "Setting" / "XP.kvz").string()},
        {"template is a folder",
         [&] {
             fs::remove(shared / "Setting" / "XP.kvz");
             fs::create_directories(shared / "Setting" / "XP.kvz");
         },
         installed(), (shared / "Setting" / "XP.kvz").string()},
        {"home is a file", [] {}, FolderEnvironment{games, std::nullopt, homeFile.string()},
         homeFile.string()},
        {"no home at all", [] {}, FolderEnvironment{games, std::nullopt, std::nullopt}, "HOME"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        writeFile(homeFile, "");
        c.arrange();
        const auto folder = prepareProgramFolder(c.env);
        EXPECT_NE(folder.error.find(c.named), std::string::npos) << folder.error;
        EXPECT_TRUE(folder.path.empty());
        EXPECT_TRUE(fs::is_empty(home));
        EXPECT_EQ(readFile(homeFile), "");
    }
}

TEST_F(ProgramFolderTest, ReadOnlyHomeIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes to any folder, whatever its mode";
    fs::permissions(home, fs::perms::owner_read | fs::perms::owner_exec);
    const auto folder = prepareProgramFolder(installed());
    EXPECT_NE(folder.error.find(home.string()), std::string::npos) << folder.error;
    EXPECT_TRUE(fs::is_empty(home));
}

} // namespace
