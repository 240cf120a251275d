#include "ui/fonts.h"

#include <QFontInfo>
#include <QWidget>

namespace liorna {

QFont serifFont(int pixelHeight, bool bold, bool italic)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont sansFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void fitWidth(QWidget* widget, int width)
{
    QFont font = widget->font();
    int pixels = QFontInfo(font).pixelSize();
    while (widget->sizeHint().width() > width && pixels > 9) {
        font.setPixelSize(--pixels);
        widget->setFont(font);
    }
}

} // namespace liorna
