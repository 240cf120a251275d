#include "ui/art/art_internal.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QTransform>

#include <algorithm>

namespace liorna::art::detail {

QColor suitColor(int suit, DeckPalette palette)
{
    if (palette == DeckPalette::FourColour) {
        // Dark enough to read as a small index on white, and far apart in hue and lightness.
        if (suit == Diamonds)
            return QColor(18, 72, 196);
        if (suit == Clubs)
            return QColor(14, 120, 44);
    }
    return isRed(suit) ? QColor(184, 14, 30) : QColor(22, 22, 28);
}

bool isRed(int suit)
{
    return suit == Hearts || suit == Diamonds;
}

QPainterPath cardPath(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

namespace {

// Pip outlines in a 100 x 100 box; fitted to the wanted box afterwards.
QPainterPath unitHeart()
{
    QPainterPath h;
    h.moveTo(50, 100);
    h.cubicTo(38, 84, 0, 64, 0, 30);
    h.cubicTo(0, 11, 13, 0, 27, 0);
    h.cubicTo(39, 0, 47, 8, 50, 19);
    h.cubicTo(53, 8, 61, 0, 73, 0);
    h.cubicTo(87, 0, 100, 11, 100, 30);
    h.cubicTo(100, 64, 62, 84, 50, 100);
    h.closeSubpath();
    return h;
}

QPainterPath unitDiamond()
{
    QPainterPath d;
    d.moveTo(50, 0);
    d.quadTo(68, 30, 100, 50);
    d.quadTo(68, 70, 50, 100);
    d.quadTo(32, 70, 0, 50);
    d.quadTo(32, 30, 50, 0);
    d.closeSubpath();
    return d;
}

QPainterPath unitSpade()
{
    QPainterPath s;
    s.moveTo(50, 0);
    s.cubicTo(60, 18, 100, 36, 100, 62);
    s.cubicTo(100, 78, 88, 87, 75, 87);
    s.cubicTo(65, 87, 57, 82, 53, 75);
    s.cubicTo(54, 87, 60, 96, 70, 100);
    s.lineTo(30, 100);
    s.cubicTo(40, 96, 46, 87, 47, 75);
    s.cubicTo(43, 82, 35, 87, 25, 87);
    s.cubicTo(12, 87, 0, 78, 0, 62);
    s.cubicTo(0, 36, 40, 18, 50, 0);
    s.closeSubpath();
    return s;
}

QPainterPath unitClub()
{
    QPainterPath c;
    c.setFillRule(Qt::WindingFill);
    c.addEllipse(QPointF(50, 24), 24, 24);
    c.addEllipse(QPointF(23.5, 60), 23.5, 23.5);
    c.addEllipse(QPointF(76.5, 60), 23.5, 23.5);
    QPainterPath core;
    core.moveTo(50, 30);
    core.lineTo(70, 58);
    core.lineTo(50, 72);
    core.lineTo(30, 58);
    core.closeSubpath();
    c.addPath(core);
    QPainterPath stem;
    stem.moveTo(46, 58);
    stem.lineTo(54, 58);
    stem.cubicTo(55, 80, 60, 94, 72, 100);
    stem.lineTo(28, 100);
    stem.cubicTo(40, 94, 45, 80, 46, 58);
    stem.closeSubpath();
    c.addPath(stem);
    return c.simplified();
}

const QPainterPath& unitPip(int suit)
{
    static const QPainterPath pips[4] = {unitHeart(), unitDiamond(), unitSpade(), unitClub()};
    return pips[suit & 3];
}

} // namespace

qreal pipAspect(int suit)
{
    static constexpr qreal aspects[4] = {1.08, 0.80, 0.96, 1.06};
    return aspects[suit & 3];
}

QPainterPath pipPath(int suit, const QRectF& box)
{
    const QPainterPath& unit = unitPip(suit);
    const QRectF b = unit.boundingRect();
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / b.width(), box.height() / b.height());
    t.translate(-b.left(), -b.top());
    return t.map(unit);
}

QPainterPath pipAt(int suit, QPointF c, qreal height)
{
    const qreal w = height * pipAspect(suit);
    return pipPath(suit, QRectF(c.x() - w / 2, c.y() - height / 2, w, height));
}

void drawPip(QPainter& p, int suit, QPointF c, qreal height, DeckPalette palette, bool flipped)
{
    p.save();
    p.translate(c);
    if (flipped)
        p.rotate(180);
    const QPainterPath path = pipAt(suit, QPointF(0, 0), height);
    const QColor base = suitColor(suit, palette);
    // A faint top-left sheen keeps the pips from looking flat without blurring them at 1x.
    QLinearGradient g(QPointF(-height / 2, -height / 2), QPointF(height / 2, height / 2));
    g.setColorAt(0, mix(base, Qt::white, isRed(suit) ? 0.18 : 0.22));
    g.setColorAt(0.55, base);
    g.setColorAt(1, mix(base, Qt::black, 0.25));
    p.fillPath(path, g);
    p.restore();
}

namespace {
QFont familyFont(const QStringList& families, qreal pixelSize, bool bold, bool italic)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
} // namespace

QFont serifFont(qreal pixelSize, bool bold, bool italic)
{
    return familyFont({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}, pixelSize, bold,
                      italic);
}

QFont sansFont(qreal pixelSize, bool bold, bool italic)
{
    return familyFont({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, pixelSize, bold,
                      italic);
}

QPainterPath textPath(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment align)
{
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF b = raw.boundingRect();
    if (b.isEmpty())
        return raw;
    qreal sy = box.height() / b.height();
    qreal sx = sy;
    if (b.width() * sx > box.width())
        sx = box.width() / b.width();
    qreal x = box.left();
    if (align & Qt::AlignHCenter)
        x = box.center().x() - b.width() * sx / 2;
    else if (align & Qt::AlignRight)
        x = box.right() - b.width() * sx;
    QTransform t;
    t.translate(x, box.top());
    t.scale(sx, sy);
    t.translate(-b.left(), -b.top());
    return t.map(raw);
}

std::uint32_t Rng::next()
{
    // xorshift32: enough variety for scattering stars and leaves.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(const QColor& c, int alpha)
{
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

void preparePainter(QPainter& p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
}

void drawFramedCard(QPainter& p, FrameStyle style, const std::function<void(QPainter&, const QRectF&)>& scene)
{
    const QPainterPath outer = cardPath();
    p.fillPath(outer, QColor(252, 252, 248));
    const QRectF inner = CARD_RECT.adjusted(3.5, 3.5, -3.5, -3.5);
    p.save();
    p.setClipPath(cardPath(inner, 2.5));
    scene(p, inner);
    p.restore();
    if (style == FrameStyle::Gilded) {
        // Prize pictures get a gold fillet inside the white margin.
        QLinearGradient gold(0, 0, CARD_W, CARD_H);
        gold.setColorAt(0, QColor(250, 220, 120));
        gold.setColorAt(0.5, QColor(190, 140, 40));
        gold.setColorAt(1, QColor(245, 205, 100));
        p.setPen(QPen(QBrush(gold), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cardPath(inner.adjusted(-0.1, -0.1, 0.1, 0.1), 2.6));
    } else {
        p.setPen(QPen(QColor(0, 0, 0, 70), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cardPath(inner, 2.5));
    }
    p.setPen(QPen(QColor(40, 40, 44), 1.0));
    p.drawPath(cardPath(CARD_RECT.adjusted(0.5, 0.5, -0.5, -0.5), CARD_RADIUS - 0.5));
}

} // namespace liorna::art::detail
