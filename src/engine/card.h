#pragma once
// Cards, hand slots and the fixed deck order.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/picture.h"

namespace liorna {

// In deck order: черви, буби, пики, крести; the letters are those of the card codes.
enum class Suit : std::uint8_t { Hearts, Diamonds, Spades, Clubs };

inline constexpr std::array<Suit, 4> ALL_SUITS{Suit::Hearts, Suit::Diamonds, Suit::Spades, Suit::Clubs};

char suitLetter(Suit suit);
std::optional<Suit> suitFromLetter(char letter);
// "черви", "буби", "пики", "крести"
const char* suitName(Suit suit);

// Rank digits 1..9: six, seven, eight, nine, jack, queen, king, ten, ace.
struct Card {
    Suit suit = Suit::Hearts;
    int rank = 1;

    bool operator==(const Card&) const = default;

    // Position in the fresh deck, 0 (h1) .. 35 (k9).
    int deckIndex() const { return static_cast<int>(suit) * 9 + (rank - 1); }
    static Card fromDeckIndex(int index) { return {static_cast<Suit>(index / 9), index % 9 + 1}; }
    std::string code() const;
    static std::optional<Card> fromCode(const std::string& code);
};

// Who leads the current trick; the stored form is 1 for the human and 2 for the computer.
enum class Seat : std::uint8_t { Human = 1, Computer = 2 };

inline constexpr int DECK_SIZE = 36;
inline constexpr int HAND_SIZE = 5;
inline constexpr int DECK_POINTS = 120;

int cardPoints(int rank);

// What a hand slot or table place holds: nothing (EMPTY_SLOT), the mark of a draw that found the
// stock empty (EXHAUSTED_MARK), or a card.
struct Slot {
    enum class State : std::uint8_t { Empty, Exhausted, Held };
    State state = State::Empty;
    Card card{};

    bool operator==(const Slot&) const = default;

    static Slot empty() { return {}; }
    static Slot exhausted() { return {State::Exhausted, {}}; }
    static Slot held(Card c) { return {State::Held, c}; }
    bool isEmpty() const { return state == State::Empty; }
    bool isExhausted() const { return state == State::Exhausted; }
    bool holdsCard() const { return state == State::Held; }
    // "h1" .. "k9", "." for EMPTY_SLOT, "+" for EXHAUSTED_MARK.
    std::string code() const;
};

// The card points of what a slot holds; an empty or exhausted slot counts nothing.
inline int slotPoints(const Slot& slot)
{
    return slot.holdsCard() ? cardPoints(slot.card.rank) : 0;
}

// The stored forms of the marks where a value must be shown or stored.
inline constexpr const char* EMPTY_SLOT = "100";
inline constexpr const char* TAKEN_MARK = "+++++";
inline constexpr const char* EXHAUSTED_MARK = "+";
inline constexpr int TRUMP_MARK = 90;

// The face of a slot's card; anything that is no card gives the blank card.
Picture lookUpCardPicture(const Slot& slot);
Picture selectedFacePicture(const Slot& slot);

} // namespace liorna
