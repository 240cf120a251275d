#pragma once
// How a view hands an event to the core. The program runs it through GameEngine::deliver, which shows a
// UserError in a message box and renders the table after it; a test may run it directly.

#include <functional>

namespace liorna {

using EventBoundary = std::function<void(const std::function<void()>& event)>;

// Runs the event through the boundary, or directly when there is none (a view under test).
inline void runEvent(const EventBoundary& deliver, const std::function<void()>& event)
{
    if (deliver)
        deliver(event);
    else
        event();
}

} // namespace liorna
