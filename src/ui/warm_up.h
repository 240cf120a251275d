#pragma once
// Start-up work that needs no GUI thread, begun beside it while the start screen is being made.

#include <QtGlobal>

namespace liorna {

// On a worker thread: the font configuration's first use (it reads every font's description), the
// faces the table and the start screen write with, and the start screen's ace at the screen's `dpr`.
// The start screen's first paint then finds them ready, or waits only for what is left.
void warmUp(qreal dpr);

} // namespace liorna
