#pragma once
// The table as data: every widget the engine shows, hides and fills. The table window renders this
// and sends clicks back; a slot whose widget is shown counts as occupied.

#include <array>
#include <string>

#include "platform/picture.h"

namespace liorna {

struct CardView {
    bool shown = false;
    Picture picture;
    // The white of the face drawn transparent; such a card ignores clicks.
    bool seeThrough = false;
    bool clickable = true;

    friend bool operator==(const CardView&, const CardView&) = default;
};

struct PileView {
    // Backs at offsets (0,0), (4,4), (8,8).
    std::array<CardView, 3> backs{};
    bool countShown = true;
    std::string count;
    // The tile its background is painted with; none until it is first painted.
    Picture background;

    friend bool operator==(const PileView&, const PileView&) = default;
};

struct FlyingCard {
    bool shown = false;
    int x = 56;
    int y = 24;
    Picture picture;

    friend bool operator==(const FlyingCard&, const FlyingCard&) = default;
};

inline constexpr const char* ACTION_PLAY = "Пойти";
inline constexpr const char* ACTION_DISCARD = "Сбросить";

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
    std::string actionCaption = ACTION_PLAY;

    Picture trumpSymbol;
    bool trumpAnnouncementShown = false;
    std::string trumpAnnouncement = "Козырь черви";

    bool menusShown = true;
    bool menuButtonShown = false;

    std::string humanScore = "На Вас: 0";
    std::string computerScore = "На сопернике: 0";
    std::string matchTarget = "Игра идёт до:";

    FlyingCard flyingCard;

    // The tile the table canvas is painted with; none until the start-up tick paints it.
    Picture canvas;

    TableState();

    friend bool operator==(const TableState&, const TableState&) = default;
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
