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
    parts_.screens.openBonus(*bonus_, {nullptr, [this, model = bonus_.get()] {
                                           dropIfOpen(bonus_, model);
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
                                 [this, model = cardBack_.get()] { dropIfOpen(cardBack_, model); }});
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
                                 [this, model = settings_.get()] { dropIfOpen(settings_, model); }});
}

void ScreenModels::openStatistics()
{
    dropDialogs();
    statistics_ = std::make_unique<StatisticsModel>(parts_.profile.settings());
    parts_.screens.openStatistics(*statistics_,
                                  {[this] { statistics_->resetAll(); },
                                   [this, model = statistics_.get()] { dropIfOpen(statistics_, model); }});
}

bool ScreenModels::pending() const
{
    return matchStatus_.pending() || (bonus_ && bonus_->reveal().pending());
}

} // namespace liorna
