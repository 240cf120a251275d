#pragma once
// Positions for tests and the scenario driver: each call names what it sets, and hands it to the part
// that owns it as that part's own position value, which keeps a card and its view together as play
// would leave them.

#include <string>
#include <vector>

#include "engine/card.h"
#include "engine/table_cards.h"
#include "play/trick.h"

namespace liorna {

class GameEngine;

class GameSetup {
public:
    explicit GameSetup(GameEngine& engine) : e_(engine) {}

    // --- Cards ---
    // A hand as a redraw leaves it: every non-empty place shown (the computer's as backs), nothing
    // selected or placed.
    GameSetup& hand(Seat seat, const SlotRow& slots);
    // Cards dealt into a hand and not yet shown; the next redraw shows them.
    GameSetup& dealtHand(Seat seat, const SlotRow& slots);
    // One card shown on a place with its face.
    GameSetup& card(Row row, std::size_t i, Slot slot);
    // No trick on the table: no led card or cover, nothing led or left uncovered.
    GameSetup& noTrick();

    // --- The deal ---
    // Exactly these cards (by deck position) left in the stock, and its count shown.
    GameSetup& stock(const std::vector<int>& deckIndexes);
    // The stock drawn past its end: no count, a blank top card.
    GameSetup& stockExhausted();
    GameSetup& stockCount(int count);
    GameSetup& shuffleCounter(int value);
    GameSetup& dealStep(int step);
    GameSetup& trump(Suit suit);
    GameSetup& cycledSuit(Suit suit);
    GameSetup& trumpPhase(int phase);
    // The pacing pool holds these digits, as if `count` numbers had been appended.
    GameSetup& pacingPool(const std::string& digits, int count);

    // --- The trick ---
    GameSetup& leader(Seat seat);
    GameSetup& phase(TurnPhase phase);
    GameSetup& ledCount(int count);
    GameSetup& computerLeadArmed(bool armed);
    GameSetup& humanTrickPoints(int points);
    GameSetup& computerTrickPoints(int points);
    // With no trick on the table the position waits for its leader, as play would leave it: the human
    // leads with «Пойти» shown, or the computer is about to lead with «Сбросить» shown.
    GameSetup& waitForLeader();

    // --- The match ---
    GameSetup& humanPenalty(int points);
    GameSetup& computerPenalty(int points);
    GameSetup& humanDealPenalty(int points);
    GameSetup& computerDealPenalty(int points);
    GameSetup& matchTargetCode(int code);
    GameSetup& matchMode(int mode);

    // --- The profile ---
    GameSetup& sound(bool on);
    GameSetup& cardBackChoice(const std::string& number);
    GameSetup& availableBackCount(const std::string& count);

private:
    GameSetup& done();

    GameEngine& e_;
};

} // namespace liorna
