#pragma once
// How a view hands an event to the core. The program runs it through GameEngine::deliver, which shows a
// UserError in a message box and renders the table after it; a test may run it directly.

#include <functional>

namespace liorna {

using EventBoundary = std::function<void(const std::function<void()>& event)>;

} // namespace liorna
