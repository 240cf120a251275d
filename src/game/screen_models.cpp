#include "game/screen_models.h"

namespace liorna {

ScreenModels::ScreenModels(Parts parts, Events events)
    : parts_(parts), events_(std::move(events)),
      matchStatus_(
          parts.timers, [](const std::function<void()>& tick) { tick(); },
          MatchStatus::Events{
              [this](bool humanWonDeal) { events_.cue(humanWonDeal ? Cue::DealWon : Cue::DealNotWon); },
              [this] { return events_.decide(); },
              [this](bool won) {
                  if (won)
                      openBonus(true);
                  parts_.screens.close(ScreenId::MatchStatus);
              }})
{
}

void ScreenModels::openMatchStatus(int humanTotal, int computerTotal, int target, bool humanWonDeal)
{
    matchStatus_.open(humanTotal, computerTotal, target, humanWonDeal);
    parts_.screens.openMatchStatus(matchStatus_);
}

void ScreenModels::endMatchStatus()
{
    if (!matchStatus_.state().open)
        return;
    matchStatus_.cancel();
    parts_.screens.close(ScreenId::MatchStatus);
}

void ScreenModels::dropDialogs()
{
    ++openings_;
    bonus_.reset();
    cardBack_.reset();
    settings_.reset();
    statistics_.reset();
}

void ScreenModels::openBonus(bool reveal)
{
    dropDialogs();
    std::optional<int> mode;
    if (reveal)
        mode = parts_.match.matchMode();
    // Its clock is the program's: the reveal's steps are events like any other.
    bonus_ = std::make_unique<BonusScreenModel>(parts_.timers, parts_.profile.settings(), mode,
                                                parts_.pictures, parts_.shell);
    bonus_->report = events_.report;
    parts_.screens.openBonus(*bonus_, {nullptr, [this, opening = openings_] {
                                           dropIfOpen(bonus_, opening);
                                           // A completed picture may have become a card back: the
                                           // table's backs follow the file.
                                           events_.applySettings();
                                       }});
}

void ScreenModels::openCardBack()
{
    dropDialogs();
    const Profile& profile = parts_.profile;
    cardBack_ = std::make_unique<CardBackModel>(profile.cardBackChoice(), profile.availableBackCount(),
                                                profile.cardBack());
    parts_.screens.openCardBack(*cardBack_,
                                {[this] {
                                     // The choice is saved and shown.
                                     parts_.profile.chooseCardBack(cardBack_->candidate());
                                     events_.applySettings();
                                 },
                                 [this, opening = openings_] { dropIfOpen(cardBack_, opening); }});
}

void ScreenModels::openSettings()
{
    dropDialogs();
    settings_ = std::make_unique<SettingsDialogModel>(parts_.profile.settings());
    parts_.screens.openSettings(*settings_,
                                {[this] {
                                     settings_->save();
                                     events_.applySettings();
                                 },
                                 [this, opening = openings_] { dropIfOpen(settings_, opening); }});
}

void ScreenModels::openStatistics()
{
    dropDialogs();
    statistics_ = std::make_unique<StatisticsModel>(parts_.profile.settings());
    parts_.screens.openStatistics(*statistics_,
                                  {[this] { statistics_->resetAll(); },
                                   [this, opening = openings_] { dropIfOpen(statistics_, opening); }});
}

bool ScreenModels::pending() const
{
    return matchStatus_.pending() || (bonus_ && bonus_->reveal().pending());
}

} // namespace liorna
