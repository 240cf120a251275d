#pragma once
// Every picture of the game is drawn here by code; nothing is loaded from image files.

#include <QImage>

#include <cstdint>

#include "platform/picture.h"

namespace liorna::art {

// How the suits are inked. Four colours (hearts red, diamonds blue, clubs green, spades black) tell
// every suit apart for a player who cannot tell red from black, or spades from clubs at a glance.
enum class DeckPalette : std::uint8_t { TwoColour, FourColour };

// Renders the picture at its logical size times dpr, Format_ARGB32_Premultiplied,
// with setDevicePixelRatio(dpr) so a QLabel/QPainter shows it at its logical size, crisp on 2x screens.
// Needs a QGuiApplication (text is drawn with system fonts). A null image for None or an unknown index.
QImage render(const Picture& picture, qreal dpr = 1.0, DeckPalette palette = DeckPalette::TwoColour);

// The same picture with the white of a card face turned transparent (the "see-through" state of a hand card
// that cannot be chosen; the grey behind shows through). For non-face pictures: same as render.
// The palette changes only the pictures that show a suit.
QImage renderSeeThrough(const Picture& picture, qreal dpr = 1.0,
                        DeckPalette palette = DeckPalette::TwoColour);

} // namespace liorna::art
