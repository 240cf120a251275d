#include "ui/art/app_icon.h"

#include "ui/art/art_internal.h"

namespace liorna::art {

using namespace detail;

namespace {

// The icon is designed on a 256-unit square and scaled to the wanted size.
constexpr qreal UNIT = 256.0;

// One card standing on its bottom centre, with a big pip in the middle and, when there is room, an "A"
// in the top left corner.
void drawAce(QPainter& p, int suit, const QRectF& card, bool corner, qreal edge)
{
    const QPainterPath outline = cardPath(card, card.width() * 0.09);
    p.fillPath(outline, QColor(252, 252, 248));
    p.setPen(QPen(QColor(40, 40, 44), edge));
    p.drawPath(outline);
    p.setPen(Qt::NoPen);
    const qreal pip = card.height() * (corner ? 0.42 : 0.62);
    drawPip(p, suit, card.center() + QPointF(0, corner ? card.height() * 0.04 : 0), pip,
            DeckPalette::TwoColour);
    if (corner) {
        const QRectF box(card.left() + card.width() * 0.08, card.top() + card.height() * 0.05,
                         card.width() * 0.22, card.height() * 0.2);
        p.fillPath(textPath(QStringLiteral("A"), serifFont(40, true), box, Qt::AlignCenter),
                   suitColor(suit, DeckPalette::TwoColour));
    }
}

} // namespace

void paintAppIcon(QPainter& p, int size)
{
    preparePainter(p);
    p.save();
    p.scale(size / UNIT, size / UNIT);
    if (size < 32) {
        // One upright ace filling the height: a fan is a grey blur at this size.
        const QRectF card(40, 6, 176, 244);
        drawAce(p, Hearts, card, false, 16);
    } else {
        // Three aces fanned from a point below the icon; hearts in front.
        const QPointF pivot(128, 318);
        const QRectF card(-56, -292, 112, 188);
        const struct {
            int suit;
            qreal angle;
        } fan[] = {{Spades, -16}, {Clubs, 16}, {Hearts, 0}};
        const qreal edge = size >= 128 ? 3 : 6;
        for (const auto& c : fan) {
            p.save();
            p.translate(pivot);
            p.rotate(c.angle);
            drawAce(p, c.suit, card, size >= 48, edge);
            p.restore();
        }
    }
    p.restore();
}

QImage renderAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintAppIcon(p, size);
    return image;
}

} // namespace liorna::art
