#pragma once
// Whether the display composites windows, so a window may have see-through pixels of its own.

namespace liorna {

// True on Wayland, and on X11 while a compositing manager runs; false elsewhere (a bare X server, the
// offscreen platform), where only a window's shape can leave pixels undrawn.
bool displayComposites();

} // namespace liorna
