#include "persist/profile.h"

#include "persist/bonus_progress.h"
#include "persist/card_back_model.h"
#include "persist/settings_schema.h"
#include "persist/statistics.h"
#include "platform/intervals.h"

namespace liorna {

void Profile::load()
{
    settings_.load();
    settings_.removeStaleTemporaries();
    // Before anything heals or overwrites a damaged file, it is kept whole for the player.
    const auto unreadable = SettingsSchema(settings_).unreadableResultLines();
    damagedCopyKept_ = (settings_.oversized() || !unreadable.empty()) &&
                       settings_.keepDamagedCopy(unreadable) == DamagedCopy::Kept;
    BonusProgress(settings_).heal();
}

void Profile::apply()
{
    // The lines in memory are the file's: every change is saved when it is made, and a result whose
    // save failed must stay in memory until a later save writes it, so the file is not read again.
    const SettingsSchema schema(settings_);
    soundOn_ = schema.soundOn();
    afterTrickPauseMs_ = schema.speed(Speed::AfterTrick) * interval::AFTER_TRICK_PER_SPEED;
    answerPauseMs_ = schema.speed(Speed::Answer) * interval::ANSWER_PER_SPEED;
    cardBackChoice_ = schema.cardBackChoice();
    // A number that names no back keeps the back there is; with none yet the hands and the stock would
    // be bare outlines, so back 1 stands in.
    if (const Picture chosen = backOfNumber(cardBackChoice_); chosen.kind != PictureKind::None)
        cardBack_ = chosen;
    else if (cardBack_.kind == PictureKind::None)
        cardBack_ = Picture::back(1);
    availableBackCount_ = schema.availableBackCount();
    if (const auto background = schema.background())
        background_ = Picture::tile(*background);
}

void Profile::setPosition(const Position& position)
{
    if (position.soundOn)
        soundOn_ = *position.soundOn;
    if (position.cardBackChoice)
        cardBackChoice_ = *position.cardBackChoice;
    if (position.availableBackCount)
        availableBackCount_ = *position.availableBackCount;
}

void Profile::chooseBackground(int n)
{
    settings_.commitChange([&] { SettingsSchema(settings_).setBackground(n); });
    background_ = Picture::tile(n);
}

void Profile::chooseCardBack(const std::string& number)
{
    settings_.commitChange([&] { SettingsSchema(settings_).setCardBackChoice(number); });
}

void Profile::recordMatch(int matchTargetCode, bool won)
{
    settings_.commitResult([&] {
        if (const auto row = statisticsRow(matchTargetCode))
            SettingsSchema(settings_).incrementCount(won ? MatchResult::Won : MatchResult::Lost, *row);
    });
}

} // namespace liorna
