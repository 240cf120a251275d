// Deal scoring, the end of a match and its result, and the start of a new match.

#include "play/match.h"

#include "platform/texts.h"
#include "play/scoring.h"

namespace liorna {

Match::Match(Profile& profile, Screens& screens, Timers& timers, Events events)
    : profile_(profile), screens_(screens), events_(std::move(events)),
      matchStatus_(
          timers, [](const std::function<void()>& tick) { tick(); },
          MatchStatus::Events{
              [this](bool humanWonDeal) { events_.cue(humanWonDeal ? Cue::DealWon : Cue::DealNotWon); },
              [this] { return events_.decide(); },
              [this](bool won) {
                  if (won)
                      screens_.openBonus(true);
                  screens_.close(ScreenId::MatchStatus);
              }})
{
}

void Match::endMatchStatus()
{
    // A new game ends the match status screen's countdown where it stands, or its decision would
    // deal a second time behind the new game's first deal.
    if (!matchStatus_.state().open)
        return;
    matchStatus_.cancel();
    screens_.close(ScreenId::MatchStatus);
}

void Match::restart(const std::string& targetLabel)
{
    endMatchStatus();
    over_ = false;
    targetLabel_ = targetLabel;
    humanScore_ = text::HUMAN_SCORE_ZERO;
    computerScore_ = text::COMPUTER_SCORE_ZERO;
    humanPenalty_ = 0;
    computerPenalty_ = 0;
}

void Match::begin(const MatchLength& length)
{
    restart(length.label);
    matchTargetCode_ = length.targetCode;
    matchMode_ = length.mode;
}

void Match::beginSameLength()
{
    // Keeps the match target code and the mode, whatever they are.
    restart(matchTargetLabel(matchTarget()));
}

void Match::choose(const MatchLength& length)
{
    matchTargetCode_ = length.targetCode;
    matchMode_ = length.mode;
    targetLabel_ = length.label;
}

void Match::newDeal()
{
    humanDealPenalty_ = 0;
    computerDealPenalty_ = 0;
}

void Match::scoreDeal(int humanTrickPoints, int computerTrickPoints)
{
    ++dealsScored_;
    computerDealPenalty_ = penaltyForPoints(computerTrickPoints);
    humanDealPenalty_ = penaltyForPoints(humanTrickPoints);
    computerPenalty_ += computerDealPenalty_;
    humanPenalty_ += humanDealPenalty_;
    humanScore_ = text::HUMAN_SCORE + std::to_string(humanPenalty_);
    computerScore_ = text::COMPUTER_SCORE + std::to_string(computerPenalty_);

    matchStatus_.open(humanPenalty_, computerPenalty_, matchTarget(),
                      computerDealPenalty_ > humanDealPenalty_);
    screens_.openMatchStatus();
}

MatchDecision Match::decide()
{
    const int target = matchTarget();
    const bool humanOver = humanPenalty_ >= target;
    const bool computerOver = computerPenalty_ >= target;
    if (humanOver || computerOver) {
        // Both over the target after one deal: the side with more penalty points loses, and a tie
        // counts against the human. One result only is recorded.
        const bool won = computerOver && (!humanOver || computerPenalty_ > humanPenalty_);
        ++matchesFinished_;
        over_ = true;
        // A result that cannot be saved is reported; the screen still runs to its end.
        try {
            if (won)
                recordMatchWon();
            else
                recordMatchLost();
        } catch (const UserError& error) {
            events_.report(error.what());
        }
        return {true, won};
    }
    return {};
}

void Match::setPosition(const Position& position)
{
    for (const auto& [value, field] :
         {std::pair{position.humanPenalty, &humanPenalty_},
          std::pair{position.computerPenalty, &computerPenalty_},
          std::pair{position.humanDealPenalty, &humanDealPenalty_},
          std::pair{position.computerDealPenalty, &computerDealPenalty_},
          std::pair{position.matchTargetCode, &matchTargetCode_}, std::pair{position.matchMode, &matchMode_}})
        if (value)
            *field = *value;
}

void Match::project(TableState& table) const
{
    table.humanScore = humanScore_;
    table.computerScore = computerScore_;
    table.matchTarget = targetLabel_;
}

void Match::recordMatchWon()
{
    profile_.recordMatch(matchTargetCode_, true);
}

void Match::recordMatchLost()
{
    profile_.recordMatch(matchTargetCode_, false);
}

} // namespace liorna
