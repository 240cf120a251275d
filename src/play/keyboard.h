#pragma once
// Playing from the keyboard: a focus over the cards, and keys that act as the clicks.

#include <algorithm>

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
    // Cards come and go under the focus: it moves to the nearest shown card of its row, or goes back
    // to the hand.
    void keepFocusOnTheTable();
    // While its row has no card to stand on (the hand emptied at the end of a deal, or a new deal not
    // yet dealt), the focus is not drawn; it comes back on the nearest card.
    void project(TableState& table) const
    {
        table.focus = focus_;
        table.focus.shown = focus_.shown && onACard();
    }

private:
    bool onACard() const;
    const TableCards& cards_;
    Trick& trick_;
    KeyboardFocus focus_;
};

} // namespace liorna
