// The screens' models as the core holds them: the one open dialog's model, what its close leaves to
// the game, and the reveal that follows a won match on the program's clock.

#include <gtest/gtest.h>

#include "fakes.h"
#include "game/screen_models.h"
#include "harness.h"
#include "virtual_timers.h"

using namespace liorna;

namespace {

// Keeps the actions of every dialog opened, not only the one on top, as windows closing late would.
class KeptScreens : public RecordingScreens {
public:
    void openCardBack(CardBackModel& model, ScreenActions actions) override
    {
        kept.push_back(actions);
        RecordingScreens::openCardBack(model, std::move(actions));
    }
    void openSettings(SettingsDialogModel& model, ScreenActions actions) override
    {
        kept.push_back(actions);
        RecordingScreens::openSettings(model, std::move(actions));
    }
    std::vector<ScreenActions> kept;
};

struct Parts {
    Parts()
    {
        writeProgramFolder(dir);
        profile.load();
    }
    ~Parts() { std::filesystem::remove_all(dir); }

    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("liorna-screen-models-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Profile profile{dir};
    Match match{profile, {[](const std::string&) {}}};
    VirtualTimers timers;
    KeptScreens screens;
    RecordingPictureWriter pictures{dir};
    RecordingShell shell;
    int applied = 0;
    MatchDecision decision;
    ScreenModels models{
        {profile, match, screens, timers, pictures, shell},
        {[](Cue) {}, [this] { return decision; }, [this] { ++applied; }, [](const std::string&) {}}};
};

} // namespace

TEST(ScreenModels, ALateCloseOfAReplacedDialogLeavesTheOpenOnesModel)
{
    Parts p;
    p.models.openSettings();
    p.models.openSettings();
    ASSERT_EQ(p.screens.kept.size(), 2u);
    SettingsDialogModel* settings = p.screens.settings;
    ASSERT_NE(settings, nullptr);
    // The first dialog's window closes only now: the second one's model must stay.
    p.screens.kept[0].closed();
    settings->speed1 = 9;
    p.screens.kept[1].accept();
    EXPECT_EQ(p.profile.settings().line(3), "9");
    EXPECT_EQ(p.applied, 1);
    // Its own close does drop it.
    p.screens.kept[1].closed();
    p.models.openCardBack();
    p.screens.kept[2].closed();
    EXPECT_NO_THROW(p.screens.kept[0].closed());
}

TEST(ScreenModels, AWonMatchsStatusOpensTheRevealWhoseClockIsPendingUntilItEnds)
{
    Parts p;
    p.decision = {true, true};
    p.models.openMatchStatus(0, 12, 12, true);
    ASSERT_TRUE(p.screens.top(ScreenId::MatchStatus));
    // The countdown runs to its close, which opens the bonus pictures in reveal mode.
    for (int tick = 0; tick < 1000 && !p.screens.top(ScreenId::Bonus); ++tick)
        ASSERT_TRUE(p.timers.fireNext(p.timers.now() + 60000));
    ASSERT_TRUE(p.screens.top(ScreenId::Bonus));
    EXPECT_EQ(p.screens.bonusReveals, 1);
    EXPECT_EQ(std::count(p.screens.stack.begin(), p.screens.stack.end(), ScreenId::MatchStatus), 0);
    EXPECT_TRUE(p.models.pending());
    for (int tick = 0; tick < 1000 && p.models.pending(); ++tick)
        ASSERT_TRUE(p.timers.fireNext(p.timers.now() + 60000));
    EXPECT_FALSE(p.models.pending());
    // Closing it applies the file again, for a picture that became a card back.
    p.screens.dismiss();
    EXPECT_EQ(p.applied, 1);
    EXPECT_EQ(p.screens.bonus, nullptr);
}
