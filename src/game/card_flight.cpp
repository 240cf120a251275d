// The flying card back: given-up cards fly from the top-left corner into the human's pile, one after
// another, in ten 30 ms steps each.

#include "game/game_engine.h"

namespace liorna {

void GameEngine::startCardFlight()
{
    auto& card = table_.flyingCard;
    flight_.targetX = 56;
    flight_.targetY = 584;
    card.x = 56;
    card.y = 24;
    // Truncating division, as the steps are whole pixels.
    flight_.stepX = (card.x - flight_.targetX) / 10;
    flight_.stepY = (card.y - flight_.targetY) / 10;
    flight_.stepsLeft = 10;
    cardFlightStep_.start();
}

void GameEngine::cardFlightTick()
{
    auto& card = table_.flyingCard;
    --flight_.stepsLeft;
    card.x -= flight_.stepX;
    card.y -= flight_.stepY;
    if (flight_.stepsLeft > 0)
        return;
    cardFlightStep_.stop();
    card.shown = false;
    if (furtherFlights > 0) {
        --furtherFlights;
        card.shown = true;
        startCardFlight();
    }
}

} // namespace liorna
