#pragma once
// The table as data: every widget the engine shows, hides and fills. The table window renders this
// and sends clicks back; a slot whose widget is shown counts as occupied.

#include <array>
#include <cstdint>
#include <string>

#include "platform/picture.h"
#include "platform/texts.h"

namespace liorna {

struct CardView {
    bool shown = false;
    Picture picture;
    // The white of the face drawn transparent; such a card ignores clicks.
    bool seeThrough = false;
    bool clickable = true;

    bool operator==(const CardView&) const = default;
};

struct PileView {
    // Backs at offsets (0,0), (4,4), (8,8).
    std::array<CardView, 3> backs{};
    bool countShown = true;
    std::string count;
    // The tile its background is painted with; none until it is first painted.
    Picture background;

    bool operator==(const PileView&) const = default;
};

// A given-up card flies from the top-left corner into the human's pile in this many steps.
inline constexpr int FLIGHT_STEPS = 10;

struct FlyingCard {
    bool shown = false;
    // Steps taken, 0..FLIGHT_STEPS; the view knows where each step lies.
    int step = 0;
    Picture picture;

    bool operator==(const FlyingCard&) const = default;
};

// The keys that play the table. Each acts through the same input path as the mouse.
enum class TableKey : std::uint8_t {
    Left,
    Right,
    Up,
    Down,
    Space,
    Enter,
    Backspace,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    // Shows the last trick again, or closes it.
    Tab
};

// Where the keyboard focus stands: a hand slot or a led card, 1..5. It is drawn only once a key has
// been used, so a player who uses the mouse never sees it.
enum class FocusRow : std::uint8_t { Hand, Led };
struct KeyboardFocus {
    bool shown = false;
    FocusRow row = FocusRow::Hand;
    int slot = 1;

    bool operator==(const KeyboardFocus&) const = default;
};

// The place of the last refused action, so the view can give a short visual sign there, and why it
// was refused, so the hint line can say it; `serial` grows with every refusal, so two refusals of the
// same card are two signs.
enum class RefusalPlace : std::uint8_t { None, HandCard, LedCard, PlayButton, DiscardButton };
enum class RefusalReason : std::uint8_t {
    None,
    LeadSuit,         // a card of another suit added to the lead being built
    NothingSelected,  // «Пойти» with no card selected
    CoverDoesNotBeat, // the picked card does not beat the led card
    NoCardPicked,     // a led card clicked before a hand card was picked
    DiscardCount,     // «Сбросить» with other than as many picks as led cards left uncovered
};
struct RefusalSign {
    RefusalPlace place = RefusalPlace::None;
    int slot = 0; // 1..5 for a card, 0 for a button
    std::uint32_t serial = 0;
    RefusalReason reason = RefusalReason::None;
    // For DiscardCount: the led cards not yet covered, as many as the give-up needs picked.
    int count = 0;

    bool operator==(const RefusalSign&) const = default;
};

// The last trick of the deal, shown again over the middle of the table on demand: its led cards and,
// under `cover`, the cards that beat them face up or the cards given up as backs.
struct LastTrickView {
    // A trick of this deal has been cleared: Tab or a click on a pile would show it.
    bool available = false;
    bool shown = false;
    int count = 0;
    std::array<Picture, 5> led{};
    std::array<Picture, 5> cover{};
    bool humanTook = false;
    int points = 0;
    std::string caption;

    bool operator==(const LastTrickView&) const = default;
};

struct TableState {
    std::array<CardView, 5> humanHand{};
    std::array<CardView, 5> computerHand{};
    std::array<CardView, 5> led{};
    std::array<CardView, 5> cover{};
    // The veil over refilled human cards; lies over the hand card and takes its clicks while shown.
    std::array<CardView, 5> overlay{};

    PileView stock;
    PileView humanPile;
    PileView computerPile;

    bool playShown = true;
    bool discardShown = false;
    std::string actionCaption = text::ACTION_PLAY;

    Picture trumpSymbol;
    bool trumpAnnouncementShown = false;
    std::string trumpAnnouncement = text::TRUMP_HEARTS;

    bool menusShown = true;
    bool menuButtonShown = false;

    std::string humanScore = text::HUMAN_SCORE_ZERO;
    std::string computerScore = text::COMPUTER_SCORE_ZERO;
    std::string matchTarget = text::MATCH_TARGET_UNSET;

    FlyingCard flyingCard;

    KeyboardFocus focus;
    // One short line saying whose turn it is and what to do; empty before the first deal.
    std::string hint;
    RefusalSign refusal;
    LastTrickView lastTrick;

    // The tile the table canvas is painted with; none until the start-up tick paints it.
    Picture canvas;

    TableState();

    bool operator==(const TableState&) const = default;
};

inline TableState::TableState()
{
    stock.count = "36";
    humanPile.count = "0";
    computerPile.count = "0";
    for (PileView* pile : {&stock, &humanPile, &computerPile})
        for (CardView& back : pile->backs)
            back.shown = true;
}

} // namespace liorna
