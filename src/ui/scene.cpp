#include "ui/scene.h"

#include <algorithm>
#include <cmath>

namespace liorna::scene {

namespace {

bool contains(const layout::Rect& r, Point p)
{
    return p.x >= r.x && p.y >= r.y && p.x < r.x + r.w && p.y < r.y + r.h;
}

layout::Rect grown(const layout::Rect& r, int by)
{
    return {r.x - by, r.y - by, r.w + 2 * by, r.h + 2 * by};
}

// A thing that is shown takes the click; if it does not react to clicks, nothing does.
Hit card(const CardView& view, Target target, int slot)
{
    return view.clickable ? Hit{target, slot} : Hit{};
}

} // namespace

Mapping fit(double width, double height)
{
    Mapping m;
    m.scale = std::max(0.0, std::min(width / layout::TABLE_W, height / layout::TABLE_H));
    m.offsetX = (width - layout::TABLE_W * m.scale) / 2;
    m.offsetY = (height - layout::TABLE_H * m.scale) / 2;
    return m;
}

Point toWindow(const Mapping& m, Point logical)
{
    return {m.offsetX + logical.x * m.scale, m.offsetY + logical.y * m.scale};
}

Point toLogical(const Mapping& m, Point window)
{
    if (m.scale <= 0)
        return {};
    return {(window.x - m.offsetX) / m.scale, (window.y - m.offsetY) / m.scale};
}

Box windowBox(const Mapping& m, const layout::Rect& logical)
{
    const Point a = toWindow(m, {double(logical.x), double(logical.y)});
    return {a.x, a.y, logical.w * m.scale, logical.h * m.scale};
}

DeviceRect toDevice(const Mapping& m, double dpr, const layout::Rect& logical)
{
    const Box b = windowBox(m, logical);
    const int x0 = static_cast<int>(std::lround(b.x * dpr));
    const int y0 = static_cast<int>(std::lround(b.y * dpr));
    const int x1 = static_cast<int>(std::lround((b.x + b.w) * dpr));
    const int y1 = static_cast<int>(std::lround((b.y + b.h) * dpr));
    return {x0, y0, x1 - x0, y1 - y0};
}

Hit hitTest(const TableState& t, Point p)
{
    // From the top of the stack down: the score panel and the menu button, the piles, the buttons,
    // the covers over their led cards, the computer's and the human's hands. The flying card, the
    // labels and the placeholders let clicks through.
    if (t.lastTrick.shown)
        return {Target::LastTrick, 0};
    if (contains(layout::SCORE_PANEL, p))
        return {};
    if (t.menuButtonShown && contains(layout::MENU_BUTTON, p))
        return {Target::MenuButton, 0};
    if (contains(layout::STOCK_PILE, p))
        return {};
    // Either pile of taken cards shows the last trick again.
    if (contains(layout::HUMAN_PILE, p) || contains(layout::COMPUTER_PILE, p))
        return {Target::Pile, 0};
    if (t.discardShown && contains(layout::PLAY_BUTTON, p))
        return {Target::Discard, 0};
    if (t.playShown && contains(layout::PLAY_BUTTON, p))
        return {Target::Play, 0};
    for (int k = 5; k >= 1; --k)
        if (t.cover[k - 1].shown && contains(layout::coverCard(k), p))
            return card(t.cover[k - 1], Target::Cover, k);
    for (int k = 5; k >= 1; --k)
        if (t.led[k - 1].shown && contains(layout::ledCard(k), p))
            return card(t.led[k - 1], Target::LedCard, k);
    for (int k = 1; k <= 5; ++k) {
        if (t.computerHand[k - 1].shown && contains(layout::computerSlot(k), p))
            return {};
        if (!contains(layout::humanSlot(k), p))
            continue;
        // The veil lies inside the slot: shown only with its card.
        const CardView& h = t.humanHand[k - 1];
        if (!h.shown)
            return {};
        if (t.overlay[k - 1].shown)
            return {Target::Overlay, k};
        if (h.seeThrough)
            return {};
        return card(h, Target::HandCard, k);
    }
    return {};
}

layout::Rect refusalArea(const RefusalSign& refusal)
{
    const bool card = refusal.slot >= 1 && refusal.slot <= 5;
    switch (refusal.place) {
    case RefusalPlace::None: break;
    case RefusalPlace::HandCard:
        if (card)
            return grown(layout::humanSlot(refusal.slot), layout::RING_MARGIN);
        break;
    case RefusalPlace::LedCard:
        if (card)
            return grown(layout::ledCard(refusal.slot), layout::RING_MARGIN);
        break;
    case RefusalPlace::PlayButton:
    case RefusalPlace::DiscardButton: return grown(layout::PLAY_BUTTON, layout::RING_MARGIN);
    }
    return {0, 0, 0, 0};
}

layout::Rect refusalRedrawArea(const RefusalSign& refusal)
{
    const layout::Rect area = refusalArea(refusal);
    return area.w == 0 ? area : grown(area, layout::SHAKE_PIXELS);
}

layout::Rect focusArea(const KeyboardFocus& focus)
{
    const int k = std::clamp(focus.slot, 1, 5);
    return grown(focus.row == FocusRow::Hand ? layout::humanSlot(k) : layout::ledCard(k),
                 layout::RING_MARGIN);
}

std::vector<layout::Rect> changedAreas(const TableState& a, const TableState& b)
{
    if (a.canvas != b.canvas)
        return {{0, 0, layout::TABLE_W, layout::TABLE_H}};
    std::vector<layout::Rect> out;
    auto when = [&out](bool changed, const layout::Rect& r) {
        if (changed)
            out.push_back(r);
    };
    const int m = layout::RING_MARGIN;
    for (int k = 1; k <= 5; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        when(a.humanHand[i] != b.humanHand[i] || a.overlay[i] != b.overlay[i],
             grown(layout::humanSlot(k), m));
        when(a.computerHand[i] != b.computerHand[i], layout::computerSlot(k));
        when(a.led[i] != b.led[i], grown(layout::ledCard(k), m));
        when(a.cover[i] != b.cover[i], layout::coverCard(k));
    }
    const bool buttons = a.playShown != b.playShown || a.discardShown != b.discardShown;
    when(buttons, layout::PLAY_BUTTON);
    when(a.actionCaption != b.actionCaption, layout::ACTION_CAPTION_AREA);
    when(a.stock != b.stock, layout::STOCK_PILE);
    when(a.humanPile != b.humanPile, layout::HUMAN_PILE);
    when(a.computerPile != b.computerPile, layout::COMPUTER_PILE);
    when(a.trumpSymbol != b.trumpSymbol, layout::TRUMP_SYMBOL);
    when(a.trumpAnnouncementShown != b.trumpAnnouncementShown || a.trumpAnnouncement != b.trumpAnnouncement,
         layout::TRUMP_ANNOUNCEMENT_AREA);
    when(a.menuButtonShown != b.menuButtonShown, layout::MENU_BUTTON);
    when(a.humanScore != b.humanScore || a.computerScore != b.computerScore || a.matchTarget != b.matchTarget,
         layout::SCORE_PANEL);
    if (a.flyingCard != b.flyingCard) {
        out.push_back(flyingCardArea(a.flyingCard));
        out.push_back(flyingCardArea(b.flyingCard));
    }
    if (a.focus != b.focus) {
        when(a.focus.shown, focusArea(a.focus));
        when(b.focus.shown, focusArea(b.focus));
    }
    when(a.hint != b.hint, layout::HINT_AREA);
    when(a.lastTrick != b.lastTrick, layout::LAST_TRICK_PLATE);
    return out;
}

} // namespace liorna::scene
