// Court cards: a double-ended bust in a framed panel. The rank shows in the headwear (cap, tiara, crown
// with a beard), the suit in the robe colours and in what the figure holds.
#include "ui/art/art_internal.h"

#include <QLinearGradient>

namespace liorna::art::detail {

namespace {

enum Court { Jack = 0, Queen = 1, King = 2 };

struct Palette {
    QColor robe;
    QColor trim;
    QColor under;
    QColor hair;
};

Palette paletteFor(int suit, int court)
{
    const QColor gold(226, 180, 58);
    const QColor hairs[3] = {QColor(120, 70, 34), QColor(214, 162, 58), QColor(92, 88, 96)};
    switch (suit) {
    case Hearts: return {QColor(178, 26, 42), gold, QColor(44, 74, 156), hairs[court]};
    case Diamonds: return {QColor(224, 150, 34), QColor(176, 24, 40), QColor(36, 118, 72), hairs[court]};
    case Spades: return {QColor(36, 56, 138), gold, QColor(30, 30, 36), hairs[court]};
    default: return {QColor(30, 108, 58), gold, QColor(170, 30, 44), hairs[court]};
    }
}

const QColor SKIN(246, 212, 178);
const QColor INK(40, 30, 30);

void drawRobe(QPainter& p, const Palette& pal, qreal w, qreal h)
{
    const qreal cx = w / 2;
    QPainterPath robe;
    robe.moveTo(cx - 4, 22);
    robe.cubicTo(cx - 10, 24, cx - 16, 26, cx - 18, 32);
    robe.lineTo(cx - 20, h + 1);
    robe.lineTo(cx + 20, h + 1);
    robe.lineTo(cx + 18, 32);
    robe.cubicTo(cx + 16, 26, cx + 10, 24, cx + 4, 22);
    robe.closeSubpath();
    QLinearGradient g(0, 22, 0, h);
    g.setColorAt(0, mix(pal.robe, Qt::white, 0.15));
    g.setColorAt(1, mix(pal.robe, Qt::black, 0.2));
    p.fillPath(robe, g);

    // The garment under the robe shows in a V between the lapels.
    QPainterPath vee;
    vee.moveTo(cx - 5, 22.5);
    vee.lineTo(cx + 5, 22.5);
    vee.lineTo(cx + 3.2, h + 1);
    vee.lineTo(cx - 3.2, h + 1);
    vee.closeSubpath();
    p.fillPath(vee, pal.under);
    p.setPen(QPen(pal.trim, 1.3));
    p.drawLine(QPointF(cx - 5, 22.5), QPointF(cx - 3.2, h + 1));
    p.drawLine(QPointF(cx + 5, 22.5), QPointF(cx + 3.2, h + 1));
    // Buttons down the front and a row of dots along the hem.
    p.setPen(Qt::NoPen);
    p.setBrush(pal.trim);
    for (qreal y = 27; y < h; y += 4.5)
        p.drawEllipse(QPointF(cx, y), 0.8, 0.8);
    p.setBrush(withAlpha(pal.trim, 200));
    for (qreal x = cx - 15; x <= cx - 7; x += 3.6)
        p.drawEllipse(QPointF(x, 36), 0.7, 0.7);
    for (qreal x = cx + 7; x <= cx + 15; x += 3.6)
        p.drawEllipse(QPointF(x, 36), 0.7, 0.7);
    // A ruffled collar.
    QPainterPath collar;
    collar.moveTo(cx - 7.5, 22);
    for (int i = 0; i < 6; ++i)
        collar.quadTo(cx - 7.5 + i * 2.5 + 1.25, 26.2, cx - 7.5 + (i + 1) * 2.5, 22);
    collar.quadTo(cx, 20.5, cx - 7.5, 22);
    p.fillPath(collar, QColor(250, 248, 240));
    p.setPen(QPen(QColor(150, 140, 120), 0.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(collar);
}

void drawHead(QPainter& p, const Palette& pal, int court, qreal cx)
{
    const QPointF c(cx, 14.5);
    p.setPen(Qt::NoPen);
    // Long hair of the queen falls behind the shoulders, so it goes first.
    if (court == Queen) {
        QPainterPath hair;
        hair.moveTo(cx - 5.6, 10);
        hair.cubicTo(cx - 9, 14, cx - 9, 20, cx - 8, 25);
        hair.lineTo(cx - 4.5, 23);
        hair.lineTo(cx + 4.5, 23);
        hair.lineTo(cx + 8, 25);
        hair.cubicTo(cx + 9, 20, cx + 9, 14, cx + 5.6, 10);
        hair.closeSubpath();
        p.fillPath(hair, pal.hair);
    }
    p.setBrush(SKIN);
    p.drawRect(QRectF(cx - 1.8, 18, 3.6, 4.5));
    p.drawEllipse(c, 5.0, 6.0);

    if (court == Jack) {
        QPainterPath hair;
        hair.moveTo(cx - 5.2, 15.5);
        hair.cubicTo(cx - 6.2, 10, cx - 3, 8, cx, 8);
        hair.cubicTo(cx + 3, 8, cx + 6.2, 10, cx + 5.2, 15.5);
        hair.cubicTo(cx + 4, 12, cx - 4, 12, cx - 5.2, 15.5);
        p.fillPath(hair, pal.hair);
    } else if (court == Queen) {
        QPainterPath fringe;
        fringe.moveTo(cx - 5.2, 13.5);
        fringe.cubicTo(cx - 5, 9, cx + 5, 9, cx + 5.2, 13.5);
        fringe.cubicTo(cx + 2, 10.8, cx - 2, 10.8, cx - 5.2, 13.5);
        p.fillPath(fringe, pal.hair);
    } else {
        QPainterPath beard;
        beard.moveTo(cx - 5, 15.5);
        beard.cubicTo(cx - 5, 22, cx - 2.5, 25.5, cx, 26);
        beard.cubicTo(cx + 2.5, 25.5, cx + 5, 22, cx + 5, 15.5);
        beard.cubicTo(cx + 3.5, 19.5, cx - 3.5, 19.5, cx - 5, 15.5);
        p.fillPath(beard, pal.hair);
        QPainterPath moustache;
        moustache.moveTo(cx - 3.2, 18.6);
        moustache.quadTo(cx, 16.8, cx + 3.2, 18.6);
        moustache.quadTo(cx, 17.9, cx - 3.2, 18.6);
        p.fillPath(moustache, mix(pal.hair, Qt::black, 0.3));
    }

    // Eyes, brows, nose and mouth: a few strokes are all that reads at this size.
    p.setBrush(INK);
    p.drawEllipse(QPointF(cx - 1.9, 14.2), 0.6, 0.6);
    p.drawEllipse(QPointF(cx + 1.9, 14.2), 0.6, 0.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(mix(pal.hair, INK, 0.4), 0.45));
    p.drawLine(QPointF(cx - 2.9, 12.9), QPointF(cx - 1.0, 12.6));
    p.drawLine(QPointF(cx + 1.0, 12.6), QPointF(cx + 2.9, 12.9));
    p.setPen(QPen(QColor(190, 140, 110), 0.45));
    p.drawLine(QPointF(cx, 14.6), QPointF(cx - 0.5, 16.4));
    if (court != King) {
        p.setPen(QPen(QColor(196, 52, 60), 0.7));
        p.drawLine(QPointF(cx - 1.1, 18.1), QPointF(cx + 1.1, 18.1));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 140, 140, 90));
        p.drawEllipse(QPointF(cx - 3, 16.5), 1.1, 0.8);
        p.drawEllipse(QPointF(cx + 3, 16.5), 1.1, 0.8);
    }
}

void drawHeadwear(QPainter& p, const Palette& pal, int court, qreal cx)
{
    const QColor gold(232, 190, 66);
    const QColor goldDark(160, 116, 30);
    p.setPen(Qt::NoPen);
    if (court == Jack) {
        // A flat beret with a feather.
        QPainterPath feather;
        feather.moveTo(cx + 3, 8);
        feather.cubicTo(cx + 6, 4, cx + 9, 1.5, cx + 13, 0.5);
        feather.cubicTo(cx + 12, 4.5, cx + 9, 8, cx + 3.5, 9.2);
        feather.closeSubpath();
        p.fillPath(feather, QColor(250, 250, 244));
        p.setPen(QPen(pal.trim, 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(feather);
        p.setPen(Qt::NoPen);
        QPainterPath cap;
        cap.moveTo(cx - 8, 9.4);
        cap.cubicTo(cx - 7, 4.0, cx + 7, 4.0, cx + 8, 9.4);
        cap.cubicTo(cx + 4, 10.6, cx - 4, 10.6, cx - 8, 9.4);
        p.fillPath(cap, pal.under);
        p.setPen(QPen(pal.trim, 0.9));
        p.drawLine(QPointF(cx - 7, 9.2), QPointF(cx + 7, 9.2));
        return;
    }
    const int points = court == King ? 5 : 3;
    const qreal base = court == King ? 9.2 : 9.0;
    const qreal top = court == King ? 1.6 : 4.8;
    const qreal half = court == King ? 6.2 : 5.0;
    QPainterPath crown;
    crown.moveTo(cx - half, base);
    for (int i = 0; i < points; ++i) {
        const qreal x0 = cx - half + (2 * half) * i / points;
        const qreal x1 = cx - half + (2 * half) * (i + 1) / points;
        crown.lineTo((x0 + x1) / 2, top + (i == points / 2 ? -0.8 : 0.6));
        crown.lineTo(x1, base - (court == King ? 3.2 : 1.8));
    }
    crown.lineTo(cx + half, base);
    crown.closeSubpath();
    QLinearGradient g(cx - half, 0, cx + half, 0);
    g.setColorAt(0, goldDark);
    g.setColorAt(0.4, gold);
    g.setColorAt(1, goldDark);
    p.fillPath(crown, g);
    p.setPen(QPen(goldDark, 0.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < points; ++i) {
        const qreal x0 = cx - half + (2 * half) * i / points;
        const qreal x1 = cx - half + (2 * half) * (i + 1) / points;
        p.setBrush(court == King ? QColor(250, 240, 210) : QColor(255, 255, 255));
        p.drawEllipse(QPointF((x0 + x1) / 2, top + (i == points / 2 ? -0.8 : 0.6)), 0.8, 0.8);
    }
    p.setBrush(court == King ? QColor(200, 20, 40) : pal.under);
    p.drawEllipse(QPointF(cx, base - 1.3), 0.9, 0.9);
    if (court == King) {
        p.setBrush(QColor(30, 120, 200));
        p.drawEllipse(QPointF(cx - 3.5, base - 1.2), 0.7, 0.7);
        p.drawEllipse(QPointF(cx + 3.5, base - 1.2), 0.7, 0.7);
    }
}

// What the figure holds tells the suit at a glance: a rose, a sceptre, a sword, a staff.
void drawAttribute(QPainter& p, int suit, qreal cx, qreal h, DeckPalette palette)
{
    const qreal x = cx + 12.5;
    const QColor gold(224, 178, 60);
    const QColor steel(200, 206, 214);
    p.save();
    switch (suit) {
    case Hearts: {
        p.setPen(QPen(QColor(40, 110, 50), 0.9));
        p.drawLine(QPointF(x, 12), QPointF(x - 1, h - 3));
        p.setPen(Qt::NoPen);
        QPainterPath leaf;
        leaf.moveTo(x - 0.3, 18);
        leaf.quadTo(x + 4, 16, x + 4.2, 19.5);
        leaf.quadTo(x + 1.5, 20.5, x - 0.3, 18);
        p.fillPath(leaf, QColor(50, 130, 60));
        drawPip(p, Hearts, QPointF(x, 9.5), 7.0, palette);
        break;
    }
    case Diamonds: {
        p.setPen(QPen(gold, 1.4));
        p.drawLine(QPointF(x, 12), QPointF(x, h - 3));
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawEllipse(QPointF(x, 12.5), 1.6, 1.0);
        drawPip(p, Diamonds, QPointF(x, 7.5), 8.0, palette);
        break;
    }
    case Spades: {
        QPainterPath blade;
        blade.moveTo(x, 2);
        blade.lineTo(x + 1.4, 5);
        blade.lineTo(x + 1.2, 27);
        blade.lineTo(x - 1.2, 27);
        blade.lineTo(x - 1.4, 5);
        blade.closeSubpath();
        QLinearGradient g(x - 1.4, 0, x + 1.4, 0);
        g.setColorAt(0, steel);
        g.setColorAt(0.5, Qt::white);
        g.setColorAt(1, mix(steel, Qt::black, 0.2));
        p.fillPath(blade, g);
        p.setPen(QPen(QColor(90, 96, 110), 0.35));
        p.setBrush(Qt::NoBrush);
        p.drawPath(blade);
        p.setPen(QPen(gold, 1.5));
        p.drawLine(QPointF(x - 4, 27.5), QPointF(x + 4, 27.5));
        p.setPen(QPen(QColor(90, 50, 20), 1.6));
        p.drawLine(QPointF(x, 28.5), QPointF(x, 33));
        break;
    }
    default: {
        p.setPen(QPen(QColor(120, 76, 36), 1.5));
        p.drawLine(QPointF(x, 11), QPointF(x - 0.5, h - 3));
        drawPip(p, Clubs, QPointF(x, 7.5), 8.0, palette);
        break;
    }
    }
    p.restore();
}

// The arm that holds the attribute: a sleeve bent at the elbow, a cuff and the hand round the shaft.
void drawSleeve(QPainter& p, const Palette& pal, qreal cx)
{
    const qreal x = cx + 12.5;
    QPainterPath sleeve;
    sleeve.moveTo(cx + 8, 24.5);
    sleeve.cubicTo(cx + 14, 25, cx + 16, 30, cx + 17.5, 37);
    sleeve.lineTo(cx + 13.5, 38.5);
    sleeve.cubicTo(cx + 12.5, 36, x - 2, 35, x - 2.2, 33.6);
    sleeve.lineTo(x + 2, 33.2);
    sleeve.cubicTo(x + 2.4, 31, cx + 12, 28, cx + 8, 27.5);
    sleeve.closeSubpath();
    p.fillPath(sleeve, mix(pal.robe, Qt::black, 0.18));
    p.setPen(Qt::NoPen);
    p.setBrush(SKIN);
    p.drawEllipse(QPointF(x - 0.2, 31.6), 1.9, 1.7);
    p.setBrush(pal.trim);
    p.drawRoundedRect(QRectF(x - 2.4, 33.0, 4.6, 1.3), 0.5, 0.5);
}

void drawHalf(QPainter& p, int suit, int court, qreal w, qreal h, DeckPalette palette)
{
    const Palette pal = paletteFor(suit, court);
    const qreal cx = w / 2 - 2;
    p.save();
    p.translate(-2, 0);
    drawRobe(p, pal, w, h);
    p.restore();
    drawHead(p, pal, court, cx);
    drawHeadwear(p, pal, court, cx);
    drawAttribute(p, suit, cx, h, palette);
    drawSleeve(p, pal, cx);
    drawPip(p, suit, QPointF(5.2, 6.0), 6.0, palette);
}

} // namespace

void drawCourtPanel(QPainter& p, int suit, int court, const QRectF& panel, DeckPalette palette)
{
    const QColor ink = suitColor(suit, palette);
    const QColor gold(204, 158, 52);
    p.save();
    const QPainterPath frame = cardPath(panel, 1.5);
    p.fillPath(frame, QColor(252, 246, 228));
    p.setClipPath(frame);
    // Faint diagonal hatching behind the figures, tinted by suit.
    p.setPen(QPen(withAlpha(ink, 22), 0.6));
    for (qreal d = -panel.height(); d < panel.width(); d += 3.0)
        p.drawLine(QPointF(panel.left() + d, panel.bottom()),
                   QPointF(panel.left() + d + panel.height(), panel.top()));

    const qreal half = panel.height() / 2;
    p.save();
    p.translate(panel.topLeft());
    p.setClipRect(QRectF(0, 0, panel.width(), half));
    drawHalf(p, suit, court, panel.width(), half, palette);
    p.restore();
    p.save();
    p.translate(panel.bottomRight());
    p.rotate(180);
    p.setClipRect(QRectF(0, 0, panel.width(), half));
    drawHalf(p, suit, court, panel.width(), half, palette);
    p.restore();

    p.setPen(QPen(gold, 0.8));
    p.drawLine(QPointF(panel.left(), panel.center().y()), QPointF(panel.right(), panel.center().y()));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 0.8));
    p.drawPath(cardPath(panel.adjusted(1.2, 1.2, -1.2, -1.2), 1.0));
    p.setPen(QPen(ink, 0.9));
    p.drawPath(frame);
}

} // namespace liorna::art::detail
