#include "ui/art/scenery.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace liorna::art::detail {

void fillVertical(QPainter& p, const QRectF& r, const QGradientStops& stops)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setStops(stops);
    p.fillRect(r, g);
}

QPainterPath ridge(const QRectF& r, qreal baseY, qreal amplitude, std::uint32_t seed, qreal jaggedness)
{
    // Midpoint displacement over 33 points; the roughness decides how much each level keeps.
    Rng rng(seed);
    constexpr int N = 32;
    std::vector<qreal> h(N + 1, 0.0);
    h[0] = rng.real(0.2, 0.8);
    h[N] = rng.real(0.2, 0.8);
    qreal spread = 0.9;
    for (int step = N; step > 1; step /= 2) {
        for (int i = 0; i < N; i += step) {
            const int m = i + step / 2;
            h[m] = (h[i] + h[i + step]) / 2 + rng.real(-spread, spread) / 2;
        }
        spread *= 0.35 + 0.35 * jaggedness;
    }
    qreal lo = h[0], hi = h[0];
    for (qreal v : h) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    QPainterPath path;
    path.moveTo(r.left() - 1, r.bottom() + 1);
    for (int i = 0; i <= N; ++i) {
        const qreal x = r.left() - 1 + (r.width() + 2) * i / N;
        const qreal t = hi > lo ? (h[i] - lo) / (hi - lo) : 0.5;
        const qreal y = baseY - amplitude * t;
        if (jaggedness < 0.5 && i > 0) {
            const qreal px = r.left() - 1 + (r.width() + 2) * (i - 1) / N;
            const QPointF prev = path.currentPosition();
            path.cubicTo(QPointF((px * 2 + x) / 3, prev.y()), QPointF((px + x * 2) / 3, y), QPointF(x, y));
        } else {
            path.lineTo(x, y);
        }
    }
    path.lineTo(r.right() + 1, r.bottom() + 1);
    path.closeSubpath();
    return path;
}

void glowDisc(QPainter& p, QPointF c, qreal radius, qreal glowRadius, const QColor& core, const QColor& glow)
{
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient halo(c, glowRadius);
    halo.setColorAt(0, glow);
    halo.setColorAt(radius / glowRadius, withAlpha(glow, glow.alpha() * 2 / 3));
    halo.setColorAt(1, withAlpha(glow, 0));
    p.setBrush(halo);
    p.drawEllipse(c, glowRadius, glowRadius);
    p.setBrush(core);
    p.drawEllipse(c, radius, radius);
    p.restore();
}

void stars(QPainter& p, const QRectF& r, qreal maxY, int count, std::uint32_t seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(rng.real(r.left(), r.right()), rng.real(r.top(), maxY));
        const qreal size = rng.real(0.25, 0.75);
        const int a = rng.integer(120, 255);
        p.setBrush(QColor(255, 255, rng.integer(210, 255), a));
        p.drawEllipse(at, size, size);
        if (rng.chance(0.08)) {
            p.setPen(QPen(QColor(255, 255, 240, 150), 0.35));
            p.drawLine(at - QPointF(2.2, 0), at + QPointF(2.2, 0));
            p.drawLine(at - QPointF(0, 2.2), at + QPointF(0, 2.2));
            p.setPen(Qt::NoPen);
        }
    }
    p.restore();
}

void crescent(QPainter& p, QPointF c, qreal radius, const QColor& colour)
{
    QPainterPath disc;
    disc.addEllipse(c, radius, radius);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(-radius * 0.45, -radius * 0.2), radius * 0.9, radius * 0.9);
    p.save();
    p.setPen(Qt::NoPen);
    // A soft halo round the lit side only, then the sickle itself.
    QRadialGradient halo(c + QPointF(radius * 0.3, radius * 0.1), radius * 2.2);
    halo.setColorAt(0, withAlpha(colour, 70));
    halo.setColorAt(1, withAlpha(colour, 0));
    p.setBrush(halo);
    p.drawEllipse(c + QPointF(radius * 0.3, radius * 0.1), radius * 2.2, radius * 2.2);
    p.fillPath(disc.subtracted(bite), colour);
    p.restore();
}

void pine(QPainter& p, QPointF base, qreal height, const QColor& colour)
{
    const qreal w = height * 0.42;
    QPainterPath tree;
    // Three stacked tiers, each wider than the one above.
    for (int tier = 0; tier < 3; ++tier) {
        const qreal top = base.y() - height + tier * height * 0.24;
        const qreal bottom = top + height * 0.46;
        const qreal half = w * (0.45 + tier * 0.28) / 1.0;
        tree.moveTo(base.x(), top);
        tree.lineTo(base.x() + half, bottom);
        tree.lineTo(base.x() - half, bottom);
        tree.closeSubpath();
    }
    tree.addRect(QRectF(base.x() - height * 0.04, base.y() - height * 0.12, height * 0.08, height * 0.12));
    tree.setFillRule(Qt::WindingFill);
    p.fillPath(tree, colour);
}

void leafyTree(QPainter& p, QPointF base, qreal height, const QColor& foliage, const QColor& trunk)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(trunk);
    QPainterPath stem;
    stem.moveTo(base + QPointF(-height * 0.06, 0));
    stem.lineTo(base + QPointF(-height * 0.03, -height * 0.55));
    stem.lineTo(base + QPointF(height * 0.03, -height * 0.55));
    stem.lineTo(base + QPointF(height * 0.06, 0));
    stem.closeSubpath();
    p.drawPath(stem);
    const QPointF crown = base + QPointF(0, -height * 0.66);
    const qreal r = height * 0.3;
    p.setBrush(mix(foliage, Qt::black, 0.25));
    p.drawEllipse(crown + QPointF(r * 0.15, r * 0.2), r * 1.05, r * 0.9);
    p.setBrush(foliage);
    p.drawEllipse(crown + QPointF(-r * 0.45, 0), r * 0.7, r * 0.65);
    p.drawEllipse(crown + QPointF(r * 0.45, -r * 0.05), r * 0.7, r * 0.65);
    p.drawEllipse(crown + QPointF(0, -r * 0.4), r * 0.75, r * 0.65);
    p.setBrush(mix(foliage, Qt::white, 0.2));
    p.drawEllipse(crown + QPointF(-r * 0.3, -r * 0.5), r * 0.35, r * 0.28);
    p.restore();
}

void cloud(QPainter& p, QPointF c, qreal width, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal u = width / 6;
    QPainterPath puff;
    puff.setFillRule(Qt::WindingFill);
    puff.addEllipse(c + QPointF(-1.8 * u, 0.2 * u), 1.3 * u, 0.9 * u);
    puff.addEllipse(c + QPointF(-0.4 * u, -0.5 * u), 1.5 * u, 1.25 * u);
    puff.addEllipse(c + QPointF(1.2 * u, -0.1 * u), 1.3 * u, 1.0 * u);
    puff.addEllipse(c + QPointF(2.2 * u, 0.4 * u), 0.9 * u, 0.6 * u);
    puff.addRoundedRect(QRectF(c.x() - 3 * u, c.y(), 6 * u, 0.9 * u), 0.45 * u, 0.45 * u);
    p.drawPath(puff.simplified());
    p.restore();
}

void bird(QPainter& p, QPointF c, qreal span, const QColor& colour)
{
    QPainterPath b;
    b.moveTo(c + QPointF(-span / 2, -span * 0.1));
    b.quadTo(c + QPointF(-span / 4, -span * 0.3), c);
    b.quadTo(c + QPointF(span / 4, -span * 0.3), c + QPointF(span / 2, -span * 0.1));
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, std::max(0.45, span * 0.09), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(b);
    p.restore();
}

void ripples(QPainter& p, const QRectF& water, const QColor& colour, int count, std::uint32_t seed)
{
    Rng rng(seed);
    p.save();
    for (int i = 0; i < count; ++i) {
        const qreal y = rng.real(water.top(), water.bottom());
        const qreal depth = (y - water.top()) / std::max(1.0, water.height());
        const qreal len = rng.real(1.5, 4.5) * (0.6 + depth);
        const qreal x = rng.real(water.left(), water.right());
        p.setPen(
            QPen(withAlpha(colour, rng.integer(60, 150)), 0.5 + depth * 0.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - len / 2, y), QPointF(x + len / 2, y));
    }
    p.restore();
}

void reflection(QPainter& p, const QRectF& r, qreal waterY, const std::function<void(QPainter&)>& scene,
                const QColor& water, int alpha)
{
    p.save();
    p.setClipRect(QRectF(r.left(), waterY, r.width(), r.bottom() - waterY), Qt::IntersectClip);
    p.translate(0, 2 * waterY);
    p.scale(1, -1);
    p.setOpacity(alpha / 255.0);
    scene(p);
    p.restore();
    p.save();
    QLinearGradient fade(0, waterY, 0, r.bottom());
    fade.setColorAt(0, withAlpha(water, 90));
    fade.setColorAt(1, withAlpha(water, 220));
    p.fillRect(QRectF(r.left(), waterY, r.width(), r.bottom() - waterY), fade);
    p.restore();
}

// A path of glints on water under a low sun, widening towards the viewer.
void sunPath(QPainter& p, const QRectF& r, qreal x, qreal horizon, const QColor& colour, std::uint32_t seed)
{
    Rng rng(seed);
    p.save();
    for (int i = 0; i < 70; ++i) {
        const qreal t = rng.real();
        const qreal y = horizon + 1 + t * (r.bottom() - horizon);
        const qreal spread = 3 + t * 16;
        const qreal cx = x + rng.real(-spread, spread);
        const qreal len = 1 + t * 5 * rng.real(0.5, 1.0);
        p.setPen(QPen(withAlpha(colour, rng.integer(120, 230)), 0.5 + t * 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - len / 2, y), QPointF(cx + len / 2, y));
    }
    p.restore();
}

void litWindow(QPainter& p, const QRectF& w, const QColor& light)
{
    p.save();
    p.setPen(Qt::NoPen);
    glowDisc(p, w.center(), 0.1, w.width() * 1.6, light, withAlpha(light, 70));
    p.setBrush(light);
    p.drawRect(w);
    p.restore();
}

} // namespace liorna::art::detail
