#pragma once
// Progress through the twenty bonus pictures (lines 0, 1 and 19 of the settings file) and the reveal
// a won match plays: the cover is laid whole, the pieces of earlier wins come off again one per step,
// then the new ones, and only at the end is the progress written.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "persist/settings_schema.h"
#include "platform/picture.h"

namespace liorna {

struct RevealPlan {
    Picture picture; // the picture in progress; none once all twenty are complete
    int targetStage = FULL_COVER_STAGE;
    bool completesPicture = false;
    // The cover frame after each step; the reveal is finished after the last one.
    std::vector<int> frames;

    std::size_t stepCount() const { return frames.size(); }
    // Step 0 is the screen as it opens: the plain cover (frame 0); step k > 0 the frame after k steps.
    int frameAt(std::size_t step) const;
    bool finishedAt(std::size_t step) const { return step >= frames.size(); }
};

class BonusProgress {
public:
    explicit BonusProgress(SettingsFile& settings) : settings_(settings) {}

    // Completed pictures 0..20, from lines 0 (20 - completed) and 19 (15 + completed): a line that
    // cannot be read is outvoted by the one that can, and of two that disagree the larger count wins.
    int completed() const;
    // Brings lines 0 and 19 in memory into agreement with completed(), so the next save writes them
    // healed; lines that both cannot be read are left alone.
    void heal();
    bool allComplete() const { return completed() == BONUS_PICTURES; }
    // The cover stage 16..24 of the picture in progress; anything else counts as the whole cover.
    int stage() const;
    // Gallery place 1..20 shows its picture once that many pictures are complete.
    bool unlocked(int place) const;
    // Bonus picture completed() + 1, or none when all twenty are complete.
    Picture pictureInProgress() const;

    // Pieces one won match removes, by match mode 1..6 (one deal .. to 12 points); kept within 1..6.
    static int piecesForMatch(int matchMode);
    // Cover frame of a stage: 1 (cut lines) at 24 .. 9 (one piece left) at 16.
    static int coverFrame(int stage);

    // The reveal of a won match. Once all twenty are complete it has no steps and changes nothing.
    RevealPlan revealPlan(int matchMode) const;
    // Lines 0, 1, 19 := the progress after the reveal, then saves (a UserError propagates with the
    // new values in memory). Completes at most one picture; pieces beyond it count toward the next.
    void commit(const RevealPlan& plan);

    // "Бонусная картинка_N.jpg" and its place "pictures/Бонусная картинка_N.jpg", relative to the
    // program folder.
    static std::string exportName(int n);
    static std::string exportPath(int n);

private:
    SettingsFile& settings_;
};

} // namespace liorna
