// The scene mapping: the logical table scaled into any window, and clicks landing on what is drawn.

#include <gtest/gtest.h>

#include <cmath>

#include "ui/scene.h"

using namespace liorna;
using namespace liorna::scene;

namespace {

struct Screen {
    int width, height; // client area in device pixels
    double dpr;
};

const Screen SCREENS[] = {
    {640, 480, 1},   {640, 445, 1},      {683, 405, 1},     {1366, 660, 1},  {1366, 768, 1.25},
    {1920, 1080, 1}, {1920, 1080, 1.25}, {1920, 1200, 1.5}, {2560, 1440, 2}, {3840, 2160, 1},
    {3840, 2160, 2}, {3840, 2160, 1.25}, {1024, 768, 1},    {2048, 1500, 2}, {800, 1200, 1},
};

// Table pairs and hand slots with every card shown, nothing veiled.
TableState fullTable()
{
    TableState t;
    for (int i = 0; i < 5; ++i) {
        t.humanHand[i].shown = true;
        t.computerHand[i].shown = true;
        t.led[i].shown = true;
    }
    return t;
}

// The device pixel a player clicks when aiming at a logical point, back in logical coordinates.
Point clickAt(const Mapping& m, double dpr, double lx, double ly)
{
    const Point w = toWindow(m, {lx, ly});
    const Point device{std::floor(w.x * dpr) + 0.5, std::floor(w.y * dpr) + 0.5};
    return toLogical(m, {device.x / dpr, device.y / dpr});
}

Point centre(const layout::Rect& r)
{
    return {r.x + r.w / 2.0, r.y + r.h / 2.0};
}

Point hand3Centre()
{
    return centre(layout::humanSlot(3));
}

} // namespace

TEST(SceneMapping, TableFitsEveryWindowCentredAndUniform)
{
    for (const Screen& s : SCREENS) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " @" << s.dpr);
        const double w = s.width / s.dpr;
        const double h = s.height / s.dpr;
        const Mapping m = fit(w, h);
        EXPECT_DOUBLE_EQ(m.scale, std::min(w / 1024, h / 768));
        // Centred: equal margins on each axis, and one axis without margin.
        EXPECT_NEAR(m.offsetX, w - (m.offsetX + 1024 * m.scale), 1e-9);
        EXPECT_NEAR(m.offsetY, h - (m.offsetY + 768 * m.scale), 1e-9);
        EXPECT_GE(m.offsetX, -1e-9);
        EXPECT_GE(m.offsetY, -1e-9);
        EXPECT_TRUE(std::abs(m.offsetX) < 1e-9 || std::abs(m.offsetY) < 1e-9);
        // The score panel's bottom (y = 689) and the hand are inside the window.
        const Box panel = windowBox(m, layout::SCORE_PANEL);
        EXPECT_LE(panel.y + panel.h, h + 1e-9);
        EXPECT_LE(panel.x + panel.w, w + 1e-9);
        // Round trip.
        const Point back = toLogical(m, toWindow(m, {689.5, 123.25}));
        EXPECT_NEAR(back.x, 689.5, 1e-9);
        EXPECT_NEAR(back.y, 123.25, 1e-9);
    }
}

TEST(SceneMapping, DeviceRectsOfNeighboursMeet)
{
    const Mapping m = fit(1366 / 1.25, 768 / 1.25);
    const DeviceRect a = toDevice(m, 1.25, {100, 100, 71, 96});
    const DeviceRect b = toDevice(m, 1.25, {171, 100, 71, 96});
    EXPECT_EQ(a.x + a.w, b.x);
    // Pictures rendered for the final size are the size of their device rectangle, give or take the
    // rounding of the renderer.
    EXPECT_NEAR(a.w, 71 * m.scale * 1.25, 1.0);
    EXPECT_NEAR(a.h, 96 * m.scale * 1.25, 1.0);
}

TEST(SceneHitTest, ClickAtTheCentreOfEverySlotAndPairHitsIt)
{
    TableState t = fullTable();
    for (const Screen& s : SCREENS) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " @" << s.dpr);
        const Mapping m = fit(s.width / s.dpr, s.height / s.dpr);
        for (int k = 1; k <= 5; ++k) {
            const Point hand = centre(layout::humanSlot(k));
            EXPECT_EQ(hitTest(t, clickAt(m, s.dpr, hand.x, hand.y)), (Hit{Target::HandCard, k}));
            const Point led = centre(layout::ledCard(k));
            EXPECT_EQ(hitTest(t, clickAt(m, s.dpr, led.x, led.y)), (Hit{Target::LedCard, k}));
            // A shown cover lies over its led card and wins where they overlap.
            t.cover[k - 1].shown = true;
            EXPECT_EQ(hitTest(t, clickAt(m, s.dpr, led.x, led.y)), (Hit{Target::Cover, k}));
            const Point below{layout::ledCard(k).x + 4.0, layout::ledCard(k).y + 90.0}; // only the led card
            EXPECT_EQ(hitTest(t, clickAt(m, s.dpr, below.x, below.y)), (Hit{Target::LedCard, k}));
            t.cover[k - 1].shown = false;
        }
        const Point play = centre(layout::PLAY_BUTTON);
        EXPECT_EQ(hitTest(t, clickAt(m, s.dpr, play.x, play.y)), (Hit{Target::Play, 0}));
        // A click in a margin beside the table lands on nothing, even level with the hand.
        if (m.offsetX > 1) {
            const Point margin = toLogical(m, {m.offsetX / 2, toWindow(m, hand3Centre()).y});
            EXPECT_LT(margin.x, 0);
            EXPECT_EQ(hitTest(t, margin), Hit{});
        }
    }
}

TEST(SceneHitTest, WhatIsShownAndHowItIsStackedDecides)
{
    struct Case {
        const char* what;
        void (*set)(TableState&);
        Point at;
        Hit expected;
    };
    const Point hand3 = centre(layout::humanSlot(3));
    const Point led2 = centre(layout::ledCard(2));
    const Point play = centre(layout::PLAY_BUTTON);
    const Point menu = centre(layout::MENU_BUTTON);
    const Case cases[] = {
        {"hidden hand card", [](TableState& t) { t.humanHand[2].shown = false; }, hand3, {}},
        {"veiled hand card", [](TableState& t) { t.overlay[2].shown = true; }, hand3, {Target::Overlay, 3}},
        {"see-through hand card", [](TableState& t) { t.humanHand[2].seeThrough = true; }, hand3, {}},
        {"unclickable hand card", [](TableState& t) { t.humanHand[2].clickable = false; }, hand3, {}},
        {"hidden led card", [](TableState& t) { t.led[1].shown = false; }, led2, {}},
        {"hidden cover over a led card",
         [](TableState& t) { t.cover[1].shown = false; },
         led2,
         {Target::LedCard, 2}},
        {"unclickable cover still covers",
         [](TableState& t) {
             t.cover[1].shown = true;
             t.cover[1].clickable = false;
         },
         led2,
         {}},
        {"discard lies over play", [](TableState& t) { t.discardShown = true; }, play, {Target::Discard, 0}},
        {"no button shown", [](TableState& t) { t.playShown = false; }, play, {}},
        {"menu button hidden", [](TableState&) {}, menu, {}},
        {"menu button shown", [](TableState& t) { t.menuButtonShown = true; }, menu, {Target::MenuButton, 0}},
        {"flying card lets clicks through",
         [](TableState& t) {
             // At its start it lies over the menu button's corner.
             t.menuButtonShown = true;
             t.flyingCard = {true, 0, Picture::back(1)};
         },
         {layout::MENU_BUTTON.x + layout::MENU_BUTTON.w - 2,
          layout::MENU_BUTTON.y + layout::MENU_BUTTON.h - 2},
         {Target::MenuButton, 0}},
        {"score panel takes nothing", [](TableState&) {}, centre(layout::SCORE_PANEL), {}},
        {"stock takes nothing", [](TableState&) {}, centre(layout::STOCK_PILE), {}},
        {"human's pile", [](TableState&) {}, centre(layout::HUMAN_PILE), {Target::Pile, 0}},
        {"computer's pile", [](TableState&) {}, centre(layout::COMPUTER_PILE), {Target::Pile, 0}},
        {"the last trick shown again takes a click anywhere",
         [](TableState& t) { t.lastTrick.shown = true; },
         play,
         {Target::LastTrick, 0}},
        {"... even on the score panel",
         [](TableState& t) { t.lastTrick.shown = true; },
         centre(layout::SCORE_PANEL),
         {Target::LastTrick, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TableState t = fullTable();
        c.set(t);
        EXPECT_EQ(hitTest(t, c.at), c.expected);
    }
}

TEST(SceneLayout, TheFlyingCardRunsDownTheLeftEdgeIntoTheHumansPile)
{
    for (int step = 0; step <= FLIGHT_STEPS; ++step) {
        const layout::Rect r = flyingCardArea({true, step, Picture::back(1)});
        EXPECT_EQ(r.x, 56) << step;
        EXPECT_EQ(r.y, 24 + 56 * step) << step;
    }
    // Its last step ends on the pile's top back.
    const layout::Rect last = flyingCardArea({true, FLIGHT_STEPS, Picture::back(1)});
    EXPECT_EQ(last.x, layout::HUMAN_PILE.x);
    EXPECT_EQ(last.y, layout::HUMAN_PILE.y);
}

TEST(SceneChanges, OnlyWhatChangedIsRepainted)
{
    const TableState before = fullTable();
    TableState after = before;
    EXPECT_TRUE(changedAreas(before, after).empty());

    after.humanHand[1].picture = Picture::selectedFace(4);
    auto areas = changedAreas(before, after);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].x, layout::humanSlot(2).x - layout::RING_MARGIN);

    // Moving the focus repaints where the ring was and where it goes.
    TableState focused = before;
    focused.focus = {true, FocusRow::Hand, 1};
    TableState moved = focused;
    moved.focus = {true, FocusRow::Led, 4};
    areas = changedAreas(focused, moved);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0].y, layout::humanSlot(1).y - layout::RING_MARGIN);
    EXPECT_EQ(areas[1].x, layout::ledCard(4).x - layout::RING_MARGIN);

    // A new background repaints the whole table.
    after = before;
    after.canvas = Picture::tile(2);
    areas = changedAreas(before, after);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].w, layout::TABLE_W);
}

TEST(SceneChanges, RefusalSignsStandWhereTheActionWasRefused)
{
    EXPECT_EQ(refusalArea({RefusalPlace::None, 0, 1}).w, 0);
    EXPECT_EQ(refusalArea({RefusalPlace::HandCard, 0, 1}).w, 0); // no such slot
    const layout::Rect hand = refusalArea({RefusalPlace::HandCard, 4, 2});
    EXPECT_EQ(hand.x, layout::humanSlot(4).x - layout::RING_MARGIN);
    const layout::Rect led = refusalArea({RefusalPlace::LedCard, 2, 3});
    EXPECT_EQ(led.y, layout::ledCard(2).y - layout::RING_MARGIN);
    EXPECT_EQ(refusalArea({RefusalPlace::DiscardButton, 0, 4}).x,
              layout::PLAY_BUTTON.x - layout::RING_MARGIN);
}
