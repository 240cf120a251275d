#include "platform/picture.h"

namespace liorna {

namespace {
constexpr PictureSize CARD{71, 96};
const char* const SUIT_LETTERS = "hbpk";
} // namespace

PictureSize pictureSize(const Picture& picture)
{
    switch (picture.kind) {
    case PictureKind::None: return {0, 0};
    case PictureKind::Face:
    case PictureKind::SelectedFace:
    case PictureKind::Blank:
    case PictureKind::Back:
    case PictureKind::Bonus:
    case PictureKind::Cover:
    case PictureKind::SlotOutline:
    case PictureKind::StartAce: return CARD;
    case PictureKind::SuitSymbol: {
        static constexpr PictureSize sizes[4] = {{21, 19}, {17, 19}, {19, 19}, {19, 17}};
        return sizes[picture.index & 3];
    }
    case PictureKind::PlayEmblem:
    case PictureKind::DiscardEmblem: return {43, 40};
    case PictureKind::ArrowRed:
    case PictureKind::ArrowGreen: return {14, 24};
    case PictureKind::Locked: return {97, 81};
    case PictureKind::Tile: return picture.index == 4 ? PictureSize{43, 45} : PictureSize{55, 55};
    case PictureKind::About: {
        static constexpr PictureSize sizes[5] = {{71, 96}, {75, 100}, {79, 104}, {210, 39}, {260, 159}};
        return picture.index >= 1 && picture.index <= 5 ? sizes[picture.index - 1] : PictureSize{};
    }
    }
    return {0, 0};
}

std::string describe(const Picture& picture)
{
    auto code = [](int i) {
        std::string s;
        s += SUIT_LETTERS[(i / 9) & 3];
        s += static_cast<char>('1' + i % 9);
        return s;
    };
    const std::string n = std::to_string(picture.index);
    switch (picture.kind) {
    case PictureKind::None: return "none";
    case PictureKind::Face: return "face " + code(picture.index);
    case PictureKind::SelectedFace: return "selected " + code(picture.index);
    case PictureKind::Blank: return "blank";
    case PictureKind::Back: return "back " + n;
    case PictureKind::Bonus: return "bonus " + n;
    case PictureKind::Cover: return "cover " + n;
    case PictureKind::SuitSymbol: return std::string("suit ") + SUIT_LETTERS[picture.index & 3];
    case PictureKind::SlotOutline: return "outline";
    case PictureKind::PlayEmblem: return "play";
    case PictureKind::DiscardEmblem: return "discard";
    case PictureKind::ArrowRed: return "arrow red " + n;
    case PictureKind::ArrowGreen: return "arrow green " + n;
    case PictureKind::Locked: return "locked";
    case PictureKind::Tile: return "tile " + n;
    case PictureKind::StartAce: return "start ace";
    case PictureKind::About: return "about " + n;
    }
    return "?";
}

} // namespace liorna
