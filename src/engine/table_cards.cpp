#include "engine/table_cards.h"

namespace liorna {

TableCards::TableCards(TableState& table, Timers& timers, Events events)
    : table_(table),
      events_(std::move(events)), views_{&table.humanHand, &table.computerHand, &table.led, &table.cover},
      renderTimer_(timers, interval::RENDER,
                   [this] {
                       // Told once the redraw has finished, so what follows finds the table settled.
                       if (redrawStep() && events_.redrawn)
                           events_.redrawn();
                   }),
      veilTimer_(timers, interval::VEIL, [this] { veilStep(); }),
      cardFlightStep_(timers, interval::CARD_FLIGHT, [this] { cardFlightTick(); })
{
}

void TableCards::deal(Row hand, std::size_t i, Slot slot)
{
    rows_[index(hand)][i] = slot;
}

void TableCards::place(Row r, std::size_t i, Slot slot, Picture picture)
{
    rows_[index(r)][i] = slot;
    CardView& view = views(r)[i];
    view.picture = picture;
    view.shown = true;
}

void TableCards::move(Row from, std::size_t i, Row to, std::size_t j, Picture picture)
{
    place(to, j, rows_[index(from)][i], picture);
    remove(from, i);
}

void TableCards::remove(Row r, std::size_t i)
{
    rows_[index(r)][i] = Slot::empty();
    views(r)[i].shown = false;
}

void TableCards::pack(Row r)
{
    // Passes examine the pairs from the right, so a card can travel several places in one pass; they
    // repeat until one moves nothing, which for a row of five is after a few passes at most.
    auto& slots = rows_[index(r)];
    auto& row = views(r);
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t k = HAND_SIZE - 1; k-- > 0;) {
            CardView& here = row[k];
            CardView& next = row[k + 1];
            if (here.shown || !next.shown)
                continue;
            // The card takes its look with it: a placed cover's see-through state belongs to that card,
            // not to the place it leaves.
            slots[k] = slots[k + 1];
            slots[k + 1] = Slot::empty();
            here = next;
            next.shown = false;
            next.seeThrough = false;
            next.clickable = true;
            moved = true;
        }
    }
}

void TableCards::clearTrick()
{
    for (Row r : {Row::Led, Row::Cover}) {
        rows_[index(r)] = {};
        for (CardView& view : views(r)) {
            view.shown = false;
            view.clickable = true;
        }
    }
    for (CardView& view : table_.humanHand) {
        view.seeThrough = false;
        view.clickable = true;
    }
    computerCardPictures_ = {};
}

void TableCards::clearDeal(const Picture& back)
{
    rows_ = {};
    computerCardPictures_ = {};
    for (Row r : {Row::Human, Row::Computer, Row::Led, Row::Cover})
        for (CardView& view : views(r)) {
            view.shown = false;
            view.clickable = true;
        }
    for (CardView& view : table_.humanHand) {
        view.picture = Picture::none();
        view.seeThrough = false;
    }
    for (CardView& view : table_.computerHand)
        view.picture = back;
}

void TableCards::showBack(const Picture& back)
{
    for (CardView& view : table_.computerHand)
        view.picture = back;
    table_.flyingCard.picture = back;
}

void TableCards::cancelPending()
{
    renderTimer_.stop();
    veilTimer_.stop();
    cardFlightStep_.stop();
    for (auto& overlay : table_.overlay)
        overlay.shown = false;
    table_.flyingCard.shown = false;
    furtherFlights_ = 0;
}

void TableCards::setPosition(const HandPosition& position)
{
    const auto r = position.hand;
    rows_[index(r)] = position.cards;
    if (!position.shown)
        return;
    for (std::size_t k = 0; k < HAND_SIZE; ++k) {
        const Slot& slot = position.cards[k];
        CardView& view = views(r)[k];
        view.shown = !slot.isEmpty();
        view.seeThrough = false;
        view.clickable = true;
        if (r == Row::Computer) {
            view.picture = position.back;
            computerCardPictures_[k] = lookUpCardPicture(slot);
        } else {
            view.picture = lookUpCardPicture(slot);
        }
    }
}

void TableCards::redrawHandFaces()
{
    for (std::size_t k = 0; k < HAND_SIZE; ++k)
        showHandFace(k);
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
        computerCardPictures_[k] = lookUpCardPicture(rows_[index(Row::Computer)][k]);
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
        table_.humanHand[k].shown = true;
        table_.computerHand[k].shown = !rows_[index(Row::Computer)][k].isEmpty();
    }
    veilCountdown_ = 25;
    veilTimer_.start();
}

// --- The veil over refilled places ---

void TableCards::coverRefilled(int n)
{
    for (int k = HAND_SIZE - n; k < HAND_SIZE; ++k) {
        table_.overlay[static_cast<std::size_t>(k)].shown = true;
        table_.overlay[static_cast<std::size_t>(k)].picture = Picture::cover(1);
    }
}

void TableCards::veilStep()
{
    --veilCountdown_;
    if (veilCountdown_ >= 16 && veilCountdown_ <= 24)
        veilPicture_ = Picture::cover(26 - veilCountdown_);
    if (veilCountdown_ <= 16) {
        veilTimer_.stop();
        for (auto& overlay : table_.overlay)
            overlay.shown = false;
    }
    for (auto& overlay : table_.overlay)
        overlay.picture = veilPicture_;
}

// --- The flying card back: from the top-left corner into the human's pile, ten 30 ms steps each ---

void TableCards::startFlights(int count)
{
    furtherFlights_ = count - 1;
    table_.flyingCard.shown = true;
    startCardFlight();
}

void TableCards::startCardFlight()
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

void TableCards::cardFlightTick()
{
    auto& card = table_.flyingCard;
    --flight_.stepsLeft;
    card.x -= flight_.stepX;
    card.y -= flight_.stepY;
    if (flight_.stepsLeft > 0)
        return;
    cardFlightStep_.stop();
    card.shown = false;
    if (furtherFlights_ > 0) {
        --furtherFlights_;
        card.shown = true;
        startCardFlight();
    }
}

} // namespace liorna
