#include "engine/table_cards.h"

namespace liorna {

TableCards::TableCards(Timers& timers, Events events)
    : events_(std::move(events)), renderTimer_(timers, interval::RENDER,
                                               [this] {
                                                   // Told once the redraw has finished, so what follows finds
                                                   // the table settled.
                                                   if (redrawStep() && events_.redrawn)
                                                       events_.redrawn();
                                               }),
      veilTimer_(timers, interval::VEIL, [this] { veilStep(); }),
      cardFlightStep_(timers, interval::CARD_FLIGHT, [this] { cardFlightTick(); })
{
}

SlotRow TableCards::row(Row r) const
{
    SlotRow cards{};
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        cards[k] = at(r, k).card;
    return cards;
}

void TableCards::deal(Row hand, std::size_t i, Slot slot)
{
    places(hand)[i].card = slot;
}

void TableCards::place(Row r, std::size_t i, Slot slot, Picture picture)
{
    TablePlace& p = places(r)[i];
    p.card = slot;
    p.picture = picture;
    p.shown = true;
}

void TableCards::move(Row from, std::size_t i, Row to, std::size_t j, Picture picture)
{
    place(to, j, places(from)[i].card, picture);
    remove(from, i);
}

void TableCards::remove(Row r, std::size_t i)
{
    TablePlace& p = places(r)[i];
    p.card = Slot::empty();
    p.shown = false;
}

void TableCards::layAsCover(std::size_t i)
{
    human(i).placed = true;
    human(i).clickable = false;
}

void TableCards::takeBack(std::size_t i)
{
    human(i).placed = false;
    human(i).clickable = true;
}

void TableCards::pack(Row r)
{
    // Passes examine the pairs from the right, so a card can travel several places in one pass; they
    // repeat until one moves nothing, which for a row of five is after a few passes at most.
    auto& row = places(r);
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t k = HAND_SIZE - 1; k-- > 0;) {
            TablePlace& here = row[k];
            TablePlace& next = row[k + 1];
            if (here.shown || !next.shown)
                continue;
            // The card takes its record with it: a placed cover belongs to that card, not to the place
            // it leaves. The place left keeps the picture, as a hidden place does.
            here = next;
            next.card = Slot::empty();
            next.shown = false;
            next.placed = false;
            next.clickable = true;
            moved = true;
        }
    }
}

void TableCards::clearTrick()
{
    for (Row r : {Row::Led, Row::Cover})
        for (TablePlace& p : places(r)) {
            p.card = Slot::empty();
            p.shown = false;
            p.clickable = true;
        }
    for (TablePlace& p : places(Row::Human)) {
        p.placed = false;
        p.clickable = true;
    }
    computerCardPictures_ = {};
}

void TableCards::clearDeal(const Picture& back)
{
    computerCardPictures_ = {};
    for (Row r : {Row::Human, Row::Computer, Row::Led, Row::Cover})
        for (TablePlace& p : places(r)) {
            p.card = Slot::empty();
            p.shown = false;
            p.clickable = true;
        }
    for (TablePlace& p : places(Row::Human)) {
        p.picture = Picture::none();
        p.placed = false;
    }
    for (TablePlace& p : places(Row::Computer))
        p.picture = back;
}

void TableCards::showBack(const Picture& back)
{
    for (TablePlace& p : places(Row::Computer))
        p.picture = back;
    flyingPicture_ = back;
}

void TableCards::cancelPending()
{
    renderTimer_.stop();
    veilTimer_.stop();
    cardFlightStep_.stop();
    for (Veil& v : veil_)
        v.shown = false;
    flyingShown_ = false;
    furtherFlights_ = 0;
}

void TableCards::setPosition(const HandPosition& position)
{
    const auto r = position.hand;
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        places(r)[k].card = position.cards[k];
    if (!position.shown)
        return;
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        const Slot& slot = position.cards[k];
        TablePlace& p = places(r)[k];
        p.shown = !slot.isEmpty();
        p.placed = false;
        p.clickable = true;
        if (r == Row::Computer) {
            p.picture = position.back;
            computerCardPictures_[k] = lookUpCardPicture(slot);
        } else {
            p.picture = lookUpCardPicture(slot);
        }
    }
}

void TableCards::redrawHandFaces()
{
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        showHandFace(k);
}

void TableCards::project(TableState& table) const
{
    const std::array<std::array<CardView, HAND_SIZE>*, 4> views{&table.humanHand, &table.computerHand,
                                                                &table.led, &table.cover};
    for (Row r : {Row::Human, Row::Computer, Row::Led, Row::Cover})
        for (std::size_t k = 0; k < HAND_SIZE; ++k) {
            const TablePlace& p = at(r, k);
            // Only a placed human card is drawn see-through; it and a covered led card take no click.
            (*views[index(r)])[k] = {p.shown, p.picture, p.placed, p.clickable};
        }
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        CardView& overlay = table.overlay[k];
        overlay.shown = veil_[k].shown;
        overlay.picture = veil_[k].picture;
    }
    table.flyingCard = {flyingShown_, flightStep_, flyingPicture_};
}

// --- The slot-by-slot redraw ---

void TableCards::redrawHands()
{
    redrawStage_ = 11;
    renderTimer_.start();
}

bool TableCards::redrawStep()
{
    renderTimer_.stop();
    --redrawStage_;
    if (events_.redrawStep)
        events_.redrawStep();
    // 10..6 are human slots 1..5, 5..1 computer slots 1..5; the computer's slots keep their backs.
    if (redrawStage_ >= 6 && redrawStage_ <= 10) {
        showHandFace(static_cast<std::size_t>(10 - redrawStage_));
    } else if (redrawStage_ >= 1 && redrawStage_ <= 5) {
        const auto k = static_cast<std::size_t>(5 - redrawStage_);
        computerCardPictures_[k] = lookUpCardPicture(slot(Row::Computer, k));
    }
    if (redrawStage_ > 0) {
        renderTimer_.start();
        return false;
    }
    finishRedraw();
    return true;
}

void TableCards::finishRedraw()
{
    redrawStage_ = 0;
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        places(Row::Human)[k].shown = true;
        places(Row::Computer)[k].shown = !slot(Row::Computer, k).isEmpty();
    }
    veilCountdown_ = 25;
    veilTimer_.start();
}

// --- The veil over refilled places ---

void TableCards::coverRefilled(int n)
{
    for (int k = HAND_SIZE - n; k < HAND_SIZE; ++k)
        veil_[static_cast<std::size_t>(k)] = {true, Picture::cover(1)};
}

void TableCards::veilStep()
{
    --veilCountdown_;
    if (veilCountdown_ >= 16 && veilCountdown_ <= 24)
        veilPicture_ = Picture::cover(26 - veilCountdown_);
    if (veilCountdown_ <= 16) {
        veilTimer_.stop();
        for (Veil& v : veil_)
            v.shown = false;
    }
    for (Veil& v : veil_)
        v.picture = veilPicture_;
}

// --- The flying card back: from the top-left corner into the human's pile, in FLIGHT_STEPS steps each ---

void TableCards::startFlights(int count)
{
    furtherFlights_ = count - 1;
    flyingShown_ = true;
    startCardFlight();
}

void TableCards::startCardFlight()
{
    flightStep_ = 0;
    cardFlightStep_.start();
}

void TableCards::cardFlightTick()
{
    ++flightStep_;
    if (flightStep_ < FLIGHT_STEPS)
        return;
    cardFlightStep_.stop();
    flyingShown_ = false;
    if (furtherFlights_ > 0) {
        --furtherFlights_;
        flyingShown_ = true;
        startCardFlight();
    }
}

} // namespace liorna
