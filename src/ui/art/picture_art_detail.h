#pragma once
// Entry points below the cache, for the benchmark and the contact sheets.

#include <QImage>

#include <vector>

#include "platform/picture.h"
#include "ui/art/picture_art.h"

namespace liorna::art::detail {

// Draws the picture afresh, bypassing the cache.
QImage renderUncached(const Picture& picture, qreal dpr, bool seeThrough,
                      DeckPalette palette = DeckPalette::TwoColour);

// Every valid picture of the game, family by family, in index order.
std::vector<Picture> everyPicture();

// Forgets every cached image, so the next render measures the real drawing cost.
void clearCache();

} // namespace liorna::art::detail
