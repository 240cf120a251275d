#pragma once
// The faces standing in for the table's serif and sans-serif fonts, by character height in pixels.

#include <QFont>

class QWidget;

namespace liorna {

QFont serifFont(int pixelHeight, bool bold, bool italic);
QFont sansFont(int pixelHeight, bool bold);
// Styles and fonts differ between desktops: a text that would be cut off at its designed width gets
// a slightly smaller font instead.
void fitWidth(QWidget* widget, int width);

} // namespace liorna
