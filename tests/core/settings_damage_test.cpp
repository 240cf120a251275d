// A damaged settings file is kept whole before a save overwrites it, and the player is told once; a
// huge one is read only as far as its twenty lines go.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "harness.h"
#include "platform/texts.h"

using namespace liorna;

namespace {

std::string readAll(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::filesystem::path& p, const std::string& text)
{
    std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
}

std::string fileOf(std::vector<std::string> lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

// The fresh lines with some of them replaced.
std::string freshWith(std::initializer_list<std::pair<std::size_t, std::string>> changes)
{
    auto lines = freshSettingsLines();
    for (const auto& [i, text] : changes)
        lines[i] = text;
    return fileOf(lines);
}

} // namespace

TEST(DamagedSettings, UnreadableProgressOrCountsAreKeptWholeOtherOddLinesAreNot)
{
    std::string garbage = "\x89PNG\r\n\x1a\n";
    for (int i = 0; i < 600; ++i)
        garbage += static_cast<char>((i * 37 + 11) % 256);
    const struct {
        const char* what;
        std::string text;
        bool damaged;
    } cases[] = {
        {"fresh", freshWith({}), false},
        {"blanks around counts and speeds", freshWith({{5, " 5 "}, {16, "\t7"}, {3, " 2"}}), false},
        {"a speed, the sound or the back that is not a number", freshWith({{3, "x"}, {2, "?"}, {17, "zz"}}),
         false},
        {"a short file", "20\r\n24\r\n1\r\n", false},
        {"an empty file", "", false},
        {"a won count that is not a number", freshWith({{5, "x"}}), true},
        {"an empty lost count", freshWith({{16, ""}}), true},
        {"a count with a sign", freshWith({{11, "-3"}}), true},
        {"locked pictures out of range", freshWith({{0, "-1"}}), true},
        {"a cover stage out of range", freshWith({{1, "30"}}), true},
        {"selectable backs that are not a number", freshWith({{19, "1x"}}), true},
        {"binary garbage", garbage, true},
    };
    for (const auto& c : cases) {
        Harness h;
        const auto path = h.dir / SETTINGS_PATH;
        writeAll(path, c.text);
        Profile profile(h.dir);
        profile.load();
        EXPECT_EQ(profile.damagedCopyKept(), c.damaged) << c.what;
        const auto copy = h.dir / DAMAGED_COPY_PATH;
        EXPECT_EQ(std::filesystem::exists(copy), c.damaged) << c.what;
        if (c.damaged) {
            EXPECT_EQ(readAll(copy), c.text) << c.what;
        }
        EXPECT_EQ(readAll(path), c.text) << c.what << ": loading alone writes nothing";
    }
}

TEST(DamagedSettings, ThePlayerIsToldOnceInOneMessageAtStart)
{
    Harness h;
    writeAll(h.dir / SETTINGS_PATH, freshWith({{0, "garbage"}, {7, "?"}, {19, "more garbage"}}));
    ASSERT_TRUE(h.start());
    // With the start-up tick, over the start screen it opens.
    EXPECT_TRUE(h.messages.shown.empty());
    h.advance(1);
    ASSERT_TRUE(h.screens.top(ScreenId::Start));
    EXPECT_EQ(h.messages.shown, std::vector<std::string>{text::SETTINGS_DAMAGED});
    h.advance(10000);
    EXPECT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(std::string(text::SETTINGS_DAMAGED),
              "Файл настроек был повреждён; его копия сохранена как Setting/XP.kvz.damaged");
}

TEST(DamagedSettings, DamageAlreadyKeptIsNotToldAgainButNewDamageReplacesTheCopy)
{
    Harness h;
    const auto path = h.dir / SETTINGS_PATH;
    const auto copy = h.dir / DAMAGED_COPY_PATH;
    const std::string damaged = freshWith({{5, "x"}, {0, "??"}});
    writeAll(path, damaged);
    {
        Profile profile(h.dir);
        profile.load();
        ASSERT_TRUE(profile.damagedCopyKept());
        profile.recordMatch(11, true); // the first save overwrites the file: its copy was kept before
        profile.recordMatch(22, false);
    }
    EXPECT_NE(readAll(path), damaged);
    EXPECT_EQ(readAll(copy), damaged);
    const auto saved = SettingsFile::splitLines(readAll(path));
    EXPECT_EQ(saved[5], "x"); // not a number: it keeps its text
    EXPECT_EQ(saved[16], "1");

    // The same unreadable lines at the next start: already kept and told.
    {
        Profile profile(h.dir);
        profile.load();
        EXPECT_FALSE(profile.damagedCopyKept());
        EXPECT_EQ(readAll(copy), damaged);
    }
    // A line damaged anew: the file as it is now replaces the earlier copy.
    auto lines = saved;
    lines[9] = "9?";
    const std::string again = fileOf(lines);
    writeAll(path, again);
    Profile profile(h.dir);
    profile.load();
    EXPECT_TRUE(profile.damagedCopyKept());
    EXPECT_EQ(readAll(copy), again);
}

TEST(DamagedSettings, WithoutItsCopyADamagedFileIsNeverOverwritten)
{
    Harness h;
    const auto path = h.dir / SETTINGS_PATH;
    const auto copy = h.dir / DAMAGED_COPY_PATH;
    const std::string damaged = freshWith({{12, "lost?"}});
    writeAll(path, damaged);
    // A folder in the copy's place: no copy can be made, so nothing is told yet.
    std::filesystem::create_directory(copy);
    Profile profile(h.dir);
    profile.load();
    EXPECT_FALSE(profile.damagedCopyKept());
    try {
        profile.recordMatch(11, true);
        ADD_FAILURE() << "a damaged file was overwritten without its copy";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file Setting/XP.kvz.damaged");
    }
    EXPECT_EQ(readAll(path), damaged);

    // Once the copy can be made, the next save keeps it first and then writes the result it owed.
    std::filesystem::remove(copy);
    profile.chooseBackground(3);
    EXPECT_EQ(readAll(copy), damaged);
    const auto saved = SettingsFile::splitLines(readAll(path));
    EXPECT_EQ(saved[5], "1");
    EXPECT_EQ(saved[18], "3");
}

TEST(DamagedSettings, AHugeFileIsKeptWholeAndOnlyItsTwentyLinesAreRead)
{
    constexpr std::uintmax_t HUGE_SIZE = 100u * 1024 * 1024;
    const struct {
        const char* what;
        std::string head; // what the file begins with; the rest up to 100 MB is one long last line
        std::vector<std::string> lines;
    } cases[] = {
        {"twenty good lines and then 100 MB", freshWith({{5, "3"}, {18, "2"}}) + "extra\r\n",
         [] {
             auto l = freshSettingsLines();
             l[5] = "3";
             l[18] = "2";
             return l;
         }()},
        {"a line of 100 MB",
         [] {
             auto l = freshSettingsLines();
             l.resize(17);
             return fileOf(l) + "12";
         }(),
         {}},
    };
    for (const auto& c : cases) {
        Harness h;
        const auto path = h.dir / SETTINGS_PATH;
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << c.head;
            const std::string block(1 << 20, '7');
            for (std::uintmax_t n = c.head.size(); n < HUGE_SIZE; n += block.size())
                out.write(block.data(), static_cast<std::streamsize>(
                                            std::min<std::uintmax_t>(block.size(), HUGE_SIZE - n)));
        }
        ASSERT_EQ(std::filesystem::file_size(path), HUGE_SIZE);
        ASSERT_TRUE(h.start()) << c.what;
        h.advance(1);
        EXPECT_EQ(h.messages.shown, std::vector<std::string>{text::SETTINGS_DAMAGED}) << c.what;
        EXPECT_EQ(std::filesystem::file_size(h.dir / DAMAGED_COPY_PATH), HUGE_SIZE) << c.what;

        const auto& lines = h.engine().settings().lines();
        ASSERT_EQ(lines.size(), SETTINGS_LINES) << c.what;
        std::size_t kept = 0;
        for (const auto& line : lines)
            kept += line.size() + 2;
        EXPECT_LE(kept, SETTINGS_SIZE_LIMIT) << c.what;
        if (!c.lines.empty()) {
            EXPECT_EQ(lines, c.lines) << c.what;
        } else {
            EXPECT_EQ(lines[17].substr(0, 6), "127777") << c.what;
            EXPECT_EQ(lines[19], "15") << c.what;
        }

        // From now on the file holds its twenty lines alone, within the limit, and is no longer damaged.
        h.engine().profile().recordMatch(14, false);
        EXPECT_LE(std::filesystem::file_size(path), SETTINGS_SIZE_LIMIT) << c.what;
        EXPECT_EQ(SettingsFile::splitLines(readAll(path)).size(), SETTINGS_LINES) << c.what;
        EXPECT_EQ(std::filesystem::file_size(h.dir / DAMAGED_COPY_PATH), HUGE_SIZE) << c.what;
    }
}

TEST(DamagedSettings, ExtraLinesOfAFileOfNormalSizeSurviveEverySave)
{
    Harness h;
    const auto path = h.dir / SETTINGS_PATH;
    // Just under the limit, with lines after line 19: not damaged, and nothing of it is dropped.
    const std::string filler(SETTINGS_SIZE_LIMIT - 200, 'z');
    writeAll(path, freshWith({}) + "extra\r\n" + filler + "\r\n");
    ASSERT_LE(std::filesystem::file_size(path), SETTINGS_SIZE_LIMIT);
    ASSERT_TRUE(h.start());
    h.advance(1);
    EXPECT_TRUE(h.messages.shown.empty());
    h.engine().profile().chooseBackground(4);
    const auto lines = SettingsFile::splitLines(readAll(path));
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[18], "4");
    EXPECT_EQ(lines[20], "extra");
    EXPECT_EQ(lines[21], filler);
}
