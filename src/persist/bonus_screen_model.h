#pragma once
// The bonus screen's logic without its window: which page shows, the gallery's open places and its
// selection, and the export of a completed picture. The uncovering is the BonusReveal it owns.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "persist/bonus_reveal.h"

namespace liorna {

class PictureWriter;
class Shell;

class BonusScreenModel {
public:
    // 568 x 768: the 71 x 96 original is too small to be worth keeping as a file.
    static constexpr int EXPORT_SCALE = 8;
    static constexpr const char* EXPORT_FOLDER = "pictures";

    // `revealMatchMode` set: opened after a won match of that mode; unset: the gallery only.
    BonusScreenModel(Timers& timers, SettingsFile& settings, std::optional<int> revealMatchMode,
                     PictureWriter& writer, Shell& shell);
    BonusScreenModel(const BonusScreenModel&) = delete;
    BonusScreenModel& operator=(const BonusScreenModel&) = delete;

    BonusReveal& reveal() { return reveal_; }
    const BonusReveal& reveal() const { return reveal_; }

    // Exactly one page shows: the gallery, or the uncovering. "<< Назад" leads back to the
    // uncovering while it has something to show.
    bool galleryShown() const { return galleryShown_; }
    bool backShown() const { return backShown_; }
    void showGallery() { galleryShown_ = true; }
    void showReveal();

    // The places as the gallery shows them: read at opening and again by the reveal's refresh, so a
    // picture completed by this win joins the gallery only with that refresh.
    bool open(int place) const;
    Picture thumbnail(int place) const;
    // Pieces of a place's picture uncovered, 0..9: all of an open picture, those won so far of the one
    // in progress, none of the later ones.
    int piecesOpen(int place) const;
    void refreshGallery();

    // A click on a place: an open one becomes the selection, a locked one takes no click.
    void select(int place);
    int selected() const { return selected_; }
    bool saveEnabled() const { return selected_ != 0; }
    // "Сохранить": writes the selected picture into "pictures" and shows that folder. When the file
    // cannot be written the UserError propagates and no folder is opened.
    void exportSelected();

    // Told when the clock changed what the screen shows (a reveal step, the commit, the refresh).
    std::function<void()> changed;
    // Shows a save error met by the reveal's commit.
    std::function<void(const std::string&)> report;

private:
    void notify();

    BonusReveal reveal_;
    PictureWriter& writer_;
    Shell& shell_;
    bool galleryShown_ = true;
    bool backShown_ = false;
    std::array<bool, BONUS_PICTURES> open_{};
    int selected_ = 0; // place 1..20, 0 for none yet
};

} // namespace liorna
