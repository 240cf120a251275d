// A settings file kept as a symbolic link (a synced folder, a dotfile manager) stays a link through
// every save, and its target takes the new lines.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "harness.h"

using namespace liorna;
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int entriesIn(const fs::path& folder)
{
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++n;
    return n;
}

} // namespace

TEST(LinkedSettings, ASaveGoesThroughTheLinkToItsFinalTarget)
{
    struct Case {
        const char* what;
        bool relative;
        bool chained; // the link leads to another link, which leads to the file
    };
    for (const Case c :
         {Case{"absolute", false, false}, Case{"relative", true, false}, Case{"chained", true, true}}) {
        Harness h;
        const fs::path settings = h.dir / SETTINGS_PATH;
        const fs::path synced = h.dir / "synced";
        const fs::path target = synced / "liorna.kvz";
        fs::create_directories(synced);
        fs::rename(settings, target);
        fs::path linkText = c.relative ? fs::path("../synced/liorna.kvz") : target;
        if (c.chained) {
            fs::create_symlink("liorna.kvz", synced / "current.kvz");
            linkText = "../synced/current.kvz";
        }
        fs::create_symlink(linkText, settings);

        SettingsFile file(h.dir);
        file.load();
        file.setLine(18, "3");
        file.save();
        file.setLine(5, "7");
        file.save();

        EXPECT_TRUE(fs::is_symlink(settings)) << c.what;
        EXPECT_EQ(fs::read_symlink(settings), linkText) << c.what;
        const auto lines = SettingsFile::splitLines(readAll(target));
        ASSERT_EQ(lines.size(), SETTINGS_LINES) << c.what;
        EXPECT_EQ(lines[18], "3") << c.what;
        EXPECT_EQ(lines[5], "7") << c.what;
        if (c.chained) {
            EXPECT_TRUE(fs::is_symlink(synced / "current.kvz")) << c.what;
        }
        // No temporary file stays behind, beside the link or beside its target.
        EXPECT_EQ(entriesIn(settings.parent_path()), 1) << c.what;
        EXPECT_EQ(entriesIn(synced), c.chained ? 2 : 1) << c.what;
        struct stat info {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << c.what;
    }
}

TEST(LinkedSettings, ALinkThatLeadsNowhereOrToAReadOnlyFileIsLeftAsItWas)
{
    Harness h;
    const fs::path settings = h.dir / SETTINGS_PATH;
    const fs::path target = h.dir / "elsewhere.kvz";
    fs::rename(settings, target);
    fs::create_symlink(target, settings);
    SettingsFile file(h.dir);
    file.load();
    file.setLine(18, "2");

    ::chmod(target.c_str(), 0444);
    const std::string before = readAll(target);
    EXPECT_THROW(file.save(), UserError);
    EXPECT_EQ(readAll(target), before);
    EXPECT_TRUE(fs::is_symlink(settings));
    ::chmod(target.c_str(), 0644);

    // The synced folder is gone for now: the link is not replaced by a plain file.
    fs::remove(target);
    try {
        file.save();
        ADD_FAILURE() << "saved through a link that leads nowhere";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file Setting/XP.kvz");
    }
    EXPECT_TRUE(fs::is_symlink(settings));
    EXPECT_FALSE(fs::exists(target));
}
