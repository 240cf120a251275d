// Bonus pictures, skies and waters: aurora, night city, balloons, galaxy, coral reef, blossom and moon,
// volcano, rainbow, fireworks, sailing ship.
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "ui/art/scenery.h"
#include "ui/art/scenes.h"

namespace liorna::art::detail {

namespace {

QPointF polar(QPointF c, qreal radius, qreal radians)
{
    return c + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

// One firework: sparks along rays with a bright centre.
void burst(QPainter& p, QPointF c, qreal radius, const QColor& colour, std::uint32_t seed)
{
    Rng rng(seed);
    glowDisc(p, c, 0.8, radius * 1.1, withAlpha(Qt::white, 230), withAlpha(colour, 60));
    const int rays = 20;
    for (int i = 0; i < rays; ++i) {
        const qreal a = 2 * M_PI * i / rays + rng.real(-0.08, 0.08);
        const qreal len = radius * rng.real(0.75, 1.0);
        QLinearGradient g(c, polar(c, len, a));
        g.setColorAt(0, withAlpha(colour, 0));
        g.setColorAt(1, colour);
        p.setPen(QPen(QBrush(g), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(polar(c, len * 0.25, a), polar(c, len, a));
        p.setPen(Qt::NoPen);
        p.setBrush(mix(colour, Qt::white, 0.5));
        p.drawEllipse(polar(c, len + 0.8, a + 0.02), 0.7, 0.7);
    }
}

void fish(QPainter& p, QPointF c, qreal len, const QColor& body, const QColor& stripe, bool left)
{
    p.save();
    p.translate(c);
    if (left)
        p.scale(-1, 1);
    QPainterPath f;
    f.moveTo(len / 2, 0);
    f.cubicTo(len * 0.3, -len * 0.35, -len * 0.2, -len * 0.35, -len * 0.3, 0);
    f.cubicTo(-len * 0.2, len * 0.35, len * 0.3, len * 0.35, len / 2, 0);
    f.moveTo(-len * 0.25, 0);
    f.lineTo(-len * 0.55, -len * 0.25);
    f.lineTo(-len * 0.55, len * 0.25);
    f.closeSubpath();
    f.setFillRule(Qt::WindingFill);
    p.fillPath(f, body);
    p.save();
    p.setClipPath(f);
    p.setPen(QPen(stripe, len * 0.1));
    p.drawLine(QPointF(len * 0.15, -len), QPointF(len * 0.15, len));
    p.drawLine(QPointF(-len * 0.1, -len), QPointF(-len * 0.1, len));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(len * 0.3, -len * 0.05), len * 0.05, len * 0.05);
    p.restore();
}

void balloon(QPainter& p, QPointF top, qreal size, const QColor& a, const QColor& b)
{
    QPainterPath env;
    env.moveTo(top.x(), top.y() + size * 1.25);
    env.cubicTo(top.x() - size * 0.2, top.y() + size, top.x() - size * 0.6, top.y() + size * 0.7,
                top.x() - size * 0.6, top.y() + size * 0.35);
    env.cubicTo(top.x() - size * 0.6, top.y() - size * 0.05, top.x() - size * 0.3, top.y() - size * 0.1,
                top.x(), top.y() - size * 0.1);
    env.cubicTo(top.x() + size * 0.3, top.y() - size * 0.1, top.x() + size * 0.6, top.y() - size * 0.05,
                top.x() + size * 0.6, top.y() + size * 0.35);
    env.cubicTo(top.x() + size * 0.6, top.y() + size * 0.7, top.x() + size * 0.2, top.y() + size, top.x(),
                top.y() + size * 1.25);
    p.fillPath(env, a);
    // Gores: vertical panels of the second colour, narrowing to the bottom.
    p.save();
    p.setClipPath(env);
    for (int i = -2; i <= 2; i += 2) {
        QPainterPath gore;
        const qreal x = top.x() + i * size * 0.15;
        gore.moveTo(x, top.y() - size);
        gore.lineTo(x + size * 0.15, top.y() - size);
        gore.lineTo(top.x() + i * 0.03 * size + size * 0.04, top.y() + size * 1.3);
        gore.lineTo(top.x() + i * 0.03 * size - size * 0.04, top.y() + size * 1.3);
        gore.closeSubpath();
        p.fillPath(gore, b);
    }
    QRadialGradient shine(top + QPointF(-size * 0.25, size * 0.15), size * 0.9);
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillPath(env, shine);
    p.restore();
    p.setPen(QPen(QColor(80, 60, 40), 0.35));
    const qreal by = top.y() + size * 1.55;
    p.drawLine(QPointF(top.x() - size * 0.12, top.y() + size * 1.2), QPointF(top.x() - size * 0.1, by));
    p.drawLine(QPointF(top.x() + size * 0.12, top.y() + size * 1.2), QPointF(top.x() + size * 0.1, by));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 80, 40));
    p.drawRect(QRectF(top.x() - size * 0.12, by, size * 0.24, size * 0.18));
}

} // namespace

void bonusAurora(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(4, 8, 28)}, {0.6, QColor(10, 30, 60)}, {1, QColor(20, 50, 80)}});
    stars(p, r, r.top() + 60, 70, 91);
    // Curtains: thin vertical strokes hanging from a wavy line, bright at the bottom edge.
    for (int band = 0; band < 2; ++band) {
        const QColor low = band ? QColor(180, 80, 220) : QColor(60, 255, 150);
        const QColor high = band ? QColor(120, 60, 200) : QColor(40, 180, 220);
        for (qreal x = r.left(); x < r.right(); x += 0.6) {
            const qreal u = (x - r.left()) / r.width();
            const qreal base =
                r.top() + (band ? 26 : 42) + 8 * std::sin(u * 5.5 + band * 2) + 3 * std::sin(u * 13);
            const qreal len = (band ? 18 : 28) + 9 * std::sin(u * 9 + 1 + band);
            const qreal strength = 0.65 + 0.35 * std::sin(u * 17 + band * 3);
            QLinearGradient g(0, base - len, 0, base);
            g.setColorAt(0, withAlpha(high, 0));
            g.setColorAt(0.6, withAlpha(high, static_cast<int>(90 * strength)));
            g.setColorAt(0.92, withAlpha(low, static_cast<int>(230 * strength)));
            g.setColorAt(1, withAlpha(mix(low, Qt::white, 0.4), static_cast<int>(120 * strength)));
            p.setPen(QPen(QBrush(g), 0.8));
            p.drawLine(QPointF(x, base - len), QPointF(x, base));
        }
    }
    const qreal lake = r.top() + 70;
    auto land = [&](QPainter& q) {
        const QPainterPath hills = ridge(r, lake - 2, 14, 93, 0.9);
        q.fillPath(hills, QColor(40, 60, 90));
        q.save();
        q.setClipPath(hills);
        fillVertical(q, QRectF(r.left(), lake - 16, r.width(), 8),
                     {{0, QColor(220, 240, 250, 200)}, {1, QColor(220, 240, 250, 0)}});
        q.restore();
        for (int i = 0; i < 9; ++i)
            pine(q, QPointF(r.left() + 2 + i * 7.6, lake + 0.5), 6 + (i * 5 % 4) * 2, QColor(6, 16, 26));
    };
    land(p);
    fillVertical(p, QRectF(r.left(), lake, r.width(), r.bottom() - lake + 1),
                 {{0, QColor(10, 40, 60)}, {1, QColor(4, 14, 30)}});
    reflection(
        p, r, lake,
        [&](QPainter& q) {
            for (qreal x = r.left(); x < r.right(); x += 1.2) {
                const qreal u = (x - r.left()) / r.width();
                const qreal strength = 0.5 + 0.5 * std::sin(u * 17);
                q.setPen(QPen(QColor(60, 255, 150, static_cast<int>(120 * strength)), 0.8));
                q.drawLine(QPointF(x, lake - 30), QPointF(x, lake - 14));
            }
            land(q);
        },
        QColor(4, 14, 30), 140);
}

void bonusNightCity(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(10, 10, 40)}, {0.6, QColor(50, 30, 90)}, {0.75, QColor(160, 70, 100)}});
    stars(p, r, r.top() + 30, 40, 101);
    glowDisc(p, QPointF(r.left() + 16, r.top() + 16), 5.5, 16, QColor(255, 250, 230),
             QColor(200, 200, 255, 90));
    const qreal street = r.top() + 66;
    auto skyline = [&](QPainter& q) {
        Rng rng(103);
        for (int layer = 0; layer < 2; ++layer) {
            const QColor wall = layer ? QColor(20, 16, 40) : QColor(50, 40, 80);
            for (qreal x = r.left() - 2; x < r.right() + 2;) {
                const qreal w = rng.real(6, 11);
                const qreal h = layer ? rng.real(12, 38) : rng.real(20, 46);
                const QRectF b(x, street - h, w, h);
                q.fillRect(b, wall);
                if (layer && rng.chance(0.3))
                    q.fillRect(QRectF(b.center().x() - 0.4, b.top() - 5, 0.8, 5), wall);
                // Lit windows in a grid, about half of them on.
                for (qreal wy = b.top() + 2; wy < b.bottom() - 2; wy += 3)
                    for (qreal wx = b.left() + 1.2; wx < b.right() - 1.5; wx += 2.4)
                        if (rng.chance(layer ? 0.45 : 0.25))
                            q.fillRect(QRectF(wx, wy, 1.1, 1.4),
                                       rng.chance(0.8) ? QColor(255, 210, 110) : QColor(170, 220, 255));
                x += w + (layer ? rng.real(0, 2) : rng.real(2, 6));
            }
        }
    };
    skyline(p);
    fillVertical(p, QRectF(r.left(), street, r.width(), r.bottom() - street + 1),
                 {{0, QColor(30, 20, 60)}, {1, QColor(8, 6, 24)}});
    reflection(p, r, street, skyline, QColor(8, 6, 30), 120);
    ripples(p, QRectF(r.left(), street + 1, r.width(), r.bottom() - street), QColor(255, 210, 120), 40, 107);
    // The embankment with its row of lamps.
    p.fillRect(QRectF(r.left(), street - 1, r.width(), 1.5), QColor(10, 8, 20));
    for (qreal x = r.left() + 4; x < r.right(); x += 10)
        glowDisc(p, QPointF(x, street - 3), 0.8, 3, QColor(255, 240, 200), QColor(255, 200, 120, 120));
}

void bonusBalloons(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(100, 170, 240)}, {0.7, QColor(250, 220, 200)}});
    cloud(p, QPointF(r.left() + 44, r.top() + 12), 22, QColor(255, 255, 255, 220));
    cloud(p, QPointF(r.left() + 12, r.top() + 44), 16, QColor(255, 255, 255, 190));
    p.fillPath(ridge(r, r.top() + 74, 10, 111, 0.1), QColor(120, 170, 110));
    p.fillPath(ridge(r, r.top() + 80, 8, 112, 0.1), QColor(80, 140, 70));
    p.fillPath(ridge(r, r.top() + 86, 6, 113, 0.1), QColor(50, 110, 50));
    for (int i = 0; i < 5; ++i)
        leafyTree(p, QPointF(r.left() + 6 + i * 13, r.top() + 82 + (i % 2) * 3), 8, QColor(40, 100, 40),
                  QColor(80, 50, 30));
    balloon(p, QPointF(r.left() + 14, r.top() + 56), 7, QColor(60, 120, 220), QColor(250, 220, 60));
    balloon(p, QPointF(r.left() + 48, r.top() + 48), 9, QColor(40, 170, 90), QColor(250, 250, 240));
    balloon(p, QPointF(r.left() + 22, r.top() + 14), 14, QColor(220, 40, 50), QColor(250, 200, 40));
}

void bonusGalaxy(QPainter& p, const QRectF& r)
{
    p.fillRect(r, QColor(4, 4, 16));
    // Nebula clouds.
    const QColor nebula[3] = {QColor(120, 40, 160, 90), QColor(40, 90, 200, 80), QColor(220, 60, 120, 60)};
    const QPointF spots[3] = {r.topLeft() + QPointF(16, 24), r.bottomRight() - QPointF(14, 26),
                              r.center() + QPointF(14, -22)};
    for (int i = 0; i < 3; ++i) {
        QRadialGradient g(spots[i], 26);
        g.setColorAt(0, nebula[i]);
        g.setColorAt(1, withAlpha(nebula[i], 0));
        p.fillRect(r, g);
    }
    stars(p, r, r.bottom(), 120, 121);
    // A spiral galaxy: dots along two logarithmic arms around a warm core, tilted.
    const QPointF c = r.center() + QPointF(0, 4);
    Rng rng(122);
    p.save();
    p.translate(c);
    p.rotate(-25);
    p.scale(1.0, 0.55);
    p.setPen(Qt::NoPen);
    for (int arm = 0; arm < 2; ++arm) {
        for (int i = 0; i < 260; ++i) {
            const qreal t = rng.real(0.0, 3.2);
            const qreal radius = 3 + 7 * std::exp(0.32 * t * 2) / 2;
            const qreal a = t * 1.9 + arm * M_PI + rng.real(-0.25, 0.25);
            const QPointF at(std::cos(a) * radius + rng.real(-1.5, 1.5),
                             std::sin(a) * radius + rng.real(-1.5, 1.5));
            const qreal near = std::clamp(1.0 - radius / 40, 0.0, 1.0);
            p.setBrush(
                withAlpha(mix(QColor(140, 180, 255), QColor(255, 230, 200), near), rng.integer(80, 220)));
            const qreal s = rng.real(0.25, 0.7);
            p.drawEllipse(at, s, s);
        }
    }
    p.restore();
    glowDisc(p, c, 2.5, 12, QColor(255, 250, 230), QColor(255, 220, 160, 170));
    // A ringed planet in the corner and a comet.
    const QPointF planet(r.left() + 14, r.bottom() - 14);
    QRadialGradient pg(planet + QPointF(-2, -2), 8);
    pg.setColorAt(0, QColor(250, 200, 130));
    pg.setColorAt(1, QColor(150, 70, 40));
    p.setBrush(pg);
    p.drawEllipse(planet, 6, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 220, 180, 200), 0.8));
    p.drawEllipse(planet, 10, 2.5);
    QLinearGradient tail(r.right() - 30, r.top() + 20, r.right() - 8, r.top() + 8);
    tail.setColorAt(0, QColor(150, 220, 255, 0));
    tail.setColorAt(1, QColor(220, 250, 255, 230));
    p.setPen(QPen(QBrush(tail), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.right() - 30, r.top() + 20), QPointF(r.right() - 8, r.top() + 8));
    glowDisc(p, QPointF(r.right() - 8, r.top() + 8), 1.1, 4, Qt::white, QColor(200, 240, 255, 160));
}

void bonusCoralReef(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(40, 190, 220)}, {0.5, QColor(20, 110, 170)}, {1, QColor(10, 50, 100)}});
    // Shafts of light from the surface.
    for (int i = 0; i < 4; ++i) {
        QPolygonF ray;
        const qreal x = r.left() + 8 + i * 16;
        ray << QPointF(x, r.top()) << QPointF(x + 6, r.top()) << QPointF(x + 18, r.bottom())
            << QPointF(x + 8, r.bottom());
        QLinearGradient g(0, r.top(), 0, r.bottom());
        g.setColorAt(0, QColor(255, 255, 255, 70));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(ray);
    }
    // Sand floor, weed, corals.
    p.fillPath(ridge(r, r.bottom() - 6, 5, 131, 0.1), QColor(230, 200, 140));
    Rng rng(132);
    for (int i = 0; i < 5; ++i) {
        const qreal x = r.left() + 4 + i * 14 + rng.real(-2, 2);
        QPainterPath weed;
        weed.moveTo(x, r.bottom());
        weed.cubicTo(x - 3, r.bottom() - 10, x + 3, r.bottom() - 18, x - 1, r.bottom() - 28 + rng.real(0, 8));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 140, 70), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(weed);
    }
    // Branching coral: a recursive fork.
    std::function<void(QPointF, qreal, qreal, int)> branch = [&](QPointF at, qreal angle, qreal len,
                                                                 int depth) {
        const QPointF end = polar(at, len, angle);
        p.setPen(QPen(QColor(250, 110, 110), 0.6 + depth * 0.45, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, end);
        if (depth > 0) {
            branch(end, angle - 0.45, len * 0.72, depth - 1);
            branch(end, angle + 0.4, len * 0.72, depth - 1);
        }
    };
    branch(QPointF(r.left() + 16, r.bottom() - 4), -M_PI / 2, 9, 4);
    // A sea fan and a brain coral.
    const QPointF fan(r.right() - 16, r.bottom() - 6);
    p.setPen(QPen(QColor(180, 80, 200), 0.5));
    for (int i = 0; i <= 10; ++i)
        p.drawLine(fan, polar(fan, 20, -M_PI * (0.15 + 0.07 * i)));
    p.setPen(QPen(QColor(200, 110, 220), 0.4));
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 4; ++k)
        p.drawArc(QRectF(fan.x() - k * 5, fan.y() - k * 5, k * 10, k * 10), 27 * 16, 126 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 180, 60));
    p.drawEllipse(QPointF(r.center().x() + 2, r.bottom() - 5), 8, 5);
    p.setPen(QPen(QColor(190, 120, 30), 0.5));
    for (int k = 0; k < 4; ++k)
        p.drawArc(QRectF(r.center().x() - 6 + k * 3, r.bottom() - 9, 4, 6), 0, 180 * 16);
    fish(p, QPointF(r.left() + 22, r.top() + 30), 10, QColor(250, 130, 30), QColor(255, 255, 255), false);
    fish(p, QPointF(r.left() + 46, r.top() + 46), 12, QColor(40, 80, 220), QColor(250, 220, 40), true);
    fish(p, QPointF(r.left() + 36, r.top() + 18), 7, QColor(250, 220, 40), QColor(30, 30, 40), true);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.4));
    p.setBrush(QColor(255, 255, 255, 50));
    for (int i = 0; i < 8; ++i)
        p.drawEllipse(QPointF(r.left() + 28 + rng.real(-3, 3), r.top() + 26 - i * 3.0), 0.5 + i * 0.12,
                      0.5 + i * 0.12);
}

void bonusBlossomMoon(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(30, 30, 90)}, {0.6, QColor(200, 110, 160)}, {1, QColor(250, 190, 180)}});
    glowDisc(p, QPointF(r.left() + 40, r.top() + 32), 14, 26, QColor(255, 246, 220),
             QColor(255, 230, 230, 90));
    // A snow-capped cone on the horizon.
    QPainterPath fuji;
    fuji.moveTo(r.left() - 1, r.bottom() - 10);
    fuji.cubicTo(r.left() + 12, r.bottom() - 16, r.left() + 22, r.bottom() - 30, r.left() + 30,
                 r.bottom() - 34);
    fuji.lineTo(r.left() + 38, r.bottom() - 34);
    fuji.cubicTo(r.left() + 46, r.bottom() - 30, r.left() + 54, r.bottom() - 16, r.right() + 1,
                 r.bottom() - 10);
    fuji.lineTo(r.right() + 1, r.bottom() + 1);
    fuji.lineTo(r.left() - 1, r.bottom() + 1);
    fuji.closeSubpath();
    p.fillPath(fuji, QColor(100, 70, 130));
    p.save();
    p.setClipPath(fuji);
    QPainterPath cap = ridge(r, r.bottom() - 26, 3, 141, 1.0);
    QPainterPath all;
    all.addRect(r);
    p.fillPath(all.subtracted(cap), QColor(250, 240, 250));
    p.restore();
    p.fillPath(ridge(r, r.bottom() - 2, 4, 142, 0.2), QColor(60, 40, 80));
    // The branch reaching in from the top left, with blossoms along it.
    QPainterPath bough;
    bough.moveTo(r.left() - 2, r.top() + 8);
    bough.cubicTo(r.left() + 16, r.top() + 14, r.left() + 22, r.top() + 26, r.left() + 40, r.top() + 36);
    bough.moveTo(r.left() + 14, r.top() + 14);
    bough.cubicTo(r.left() + 22, r.top() + 8, r.left() + 30, r.top() + 8, r.left() + 38, r.top() + 4);
    bough.moveTo(r.left() + 26, r.top() + 28);
    bough.cubicTo(r.left() + 24, r.top() + 40, r.left() + 18, r.top() + 48, r.left() + 12, r.top() + 56);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 30, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bough);
    Rng rng(143);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 34; ++i) {
        const QPointF at =
            bough.pointAtPercent(rng.real(0.05, 1.0)) + QPointF(rng.real(-3, 3), rng.real(-3, 3));
        const qreal s = rng.real(1.1, 1.9);
        for (int k = 0; k < 5; ++k) {
            p.setBrush(k % 2 ? QColor(255, 200, 220) : QColor(250, 170, 200));
            p.drawEllipse(polar(at, s * 0.8, k * 2 * M_PI / 5 + i), s * 0.65, s * 0.65);
        }
        p.setBrush(QColor(220, 60, 110));
        p.drawEllipse(at, s * 0.35, s * 0.35);
    }
    for (int i = 0; i < 14; ++i) {
        p.setBrush(QColor(255, 200, 220, 200));
        p.drawEllipse(QPointF(rng.real(r.left(), r.right()), rng.real(r.top() + 30, r.bottom() - 10)), 0.9,
                      0.6);
    }
}

void bonusVolcano(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(20, 10, 20)}, {0.5, QColor(110, 30, 20)}, {0.7, QColor(200, 80, 30)}});
    // Smoke plume rolling up and to the right.
    Rng rng(151);
    for (int i = 0; i < 16; ++i) {
        const QPointF at(r.left() + 32 + i * 1.6 + rng.real(-3, 3), r.top() + 34 - i * 2.4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60 + i * 3, 40 + i * 2, 40 + i * 2, 150));
        p.drawEllipse(at, 4 + i * 0.5, 3 + i * 0.4);
    }
    glowDisc(p, QPointF(r.left() + 32, r.top() + 38), 3, 18, QColor(255, 230, 120),
             QColor(255, 120, 40, 170));
    QPainterPath cone;
    cone.moveTo(r.left() - 1, r.bottom() - 14);
    cone.cubicTo(r.left() + 10, r.bottom() - 20, r.left() + 22, r.top() + 46, r.left() + 28, r.top() + 40);
    cone.lineTo(r.left() + 36, r.top() + 40);
    cone.cubicTo(r.left() + 42, r.top() + 46, r.left() + 54, r.bottom() - 22, r.right() + 1, r.bottom() - 16);
    cone.lineTo(r.right() + 1, r.bottom() + 1);
    cone.lineTo(r.left() - 1, r.bottom() + 1);
    cone.closeSubpath();
    p.fillPath(cone, QColor(40, 20, 24));
    // Lava streams down the flanks.
    p.setBrush(Qt::NoBrush);
    const QPointF lips[3] = {QPointF(r.left() + 29, r.top() + 41), QPointF(r.left() + 33, r.top() + 41),
                             QPointF(r.left() + 35, r.top() + 41)};
    const QPointF feet[3] = {QPointF(r.left() + 10, r.bottom() - 8), QPointF(r.left() + 30, r.bottom() - 2),
                             QPointF(r.left() + 52, r.bottom() - 10)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath flow;
        flow.moveTo(lips[i]);
        flow.cubicTo(lips[i] + QPointF((i - 1) * 6, 14), feet[i] + QPointF((1 - i) * 4, -16), feet[i]);
        p.setPen(QPen(QColor(255, 90, 20, 130), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(flow);
        p.setPen(QPen(QColor(255, 220, 90), 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(flow);
    }
    // Sparks thrown out of the crater.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 30; ++i) {
        const qreal a = rng.real(-M_PI * 0.9, -M_PI * 0.1);
        const QPointF at = polar(QPointF(r.left() + 32, r.top() + 38), rng.real(3, 16), a);
        p.setBrush(QColor(255, rng.integer(150, 240), 60, rng.integer(150, 255)));
        p.drawEllipse(at, 0.6, 0.6);
    }
    p.fillPath(ridge(r, r.bottom() - 2, 6, 152, 0.6), QColor(14, 8, 10));
}

void bonusRainbow(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(80, 150, 230)}, {0.7, QColor(210, 235, 250)}});
    const QColor bands[7] = {QColor(230, 40, 40), QColor(250, 140, 30), QColor(250, 230, 50),
                             QColor(60, 190, 70), QColor(50, 130, 230), QColor(70, 60, 180),
                             QColor(140, 60, 180)};
    const QPointF c(r.left() + 36, r.top() + 74);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const qreal rad = 42 - i * 2.2;
        p.setPen(QPen(withAlpha(bands[i], 170), 2.3));
        p.drawArc(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), 0, 180 * 16);
    }
    cloud(p, QPointF(r.left() + 6, r.top() + 58), 22, QColor(255, 255, 255, 240));
    cloud(p, QPointF(r.right() - 6, r.top() + 62), 20, QColor(255, 255, 255, 230));
    p.fillPath(ridge(r, r.top() + 70, 8, 161, 0.1), QColor(110, 190, 90));
    p.fillPath(ridge(r, r.top() + 78, 6, 162, 0.1), QColor(80, 160, 60));
    // Meadow flowers and a little house.
    Rng rng(163);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 50; ++i) {
        const QColor f[4] = {QColor(255, 255, 255), QColor(250, 220, 50), QColor(240, 80, 120),
                             QColor(160, 120, 240)};
        p.setBrush(f[rng.integer(0, 3)]);
        p.drawEllipse(QPointF(rng.real(r.left(), r.right()), rng.real(r.top() + 78, r.bottom())), 0.8, 0.8);
    }
    const QPointF h(r.left() + 44, r.top() + 74);
    p.setBrush(QColor(250, 240, 220));
    p.drawRect(QRectF(h.x(), h.y() - 6, 9, 6));
    QPolygonF roof;
    roof << QPointF(h.x() - 1.5, h.y() - 6) << QPointF(h.x() + 4.5, h.y() - 11)
         << QPointF(h.x() + 10.5, h.y() - 6);
    p.setBrush(QColor(200, 60, 40));
    p.drawPolygon(roof);
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(QRectF(h.x() + 3.5, h.y() - 3.5, 2, 3.5));
    leafyTree(p, QPointF(r.left() + 14, r.top() + 80), 14, QColor(50, 140, 50), QColor(90, 60, 30));
}

void bonusFireworks(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(6, 6, 24)}, {0.7, QColor(24, 20, 60)}});
    stars(p, r, r.top() + 50, 30, 171);
    const qreal river = r.top() + 66;
    auto show = [&](QPainter& q) {
        burst(q, QPointF(r.left() + 20, r.top() + 20), 13, QColor(255, 80, 120), 172);
        burst(q, QPointF(r.left() + 46, r.top() + 30), 15, QColor(100, 220, 255), 173);
        burst(q, QPointF(r.left() + 30, r.top() + 44), 9, QColor(255, 220, 90), 174);
        burst(q, QPointF(r.left() + 54, r.top() + 10), 7, QColor(150, 255, 130), 175);
        // The city along the bank.
        Rng rng(176);
        for (qreal x = r.left() - 1; x < r.right();) {
            const qreal w = rng.real(4, 8);
            const qreal h = rng.real(5, 14);
            q.fillRect(QRectF(x, river - h, w, h), QColor(10, 8, 24));
            for (qreal wy = river - h + 1.5; wy < river - 1; wy += 2.5)
                for (qreal wx = x + 1; wx < x + w - 1; wx += 2)
                    if (rng.chance(0.35))
                        q.fillRect(QRectF(wx, wy, 0.9, 1), QColor(255, 200, 110));
            x += w;
        }
    };
    show(p);
    fillVertical(p, QRectF(r.left(), river, r.width(), r.bottom() - river + 1),
                 {{0, QColor(16, 14, 40)}, {1, QColor(4, 4, 16)}});
    reflection(p, r, river, show, QColor(4, 4, 20), 130);
    ripples(p, QRectF(r.left(), river + 1, r.width(), r.bottom() - river), QColor(255, 200, 220), 40, 177);
}

void bonusSailingShip(QPainter& p, const QRectF& r)
{
    const qreal horizon = r.top() + 58;
    fillVertical(p, QRectF(r.left(), r.top(), r.width(), horizon - r.top() + 1),
                 {{0, QColor(60, 120, 200)}, {1, QColor(230, 236, 240)}});
    cloud(p, QPointF(r.left() + 14, r.top() + 18), 26, QColor(255, 255, 255, 230));
    cloud(p, QPointF(r.left() + 52, r.top() + 12), 20, QColor(255, 255, 255, 210));
    fillVertical(p, QRectF(r.left(), horizon, r.width(), r.bottom() - horizon + 1),
                 {{0, QColor(40, 100, 150)}, {1, QColor(10, 40, 80)}});
    // The ship: a dark hull with a gold stripe, three masts under full sail.
    const qreal waterline = horizon + 12;
    const qreal cx = r.left() + 32;
    QPainterPath hull;
    hull.moveTo(cx - 20, waterline - 6);
    hull.lineTo(cx + 18, waterline - 7);
    hull.lineTo(cx + 24, waterline - 10);
    hull.lineTo(cx + 16, waterline);
    hull.lineTo(cx - 16, waterline);
    hull.closeSubpath();
    p.fillPath(hull, QColor(90, 50, 30));
    p.setPen(QPen(QColor(230, 190, 80), 0.8));
    p.drawLine(QPointF(cx - 18, waterline - 4), QPointF(cx + 18, waterline - 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 16));
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(cx - 14 + i * 5.5, waterline - 3.2, 1.4, 1.2));
    const qreal masts[3] = {cx - 11, cx + 1, cx + 12};
    const qreal heights[3] = {30, 38, 28};
    for (int m = 0; m < 3; ++m) {
        p.setPen(QPen(QColor(70, 40, 30), 0.8));
        p.drawLine(QPointF(masts[m], waterline - 6), QPointF(masts[m], waterline - 6 - heights[m]));
        p.setPen(Qt::NoPen);
        for (int s = 0; s < 3; ++s) {
            const qreal top = waterline - 6 - heights[m] + 3 + s * heights[m] * 0.3;
            const qreal w = 5 + s * 1.8;
            QPainterPath sail;
            sail.moveTo(masts[m] - w, top);
            sail.lineTo(masts[m] + w, top);
            sail.quadTo(masts[m] + w + 1.5, top + heights[m] * 0.14, masts[m] + w, top + heights[m] * 0.26);
            sail.lineTo(masts[m] - w, top + heights[m] * 0.26);
            sail.quadTo(masts[m] - w + 1.5, top + heights[m] * 0.14, masts[m] - w, top);
            QLinearGradient g(masts[m] - w, 0, masts[m] + w, 0);
            g.setColorAt(0, QColor(250, 248, 236));
            g.setColorAt(1, QColor(200, 196, 184));
            p.fillPath(sail, g);
        }
        p.setBrush(QColor(200, 30, 40));
        QPolygonF pennant;
        const qreal tip = waterline - 6 - heights[m];
        pennant << QPointF(masts[m], tip) << QPointF(masts[m] + 5, tip + 0.8) << QPointF(masts[m], tip + 1.6);
        p.drawPolygon(pennant);
    }
    // Bow spray and rolling waves.
    Rng rng(181);
    for (int row = 0; row < 8; ++row) {
        const qreal y = waterline + 1 + row * 3.2;
        p.setPen(QPen(QColor(220, 240, 255, 100 + row * 15), 0.5 + row * 0.1));
        p.setBrush(Qt::NoBrush);
        for (qreal x = r.left() + rng.real(0, 4); x < r.right(); x += rng.real(5, 9)) {
            QPainterPath crest;
            crest.moveTo(x, y);
            crest.quadTo(x + 1.5 + row * 0.3, y - 1.2 - row * 0.2, x + 3 + row * 0.6, y);
            p.drawPath(crest);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 12; ++i)
        p.drawEllipse(QPointF(cx + 20 + rng.real(-3, 4), waterline - rng.real(0, 4)), 0.7, 0.7);
    for (int i = 0; i < 3; ++i)
        bird(p, QPointF(r.left() + 48 + i * 5, r.top() + 30 + (i % 2) * 3), 3.5, QColor(60, 60, 70));
}

} // namespace liorna::art::detail
