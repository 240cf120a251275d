// Pictures of the about box: the studio card, the "card game" card, the fan of cards, the title, the credits.
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "platform/texts.h"
#include "ui/art/art_internal.h"

namespace liorna::art::detail {

namespace {

const QColor GOLD(230, 190, 90);
const QColor GOLD_DARK(170, 124, 40);

void cardEdge(QPainter& p, const QRectF& r, const QColor& colour)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 1.0));
    p.drawPath(cardPath(r.adjusted(0.5, 0.5, -0.5, -0.5), CARD_RADIUS - 0.5));
}

// A laurel branch curving up from the bottom of a circle; mirrored for the other side.
void laurel(QPainter& p, QPointF c, qreal radius, bool mirrored)
{
    p.save();
    p.translate(c);
    if (mirrored)
        p.scale(-1, 1);
    for (int i = 0; i < 7; ++i) {
        const qreal a = (100 + i * 17) * M_PI / 180.0;
        const QPointF at(radius * std::cos(a), radius * std::sin(a));
        p.save();
        p.translate(at);
        p.rotate((100 + i * 17) + 90 + 25);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? GOLD : GOLD_DARK);
        p.drawEllipse(QPointF(0, -1.8), 1.1, 2.4);
        p.restore();
    }
    p.restore();
}

void studioCard(QPainter& p)
{
    const QRectF r = CARD_RECT;
    QLinearGradient bg(0, 0, 0, r.height());
    bg.setColorAt(0, QColor(24, 36, 86));
    bg.setColorAt(1, QColor(10, 16, 44));
    p.fillPath(cardPath(r), bg);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GOLD, 0.8));
    p.drawPath(cardPath(r.adjusted(3.5, 3.5, -3.5, -3.5), 2.5));

    const QPointF c(r.center().x(), 38);
    QRadialGradient medal(c + QPointF(-4, -4), 20);
    medal.setColorAt(0, QColor(60, 80, 150));
    medal.setColorAt(1, QColor(20, 30, 80));
    p.setBrush(medal);
    p.setPen(QPen(GOLD, 1.2));
    p.drawEllipse(c, 16, 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(GOLD, 150), 0.5));
    p.drawEllipse(c, 13.5, 13.5);
    laurel(p, c, 19, false);
    laurel(p, c, 19, true);
    // The monogram: a tall serif Л with a small four-point star above it.
    QLinearGradient goldFill(0, c.y() - 10, 0, c.y() + 10);
    goldFill.setColorAt(0, QColor(255, 230, 150));
    goldFill.setColorAt(1, GOLD_DARK);
    p.fillPath(textPath(QStringLiteral("Л"), serifFont(40, true, true), QRectF(c.x() - 9, c.y() - 9, 18, 19),
                        Qt::AlignHCenter),
               goldFill);
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4 - M_PI / 2;
        const qreal rad = i % 2 ? 0.8 : 2.6;
        const QPointF pt(c.x() + rad * std::cos(a), c.y() - 16 + rad * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.fillPath(star, QColor(255, 240, 190));

    p.fillPath(textPath(QString::fromUtf8(text::PICTURE_MAKER), serifFont(20, true), QRectF(10, 64, 51, 9),
                        Qt::AlignHCenter),
               GOLD);
    p.fillPath(textPath(QString::fromUtf8(text::PICTURE_STUDIO), serifFont(14, false, true),
                        QRectF(18, 76, 35, 8), Qt::AlignHCenter),
               QColor(200, 210, 240));
    cardEdge(p, r, QColor(10, 10, 20));
}

void cardGameCard(QPainter& p)
{
    const QRectF r(0, 0, 75, 100);
    p.fillPath(cardPath(r), QColor(252, 248, 236));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(184, 14, 30), 1.0));
    p.drawPath(cardPath(r.adjusted(3.5, 3.5, -3.5, -3.5), 2.5));
    p.setPen(QPen(GOLD_DARK, 0.5));
    p.drawPath(cardPath(r.adjusted(5.5, 5.5, -5.5, -5.5), 2.0));
    // The four suits in the corners and in a row between the words.
    const QPointF corners[4] = {{12, 13}, {63, 13}, {12, 87}, {63, 87}};
    for (int s = 0; s < 4; ++s)
        drawPip(p, s, corners[s], 7, DeckPalette::TwoColour, s >= 2);
    for (int s = 0; s < 4; ++s)
        drawPip(p, s, QPointF(19 + s * 12.3, 50), 8, DeckPalette::TwoColour);
    p.fillPath(textPath(QString::fromUtf8(text::PICTURE_CARD), serifFont(24, true), QRectF(9, 26, 57, 13),
                        Qt::AlignHCenter),
               QColor(30, 30, 40));
    p.fillPath(textPath(QString::fromUtf8(text::PICTURE_GAME), serifFont(24, true, true),
                        QRectF(14, 61, 47, 14), Qt::AlignHCenter),
               QColor(184, 14, 30));
    cardEdge(p, r, QColor(40, 40, 44));
}

void miniCard(QPainter& p, int suit, const QString& rank)
{
    const QRectF r(-11, -32, 22, 31);
    p.fillPath(cardPath(r, 2), Qt::white);
    p.setPen(QPen(QColor(40, 40, 44), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cardPath(r, 2));
    p.fillPath(
        textPath(rank, sansFont(12, true), QRectF(r.left() + 1.5, r.top() + 1.5, 5, 5), Qt::AlignHCenter),
        suitColor(suit, DeckPalette::TwoColour));
    drawPip(p, suit, QPointF(r.left() + 4, r.top() + 9.5), 3.6, DeckPalette::TwoColour);
    drawPip(p, suit, r.center(), 11, DeckPalette::TwoColour);
}

void fanCard(QPainter& p)
{
    const QRectF r(0, 0, 79, 104);
    QRadialGradient felt(r.center(), 60);
    felt.setColorAt(0, QColor(30, 150, 60));
    felt.setColorAt(1, QColor(6, 80, 30));
    p.fillPath(cardPath(r), felt);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GOLD, 0.8));
    p.drawPath(cardPath(r.adjusted(3.5, 3.5, -3.5, -3.5), 2.5));
    const QPointF pivot(r.center().x(), 92);
    const char16_t* ranks[5] = {u"В", u"Д", u"К", u"10", u"Т"};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-36 + i * 18);
        p.translate(0, -16);
        miniCard(p, (i + 1) % 4, QString::fromUtf16(ranks[i]));
        p.restore();
    }
    QPainterPath title = textPath(QString::fromUtf8(text::PRODUCT_TITLE), serifFont(30, true, true),
                                  QRectF(8, 8, 63, 17), Qt::AlignHCenter);
    p.save();
    p.translate(0.8, 0.8);
    p.fillPath(title, QColor(0, 0, 0, 120));
    p.restore();
    QLinearGradient g(0, 8, 0, 25);
    g.setColorAt(0, QColor(255, 240, 180));
    g.setColorAt(1, GOLD);
    p.fillPath(title, g);
    cardEdge(p, r, QColor(10, 40, 16));
}

void title(QPainter& p)
{
    const QPainterPath text = textPath(QString::fromUtf8(text::PRODUCT_TITLE), serifFont(60, true, true),
                                       QRectF(4, 2, 202, 33), Qt::AlignHCenter);
    p.save();
    p.translate(1.2, 1.4);
    p.fillPath(text, QColor(0, 0, 40, 90));
    p.restore();
    QLinearGradient g(0, 2, 0, 35);
    g.setColorAt(0, QColor(90, 150, 255));
    g.setColorAt(0.5, QColor(30, 80, 210));
    g.setColorAt(1, QColor(14, 40, 140));
    p.fillPath(text, g);
    p.setPen(QPen(QColor(10, 26, 90), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
}

void credits(QPainter& p)
{
    const QRectF r(4, 4, 252, 151);
    const QColor ink(28, 28, 36);
    const QFont body = sansFont(14);
    const QFont strong = sansFont(14, true);
    const QString lines[3] = {QString::fromUtf8(text::PICTURE_CREDIT),
                              QString::fromUtf8(text::PICTURE_AUTHOR), QStringLiteral("2026")};
    const QFont* fonts[3] = {&strong, &body, &body};
    // Measure first so the block sits in the middle of the picture.
    qreal heights[3];
    qreal total = 0;
    for (int i = 0; i < 3; ++i) {
        const QFontMetricsF fm(*fonts[i]);
        heights[i] = fm.boundingRect(r, Qt::TextWordWrap | Qt::AlignHCenter, lines[i]).height();
        total += heights[i];
    }
    const qreal gap = 12;
    qreal y = r.top() + (r.height() - total - 2 * gap) / 2;
    p.setPen(ink);
    for (int i = 0; i < 3; ++i) {
        p.setFont(*fonts[i]);
        p.drawText(QRectF(r.left(), y, r.width(), heights[i]), Qt::TextWordWrap | Qt::AlignHCenter, lines[i]);
        y += heights[i] + gap;
    }
}

} // namespace

void drawAbout(QPainter& p, int number)
{
    switch (number) {
    case 1: studioCard(p); break;
    case 2: cardGameCard(p); break;
    case 3: fanCard(p); break;
    case 4: title(p); break;
    default: credits(p); break;
    }
}

} // namespace liorna::art::detail
