#pragma once
// Playing from the keyboard, and the hint line: what the table shows to help the player.

#include "engine/table_state.h"
#include "play/trick.h"

namespace liorna {

// A focus over the human's hand and the led cards, moved by the arrows, and keys that act as the clicks
// on what they name. Every key goes through the same input path as the mouse, so every refusal, cue
// and rule is the mouse's.
class TableKeyboard {
public:
    TableKeyboard(TableState& table, Trick& trick) : table_(table), trick_(trick) {}
    void inputKey(TableKey key);
    // The mouse was used: the focus is no longer drawn.
    void hideFocus() { table_.focus.shown = false; }
    // Cards come and go under the focus: it stays on a shown card of its row, or goes back to the hand.
    void keepFocusOnTheTable();

private:
    TableState& table_;
    Trick& trick_;
};

// One line saying whose turn it is and what to do; it changes only with the turn phase.
class TableHint {
public:
    // Every event ends here, so the line is looked at again only when the phase has moved.
    void update(TableState& table, TurnPhase phase, bool matchOver)
    {
        if (phase != phase_ || matchOver != matchOver_)
            write(table, phase, matchOver);
    }

private:
    void write(TableState& table, TurnPhase phase, bool matchOver);
    // The phase the line was last written for.
    TurnPhase phase_ = TurnPhase::NoTrick;
    bool matchOver_ = false;
};

} // namespace liorna
