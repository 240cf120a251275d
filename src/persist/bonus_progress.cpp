#include "persist/bonus_progress.h"

#include <algorithm>

namespace liorna {

namespace {

constexpr std::size_t LOCKED_LINE = 0;
constexpr std::size_t STAGE_LINE = 1;
constexpr std::size_t AVAILABLE_LINE = 19;
constexpr int BUILT_IN_BACKS = 15;
constexpr int PIECES_PER_PICTURE = 9;

} // namespace

int RevealPlan::frameAt(std::size_t step) const
{
    if (step == 0 || frames.empty())
        return 0;
    return frames[std::min(step, frames.size()) - 1];
}

int BonusProgress::completed() const
{
    const int locked = std::clamp(lineNumber(settings_.line(LOCKED_LINE), BONUS_PICTURES), 0, BONUS_PICTURES);
    return BONUS_PICTURES - locked;
}

int BonusProgress::stage() const
{
    const int value = lineNumber(settings_.line(STAGE_LINE), FULL_COVER_STAGE);
    return value >= LAST_PIECE_STAGE && value <= FULL_COVER_STAGE ? value : FULL_COVER_STAGE;
}

bool BonusProgress::unlocked(int place) const
{
    const std::string& text = settings_.line(LOCKED_LINE);
    for (int locked = 0; locked <= BONUS_PICTURES; ++locked)
        if (text == std::to_string(locked))
            return place >= 1 && place <= BONUS_PICTURES - locked;
    return false;
}

Picture BonusProgress::pictureInProgress() const
{
    const int done = completed();
    return done < BONUS_PICTURES ? Picture::bonus(done + 1) : Picture::none();
}

int BonusProgress::piecesForMatch(int matchMode)
{
    return std::clamp(matchMode, 1, 6);
}

int BonusProgress::coverFrame(int stage)
{
    return FULL_COVER_STAGE + 1 - stage;
}

RevealPlan BonusProgress::revealPlan(int matchMode) const
{
    RevealPlan plan;
    plan.picture = pictureInProgress();
    plan.targetStage = stage();
    if (allComplete())
        return plan;
    plan.targetStage -= piecesForMatch(matchMode);
    plan.completesPicture = plan.targetStage < LAST_PIECE_STAGE;
    // The counter starts one above the whole cover and steps down to the target; below the last piece
    // the cover keeps its frame, so a completed picture never shows its last piece gone.
    for (int counter = FULL_COVER_STAGE; counter >= plan.targetStage; --counter)
        plan.frames.push_back(coverFrame(std::max(counter, LAST_PIECE_STAGE)));
    return plan;
}

void BonusProgress::commit(const RevealPlan& plan)
{
    int done = completed();
    int newStage = allComplete() ? stage() : plan.targetStage;
    if (!allComplete() && plan.completesPicture) {
        ++done;
        newStage += PIECES_PER_PICTURE;
        // After the twentieth there is no next picture to carry pieces to.
        if (done == BONUS_PICTURES)
            newStage = FULL_COVER_STAGE;
    }
    newStage = std::clamp(newStage, LAST_PIECE_STAGE, FULL_COVER_STAGE);
    settings_.setLine(LOCKED_LINE, std::to_string(BONUS_PICTURES - done));
    settings_.setLine(STAGE_LINE, std::to_string(newStage));
    // Derived from the count rather than incremented, so lines 0 and 19 always move together.
    settings_.setLine(AVAILABLE_LINE, std::to_string(BUILT_IN_BACKS + done));
    settings_.save();
}

std::string BonusProgress::exportName(int n)
{
    return "Бонусная картинка_" + std::to_string(n) + ".jpg";
}

std::string BonusProgress::exportPath(int n)
{
    return "pictures/" + exportName(n);
}

} // namespace liorna
