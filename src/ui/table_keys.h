#pragma once
// The keys of the table: which Qt keys play it, and which of them may repeat while held.

#include <optional>

#include "engine/table_state.h"

class QKeyEvent;

namespace liorna {

// The table's key for a key press, or none for a key that belongs to the window (its shortcuts).
std::optional<TableKey> tableKey(const QKeyEvent* event);
// An arrow: holding it walks on, where holding an action key acts once.
bool moves(TableKey key);

} // namespace liorna
