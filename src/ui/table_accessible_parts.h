#pragma once
// The table as a screen reader hears of it, as plain answers read from the table state: which parts
// there are, their names, where they lie and what a press on them does. The accessible interfaces of
// the table view serve these.

#include <QAccessible>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/table_state.h"
#include "ui/scene.h"

namespace liorna::tableparts {

// Everything of the table a player can hear of. `slot` is 1..5 for a card, 0..2 for a score line.
enum class Part : std::uint8_t {
    Root,
    ComputerHand,
    ComputerPile,
    Stock,
    LedList,
    LedCard,
    Cover,
    HandList,
    HandCard,
    HumanPile,
    Play,
    Discard,
    MenuButton,
    Score,
    Hint,
    // The last trick shown again, and its cards: the led ones and what lay on each.
    LastTrick,
    LastLed,
    LastCover
};

struct Id {
    Part part = Part::Root;
    int slot = 0;
    bool operator==(const Id&) const = default;
};

quint32 keyOf(Id id);
// The card a hand, led or cover item shows.
const CardView& cardOf(const TableState& t, Id id);
bool isCard(Part part);
// The part is on the table now.
bool present(const TableState& t, Id id);
std::vector<Id> childrenOf(const TableState& t, Id parent);
// Every item there can be, in a fixed order: what notifications compare.
std::vector<Id> everyItem();
Id parentOf(Id id);
QString nameOf(const TableState& t, Id id);
QString descriptionOf(const TableState& t, Id id);
// Where a click on it would do something: the same conditions the hit test keeps.
std::optional<scene::Hit> pressOf(const TableState& t, Id id);
// The part the keyboard focus stands on, when it is drawn.
std::optional<Id> focusedItem(const TableState& t);
layout::Rect areaOf(const TableState& t, Id id);
QAccessible::Role roleOf(Part part);

} // namespace liorna::tableparts
