#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "harness.h"

using namespace liorna;

namespace {

std::string readAll(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::filesystem::path& p, const std::string& text)
{
    std::ofstream(p, std::ios::binary) << text;
}

} // namespace

TEST(SettingsFile, ReadsEveryKindOfLineEnd)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"20\r\n24\r\n1\r\n", {"20", "24", "1"}},
        {"20\n24\n1", {"20", "24", "1"}},
        {"20\r24\r1\r", {"20", "24", "1"}},
        {"20\r\n\n24\r", {"20", "", "24"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsFile::splitLines(c.text), c.lines) << c.text;
}

TEST(SettingsFile, FreshFileAppliesSoundOnSpeedsAndBacks)
{
    Harness h;
    ASSERT_TRUE(h.start());
    auto& e = h.engine();
    EXPECT_TRUE(e.profile().soundOn());
    EXPECT_EQ(e.trick().afterTrickPauseMs(), 1500);
    EXPECT_EQ(e.trick().answerPauseMs(), 1000);
    EXPECT_EQ(e.profile().cardBackChoice(), "1");
    EXPECT_EQ(e.profile().availableBackCount(), "15");
    EXPECT_EQ(e.profile().cardBack(), Picture::back(1));
    EXPECT_EQ(e.profile().background(), Picture::tile(1));
    EXPECT_EQ(e.table().computerHand[0].picture, Picture::back(1));
    EXPECT_EQ(e.table().flyingCard.picture, Picture::back(1));
    EXPECT_EQ(e.settings().lines(), freshSettingsLines());
    EXPECT_EQ(e.settings().lines().size(), 20u);
}

TEST(SettingsFile, OddLinesFallBackOrLeaveTheirValueAlone)
{
    struct Case {
        std::vector<std::string> lines;
        bool sound;
        int afterTrick;
        int answer;
        Picture back;
        Picture tile;
    };
    const Case cases[] = {
        // Lines 0..19; lines a short file lacks take the fresh file's values (back 1, green).
        {{"20", "24", "0", "1", "10"}, false, 300, 2000, Picture::back(1), Picture::tile(1)},
        {{"20", "24", "",  "x", "0", "0", "0", "0",  "0", "0",
          "0",  "0",  "0", "0", "0", "0", "0", "16", "4", "16"},
         true,
         1500,
         1000,
         Picture::bonus(1),
         Picture::tile(4)},
        // A back number that names no back shows built-in back 1 rather than bare outlines.
        {{"20", "24", "1", "05", "11", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "36", "5"},
         true,
         1500,
         1000,
         Picture::back(1),
         Picture::none()},
        {{"20", "24", "1", "3", "7", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "015", "2"},
         true,
         900,
         1400,
         Picture::back(1),
         Picture::tile(2)},
    };
    for (const auto& c : cases) {
        Harness h;
        std::string text;
        for (const auto& l : c.lines)
            text += l + "\n";
        writeAll(h.dir / SETTINGS_PATH, text);
        ASSERT_TRUE(h.start());
        auto& e = h.engine();
        EXPECT_EQ(e.profile().soundOn(), c.sound) << text;
        EXPECT_EQ(e.trick().afterTrickPauseMs(), c.afterTrick) << text;
        EXPECT_EQ(e.trick().answerPauseMs(), c.answer) << text;
        EXPECT_EQ(e.profile().cardBack(), c.back) << text;
        EXPECT_EQ(e.profile().background(), c.tile) << text;
    }
}

TEST(SettingsFile, MissingFileAtStartEndsTheProgramWithItsMessage)
{
    Harness h;
    std::filesystem::remove(h.dir / SETTINGS_PATH);
    EXPECT_FALSE(h.start());
    EXPECT_TRUE(h.exited);
    EXPECT_EQ(h.messages.shown, (std::vector<std::string>{"Cannot open file Setting/XP.kvz"}));
}

TEST(SettingsFile, SaveWritesCrLfKeepsExtraLinesAndExtendsShortLists)
{
    Harness h;
    const auto path = h.dir / SETTINGS_PATH;
    writeAll(path, "20\n24\n1\n5\n5\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n3\n2\n15\nextra\n");
    SettingsFile file(h.dir);
    file.load();
    file.setLine(18, "4");
    file.save();
    EXPECT_EQ(
        readAll(path),
        "20\r\n24\r\n1\r\n5\r\n5\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n3\r\n4\r\n"
        "15\r\nextra\r\n");

    // A short file, with a byte order mark: the lines it lacks take the fresh values, so the next
    // save writes all twenty, and the mark is not part of line 0.
    writeAll(path, "\xEF\xBB\xBF"
                   "15\n18\n0\n");
    file.load();
    EXPECT_EQ(file.line(0), "15");
    EXPECT_EQ(file.line(3), "5");
    file.setLine(5, "1");
    file.save();
    auto expected = freshSettingsLines();
    expected[0] = "15";
    expected[1] = "18";
    expected[2] = "0";
    expected[5] = "1";
    std::string text;
    for (const auto& line : expected)
        text += line + "\r\n";
    EXPECT_EQ(readAll(path), text);
}

TEST(SettingsFile, AFolderInTheFilesPlaceCannotBeOpened)
{
    Harness h;
    std::filesystem::remove(h.dir / SETTINGS_PATH);
    std::filesystem::create_directory(h.dir / SETTINGS_PATH);
    EXPECT_FALSE(h.start());
    EXPECT_EQ(h.messages.shown, (std::vector<std::string>{"Cannot open file Setting/XP.kvz"}));
}

TEST(SettingsFile, FailedSaveReportsAndLeavesTheOldFileWhole)
{
    Harness h;
    const auto path = h.dir / SETTINGS_PATH;
    SettingsFile file(h.dir);
    file.load();
    const std::string before = readAll(path);
    file.setLine(18, "3");

    // A read-only folder or file is left alone.
    for (const auto& readOnly : {path.parent_path(), path}) {
        ::chmod(readOnly.c_str(), readOnly == path ? 0444 : 0555);
        try {
            file.save();
            ADD_FAILURE() << "save with read-only " << readOnly << " succeeded";
        } catch (const UserError& e) {
            EXPECT_STREQ(e.what(), "Cannot create file Setting/XP.kvz");
        }
        EXPECT_EQ(readAll(path), before);
        ::chmod(readOnly.c_str(), readOnly == path ? 0644 : 0755);
    }

    // A missing folder fails the same way, whoever runs the test.
    std::filesystem::remove_all(path.parent_path());
    EXPECT_THROW(file.save(), UserError);
    EXPECT_EQ(file.line(18), "3"); // memory keeps the new value
}

TEST(SettingsFile, TemporaryFilesAreFreshAndNeverFollowed)
{
    Harness h;
    const auto path = h.dir / SETTINGS_PATH;
    const auto folder = path.parent_path();
    const std::string before = readAll(path);
    // What killed saves leave (ours, their program gone), what another program may put there (a link
    // to a file outside, a folder with the old fixed name), and a file that merely looks alike.
    const auto outside = h.dir / "outside.txt";
    writeAll(outside, "keep me");
    writeAll(folder / "XP.kvz.tmp-999999999-abcdef", "20\r\n2");
    std::filesystem::create_symlink(outside, folder / "XP.kvz.tmp-999999998-linked");
    std::filesystem::create_directory(folder / "XP.kvz.tmp");
    writeAll(folder / "XP.kvz.bak", "mine");

    SettingsFile file(h.dir);
    file.load();
    EXPECT_EQ(file.lines(), freshSettingsLines());
    EXPECT_EQ(readAll(path), before);
    file.removeStaleTemporaries();
    EXPECT_FALSE(std::filesystem::exists(folder / "XP.kvz.tmp-999999999-abcdef"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "XP.kvz.tmp-999999998-linked"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "XP.kvz.tmp"));
    EXPECT_TRUE(std::filesystem::exists(folder / "XP.kvz.bak"));

    file.setLine(2, "0");
    file.save();
    file.setLine(2, "1");
    file.save();
    EXPECT_EQ(SettingsFile::splitLines(readAll(path))[2], "1");
    EXPECT_EQ(readAll(outside), "keep me");
    // Nothing of the saves is left behind.
    int temporaries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        temporaries += entry.path().filename().string().starts_with("XP.kvz.tmp-") ? 1 : 0;
    EXPECT_EQ(temporaries, 1); // the foreign link only
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(SettingsFile, AWithdrawnChangeIsNeverSavedLaterAndAResultAlways)
{
    Harness h;
    const auto path = h.dir / SETTINGS_PATH;
    SettingsFile file(h.dir);
    file.load();
    ::chmod(path.c_str(), 0444);
    EXPECT_THROW(file.commitChange([&] { file.setLine(2, "0"); }), UserError);
    EXPECT_EQ(file.line(2), "1");
    EXPECT_THROW(file.commitResult([&] { file.setLine(5, "1"); }), UserError);
    EXPECT_EQ(file.line(5), "1");
    ::chmod(path.c_str(), 0644);
    file.commitChange([&] { file.setLine(18, "2"); });
    const auto lines = SettingsFile::splitLines(readAll(path));
    EXPECT_EQ(lines[2], "1");
    EXPECT_EQ(lines[5], "1");
    EXPECT_EQ(lines[18], "2");
}
