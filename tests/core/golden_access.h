#pragma once
// What the golden deals read and do, in one place: the player's inputs and the values a transcript
// records.

#include <array>
#include <string>

#include "game/game_engine.h"

namespace liorna::golden {

inline std::array<std::string, 5> codes(const std::array<Slot, 5>& row)
{
    std::array<std::string, 5> out;
    for (std::size_t k = 0; k < 5; ++k)
        out[k] = row[k].code();
    return out;
}

inline std::string join(const std::array<std::string, 5>& row)
{
    std::string s;
    for (const auto& c : row)
        s += (s.empty() ? "" : ",") + c;
    return s;
}

inline std::array<std::string, 5> human(const GameEngine& e)
{
    return codes(e.cards().row(Row::Human));
}
inline std::array<std::string, 5> computer(const GameEngine& e)
{
    return codes(e.cards().row(Row::Computer));
}
inline std::array<std::string, 5> led(const GameEngine& e)
{
    return codes(e.cards().row(Row::Led));
}
inline int ledCount(const GameEngine& e)
{
    return e.trick().ledCount();
}
inline int stockCount(const GameEngine& e)
{
    return e.deal().stockCount();
}
inline char trump(const GameEngine& e)
{
    return suitLetter(e.deal().trumpSuit());
}
inline std::string points(const GameEngine& e)
{
    return std::to_string(e.trick().humanTrickPoints()) + "/" +
           std::to_string(e.trick().computerTrickPoints());
}
inline std::string penalties(const GameEngine& e)
{
    return std::to_string(e.match().humanPenalty()) + "/" + std::to_string(e.match().computerPenalty());
}
// A pacing step or chain of the deal is still to come.
inline bool busy(const GameEngine& e)
{
    return e.pacingPending();
}
inline bool phaseIsHumanLeading(const GameEngine& e)
{
    return e.trick().phase() == TurnPhase::HumanLeading;
}
inline bool phaseIsHumanAnswering(const GameEngine& e)
{
    return e.trick().phase() == TurnPhase::HumanAnswering;
}
inline bool covered(const GameEngine& e, int pair)
{
    return e.table().cover[static_cast<std::size_t>(pair - 1)].shown;
}
// A hand card that holds a card and is not yet placed as a cover.
inline bool freeCard(const GameEngine& e, int k)
{
    const auto i = static_cast<std::size_t>(k - 1);
    return e.cards().slot(Row::Human, i).holdsCard() && e.table().humanHand[i].shown &&
           !e.table().humanHand[i].seeThrough;
}
inline int placedCount(const GameEngine& e)
{
    int n = 0;
    for (const auto& view : e.table().cover)
        n += view.shown ? 1 : 0;
    return n;
}

inline void clickHand(GameEngine& e, int k)
{
    e.inputHandCard(k, false);
}
inline void rightClick(GameEngine& e, int k)
{
    e.inputHandCard(k, true);
}
inline void clickLed(GameEngine& e, int k)
{
    e.inputLedCard(k);
}
inline void pressPlay(GameEngine& e)
{
    e.inputPlay();
}
inline void pressDiscard(GameEngine& e)
{
    e.inputDiscard();
}

} // namespace liorna::golden
