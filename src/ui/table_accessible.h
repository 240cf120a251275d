#pragma once
// The painted table as Qt's accessibility sees it (AT-SPI on Linux): the hand, the cards on the table,
// the piles, the buttons, the score and the hint, each with a role, a Russian name, states and, where a
// click is allowed, a press action. Every answer is read from the table state the view draws, so the
// tree changes only with the table. Nothing is built until an assistive technology asks.

#include <functional>
#include <string>

#include "engine/table_state.h"

class QAccessibleEvent;

namespace liorna {

class TableView;

// Makes Qt ask us for the table view's interface. Once per application, before the view is asked.
void installTableAccessibility();

// «дама пик» for a face or selected face; empty for any other picture.
std::string cardName(const Picture& picture);

// Tells a listening assistive technology what changed between two table states: things shown and
// hidden, names and states, the hint line and the keyboard focus. Does nothing while none listens.
void notifyTableChanged(TableView& view, const TableState& before, const TableState& after);

// Whether anyone hears the table: a screen reader, or the listener below.
bool tableAccessibilityListening();
// Hears every event the table sends, as a screen reader would, also where Qt has no accessibility
// of its platform (offscreen, where Qt delivers no events at all). For tests; empty to stop.
void setTableAccessibilityListener(std::function<void(QAccessibleEvent*)> listener);

} // namespace liorna
