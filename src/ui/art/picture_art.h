#pragma once
// Every picture of the game is drawn here by code; nothing is loaded from image files.

#include <QImage>

#include "platform/picture.h"

namespace liorna::art {

// Renders the picture at its logical size times dpr, Format_ARGB32_Premultiplied,
// with setDevicePixelRatio(dpr) so a QLabel/QPainter shows it at its logical size, crisp on 2x screens.
// Needs a QGuiApplication (text is drawn with system fonts). A null image for None or an unknown index.
QImage render(const Picture& picture, qreal dpr = 1.0);

// The same picture with the white of a card face turned transparent (the "see-through" state of a hand card
// that cannot be chosen; the grey behind shows through). For non-face pictures: same as render.
QImage renderSeeThrough(const Picture& picture, qreal dpr = 1.0);

} // namespace liorna::art
