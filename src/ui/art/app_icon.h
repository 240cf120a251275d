#pragma once
// The program's icon for the desktop: a fan of aces, or a single ace where a fan would be a smudge.

#include <QImage>
#include <QPainter>

namespace liorna::art {

// Paints the icon into the square (0, 0, size, size) of the painter. Below 32 px only the front ace is
// drawn, large and plain, so it still reads in a panel or a menu.
void paintAppIcon(QPainter& p, int size);

// The icon as a transparent square image of size x size pixels.
QImage renderAppIcon(int size);

} // namespace liorna::art
