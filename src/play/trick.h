#pragma once
// The trick: the human's turn (a lead of one suit, or an answer that covers the led cards or gives
// them up), the computer's answer and lead, both settlements, and the after-trick step every trick ends
// with. It owns the turn's phase and bookkeeping, the buttons under the hand and the trick points.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/card.h"
#include "engine/cue.h"
#include "engine/deal.h"
#include "engine/table_cards.h"
#include "engine/table_state.h"
#include "platform/engine_timer.h"
#include "platform/texts.h"

namespace liorna {

// How a cleared trick leaves the deal.
enum class TrickEnd { NextTrick, DealOver };

// Where the current trick stands; input outside the phases that take it is ignored.
enum class TurnPhase {
    NoTrick,              // no deal yet, a deal or refill being dealt, or a finished match
    HumanLeading,         // the human builds a lead
    Playing,              // "Пойти" pressed: the faces are repainted before the cards go down
    AwaitingAnswer,       // the human's lead is on the table; the computer answers after its pause
    AfterTrick,           // settled; the trick stays on the table for the pause
    Refilling,            // the table is cleared and the hands are refilled before the human leads
    AwaitingComputerLead, // the computer took the trick and leads once the hands are redrawn
    HumanAnswering,       // the computer's lead is on the table
    DealOver,             // scored; the match status screen decides what follows
};

// A trick as it lay when it was settled: the led cards and the covers that beat them, or, when the
// answer gave up, only how many cards were given (they stay hidden); who took it and its points.
struct TrickRecord {
    int count = 0;
    SlotRow led{};
    // Empty when the answer gave up.
    SlotRow cover{};
    bool givenUp = false;
    Seat taker = Seat::Human;
    int points = 0;

    bool operator==(const TrickRecord&) const = default;
};

class Trick {
public:
    struct Events {
        std::function<void(Cue)> cue;
        // The pause after a trick is over: the root clears the trick and sees what follows.
        std::function<void()> afterTrickPause;
    };
    Trick(TableCards& cards, Deal& deal, Timers& timers, Events events);

    // --- The human's input, as the table window delivers it (slots and pairs 1..5) ---
    void inputHandCard(int k, bool rightButton);
    void inputLedCard(int k);
    void inputCoverCard(int k);
    void inputPlay();
    void inputDiscard();

    // The trick leaves the table, the hands are refilled or redrawn and the next leader's button
    // shows; the last trick of a deal ends it instead, with no button left.
    TrickEnd clearTrick();
    // The hands are shown again after a redraw: the computer leads, or the human may.
    void handsRedrawn();
    // A new deal: no trick, the human leads first, no points yet; the buttons as at the start.
    void reset();
    // No trick until a new deal is dealt.
    void stand() { phase_ = TurnPhase::NoTrick; }
    void setPauses(int afterTrickMs, int answerMs);

    TurnPhase phase() const { return phase_; }
    Seat leader() const { return leader_; }
    int ledCount() const { return ledCount_; }
    int humanTrickPoints() const { return humanTrickPoints_; }
    int computerTrickPoints() const { return computerTrickPoints_; }
    int uncoveredCount() const { return uncoveredCount_; }
    int pickCount() const { return pickCount_; }
    bool computerLeadArmed() const { return computerLeadArmed_; }
    bool handSelected(int k) const { return handSelected_[static_cast<std::size_t>(k - 1)]; }
    bool handCommitted(int k) const { return handCommitted_[static_cast<std::size_t>(k - 1)]; }
    // The hand slot (1..5) whose card covers pair k, or 0.
    int coverSource(int k) const { return coverSource_[static_cast<std::size_t>(k - 1)]; }

    // The pauses after a trick and before the computer's answer, in ms.
    int afterTrickPauseMs() const { return afterTrickTimer_.interval(); }
    int answerPauseMs() const { return computerAnswerTimer_.interval(); }
    // The piles of taken cards show this back.
    void showBack(const Picture& back) { pileBack_ = back; }
    const Picture& pileBack() const { return pileBack_; }
    // The buttons under the hand: «Пойти» for a human lead, «Сбросить» for an answer.
    bool playShown() const { return playShown_; }
    bool discardShown() const { return discardShown_; }
    const RefusalSign& refusal() const { return refusal_; }
    // The trick on the table once it is settled, until it is cleared.
    const std::optional<TrickRecord>& settled() const { return settled_; }
    // The deal's last cleared trick; none before the first trick of a deal is cleared.
    const std::optional<TrickRecord>& lastCleared() const { return lastCleared_; }
    // Grows with every lead laid on the table.
    unsigned leads() const { return leads_; }
    // The buttons, their caption, the piles of taken cards and the last refusal, as the view draws them.
    void project(TableState& table) const;

    // A new deal stops the trick's chains: the play steps, the answer and the after-trick pause.
    void cancelPending();
    // A step of the trick is still to come.
    bool pending() const
    {
        return playStepTimer_.active() || afterTrickTimer_.active() || computerAnswerTimer_.active();
    }

    // A position for tests and the scenario driver: each value given is set as play would have left it.
    struct Position {
        std::optional<Seat> leader = std::nullopt;
        std::optional<TurnPhase> phase = std::nullopt;
        std::optional<int> ledCount = std::nullopt;
        std::optional<bool> computerLeadArmed = std::nullopt;
        std::optional<int> humanTrickPoints = std::nullopt;
        std::optional<int> computerTrickPoints = std::nullopt;
        // Nothing led or left uncovered.
        bool noTrick = false;
        // No hand card selected or committed.
        bool noSelection = false;
        // With no trick on the table the position waits for its leader, as play would leave it: the
        // human leads with «Пойти» shown, or the computer is about to lead with «Сбросить» shown.
        bool waitForLeader = false;
    };
    void setPosition(const Position& position);

private:
    // --- The human's turn ---
    void clickHandCard(int k);
    bool checkLeadSuit(Suit suit);
    void showPickedFace(int k);
    void pressPlay();
    void playStepTick();
    void playSelection();
    void layHumanLead();
    void coverLedCard(int k);
    void takeBackCover(int k);
    void pressDiscard();
    void clearHandSelection();
    void countPicks();

    // --- Settling and clearing a trick ---
    void settleHumanCovered();
    void settleHumanGaveUp();
    void startAfterTrick();
    bool dealFinished() const;
    // The deal is over: no button is left.
    void endDeal();
    // The button under the hand for the next leader: «Пойти» for the human, «Сбросить» for the computer.
    void showLeaderButton();

    // --- The computer's answer and lead ---
    void startComputerAnswer();
    void beginComputerAnswer();
    void settleBeaten(const std::vector<int>& slots);
    void settleNotBeaten();
    void restoreComputerHand();
    void tryComputerLead();
    void computerLead();
    void layComputerLead(Suit suit);

    void cue(Cue c) { events_.cue(c); }
    // A refused action: the view gives a short sign at its place.
    void refuse(RefusalPlace place, int slot, RefusalReason reason, int count = 0)
    {
        refusal_ = {place, slot, refusal_.serial + 1, reason, count};
    }
    // The trick as it lies now, settled for `taker`.
    void record(Seat taker, bool givenUp, int points);
    void showButtons(bool play, bool discard, const char* caption);

    TableCards& cards_;
    Deal& deal_;
    Events events_;

    TurnPhase phase_ = TurnPhase::NoTrick;
    std::array<bool, HAND_SIZE> handSelected_{};
    std::array<bool, HAND_SIZE> handCommitted_{};
    std::array<int, HAND_SIZE> coverSource_{};
    int ledCount_ = 0;
    int uncoveredCount_ = 0;
    int pickCount_ = 0;
    Slot picked_;
    int pickedSlot_ = 0;
    Seat leader_ = Seat::Human;
    std::optional<Suit> leadSuit_;
    std::optional<Suit> computerLeadSuit_;
    std::array<int, 4> computerSuitCount_{};
    int trumpPhaseAtAnswer_ = 1;
    bool computerLeadArmed_ = true;
    int humanTrickPoints_ = 0;
    int computerTrickPoints_ = 0;
    int playStepCountdown_ = 0;

    bool playShown_ = true;
    bool discardShown_ = false;
    std::string actionCaption_ = text::ACTION_PLAY;
    // The trick points the piles show: they change when a trick leaves the table.
    std::string humanPileCount_ = "0";
    std::string computerPileCount_ = "0";
    Picture pileBack_;
    RefusalSign refusal_;
    std::optional<TrickRecord> settled_;
    std::optional<TrickRecord> lastCleared_;
    unsigned leads_ = 0;

    EngineTimer playStepTimer_;
    EngineTimer afterTrickTimer_;
    EngineTimer computerAnswerTimer_;
};

} // namespace liorna
