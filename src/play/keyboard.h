#pragma once
// Playing from the keyboard, and the hint line: what the table shows to help the player.

#include <string>

#include "engine/table_cards.h"
#include "engine/table_state.h"
#include "play/trick.h"

namespace liorna {

// A focus over the human's hand and the led cards, moved by the arrows, and keys that act as the clicks
// on what they name. Every key goes through the same input path as the mouse, so every refusal, cue
// and rule is the mouse's.
class TableKeyboard {
public:
    TableKeyboard(const TableCards& cards, Trick& trick) : cards_(cards), trick_(trick) {}
    void inputKey(TableKey key);
    // The mouse was used: the focus is no longer drawn.
    void hideFocus() { focus_.shown = false; }
    bool focusShown() const { return focus_.shown; }
    // Cards come and go under the focus: it stays on a shown card of its row, or goes back to the hand.
    void keepFocusOnTheTable();
    void project(TableState& table) const { table.focus = focus_; }

private:
    const TableCards& cards_;
    Trick& trick_;
    KeyboardFocus focus_;
};

// One line saying whose turn it is and what to do; it changes only with the turn phase.
class TableHint {
public:
    // Every event ends here, so the line is looked at again only when the phase has moved.
    void update(TurnPhase phase, bool matchOver)
    {
        if (phase != phase_ || matchOver != matchOver_)
            write(phase, matchOver);
    }
    void project(TableState& table) const { table.hint = hint_; }

private:
    void write(TurnPhase phase, bool matchOver);
    // The phase the line was last written for.
    TurnPhase phase_ = TurnPhase::NoTrick;
    bool matchOver_ = false;
    std::string hint_;
};

} // namespace liorna
