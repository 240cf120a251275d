#pragma once
// The screens' models, built here from the parts they show: the match status countdown, and the one
// dialog open at a time (bonus pictures, card back, settings, statistics). It hands each to the
// screens with what its buttons do, and runs the work that follows its close. The views and the
// scenario driver drive these same models.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/cue.h"
#include "game/screens.h"
#include "persist/bonus_screen_model.h"
#include "persist/card_back_model.h"
#include "persist/profile.h"
#include "persist/settings_model.h"
#include "persist/statistics_model.h"
#include "platform/picture_writer.h"
#include "platform/ports.h"
#include "play/match.h"
#include "play/match_status.h"

namespace liorna {

class ScreenModels {
public:
    struct Parts {
        Profile& profile;
        const Match& match;
        Screens& screens;
        Timers& timers;
        PictureWriter& pictures;
        Shell& shell;
    };
    struct Events {
        std::function<void(Cue)> cue;
        // The status countdown asks how the match stands; the root decides it and deals on or not.
        std::function<MatchDecision()> decide;
        // The settings in memory take effect.
        std::function<void()> applySettings;
        // An error met by a screen's own clock, reported once its event has finished.
        std::function<void(const std::string&)> report;
    };
    ScreenModels(Parts parts, Events events);

    // --- The match status screen ---
    void openMatchStatus(int humanTotal, int computerTotal, int target, bool humanWonDeal);
    void clickMatchStatus() { matchStatus_.click(); }
    // A new game ends the countdown where it stands, or its decision would deal a second time behind
    // the new game's first deal.
    void endMatchStatus();
    const MatchStatusState& matchStatus() const { return matchStatus_.state(); }

    // --- The dialogs: opening one drops the model of any other ---
    // After a won match (reveal) or as a gallery.
    void openBonus(bool reveal);
    void openCardBack();
    void openSettings();
    void openStatistics();

    // The status countdown or the bonus reveal is still counting.
    bool pending() const;

private:
    void dropDialogs();
    // A closed dialog's model goes, unless another has been opened since. Openings are counted rather
    // than models compared: a new model may well take the address of the one dropped before it.
    template <typename Model>
    void dropIfOpen(std::unique_ptr<Model>& open, unsigned opening)
    {
        if (opening == openings_)
            open.reset();
    }

    Parts parts_;
    Events events_;
    MatchStatus matchStatus_;
    std::unique_ptr<BonusScreenModel> bonus_;
    std::unique_ptr<CardBackModel> cardBack_;
    std::unique_ptr<SettingsDialogModel> settings_;
    std::unique_ptr<StatisticsModel> statistics_;
    // Dialogs opened so far; the last one is the open one.
    unsigned openings_ = 0;
};

} // namespace liorna
