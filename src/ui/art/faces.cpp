// Card faces: border, corner indices, pip layouts of 6..10, the ace, and the turned-down corner.
#include "ui/art/art_internal.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace liorna::art::detail {

namespace {

// Rank digit order of the deck: six, seven, eight, nine, jack, queen, king, ten, ace.
enum Rank { Six, Seven, Eight, Nine, Jack, Queen, King, Ten, Ace };

const char16_t* const INDEX_TEXT[9] = {u"6", u"7", u"8", u"9", u"В", u"Д", u"К", u"10", u"Т"};

void drawCornerIndex(QPainter& p, int suit, int rank, DeckPalette palette)
{
    const QString text = QString::fromUtf16(INDEX_TEXT[rank]);
    // "10" is two digits in the same column, so it is squeezed rather than shrunk.
    const QRectF box = rank == Ten ? QRectF(1.6, 3.2, 10.6, 9.6) : QRectF(2.2, 3.2, 9.4, 9.6);
    const QPainterPath glyphs = textPath(text, sansFont(20, true), box, Qt::AlignHCenter);
    p.fillPath(glyphs, suitColor(suit, palette));
    drawPip(p, suit, QPointF(6.9, 18.6), 7.2, palette);
}

// Pip centres for 6..10, in card coordinates; pips below the middle are drawn upside down.
struct PipSpot {
    qreal x;
    qreal y;
};

constexpr qreal COL_L = 22.0;
constexpr qreal COL_M = 35.5;
constexpr qreal COL_R = 49.0;
constexpr qreal ROW_TOP = 16.5;
constexpr qreal ROW_BOTTOM = 79.5;
constexpr qreal MID_Y = 48.0;

std::vector<PipSpot> pipLayout(int rank)
{
    const qreal third = (ROW_BOTTOM - ROW_TOP) / 3.0;
    const qreal r4[4] = {ROW_TOP, ROW_TOP + third, ROW_BOTTOM - third, ROW_BOTTOM};
    std::vector<PipSpot> spots;
    auto sides3 = [&] {
        for (qreal y : {ROW_TOP, MID_Y, ROW_BOTTOM}) {
            spots.push_back({COL_L, y});
            spots.push_back({COL_R, y});
        }
    };
    auto sides4 = [&] {
        for (qreal y : r4) {
            spots.push_back({COL_L, y});
            spots.push_back({COL_R, y});
        }
    };
    switch (rank) {
    case Six: sides3(); break;
    case Seven:
        sides3();
        spots.push_back({COL_M, (ROW_TOP + MID_Y) / 2});
        break;
    case Eight:
        sides3();
        spots.push_back({COL_M, (ROW_TOP + MID_Y) / 2});
        spots.push_back({COL_M, (MID_Y + ROW_BOTTOM) / 2});
        break;
    case Nine:
        sides4();
        spots.push_back({COL_M, MID_Y});
        break;
    case Ten:
        sides4();
        spots.push_back({COL_M, (r4[0] + r4[1]) / 2});
        spots.push_back({COL_M, (r4[2] + r4[3]) / 2});
        break;
    default: break;
    }
    return spots;
}

void drawPips(QPainter& p, int suit, int rank, DeckPalette palette)
{
    const qreal h = suit == Diamonds ? 14.0 : 12.6;
    for (const PipSpot& s : pipLayout(rank))
        drawPip(p, suit, QPointF(s.x, s.y), h, palette, s.y > MID_Y + 0.5);
}

// The ace carries one large pip inside a ring of small ornaments.
void drawAce(QPainter& p, int suit, DeckPalette palette)
{
    const QPointF c(35.5, 48.0);
    const QColor ink = suitColor(suit, palette);
    const QColor gold(196, 150, 46);

    p.save();
    p.setBrush(Qt::NoBrush);
    QRadialGradient halo(c, 27);
    halo.setColorAt(0, withAlpha(mix(ink, Qt::white, 0.85), 0));
    halo.setColorAt(0.75, withAlpha(mix(ink, Qt::white, 0.85), 90));
    halo.setColorAt(1, withAlpha(mix(ink, Qt::white, 0.85), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 27, 27);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 0.9));
    p.drawEllipse(c, 24.5, 24.5);
    p.setPen(QPen(withAlpha(ink, 200), 0.6));
    p.drawEllipse(c, 22.6, 22.6);
    // Sixteen beads on the ring, with small leaves between every other pair.
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8.0;
        const QPointF at(c.x() + 24.5 * std::cos(a), c.y() + 24.5 * std::sin(a));
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? gold : ink);
        p.drawEllipse(at, i % 2 ? 1.0 : 1.35, i % 2 ? 1.0 : 1.35);
    }
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(45 + i * 90);
        QPainterPath leaf;
        leaf.moveTo(0, -26.5);
        leaf.quadTo(3.2, -30.5, 0, -34.0);
        leaf.quadTo(-3.2, -30.5, 0, -26.5);
        p.fillPath(leaf, gold);
        p.restore();
    }
    p.restore();

    const qreal h = suit == Diamonds ? 34.0 : 30.0;
    const QPainterPath big = pipAt(suit, c, h);
    QLinearGradient g(c + QPointF(-h / 2, -h / 2), c + QPointF(h / 2, h / 2));
    g.setColorAt(0, mix(ink, Qt::white, 0.28));
    g.setColorAt(0.5, ink);
    g.setColorAt(1, mix(ink, Qt::black, 0.35));
    p.fillPath(big, g);
    // An inner gold fillet follows the pip outline, the ornament of a proper ace.
    const QPainterPath inner = pipAt(suit, c, h * 0.72);
    p.save();
    p.setClipPath(big);
    p.setPen(QPen(QColor(236, 198, 98), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inner);
    p.restore();
    drawPip(p, suit, c, h * 0.3, palette);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(c + QPointF(-h * 0.22, -h * 0.18), h * 0.07, h * 0.1);
    p.restore();
}

} // namespace

void drawFace(QPainter& p, int index, bool seeThrough, DeckPalette palette)
{
    const int suit = index / 9;
    const int rank = index % 9;
    const QPainterPath card = cardPath();
    if (!seeThrough)
        p.fillPath(card, Qt::white);

    p.save();
    drawCornerIndex(p, suit, rank, palette);
    p.translate(CARD_W, CARD_H);
    p.rotate(180);
    drawCornerIndex(p, suit, rank, palette);
    p.restore();

    switch (rank) {
    case Jack:
    case Queen:
    case King: drawCourtPanel(p, suit, rank - Jack, QRectF(14.5, 6.5, 42.0, 83.0), palette); break;
    case Ace: drawAce(p, suit, palette); break;
    default: drawPips(p, suit, rank, palette); break;
    }

    p.setPen(QPen(QColor(38, 38, 42), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cardPath(CARD_RECT.adjusted(0.5, 0.5, -0.5, -0.5), CARD_RADIUS - 0.5));
}

void drawTurnedCorner(QPainter& p)
{
    constexpr qreal F = 18.0;
    const QPointF a(CARD_W - F, 0);
    const QPointF b(CARD_W, F);
    const QPointF folded(CARD_W - F, F);

    // The corner beyond the fold shows the table; the triangle overshoots the edges so the far corner
    // pixel is fully covered, hence exactly table green at any dpr.
    QPolygonF tri;
    tri << a << QPointF(CARD_W + 1, -1) << QPointF(CARD_W + 1, F + 1);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(TABLE_GREEN);
    p.drawPolygon(tri);
    p.restore();

    // Soft shadow of the flap on the face.
    QPainterPath flap;
    flap.moveTo(a);
    flap.lineTo(b);
    flap.lineTo(folded);
    flap.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        QPainterPath shadow;
        shadow.moveTo(a + QPointF(-0.6 * i, 0));
        shadow.lineTo(b + QPointF(0, 0.6 * i));
        shadow.lineTo(folded + QPointF(-0.9 * i, 0.9 * i));
        shadow.closeSubpath();
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawPath(shadow);
    }
    // The flap shows the back of the card: pale, shaded towards the crease.
    QLinearGradient g(folded, QPointF((a.x() + b.x()) / 2, (a.y() + b.y()) / 2));
    g.setColorAt(0, QColor(226, 228, 232));
    g.setColorAt(0.75, QColor(250, 250, 252));
    g.setColorAt(1, QColor(206, 208, 214));
    p.setBrush(g);
    p.drawPath(flap);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 66), 0.8));
    p.drawLine(folded, a + QPointF(0, 0.4));
    p.drawLine(folded, b + QPointF(-0.4, 0));
    p.setPen(QPen(QColor(120, 120, 128), 0.6));
    p.drawLine(a, b);
    p.restore();
}

} // namespace liorna::art::detail
