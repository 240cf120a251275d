// Small table pieces: the blank card, suit symbols, slot outline, button emblems, arrows, locked plate.
#include "platform/texts.h"
#include "ui/art/art_internal.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace liorna::art::detail {

void drawBlank(QPainter& p)
{
    p.fillPath(cardPath(), TABLE_GREEN);
    p.setPen(QPen(Qt::white, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cardPath(CARD_RECT.adjusted(1, 1, -1, -1), CARD_RADIUS - 1));
}

void drawSuitSymbol(QPainter& p, int suit, QSizeF size, DeckPalette palette)
{
    // Half a pixel of air so the antialiased edge is not cut by the image border.
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const QPainterPath path = pipPath(suit, box);
    const QColor base = suitColor(suit, palette);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, mix(base, Qt::white, 0.25));
    g.setColorAt(0.6, base);
    g.setColorAt(1, mix(base, Qt::black, 0.25));
    p.fillPath(path, g);
}

void drawSlotOutline(QPainter& p)
{
    const QColor light(110, 206, 110);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(light, 90), 3.0));
    p.drawPath(cardPath(CARD_RECT.adjusted(1.5, 1.5, -1.5, -1.5), CARD_RADIUS - 1));
    p.setPen(QPen(light, 1.2));
    p.drawPath(cardPath(CARD_RECT.adjusted(1.5, 1.5, -1.5, -1.5), CARD_RADIUS - 1));
}

void drawEmblem(QPainter& p, bool play)
{
    const QPointF c(21.5, 20.0);
    const qreal r = 19.0;
    const QColor light = play ? QColor(130, 186, 255) : QColor(255, 140, 130);
    const QColor mid = play ? QColor(28, 86, 200) : QColor(200, 26, 30);
    const QColor dark = play ? QColor(8, 30, 96) : QColor(96, 6, 10);

    // Darker rim ring, then the dome lit from the upper left.
    p.setPen(Qt::NoPen);
    QLinearGradient rim(c.x(), c.y() - r, c.x(), c.y() + r);
    rim.setColorAt(0, mix(dark, Qt::white, 0.25));
    rim.setColorAt(1, mix(dark, Qt::black, 0.3));
    p.setBrush(rim);
    p.drawEllipse(c, r, r);

    QRadialGradient dome(c + QPointF(-4, -6), r * 1.25, c + QPointF(-5, -7));
    dome.setColorAt(0, light);
    dome.setColorAt(0.45, mid);
    dome.setColorAt(1, dark);
    p.setBrush(dome);
    p.drawEllipse(c, r - 1.6, r - 1.6);

    // Light bouncing back at the bottom edge.
    QRadialGradient bounce(c + QPointF(0, r * 0.8), r * 0.75);
    bounce.setColorAt(0, withAlpha(light, 120));
    bounce.setColorAt(1, withAlpha(light, 0));
    p.save();
    QPainterPath inner;
    inner.addEllipse(c, r - 1.6, r - 1.6);
    p.setClipPath(inner);
    p.setBrush(bounce);
    p.drawEllipse(c + QPointF(0, r * 0.8), r * 0.75, r * 0.5);
    p.restore();

    // The glossy highlight: a soft white lens across the top half.
    QLinearGradient gloss(c.x(), c.y() - r + 2, c.x(), c.y() + 1);
    gloss.setColorAt(0, QColor(255, 255, 255, 210));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setBrush(gloss);
    p.drawEllipse(QRectF(c.x() - r * 0.68, c.y() - r + 2.2, r * 1.36, r * 0.95));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(c + QPointF(-7.5, -9.5), 2.0, 1.4);
}

void drawArrow(QPainter& p, bool green, bool right)
{
    // A light green, so the arrow still stands out on the green table.
    const QColor base = green ? QColor(70, 210, 80) : QColor(206, 30, 36);
    p.save();
    if (right) {
        p.translate(14, 0);
        p.scale(-1, 1);
    }
    QPolygonF tri;
    tri << QPointF(1.2, 12) << QPointF(12.8, 1.2) << QPointF(12.8, 22.8);
    QLinearGradient g(0, 0, 0, 24);
    g.setColorAt(0, mix(base, Qt::white, 0.35));
    g.setColorAt(0.5, base);
    g.setColorAt(1, mix(base, Qt::black, 0.35));
    p.setBrush(g);
    p.setPen(QPen(mix(base, Qt::black, 0.55), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(tri);
    p.restore();
}

void drawLocked(QPainter& p)
{
    const QRectF r(0, 0, 97, 81);
    p.fillRect(r, Qt::black);
    p.setPen(QPen(QColor(70, 70, 74), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));

    // A padlock above the words says the same thing to those who do not read.
    const QColor red(226, 24, 30);
    p.setPen(QPen(QColor(96, 96, 104), 2.6));
    p.drawArc(QRectF(41.5, 11, 14, 16), 0, 180 * 16);
    p.drawLine(QPointF(41.5, 19), QPointF(41.5, 23));
    p.drawLine(QPointF(55.5, 19), QPointF(55.5, 23));
    p.setPen(Qt::NoPen);
    QLinearGradient body(0, 22, 0, 38);
    body.setColorAt(0, QColor(120, 120, 128));
    body.setColorAt(1, QColor(64, 64, 70));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(37.5, 22, 22, 16), 2.5, 2.5);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(48.5, 28.5), 1.8, 1.8);
    p.drawRect(QRectF(47.8, 29, 1.4, 5));

    const QPainterPath words = textPath(QString::fromUtf8(text::PICTURE_LOCKED), sansFont(24, true),
                                        QRectF(6, 49, 85, 11), Qt::AlignHCenter);
    p.fillPath(words, red);
    p.setPen(QPen(withAlpha(red, 160), 1.0));
    p.drawLine(QPointF(6, 44.5), QPointF(91, 44.5));
    p.drawLine(QPointF(6, 64.5), QPointF(91, 64.5));
}

} // namespace liorna::art::detail
