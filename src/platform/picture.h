#pragma once
// A picture is a value naming what a widget shows; only the Qt layer turns it into pixels.

#include <cstdint>
#include <string>

namespace liorna {

enum class PictureKind : std::uint8_t {
    None,          // no content: a widget given it shows nothing
    Face,          // plain card face, index 0..35 in deck order h1..k9
    SelectedFace,  // the same face with its top right corner turned down
    Blank,         // green card with a white rounded border: no card, emptied stock
    Back,          // built-in card back 1..15
    Bonus,         // bonus picture 1..20 (card backs 16..35 once completed)
    Cover,         // reveal cover frame 0..10
    SuitSymbol,    // 0 hearts, 1 diamonds, 2 spades, 3 clubs
    SlotOutline,   // green card-shaped outline under an empty slot
    PlayEmblem,    // blue round emblem of the play button
    DiscardEmblem, // red round emblem of the discard button
    ArrowRed,      // index 0 left, 1 right
    ArrowGreen,    // index 0 left, 1 right
    Locked,        // placeholder of a locked bonus picture
    Tile,          // background tile 1..4
    StartAce,      // the start screen's ace of hearts with the turned corner
    About,         // about box pictures 1..5
};

struct Picture {
    PictureKind kind = PictureKind::None;
    int index = 0;

    friend bool operator==(const Picture&, const Picture&) = default;

    static constexpr Picture none() { return {}; }
    static constexpr Picture face(int i) { return {PictureKind::Face, i}; }
    static constexpr Picture selectedFace(int i) { return {PictureKind::SelectedFace, i}; }
    static constexpr Picture blank() { return {PictureKind::Blank, 0}; }
    static constexpr Picture back(int n) { return {PictureKind::Back, n}; }
    static constexpr Picture bonus(int n) { return {PictureKind::Bonus, n}; }
    static constexpr Picture cover(int n) { return {PictureKind::Cover, n}; }
    static constexpr Picture suitSymbol(int s) { return {PictureKind::SuitSymbol, s}; }
    static constexpr Picture tile(int n) { return {PictureKind::Tile, n}; }
    static constexpr Picture of(PictureKind k, int i = 0) { return {k, i}; }
};

// Logical size in pixels of a picture (device-independent).
struct PictureSize {
    int width = 0;
    int height = 0;
};

PictureSize pictureSize(const Picture& picture);

// Short readable name, for test failures and the scenario driver ("face h1", "back 3").
std::string describe(const Picture& picture);

} // namespace liorna
