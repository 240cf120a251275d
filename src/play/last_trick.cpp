#include "play/last_trick.h"

#include "platform/texts.h"

namespace liorna {

void LastTrick::toggle()
{
    if (closeIfShown() || !trick_.lastCleared())
        return;
    shown_ = true;
    leadsAtOpen_ = trick_.leads();
    screensAtOpen_ = screensOpened_;
}

bool LastTrick::closeIfShown()
{
    const bool was = shown_;
    shown_ = false;
    return was;
}

void LastTrick::follow(unsigned screensOpened)
{
    screensOpened_ = screensOpened;
    if (shown_ &&
        (trick_.leads() != leadsAtOpen_ || screensOpened != screensAtOpen_ || !trick_.lastCleared()))
        shown_ = false;
}

void LastTrick::project(TableState& table) const
{
    LastTrickView& v = table.lastTrick;
    v = {};
    const auto& record = trick_.lastCleared();
    v.available = record.has_value();
    if (!shown_ || !record)
        return;
    v.shown = true;
    v.count = record->count;
    v.humanTook = record->taker == Seat::Human;
    v.points = record->points;
    v.caption = (v.humanTook ? text::LAST_TRICK_HUMAN_TOOK : text::LAST_TRICK_COMPUTER_TOOK) +
                std::to_string(record->points);
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        if (record->led[k].isEmpty())
            continue;
        v.led[k] = lookUpCardPicture(record->led[k]);
        // Cards given up stay hidden: as many backs as led cards.
        if (record->givenUp)
            v.cover[k] = trick_.pileBack();
        else if (!record->cover[k].isEmpty())
            v.cover[k] = lookUpCardPicture(record->cover[k]);
    }
}

} // namespace liorna
