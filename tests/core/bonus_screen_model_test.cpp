// The bonus screen's logic: its pages, the gallery's selection and the export, without a window.

#include <gtest/gtest.h>

#include <filesystem>

#include "harness.h"
#include "persist/bonus_screen_model.h"
#include "platform/intervals.h"

using namespace liorna;

namespace {

// A program folder whose settings file says how many pictures are complete and where the next stands.
struct Screen {
    Harness h;
    SettingsFile file{h.dir};
    std::unique_ptr<BonusScreenModel> model;
    int changes = 0;

    Screen(const char* locked, const char* stage, std::optional<int> revealMatchMode)
    {
        file.load();
        file.setLine(0, locked);
        file.setLine(1, stage);
        file.setLine(19, std::to_string(35 - std::stoi(locked)));
        model = std::make_unique<BonusScreenModel>(h.timers, file, revealMatchMode, h.pictures, h.shell);
        model->changed = [this] { ++changes; };
    }
};

} // namespace

TEST(BonusScreenModel, OnlyOpenPlacesCanBeChosenForTheExport)
{
    Screen s("17", "24", std::nullopt);
    for (int place = 1; place <= 20; ++place) {
        EXPECT_EQ(s.model->open(place), place <= 3) << place;
        EXPECT_EQ(s.model->thumbnail(place),
                  place <= 3 ? Picture::bonus(place) : Picture::of(PictureKind::Locked));
    }
    EXPECT_FALSE(s.model->saveEnabled());
    for (int locked : {4, 20, 0, 21})
        s.model->select(locked);
    EXPECT_EQ(s.model->selected(), 0);
    s.model->exportSelected();
    EXPECT_TRUE(s.h.pictures.written.empty());
    EXPECT_TRUE(s.h.shell.opened.empty());

    s.model->select(3);
    s.model->select(5);
    EXPECT_EQ(s.model->selected(), 3);
    EXPECT_TRUE(s.model->saveEnabled());
}

TEST(BonusScreenModel, ExportWritesTheLargePictureThenShowsItsFolder)
{
    Screen s("17", "24", std::nullopt);
    s.model->select(2);
    s.model->exportSelected();
    ASSERT_EQ(s.h.pictures.written.size(), std::size_t(1));
    EXPECT_EQ(s.h.pictures.written[0].picture, Picture::bonus(2));
    EXPECT_EQ(s.h.pictures.written[0].scale, 8);
    EXPECT_EQ(s.h.pictures.written[0].path, "pictures/Бонусная картинка_2.jpg");
    EXPECT_TRUE(std::filesystem::exists(s.h.dir / "pictures/Бонусная картинка_2.jpg"));
    EXPECT_EQ(s.h.shell.opened, std::vector<std::string>{"pictures"});
}

TEST(BonusScreenModel, AFailedExportPropagatesAndOpensNoFolder)
{
    for (const bool missing : {false, true}) {
        Screen s("17", "24", std::nullopt);
        if (missing)
            std::filesystem::remove_all(s.h.dir / "pictures");
        else
            std::filesystem::permissions(s.h.dir / "pictures", std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
        s.model->select(1);
        try {
            s.model->exportSelected();
            ADD_FAILURE() << "no error, missing=" << missing;
        } catch (const UserError& error) {
            EXPECT_STREQ(error.what(), "Cannot create file pictures/Бонусная картинка_1.jpg");
        }
        EXPECT_TRUE(s.h.shell.opened.empty());
        // The selection stays for a second try.
        EXPECT_TRUE(s.model->saveEnabled());
    }
}

TEST(BonusScreenModel, AWinOpensOnTheUncoveringAndACompletedPictureOnTheGallery)
{
    // Stage 16 and a single deal: the last piece completes picture 4.
    Screen s("17", "16", 1);
    EXPECT_FALSE(s.model->galleryShown());
    EXPECT_TRUE(s.model->backShown());
    s.model->showGallery();
    EXPECT_TRUE(s.model->galleryShown());
    s.model->showReveal();
    EXPECT_FALSE(s.model->galleryShown());

    const int steps = static_cast<int>(s.model->reveal().plan().stepCount());
    s.model->reveal().start();
    s.h.advance(steps * interval::REVEAL_STEP);
    EXPECT_TRUE(s.model->reveal().committed());
    EXPECT_EQ(s.changes, steps + 1); // each step and the commit
    EXPECT_TRUE(s.model->galleryShown());
    EXPECT_FALSE(s.model->backShown());
    s.model->showReveal();
    EXPECT_TRUE(s.model->galleryShown());
    // The gallery still shows what it showed at opening; the refresh brings the new picture in.
    s.model->select(4);
    EXPECT_EQ(s.model->selected(), 0);
    s.h.advance(interval::GALLERY_REFRESH);
    EXPECT_EQ(s.changes, steps + 2);
    EXPECT_TRUE(s.model->open(4));
    s.model->select(4);
    EXPECT_EQ(s.model->selected(), 4);
}

TEST(BonusScreenModel, AWinThatCompletesNothingKeepsTheUncoveringOnShow)
{
    Screen s("20", "24", 2);
    s.model->reveal().start();
    s.h.advance(3 * interval::REVEAL_STEP);
    EXPECT_TRUE(s.model->reveal().committed());
    EXPECT_FALSE(s.model->galleryShown());
    EXPECT_TRUE(s.model->backShown());
    // The gallery alone, and a win once all twenty are complete, have no uncovering to go back to.
    for (auto [locked, mode] : {std::pair<const char*, std::optional<int>>{"17", std::nullopt}, {"0", 3}}) {
        Screen gallery(locked, "24", mode);
        EXPECT_TRUE(gallery.model->galleryShown()) << locked;
        EXPECT_FALSE(gallery.model->backShown()) << locked;
        gallery.model->showReveal();
        EXPECT_TRUE(gallery.model->galleryShown()) << locked;
    }
}
