#pragma once
// The cards on the table: what each place of the two hands and the trick holds, and how the table
// shows it. A place's card and its view change together, only through the operations here, so the two
// never drift apart. Also the table's motion: the slot-by-slot redraw of the hands, the veil over
// refilled cards and the flying card back.

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

class TableCards {
public:
    struct Events {
        // Before each step of a redraw (the first one after a new deal renews the pacing pool).
        std::function<void()> redrawStep;
        // The hands are shown again and the veil has begun; the trick decides what follows.
        std::function<void()> redrawn;
    };
    TableCards(TableState& table, Timers& timers, Events events);

    const SlotRow& row(Row r) const { return rows_[index(r)]; }
    const Slot& slot(Row r, std::size_t i) const { return rows_[index(r)][i]; }
    const CardView& view(Row r, std::size_t i) const { return views(r)[i]; }
    // How a place looks: its picture, see-through and clickable state. Whether it is shown is left out:
    // that changes only with its card.
    struct Look {
        Picture& picture;
        bool& seeThrough;
        bool& clickable;
    };
    Look look(Row r, std::size_t i)
    {
        CardView& view = views(r)[i];
        return {view.picture, view.seeThrough, view.clickable};
    }
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
    void showHandFace(std::size_t i) { humanViews()[i].picture = lookUpCardPicture(rows_[0][i]); }
    void redrawHandFaces();

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

private:
    // One step of the redraw; true when it was the last.
    bool redrawStep();
    void finishRedraw();
    void veilStep();
    void startCardFlight();
    void cardFlightTick();
    static std::size_t index(Row r) { return static_cast<std::size_t>(r); }
    std::array<CardView, HAND_SIZE>& views(Row r) { return *views_[index(r)]; }
    const std::array<CardView, HAND_SIZE>& views(Row r) const { return *views_[index(r)]; }
    std::array<CardView, HAND_SIZE>& humanViews() { return table_.humanHand; }

    TableState& table_;
    Events events_;
    std::array<SlotRow, 4> rows_{};
    // The table's views of the rows, in the order of Row.
    std::array<std::array<CardView, HAND_SIZE>*, 4> views_;
    std::array<Picture, HAND_SIZE> computerCardPictures_{};

    // The redraw's countdown, 11 to 0.
    int redrawStage_ = 0;
    int veilCountdown_ = 25;
    Picture veilPicture_;
    int furtherFlights_ = 0;
    struct Flight {
        int targetX = 56, targetY = 584;
        int stepX = 0, stepY = 0;
        int stepsLeft = 0;
    } flight_;

    EngineTimer renderTimer_;
    EngineTimer veilTimer_;
    EngineTimer cardFlightStep_;
};

} // namespace liorna
