#include "persist/bonus_progress.h"
#include "platform/texts.h"

#include <algorithm>

namespace liorna {

namespace {

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
    // Lines 0 and 19 both say how many pictures are complete. A line that cannot be read (a damaged
    // or hand-edited file) is outvoted by the one that can, and when they disagree the larger wins:
    // a player's progress is never lowered by a damaged line.
    const SettingsSchema schema(settings_);
    const auto byLocked = schema.completedByLockedCount();
    const auto byBacks = schema.completedByBackCount();
    return std::max(byLocked.value_or(0), byBacks.value_or(0));
}

void BonusProgress::heal()
{
    SettingsSchema schema(settings_);
    if (!schema.completedByLockedCount() && !schema.completedByBackCount())
        return; // nothing to go by: the lines stay as they are until a won match writes them
    schema.setCompleted(completed());
}

int BonusProgress::stage() const
{
    return SettingsSchema(settings_).coverStage();
}

bool BonusProgress::unlocked(int place) const
{
    return place >= 1 && place <= completed();
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
    // A result: if it cannot be saved now, the next save that succeeds writes it.
    settings_.commitResult([&] {
        SettingsSchema schema(settings_);
        schema.setCompleted(done);
        schema.setCoverStage(newStage);
    });
}

std::string BonusProgress::exportName(int n)
{
    return text::BONUS_FILE + std::to_string(n) + ".jpg";
}

std::string BonusProgress::exportPath(int n)
{
    return "pictures/" + exportName(n);
}

} // namespace liorna
