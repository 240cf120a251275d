#include "engine/card.h"
#include "platform/texts.h"

namespace liorna {

char suitLetter(Suit suit)
{
    return "hbpk"[static_cast<int>(suit)];
}

std::optional<Suit> suitFromLetter(char letter)
{
    switch (letter) {
    case 'h': return Suit::Hearts;
    case 'b': return Suit::Diamonds;
    case 'p': return Suit::Spades;
    case 'k': return Suit::Clubs;
    default: return std::nullopt;
    }
}

const char* suitName(Suit suit)
{
    static constexpr const char* names[] = {text::SUIT_HEARTS, text::SUIT_DIAMONDS, text::SUIT_SPADES,
                                            text::SUIT_CLUBS};
    return names[static_cast<int>(suit)];
}

std::string Card::code() const
{
    return {suitLetter(suit), static_cast<char>('0' + rank)};
}

std::optional<Card> Card::fromCode(const std::string& code)
{
    if (code.size() != 2 || code[1] < '1' || code[1] > '9')
        return std::nullopt;
    const auto suit = suitFromLetter(code[0]);
    if (!suit)
        return std::nullopt;
    return Card{*suit, code[1] - '0'};
}

int cardPoints(int rank)
{
    static constexpr int points[] = {0, 0, 0, 0, 0, 2, 3, 4, 10, 11};
    return rank >= 1 && rank <= 9 ? points[rank] : 0;
}

std::string Slot::code() const
{
    switch (state) {
    case State::Empty: return ".";
    case State::Exhausted: return "+";
    case State::Held: return card.code();
    }
    return "?";
}

Picture lookUpCardPicture(const Slot& slot)
{
    return slot.holdsCard() ? Picture::face(slot.card.deckIndex()) : Picture::blank();
}

Picture selectedFacePicture(const Slot& slot)
{
    return slot.holdsCard() ? Picture::selectedFace(slot.card.deckIndex()) : Picture::blank();
}

} // namespace liorna
