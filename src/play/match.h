#pragma once
// The match: the penalty points of each side, the match target and length, deal scoring, the decision
// the match status countdown asks for, and the result kept in the player's profile.

#include <functional>
#include <optional>
#include <string>

#include "engine/start_screen_model.h"
#include "engine/table_state.h"
#include "persist/profile.h"
#include "platform/ports.h"
#include "platform/texts.h"
#include "play/match_status.h"

namespace liorna {

class Match {
public:
    struct Events {
        // An error met inside the countdown, reported once the event has finished.
        std::function<void(const std::string&)> report;
    };
    Match(Profile& profile, Events events);

    // A new match of the given length, or of the current one.
    void begin(const MatchLength& length);
    void beginSameLength();
    // The first match, chosen on the start screen.
    void choose(const MatchLength& length);
    // A new deal starts with no deal penalties.
    void newDeal();

    void scoreDeal(int humanTrickPoints, int computerTrickPoints);
    // The deal just scored hung more on the computer than on the human.
    bool humanWonDeal() const { return computerDealPenalty_ > humanDealPenalty_; }
    // Decides the match after a scored deal: over (recorded in the profile) or going on.
    MatchDecision decide();
    void recordMatchWon();
    void recordMatchLost();

    int matchTarget() const { return matchTargetOfCode(matchTargetCode_); }
    int matchTargetCode() const { return matchTargetCode_; }
    int matchMode() const { return matchMode_; }
    int humanPenalty() const { return humanPenalty_; }
    int computerPenalty() const { return computerPenalty_; }
    int humanDealPenalty() const { return humanDealPenalty_; }
    int computerDealPenalty() const { return computerDealPenalty_; }
    // The last match has been decided and no new one started.
    bool over() const { return over_; }
    int dealsScored() const { return dealsScored_; }
    int matchesFinished() const { return matchesFinished_; }

    // A position for tests and the scenario driver: each value given is set.
    struct Position {
        std::optional<int> humanPenalty = std::nullopt;
        std::optional<int> computerPenalty = std::nullopt;
        std::optional<int> humanDealPenalty = std::nullopt;
        std::optional<int> computerDealPenalty = std::nullopt;
        std::optional<int> matchTargetCode = std::nullopt;
        std::optional<int> matchMode = std::nullopt;
    };
    void setPosition(const Position& position);

    // The score panel: each side's penalty points and the match target.
    void project(TableState& table) const;

private:
    void restart(const std::string& targetLabel);

    Profile& profile_;
    Events events_;
    int humanPenalty_ = 0;
    int computerPenalty_ = 0;
    int humanDealPenalty_ = 0;
    int computerDealPenalty_ = 0;
    int matchTargetCode_ = 22;
    int matchMode_ = 1;
    bool over_ = false;
    int dealsScored_ = 0;
    int matchesFinished_ = 0;
    // What the score panel shows: the totals as the last scored deal left them.
    std::string humanScore_ = text::HUMAN_SCORE_ZERO;
    std::string computerScore_ = text::COMPUTER_SCORE_ZERO;
    std::string targetLabel_ = text::MATCH_TARGET_UNSET;
};

} // namespace liorna
