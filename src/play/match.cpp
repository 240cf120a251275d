// Deal scoring, the end of a match and its result, and the start of a new match.

#include "play/match.h"

#include "platform/texts.h"
#include "play/scoring.h"

namespace liorna {

Match::Match(Profile& profile, Events events) : profile_(profile), events_(std::move(events)) {}

void Match::restart(const std::string& targetLabel)
{
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
