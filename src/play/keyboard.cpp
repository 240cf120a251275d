#include "play/keyboard.h"

#include <algorithm>

#include "platform/texts.h"

namespace liorna {

namespace {

std::size_t at(int k)
{
    return static_cast<std::size_t>(k - 1);
}

// The nearest shown place of a row from `from` in direction `step` (-1, +1), or `from` when there is
// none.
int nextShown(const TableCards& cards, Row row, int from, int step)
{
    for (int k = from + step; k >= 1 && k <= HAND_SIZE; k += step)
        if (cards.at(row, at(k)).shown)
            return k;
    return from;
}

int firstShown(const TableCards& cards, Row row)
{
    for (int k = 1; k <= HAND_SIZE; ++k)
        if (cards.at(row, at(k)).shown)
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
    if (!cards_.at(row, at(f.slot)).shown) {
        const int left = nextShown(cards_, row, f.slot, -1);
        f.slot = left != f.slot ? left : nextShown(cards_, row, f.slot, +1);
    }
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
            if (!cards_.at(Row::Led, at(std::clamp(f.slot, 1, HAND_SIZE))).shown)
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
    }
    // Drawn from the first key on; the mouse hides it again.
    f.shown = true;
    keepFocusOnTheTable();
}

void TableHint::write(TurnPhase phase, bool matchOver)
{
    phase_ = phase;
    matchOver_ = matchOver;
    switch (phase) {
    case TurnPhase::HumanLeading:
    case TurnPhase::Playing: hint_ = text::HINT_LEAD; break;
    case TurnPhase::AwaitingAnswer:
    case TurnPhase::AwaitingComputerLead: hint_ = text::HINT_THINKING; break;
    case TurnPhase::HumanAnswering: hint_ = text::HINT_ANSWER; break;
    case TurnPhase::NoTrick: hint_ = matchOver ? text::HINT_MATCH_OVER : ""; break;
    case TurnPhase::AfterTrick:
    case TurnPhase::Refilling:
    case TurnPhase::DealOver: break;
    }
}

} // namespace liorna
