#pragma once
// The table as a scene: the 1024 x 768 logical table scaled uniformly into the window and centred,
// what a point of the scene hits, and which parts of the scene a change of the table state touches.
// Plain data, no Qt, so the mapping and the hit test are tested on their own.

#include <cstdint>
#include <vector>

#include "engine/table_state.h"
#include "ui/table_layout.h"

namespace liorna::scene {

struct Point {
    double x = 0;
    double y = 0;
};

struct Box {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
};

// Window = offset + scale * logical.
struct Mapping {
    double scale = 1;
    double offsetX = 0;
    double offsetY = 0;
};

// The mapping for a client area of this size (device-independent pixels).
Mapping fit(double width, double height);
Point toWindow(const Mapping& m, Point logical);
Point toLogical(const Mapping& m, Point window);
Box windowBox(const Mapping& m, const layout::Rect& logical);

// Edges of a scene rectangle in device pixels, rounded the same way everywhere so neighbours meet
// and pictures land on whole pixels.
struct DeviceRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};
DeviceRect toDevice(const Mapping& m, double dpr, const layout::Rect& logical);

// What a click can land on. An Overlay takes its hand card's clicks and does nothing with them.
// While the last trick is shown again, every click lands on it.
enum class Target : std::uint8_t {
    None,
    HandCard,
    Overlay,
    LedCard,
    Cover,
    Play,
    Discard,
    MenuButton,
    Pile,
    LastTrick
};

struct Hit {
    Target target = Target::None;
    int slot = 0; // 1..5 for cards, 0 otherwise

    friend bool operator==(const Hit&, const Hit&) = default;
};

// The topmost thing at a logical point, as stacked on the table. A shown thing that takes no clicks
// still covers what lies beneath it.
Hit hitTest(const TableState& table, Point logical);

// The logical rectangles whose pixels differ between two table states (the focus ring and the
// refusal sign included); the whole table when the background changed.
std::vector<layout::Rect> changedAreas(const TableState& before, const TableState& after);

// Where the sign of a refused action is drawn; empty (w = 0) for none.
layout::Rect refusalArea(const RefusalSign& refusal);
// What is redrawn while it shows: the sign and the shake of the refused card or button.
layout::Rect refusalRedrawArea(const RefusalSign& refusal);
// Where the flying card lies after the steps it has taken.
inline layout::Rect flyingCardArea(const FlyingCard& card)
{
    return layout::flyingCard(card.step, FLIGHT_STEPS);
}
// The card the keyboard focus stands on, grown by the ring.
layout::Rect focusArea(const KeyboardFocus& focus);

} // namespace liorna::scene
