#pragma once
// Where everything on the table lies, in the coordinates of the 1024 x 768 logical scene; the view
// scales the scene to the window.

namespace liorna::layout {

struct Rect {
    int x, y, w, h;
};

inline constexpr int CARD_W = 71;
inline constexpr int CARD_H = 96;
inline constexpr int TABLE_W = 1024;
inline constexpr int TABLE_H = 768;

inline constexpr Rect computerSlot(int k)
{
    return {240 + 104 * (k - 1), 24, CARD_W, CARD_H};
}
inline constexpr Rect humanSlot(int k)
{
    return {240 + 104 * (k - 1), 576, CARD_W, CARD_H};
}
inline constexpr Rect ledCard(int k)
{
    return {216 + 112 * (k - 1), 312, CARD_W, CARD_H};
}
inline constexpr Rect coverCard(int k)
{
    return {232 + 112 * (k - 1), 280, CARD_W, CARD_H};
}

// The flying card goes from the top-left corner into the human's pile in `steps` whole-pixel steps
// (the step truncated), so after its last step it lies where the last step left it.
inline constexpr Rect FLIGHT_FROM{56, 24, CARD_W, CARD_H};
inline constexpr Rect FLIGHT_TO{56, 584, CARD_W, CARD_H};
inline constexpr Rect flyingCard(int step, int steps)
{
    return {FLIGHT_FROM.x + (FLIGHT_TO.x - FLIGHT_FROM.x) / steps * step,
            FLIGHT_FROM.y + (FLIGHT_TO.y - FLIGHT_FROM.y) / steps * step, CARD_W, CARD_H};
}

inline constexpr Rect PLAY_BUTTON{736, 528, 43, 40};
inline constexpr Rect ACTION_CAPTION{728, 504, 46, 17};
inline constexpr Rect STOCK_PILE{856, 256, 81, 105};
inline constexpr Rect HUMAN_PILE{56, 584, 79, 104};
inline constexpr Rect COMPUTER_PILE{808, 8, 81, 105};
inline constexpr Rect TRUMP_SYMBOL{936, 360, 25, 25};
inline constexpr Rect TRUMP_ANNOUNCEMENT{296, 304, 371, 73};
inline constexpr Rect MENU_BUTTON{8, 8, 57, 25};
inline constexpr Rect SCORE_PANEL{816, 584, 193, 105};
inline constexpr Rect DESIGN_WINDOW{244, 188, 708, 445};
// The window can shrink this far and the table still reads.
inline constexpr int MIN_WINDOW_W = 640;
inline constexpr int MIN_WINDOW_H = 400;

// What the texts take beyond their nominal places: "Сбросить" and the longest trump announcement in
// our serif are wider than the places the design gives them.
inline constexpr Rect ACTION_CAPTION_AREA{728, 504, 80, 21};
inline constexpr Rect TRUMP_ANNOUNCEMENT_AREA{296, 304, 520, 73};
// The hint line: in the free band between the table pairs (down to y = 408) and the human's hand
// (from y = 576), centred under the hand and clear of the play button and its caption (x >= 728).
inline constexpr Rect HINT_AREA{232, 476, 488, 28};
// The focus ring and the refusal sign are drawn this far outside their card.
inline constexpr int RING_MARGIN = 5;
// A refused card or button shakes this far to each side, inside the place redrawn for its sign.
inline constexpr int SHAKE_PIXELS = 4;

// The last trick shown again: a plate over the middle of the table, clear of the piles and the hint
// line, with who took it on top, the pairs as they lay on the table (the cover up and to the right of
// its led card) centred under it, and how to close it at the foot.
inline constexpr Rect LAST_TRICK_PLATE{184, 196, 656, 248};
inline constexpr Rect LAST_TRICK_CAPTION{184, 204, 656, 30};
inline constexpr Rect LAST_TRICK_FOOT{184, 412, 656, 24};
inline constexpr int LAST_TRICK_PITCH = 112;
inline constexpr Rect lastTrickLed(int k, int count)
{
    const int width = LAST_TRICK_PITCH * (count - 1) + CARD_W + 16;
    return {TABLE_W / 2 - width / 2 + LAST_TRICK_PITCH * (k - 1), 306, CARD_W, CARD_H};
}
inline constexpr Rect lastTrickCover(int k, int count)
{
    const Rect led = lastTrickLed(k, count);
    return {led.x + 16, led.y - 32, CARD_W, CARD_H};
}

// Inside a pile: the backs at (0,0), (4,4), (8,8) and the count label.
inline constexpr int PILE_BACK_OFFSET = 4;
inline constexpr int STOCK_COUNT_X = 24;
inline constexpr int PILE_COUNT_X = 32;
inline constexpr int PILE_COUNT_Y = 40;

// Inside the score panel.
inline constexpr int SCORE_X = 8;
inline constexpr int SCORE_Y[3] = {16, 40, 72};

} // namespace liorna::layout
