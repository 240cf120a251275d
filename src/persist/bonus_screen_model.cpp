#include "persist/bonus_screen_model.h"

#include "platform/picture_writer.h"
#include "platform/ports.h"

#include <algorithm>

namespace liorna {

BonusScreenModel::BonusScreenModel(Timers& timers, SettingsFile& settings, std::optional<int> revealMatchMode,
                                   PictureWriter& writer, Shell& shell)
    : reveal_(timers, settings, revealMatchMode), writer_(writer), shell_(shell)
{
    // With all twenty complete there is nothing to uncover: the gallery is what a win brings.
    backShown_ = reveal_.revealMode() && reveal_.plan().stepCount() > 0;
    galleryShown_ = !backShown_;
    reveal_.onStep = [this] { notify(); };
    reveal_.onCommit = [this] {
        if (reveal_.plan().completesPicture) {
            galleryShown_ = true;
            backShown_ = false;
        }
        notify();
    };
    reveal_.onGalleryRefresh = [this] {
        refreshGallery();
        notify();
    };
    reveal_.report = [this](const std::string& text) {
        if (report)
            report(text);
    };
    refreshGallery();
}

void BonusScreenModel::showReveal()
{
    if (backShown_)
        galleryShown_ = false;
}

bool BonusScreenModel::open(int place) const
{
    return place >= 1 && place <= BONUS_PICTURES && open_[static_cast<std::size_t>(place - 1)];
}

int BonusScreenModel::piecesOpen(int place) const
{
    if (open(place))
        return 9;
    const BonusProgress& progress = reveal_.progress();
    if (place != progress.completed() + 1)
        return 0;
    return std::clamp(FULL_COVER_STAGE - progress.stage(), 0, 8);
}

Picture BonusScreenModel::thumbnail(int place) const
{
    return open(place) ? Picture::bonus(place) : Picture::of(PictureKind::Locked);
}

void BonusScreenModel::refreshGallery()
{
    for (int place = 1; place <= BONUS_PICTURES; ++place)
        open_[static_cast<std::size_t>(place - 1)] = reveal_.progress().unlocked(place);
}

void BonusScreenModel::select(int place)
{
    if (open(place))
        selected_ = place;
}

void BonusScreenModel::exportSelected()
{
    if (selected_ == 0)
        return;
    writer_.write(Picture::bonus(selected_), EXPORT_SCALE, BonusProgress::exportPath(selected_));
    shell_.open(EXPORT_FOLDER);
}

void BonusScreenModel::notify()
{
    if (changed)
        changed();
}

} // namespace liorna
