#pragma once
// The table's texts and marks, drawn by a painter already set to the scene's logical coordinates:
// vector drawing, so they are crisp at any scale.

#include <QString>

#include "ui/table_layout.h"

class QPainter;
class QWidget;

namespace liorna::marks {

// The count of a pile, inside the pile whatever its number of digits, outlined so it reads over
// every card back.
void pileCount(QPainter& p, const QString& count, const layout::Rect& pile, int countX);
// A light badge under the trump symbol, so a black spade reads on green and a red diamond on red.
void trumpBadge(QPainter& p);
void actionCaption(QPainter& p, const QString& caption);
void trumpAnnouncement(QPainter& p, const QString& text);
void scorePanel(QPainter& p, const QString (&lines)[3]);
void menuButton(QPainter& p, const QWidget* style, bool pressed);
// The hint line on a dark plate as wide as its text; its font shrinks if the text would not fit.
void hint(QPainter& p, const QString& text);
// The pixel size the hint is drawn at, for tests.
int hintPixelSize(const QString& text);
void focusRing(QPainter& p, const layout::Rect& area);
// The red edge of a refused action, fading with `level` from 1 to 0.
void refusalEdge(QPainter& p, const layout::Rect& area, qreal level);
// The plate the last trick is shown again on, with who took it on top and how to close it at the foot.
void lastTrickPlate(QPainter& p, const QString& caption, const QString& foot);

} // namespace liorna::marks
