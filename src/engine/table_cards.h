#pragma once
// The cards on the table: a record for each place of the two hands and the trick, with its card and
// how it shows, changed only through the operations here so the two never drift apart. The rules read
// these records; the table the view draws is projected from them once an event is over. Also the
// table's motion: the slot-by-slot redraw of the hands, the veil over refilled cards and the flying
// card back.

#include <array>
#include <cstdint>
#include <functional>

#include "engine/card.h"
#include "engine/table_state.h"
#include "platform/engine_timer.h"
#include "platform/intervals.h"

namespace liorna {

// The rows of places: the two hands, the led cards and the covers on them.
enum class Row : std::uint8_t { Human, Computer, Led, Cover };

using SlotRow = std::array<Slot, HAND_SIZE>;

// One place on the table.
struct TablePlace {
    Slot card;
    // On the table for the player to see; a hidden place counts as free.
    bool shown = false;
    // A human card laid on a led card as its cover: it stays in its slot, drawn see-through, until the
    // trick is settled.
    bool placed = false;
    // False for a placed human card and for a led card that has been covered.
    bool clickable = true;
    // What the place shows; a hidden place keeps its last picture (the computer's keep their back).
    Picture picture;

    bool operator==(const TablePlace&) const = default;
};

class TableCards {
public:
    struct Events {
        // Before each step of a redraw (the first one after a new deal renews the pacing pool).
        std::function<void()> redrawStep;
        // The hands are shown again and the veil has begun; the trick decides what follows.
        std::function<void()> redrawn;
    };
    TableCards(Timers& timers, Events events);

    const TablePlace& at(Row r, std::size_t i) const { return places_[index(r)][i]; }
    const Slot& slot(Row r, std::size_t i) const { return at(r, i).card; }
    // The cards of a row, place by place.
    SlotRow row(Row r) const;
    // The veil lies over the human's place i and takes its clicks.
    bool veiled(std::size_t i) const { return veil_[i].shown; }
    // The face of the computer's card in slot i as the last redraw drew it.
    const Picture& computerCardPicture(std::size_t i) const { return computerCardPictures_[i]; }

    // A card dealt into a hand place; the next redraw shows it.
    void deal(Row hand, std::size_t i, Slot slot);
    // A card laid on a place, shown at once with the given picture.
    void place(Row r, std::size_t i, Slot slot, Picture picture);
    // A card goes from one place to another with the given picture.
    void move(Row from, std::size_t i, Row to, std::size_t j, Picture picture);
    // The place is emptied and hidden.
    void remove(Row r, std::size_t i);
    // Packs a row to the left over its hidden places; each card takes its look with it.
    void pack(Row r);
    // The trick leaves the table.
    void clearTrick();
    // A new deal: every place empty and hidden, the computer's places show the given back.
    void clearDeal(const Picture& back);
    // The computer's places and the flying card show this back.
    void showBack(const Picture& back);
    // The human's faces drawn plain again; one of them, or all.
    void showHandFace(std::size_t i) { human(i).picture = lookUpCardPicture(human(i).card); }
    void redrawHandFaces();
    // The human's card in place i is shown picked, with its selected face.
    void showSelectedFace(std::size_t i) { human(i).picture = selectedFacePicture(human(i).card); }
    // The human's card in place i is laid on a led card as its cover, or taken back into play.
    void layAsCover(std::size_t i);
    void takeBack(std::size_t i);
    // The led card in pair k is covered (it takes no further cover), or free again.
    void setCovered(std::size_t k, bool covered) { places_[index(Row::Led)][k].clickable = !covered; }

    // --- Redraw, veil and flight ---
    void redrawHands();
    void stopRedraw() { renderTimer_.stop(); }
    // The refilled places (the last n of the human's hand) are covered from the moment they show.
    void coverRefilled(int n);
    // `count` given-up cards fly into the human's pile, one after another.
    void startFlights(int count);
    int furtherFlights() const { return furtherFlights_; }
    int redrawStage() const { return redrawStage_; }

    // A new deal stops what still moves: the redraw, the veil and the flying card.
    void cancelPending();
    // A redraw, veil or flight step is still to come.
    bool pending() const { return renderTimer_.active() || veilTimer_.active() || cardFlightStep_.active(); }

    // A hand as a position for tests and the scenario driver: its cards, either shown as a redraw
    // leaves them (the human's faces, the computer's backs, nothing selected or placed) or only dealt,
    // for the next redraw to show.
    struct HandPosition {
        Row hand = Row::Human;
        SlotRow cards{};
        bool shown = true;
        Picture back;
    };
    void setPosition(const HandPosition& position);

    // The rows, the veil and the flying card as the view draws them.
    void project(TableState& table) const;

private:
    // One step of the redraw; true when it was the last.
    bool redrawStep();
    void finishRedraw();
    void veilStep();
    void startCardFlight();
    void cardFlightTick();
    static std::size_t index(Row r) { return static_cast<std::size_t>(r); }
    std::array<TablePlace, HAND_SIZE>& places(Row r) { return places_[index(r)]; }
    TablePlace& human(std::size_t i) { return places_[index(Row::Human)][i]; }

    Events events_;
    // The places, in the order of Row.
    std::array<std::array<TablePlace, HAND_SIZE>, 4> places_{};
    std::array<Picture, HAND_SIZE> computerCardPictures_{};
    struct Veil {
        bool shown = false;
        Picture picture;
    };
    std::array<Veil, HAND_SIZE> veil_{};

    // The redraw's countdown, 11 to 0.
    int redrawStage_ = 0;
    int veilCountdown_ = 25;
    Picture veilPicture_;
    int furtherFlights_ = 0;
    // The flying card: shown, its back, and how many of its steps it has taken; the view places it.
    bool flyingShown_ = false;
    Picture flyingPicture_;
    int flightStep_ = 0;

    EngineTimer renderTimer_;
    EngineTimer veilTimer_;
    EngineTimer cardFlightStep_;
};

} // namespace liorna
