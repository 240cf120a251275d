#include "play/keyboard.h"

#include <algorithm>

#include "platform/texts.h"

namespace liorna {

namespace {

std::size_t at(int k)
{
    return static_cast<std::size_t>(k - 1);
}

// The focus stands only on a card: not on a hidden place, an empty one or the blank card a draw
// found nothing for.
bool holdsShownCard(const TableCards& cards, Row row, int k)
{
    const TablePlace& place = cards.at(row, at(k));
    return place.shown && place.card.holdsCard();
}

// The nearest card of a row from `from` in direction `step` (-1, +1), or `from` when there is none.
int nextShown(const TableCards& cards, Row row, int from, int step)
{
    for (int k = from + step; k >= 1 && k <= HAND_SIZE; k += step)
        if (holdsShownCard(cards, row, k))
            return k;
    return from;
}

// The shown place of a row nearest to `from`, the left one of two as near; `from` when none is shown.
int nearestShown(const TableCards& cards, Row row, int from)
{
    for (int d = 1; d < HAND_SIZE; ++d)
        for (int k : {from - d, from + d})
            if (k >= 1 && k <= HAND_SIZE && holdsShownCard(cards, row, k))
                return k;
    return from;
}

int firstShown(const TableCards& cards, Row row)
{
    for (int k = 1; k <= HAND_SIZE; ++k)
        if (holdsShownCard(cards, row, k))
            return k;
    return 0;
}

Row rowOf(const KeyboardFocus& f)
{
    return f.row == FocusRow::Hand ? Row::Human : Row::Led;
}

} // namespace

void TableKeyboard::keepFocusOnTheTable()
{
    KeyboardFocus& f = focus_;
    if (f.row == FocusRow::Led &&
        (trick_.phase() != TurnPhase::HumanAnswering || firstShown(cards_, Row::Led) == 0))
        f.row = FocusRow::Hand;
    const Row row = rowOf(f);
    if (f.slot < 1 || f.slot > HAND_SIZE)
        f.slot = 1;
    if (!holdsShownCard(cards_, row, f.slot))
        f.slot = nearestShown(cards_, row, f.slot);
}

bool TableKeyboard::onACard() const
{
    return holdsShownCard(cards_, rowOf(focus_), std::clamp(focus_.slot, 1, HAND_SIZE));
}

void TableKeyboard::inputKey(TableKey key)
{
    keepFocusOnTheTable();
    KeyboardFocus& f = focus_;
    const Row row = rowOf(f);
    switch (key) {
    case TableKey::Left: f.slot = nextShown(cards_, row, f.slot, -1); break;
    case TableKey::Right: f.slot = nextShown(cards_, row, f.slot, +1); break;
    case TableKey::Up:
        if (trick_.phase() == TurnPhase::HumanAnswering && firstShown(cards_, Row::Led) != 0) {
            f.row = FocusRow::Led;
            if (!holdsShownCard(cards_, Row::Led, std::clamp(f.slot, 1, HAND_SIZE)))
                f.slot = firstShown(cards_, Row::Led);
        }
        break;
    case TableKey::Down: f.row = FocusRow::Hand; break;
    case TableKey::Space:
        if (f.row == FocusRow::Hand)
            trick_.inputHandCard(f.slot, false);
        else if (cards_.at(Row::Cover, at(f.slot)).shown)
            trick_.inputCoverCard(f.slot); // the cover lies over the led card: a click there takes it back
        else
            trick_.inputLedCard(f.slot);
        break;
    case TableKey::Enter:
        if (trick_.playShown())
            trick_.inputPlay();
        else if (trick_.discardShown())
            trick_.inputDiscard();
        break;
    case TableKey::Backspace:
        // The right click clears the selection from any hand card.
        if (const int k = firstShown(cards_, Row::Human))
            trick_.inputHandCard(k, true);
        break;
    case TableKey::Digit1:
    case TableKey::Digit2:
    case TableKey::Digit3:
    case TableKey::Digit4:
    case TableKey::Digit5: {
        const int k = 1 + static_cast<int>(key) - static_cast<int>(TableKey::Digit1);
        f.row = FocusRow::Hand;
        f.slot = k;
        trick_.inputHandCard(k, false);
        break;
    }
    // The last trick is the game's to show, not the focus's.
    case TableKey::Tab: return;
    }
    // Drawn from the first key on; the mouse hides it again.
    f.shown = true;
    keepFocusOnTheTable();
}

} // namespace liorna
