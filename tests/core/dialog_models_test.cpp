// The models behind the statistics, settings, card back and bonus screens, without any window.

#include <gtest/gtest.h>

#include <filesystem>

#include "harness.h"
#include "persist/bonus_progress.h"
#include "persist/card_back_model.h"
#include "persist/settings_model.h"
#include "persist/statistics.h"
#include "persist/statistics_model.h"
#include "platform/ports.h"

using namespace liorna;

namespace {

// A loaded fresh settings file in a temporary program folder.
struct Fixture {
    Harness h;
    SettingsFile file{h.dir};
    Fixture() { file.load(); }
    SettingsFile reread() const
    {
        SettingsFile again(h.dir);
        again.load();
        return again;
    }
    // Saving then fails: the settings file cannot be replaced without its folder.
    void breakSaving() { std::filesystem::remove_all(h.dir / "Setting"); }
};

std::vector<std::string> steps(CardBackModel model, bool right, int count)
{
    std::vector<std::string> seen;
    for (int i = 0; i < count; ++i) {
        if (right)
            model.next();
        else
            model.previous();
        seen.push_back(model.candidate());
    }
    return seen;
}

} // namespace

TEST(StatisticsModel, RowsShowTheLinesAsTheyStandAndTotalsCountOnlyNumbers)
{
    Fixture f;
    const std::vector<std::string> won = {"3", "0", "0", "0", "0", "12"};
    const std::vector<std::string> lost = {"1", "x", "05", "", "-2", "7"};
    for (std::size_t row = 0; row < 6; ++row) {
        f.file.setLine(5 + row, won[row]);
        f.file.setLine(11 + row, lost[row]);
    }
    StatisticsModel model(f.file);
    for (std::size_t row = 0; row < 6; ++row) {
        EXPECT_EQ(model.wonText(row), won[row]) << row;
        EXPECT_EQ(model.lostText(row), lost[row]) << row;
    }
    EXPECT_EQ(model.wonTotal(), "15");
    // "x", "" and "-2" add nothing; "05" is still the number 5.
    EXPECT_EQ(model.lostTotal(), "13");
    EXPECT_EQ(StatisticsModel::captions()[0], "Одна игра");
    EXPECT_EQ(StatisticsModel::captions()[5], "Игра до двенадцати...");
}

TEST(StatisticsModel, ResetZeroesTheTwelveCountsOnlyAndSaves)
{
    Fixture f;
    for (std::size_t line = 5; line <= 16; ++line)
        f.file.setLine(line, std::to_string(line * 3));
    f.file.setLine(17, "7");
    StatisticsModel(f.file).resetAll();

    std::vector<std::string> expected = f.file.lines();
    for (std::size_t line = 5; line <= 16; ++line)
        expected[line] = "0";
    expected[17] = "7";
    EXPECT_EQ(f.file.lines(), expected);
    EXPECT_EQ(f.reread().lines(), expected);
    StatisticsModel after(f.file);
    EXPECT_EQ(after.wonTotal(), "0");
    EXPECT_EQ(after.lostTotal(), "0");
}

TEST(StatisticsModel, FailedResetLeavesTheCountsAsTheyWere)
{
    // A reset the player saw fail must not happen later, when some other change is saved.
    Fixture f;
    f.file.setLine(9, "4");
    f.breakSaving();
    EXPECT_THROW(StatisticsModel(f.file).resetAll(), UserError);
    EXPECT_EQ(f.file.line(9), "4");
}

TEST(Statistics, CountsGrowWithoutLimitAndOnlyNumbersAddUp)
{
    struct Case {
        const char* count;
        const char* next;
    };
    const Case cases[] = {
        {"0", "1"},
        {"9", "10"},
        {"2147483647", "2147483648"},
        {"9223372036854775807", "9223372036854775808"},
        {"99999999999999999999", "100000000000000000000"},
        {"05", "6"},
        // Not a number: the text stays as it is.
        {"x", "x"},
        {"-2", "-2"},
        {"", ""},
        {"4 5", "4 5"},
        // Blanks around a count are not part of it.
        {"4 ", "5"},
        {" 5", "6"},
        {"\t99 ", "100"},
        {" ", " "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(incrementCount(c.count), c.next) << c.count;
    EXPECT_EQ(sumCounts({"3", "x", "05", "", "-2", "12", " 7 "}), "27");
    EXPECT_EQ(sumCounts({"99999999999999999999", "9223372036854775807", "1"}), "109223372036854775807");
    EXPECT_EQ(sumCounts({}), "0");
}

TEST(SettingsDialogModel, ReadsSoundAndSpeedsWithFallbacks)
{
    struct Case {
        const char *sound, *speed1, *speed2;
        bool soundOn;
        int shown1, shown2;
    };
    const Case cases[] = {
        {"1", "5", "5", true, 5, 5},    {"0", "1", "10", false, 1, 10}, {"", "3", "7", true, 3, 7},
        {"2", "0", "11", true, 5, 5},   {"00", "x", "", true, 5, 5},    {"1", "-3", " 4 ", true, 5, 4},
        {"0", "10", "1", false, 10, 1},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.file.setLine(2, c.sound);
        f.file.setLine(3, c.speed1);
        f.file.setLine(4, c.speed2);
        const SettingsDialogModel model(f.file);
        EXPECT_EQ(model.soundOn, c.soundOn) << c.sound;
        EXPECT_EQ(model.speed1, c.shown1) << c.speed1;
        EXPECT_EQ(model.speed2, c.shown2) << c.speed2;
    }
}

TEST(SettingsDialogModel, SaveWritesLinesTwoToFourAndNothingElse)
{
    Fixture f;
    const std::vector<std::string> before = f.file.lines();
    {
        // Unchanged: a fresh file writes "1", "5", "5" back.
        SettingsDialogModel model(f.file);
        model.save();
        EXPECT_EQ(f.reread().lines(), before);
    }
    SettingsDialogModel model(f.file);
    model.soundOn = false;
    model.speed1 = 10;
    model.speed2 = 1;
    model.save();
    std::vector<std::string> expected = before;
    expected[2] = "0";
    expected[3] = "10";
    expected[4] = "1";
    EXPECT_EQ(f.reread().lines(), expected);

    model.soundOn = true;
    model.save();
    EXPECT_EQ(f.reread().line(2), "1");
}

TEST(SettingsDialogModel, FailedSaveLeavesTheLinesAsTheyWereAndTheModelItsValues)
{
    // The dialog keeps what the player chose, so "Сохранить" can be pressed again; the file's lines in
    // memory do not, so "Отмена" then leaves nothing behind for a later save to write.
    Fixture f;
    SettingsDialogModel model(f.file);
    model.speed2 = 9;
    model.soundOn = false;
    f.breakSaving();
    EXPECT_THROW(model.save(), UserError);
    EXPECT_EQ(f.file.line(4), "5");
    EXPECT_EQ(f.file.line(2), "1");
    EXPECT_EQ(model.speed2, 9);
}

TEST(CardBackModel, ArrowsStepAndWrapByText)
{
    struct Case {
        const char *stored, *available;
        bool right;
        std::vector<std::string> seen;
    };
    const Case cases[] = {
        {"13", "15", true, {"14", "15", "1", "2"}},
        {"2", "15", false, {"1", "15", "14"}},
        {"15", "17", true, {"16", "17", "1"}},
        {"1", "17", false, {"17", "16"}},
        // Above the available count the right arrow counts on without wrapping.
        {"20", "15", true, {"21", "22", "23"}},
        {"17", "15", false, {"16", "15", "14"}},
        // Last place of all: 35 available wraps after 35.
        {"34", "35", true, {"35", "1"}},
        // A stored "0" or a text that is no number must not run the left arrow below zero for ever.
        {"0", "15", false, {"15", "14"}},
        {"x", "15", false, {"15"}},
        {"x", "15", true, {"1", "2"}},
        // "05" is the number 5 for the arithmetic.
        {"05", "15", true, {"6"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(steps(CardBackModel(c.stored, c.available), c.right, static_cast<int>(c.seen.size())),
                  c.seen)
            << c.stored << " of " << c.available << (c.right ? " right" : " left");
}

TEST(CardBackModel, PreviewShowsNamedBacksAndStopsChangingPast35)
{
    EXPECT_EQ(CardBackModel("1", "15").preview(Picture::none()), Picture::back(1));
    EXPECT_EQ(CardBackModel("15", "15").preview(Picture::none()), Picture::back(15));
    EXPECT_EQ(CardBackModel("16", "17").preview(Picture::none()), Picture::bonus(1));
    EXPECT_EQ(CardBackModel("35", "35").preview(Picture::none()), Picture::bonus(20));
    for (const char* odd : {"0", "36", "05", "", "x"})
        EXPECT_EQ(CardBackModel(odd, "15").preview(Picture::back(4)), Picture::back(4)) << odd;

    // Stored 33 with 15 available: 34, 35 change the preview, 36 and on keep bonus 20.
    CardBackModel model("33", "15");
    Picture shown = model.preview(Picture::none());
    std::vector<Picture> seen;
    for (int i = 0; i < 4; ++i) {
        model.next();
        shown = model.preview(shown);
        seen.push_back(shown);
    }
    EXPECT_EQ(model.candidate(), "37");
    EXPECT_EQ(seen, (std::vector<Picture>{Picture::bonus(19), Picture::bonus(20), Picture::bonus(20),
                                          Picture::bonus(20)}));
}

TEST(CardBackModel, ArrowTurnsGreenUntilThePointerReachesTheOther)
{
    CardBackModel model("1", "15");
    EXPECT_FALSE(model.rightGreen());
    EXPECT_FALSE(model.leftGreen());
    model.pointerOverRight();
    EXPECT_TRUE(model.rightGreen());
    EXPECT_FALSE(model.leftGreen());
    model.pointerOverLeft();
    EXPECT_FALSE(model.rightGreen());
    EXPECT_TRUE(model.leftGreen());
}

namespace {

void setProgress(SettingsFile& file, const char* locked, const char* stage, const char* available)
{
    file.setLine(0, locked);
    file.setLine(1, stage);
    file.setLine(19, available);
}

std::vector<std::string> progressLines(const SettingsFile& file)
{
    return {file.line(0), file.line(1), file.line(19)};
}

} // namespace

TEST(BonusProgress, FreshSingleDealRemovesOnePieceAfterShowingTheCuts)
{
    Fixture f;
    BonusProgress progress(f.file);
    const RevealPlan plan = progress.revealPlan(1);
    EXPECT_EQ(plan.picture, Picture::bonus(1));
    EXPECT_EQ(plan.frames, (std::vector<int>{1, 2}));
    EXPECT_EQ(plan.frameAt(0), 0);
    EXPECT_EQ(plan.frameAt(1), 1);
    EXPECT_FALSE(plan.finishedAt(1));
    EXPECT_EQ(plan.frameAt(2), 2);
    EXPECT_TRUE(plan.finishedAt(2));
    EXPECT_FALSE(plan.completesPicture);
    progress.commit(plan);
    EXPECT_EQ(progressLines(f.reread()), (std::vector<std::string>{"20", "23", "15"}));
}

TEST(BonusProgress, CompletingReplaysEarlierPiecesAndCarriesTheRestOver)
{
    struct Case {
        const char *locked, *stage, *available;
        int mode;
        std::vector<int> frames;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        // Stage 17 and a match to 12 points: fourteen steps, the cover stops at one piece left.
        {"17", "17", "18", 6, {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9, 9, 9}, {"16", "20", "19"}},
        // The last piece alone completes it and the next picture starts whole.
        {"20", "16", "15", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 9}, {"19", "24", "16"}},
        // The twentieth picture: nothing follows, so no pieces are carried.
        {"1", "16", "34", 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9}, {"0", "24", "35"}},
    };
    for (const auto& c : cases) {
        Fixture f;
        setProgress(f.file, c.locked, c.stage, c.available);
        BonusProgress progress(f.file);
        const RevealPlan plan = progress.revealPlan(c.mode);
        EXPECT_EQ(plan.picture, Picture::bonus(21 - std::stoi(c.locked))) << c.locked;
        EXPECT_EQ(plan.frames, c.frames) << c.stage << " mode " << c.mode;
        EXPECT_TRUE(plan.completesPicture);
        progress.commit(plan);
        EXPECT_EQ(progressLines(f.reread()), c.after) << c.stage << " mode " << c.mode;
    }
}

TEST(BonusProgress, EveryMatchLengthRemovesItsPiecesAndAtMostOnePictureCompletes)
{
    for (int mode = 1; mode <= 6; ++mode) {
        EXPECT_EQ(BonusProgress::piecesForMatch(mode), mode);
        for (int stage = 16; stage <= 24; ++stage) {
            Fixture f;
            setProgress(f.file, "15", std::to_string(stage).c_str(), "20");
            BonusProgress progress(f.file);
            const RevealPlan plan = progress.revealPlan(mode);
            const int target = stage - mode;
            EXPECT_EQ(plan.targetStage, target);
            ASSERT_EQ(plan.stepCount(), static_cast<std::size_t>(25 - target)) << stage << " mode " << mode;
            for (std::size_t step = 1; step <= plan.stepCount(); ++step)
                EXPECT_EQ(plan.frameAt(step), std::min<int>(static_cast<int>(step), 9));
            const bool completes = target < 16;
            EXPECT_EQ(plan.completesPicture, completes);
            progress.commit(plan);
            const std::vector<std::string> expected =
                completes ? std::vector<std::string>{"14", std::to_string(target + 9), "21"}
                          : std::vector<std::string>{"15", std::to_string(target), "20"};
            EXPECT_EQ(progressLines(f.file), expected) << stage << " mode " << mode;
        }
    }
    EXPECT_EQ(BonusProgress::piecesForMatch(0), 1);
    EXPECT_EQ(BonusProgress::piecesForMatch(9), 6);
}

TEST(BonusProgress, OnceAllAreCompleteAWinChangesNothing)
{
    for (const char* stage : {"24", "20", "16"}) {
        for (int mode = 1; mode <= 6; ++mode) {
            Fixture f;
            setProgress(f.file, "0", stage, "35");
            BonusProgress progress(f.file);
            EXPECT_TRUE(progress.allComplete());
            EXPECT_EQ(progress.pictureInProgress(), Picture::none());
            const RevealPlan plan = progress.revealPlan(mode);
            EXPECT_EQ(plan.stepCount(), 0u);
            EXPECT_TRUE(plan.finishedAt(0));
            EXPECT_FALSE(plan.completesPicture);
            progress.commit(plan);
            EXPECT_EQ(progressLines(f.reread()), (std::vector<std::string>{"0", stage, "35"}));
        }
    }
}

TEST(BonusProgress, DamagedLinesStillMakeProgressWithinRange)
{
    struct Case {
        const char *locked, *stage;
        int completed, shownStage;
        std::vector<std::string> afterSingleDeal;
    };
    const Case cases[] = {
        {"x", "30", 0, 24, {"20", "23", "15"}},
        {"25", "15", 0, 24, {"20", "23", "15"}},
        {"017", "", 3, 24, {"17", "23", "18"}},
        {"-1", "16", 0, 16, {"19", "24", "16"}},
    };
    for (const auto& c : cases) {
        Fixture f;
        setProgress(f.file, c.locked, c.stage, "99");
        BonusProgress progress(f.file);
        EXPECT_EQ(progress.completed(), c.completed) << c.locked;
        EXPECT_EQ(progress.stage(), c.shownStage) << c.stage;
        progress.commit(progress.revealPlan(1));
        EXPECT_EQ(progressLines(f.file), c.afterSingleDeal) << c.locked << " " << c.stage;
    }
}

TEST(BonusProgress, CompletedPicturesComeFromTheLinesThatCanBeRead)
{
    struct Case {
        const char* locked;    // line 0: 20 - completed
        const char* available; // line 19: 15 + completed
        int completed;
        // Lines 0 and 19 once healed; unchanged when neither can be read.
        const char *healedLocked, *healedAvailable;
    };
    const Case cases[] = {
        {"20", "15", 0, "20", "15"},
        {"17", "18", 3, "17", "18"},
        {"0", "35", 20, "0", "35"},
        // One line cannot be read: the other one tells.
        {"-1", "20", 5, "15", "20"},
        {"x", "20", 5, "15", "20"},
        {"\xEF\xBB\xBF"
         "15",
         "20", 5, "15", "20"},
        {"15", "", 5, "15", "20"},
        {"21", "17", 2, "18", "17"},
        {"017", "x", 3, "17", "18"},
        // They disagree: the larger count wins, so progress is never lowered.
        {"20", "20", 5, "15", "20"},
        {"12", "15", 8, "12", "23"},
        // Nothing to go by.
        {"x", "y", 0, "x", "y"},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.file.setLine(0, c.locked);
        f.file.setLine(19, c.available);
        BonusProgress progress(f.file);
        EXPECT_EQ(progress.completed(), c.completed) << c.locked << " / " << c.available;
        for (int place = 1; place <= 20; ++place)
            EXPECT_EQ(progress.unlocked(place), place <= c.completed) << c.locked << " place " << place;
        EXPECT_FALSE(progress.unlocked(0));
        EXPECT_FALSE(progress.unlocked(21));
        progress.heal();
        EXPECT_EQ(f.file.line(0), c.healedLocked) << c.locked << " / " << c.available;
        EXPECT_EQ(f.file.line(19), c.healedAvailable) << c.locked << " / " << c.available;
    }
}

TEST(BonusProgress, AWinOnADamagedLineZeroKeepsTheCompletedPictures)
{
    // Five pictures done, line 0 unreadable: the next win goes on from five, it does not start over.
    Fixture f;
    f.file.setLine(0, "-1");
    f.file.setLine(1, "18");
    f.file.setLine(19, "20");
    BonusProgress progress(f.file);
    progress.commit(progress.revealPlan(1));
    EXPECT_EQ(progressLines(f.reread()), (std::vector<std::string>{"15", "17", "20"}));
}

TEST(BonusProgress, FailedCommitThrowsWithTheProgressInMemory)
{
    Fixture f;
    BonusProgress progress(f.file);
    const RevealPlan plan = progress.revealPlan(2);
    f.breakSaving();
    EXPECT_THROW(progress.commit(plan), UserError);
    EXPECT_EQ(progressLines(f.file), (std::vector<std::string>{"20", "22", "15"}));
}

TEST(BonusProgress, ExportNamesCarryThePictureNumber)
{
    EXPECT_EQ(BonusProgress::exportName(1), "Бонусная картинка_1.jpg");
    EXPECT_EQ(BonusProgress::exportPath(20), "pictures/Бонусная картинка_20.jpg");
}
