// Landscape card backs: mountains, seascape, night sky, flowers, pine forest, autumn leaves.
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "ui/art/scenery.h"
#include "ui/art/scenes.h"

namespace liorna::art::detail {

namespace {

// Snow on the upper part of a mountain path, with a ragged snow line.
void snowCaps(QPainter& p, const QRectF& r, const QPainterPath& mountain, qreal snowY, const QColor& rock,
              std::uint32_t seed)
{
    p.save();
    p.setClipPath(mountain, Qt::IntersectClip);
    QLinearGradient snow(0, r.top(), 0, snowY);
    snow.setColorAt(0, Qt::white);
    snow.setColorAt(1, QColor(220, 230, 245));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), snowY + 4 - r.top()), snow);
    p.fillPath(ridge(r, snowY + 4, 5, seed, 1.0), rock);
    p.restore();
}

} // namespace

void backMountains(QPainter& p, const QRectF& r)
{
    fillVertical(p, r,
                 {{0, QColor(90, 150, 220)}, {0.55, QColor(190, 220, 245)}, {1, QColor(190, 220, 245)}});
    glowDisc(p, QPointF(r.left() + 46, r.top() + 16), 5, 14, QColor(255, 250, 220),
             QColor(255, 255, 230, 120));
    cloud(p, QPointF(r.left() + 16, r.top() + 14), 18, QColor(255, 255, 255, 200));
    const qreal water = r.top() + r.height() * 0.64;
    auto land = [&](QPainter& q) {
        const QPainterPath far = ridge(r, water - 6, 30, 3, 1.0);
        q.fillPath(far, QColor(110, 130, 170));
        snowCaps(q, r, far, water - 22, QColor(110, 130, 170), 9);
        const QPainterPath near = ridge(r, water + 1, 18, 17, 0.8);
        q.fillPath(near, QColor(70, 96, 120));
        snowCaps(q, r, near, water - 9, QColor(70, 96, 120), 19);
        q.fillPath(ridge(r, water + 1, 5, 5, 0.2), QColor(40, 100, 60));
        for (int i = 0; i < 9; ++i)
            pine(q, QPointF(r.left() + 3 + i * 7.5, water + 1), 7 + (i * 37 % 5), QColor(20, 70, 40));
    };
    land(p);
    reflection(p, r, water + 0.5, land, QColor(40, 90, 150), 150);
    ripples(p, QRectF(r.left(), water + 2, r.width(), r.bottom() - water - 2), QColor(220, 240, 255), 40, 8);
}

void backSeascape(QPainter& p, const QRectF& r)
{
    const qreal horizon = r.top() + r.height() * 0.52;
    fillVertical(p, QRectF(r.left(), r.top(), r.width(), horizon - r.top()),
                 {{0, QColor(60, 140, 210)}, {1, QColor(200, 230, 250)}});
    cloud(p, QPointF(r.left() + 20, r.top() + 18), 22, QColor(255, 255, 255, 230));
    cloud(p, QPointF(r.left() + 50, r.top() + 30), 16, QColor(255, 255, 255, 200));
    // Island on the horizon with a little palm of rock.
    QPainterPath island;
    island.moveTo(r.left() + 36, horizon);
    island.cubicTo(r.left() + 42, horizon - 9, r.left() + 56, horizon - 11, r.right() + 1, horizon - 6);
    island.lineTo(r.right() + 1, horizon);
    island.closeSubpath();
    p.fillPath(island, QColor(70, 110, 90));
    fillVertical(p, QRectF(r.left(), horizon, r.width(), r.bottom() - horizon),
                 {{0, QColor(30, 110, 170)}, {1, QColor(10, 50, 100)}});
    // Rows of wave crests, bigger towards the viewer.
    Rng rng(12);
    for (int row = 0; row < 10; ++row) {
        const qreal y = horizon + 3 + row * row * 0.45 + row * 1.8;
        const qreal s = 1.5 + row * 0.6;
        p.setPen(QPen(QColor(220, 240, 255, 110 + row * 10), 0.4 + row * 0.08, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (qreal x = r.left() + rng.real(0, s * 2); x < r.right(); x += s * rng.real(2.5, 4.5)) {
            QPainterPath crest;
            crest.moveTo(x, y);
            crest.quadTo(x + s / 2, y - s * 0.45, x + s, y);
            p.drawPath(crest);
        }
    }
    // Sailboat.
    const QPointF boat(r.left() + 22, horizon + 18);
    QPainterPath hull;
    hull.moveTo(boat + QPointF(-9, 0));
    hull.lineTo(boat + QPointF(9, 0));
    hull.lineTo(boat + QPointF(6, 3.5));
    hull.lineTo(boat + QPointF(-7, 3.5));
    hull.closeSubpath();
    p.fillPath(hull, QColor(120, 40, 30));
    QPainterPath sail;
    sail.moveTo(boat + QPointF(0, -1));
    sail.lineTo(boat + QPointF(0, -20));
    sail.quadTo(boat + QPointF(7, -9), boat + QPointF(8, -1));
    sail.closeSubpath();
    p.fillPath(sail, QColor(250, 248, 236));
    QPainterPath jib;
    jib.moveTo(boat + QPointF(-1, -1));
    jib.lineTo(boat + QPointF(-1, -16));
    jib.quadTo(boat + QPointF(-6, -7), boat + QPointF(-8, -1));
    jib.closeSubpath();
    p.fillPath(jib, QColor(236, 90, 70));
    p.setPen(QPen(QColor(60, 40, 30), 0.6));
    p.drawLine(boat + QPointF(-0.5, 0), boat + QPointF(-0.5, -21));
    for (int i = 0; i < 3; ++i)
        bird(p, QPointF(r.left() + 44 + i * 6, r.top() + 12 + (i % 2) * 4), 4, QColor(40, 50, 70));
}

void backNightSky(QPainter& p, const QRectF& r)
{
    const QColor top(8, 12, 40);
    fillVertical(p, r, {{0, top}, {0.7, QColor(40, 40, 100)}, {1, QColor(60, 50, 110)}});
    stars(p, r, r.top() + r.height() * 0.75, 90, 55);
    crescent(p, QPointF(r.right() - 18, r.top() + 18), 8, QColor(255, 246, 200));
    // A shooting star.
    QLinearGradient tail(r.left() + 8, r.top() + 10, r.left() + 26, r.top() + 22);
    tail.setColorAt(0, QColor(255, 255, 255, 0));
    tail.setColorAt(1, QColor(255, 255, 255, 230));
    p.setPen(QPen(QBrush(tail), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 8, r.top() + 10), QPointF(r.left() + 26, r.top() + 22));
    p.setPen(Qt::NoPen);
    p.fillPath(ridge(r, r.bottom() - 16, 14, 23, 0.2), QColor(24, 26, 60));
    const QPainterPath hills = ridge(r, r.bottom() - 6, 10, 29, 0.1);
    p.fillPath(hills, QColor(8, 10, 26));
    for (int i = 0; i < 5; ++i)
        pine(p, QPointF(r.left() + 6 + i * 5.5, r.bottom() - 8 + (i % 2)), 10 + i % 3 * 3, QColor(8, 10, 26));
    // A cottage with a lit window.
    const QPointF h(r.right() - 20, r.bottom() - 10);
    p.setBrush(QColor(8, 10, 26));
    p.drawRect(QRectF(h.x(), h.y() - 8, 12, 9));
    QPolygonF roof;
    roof << QPointF(h.x() - 1.5, h.y() - 8) << QPointF(h.x() + 6, h.y() - 14)
         << QPointF(h.x() + 13.5, h.y() - 8);
    p.drawPolygon(roof);
    glowDisc(p, QPointF(h.x() + 4, h.y() - 4), 0.1, 5, QColor(255, 210, 100), QColor(255, 200, 90, 90));
    p.setBrush(QColor(255, 210, 100));
    p.drawRect(QRectF(h.x() + 2.5, h.y() - 5.5, 3, 3));
}

void backFlowers(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(120, 190, 90)}, {1, QColor(40, 120, 50)}});
    Rng rng(90);
    int row = 0;
    for (qreal y = r.top() + 5; y < r.bottom() + 6; y += 11, ++row) {
        for (qreal x = r.left() + (row % 2 ? 11 : 4); x < r.right() + 6; x += 14) {
            const QPointF c(x + rng.real(-1.5, 1.5), y + rng.real(-1.5, 1.5));
            p.save();
            p.translate(c);
            p.rotate(rng.real(0, 360));
            // Leaves first, then petals, then the heart of the flower.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 100, 40));
            p.drawEllipse(QPointF(5, 2), 3, 1.2);
            p.drawEllipse(QPointF(-4, 4), 2.6, 1.1);
            const bool daisy = (row + static_cast<int>(x)) % 3 != 0;
            const QColor petal = daisy ? QColor(252, 252, 246) : QColor(220, 40, 60);
            const int n = daisy ? 10 : 5;
            for (int i = 0; i < n; ++i) {
                p.save();
                p.rotate(360.0 * i / n);
                p.setBrush(petal);
                p.drawEllipse(QPointF(0, daisy ? -2.6 : -2.2), daisy ? 0.9 : 1.9, daisy ? 2.2 : 2.2);
                p.restore();
            }
            p.setBrush(daisy ? QColor(250, 200, 40) : QColor(40, 20, 30));
            p.drawEllipse(QPointF(0, 0), daisy ? 1.3 : 1.1, daisy ? 1.3 : 1.1);
            p.restore();
        }
    }
    // Butterflies over the meadow.
    for (const QPointF b : {QPointF(r.left() + 48, r.top() + 22), QPointF(r.left() + 18, r.top() + 62)}) {
        p.save();
        p.translate(b);
        p.rotate(-15);
        p.setBrush(QColor(90, 120, 230));
        p.drawEllipse(QPointF(-2.2, -1.5), 2.4, 2.0);
        p.drawEllipse(QPointF(2.2, -1.5), 2.4, 2.0);
        p.setBrush(QColor(150, 180, 250));
        p.drawEllipse(QPointF(-1.6, 1.5), 1.5, 1.3);
        p.drawEllipse(QPointF(1.6, 1.5), 1.5, 1.3);
        p.setBrush(QColor(30, 30, 40));
        p.drawEllipse(QPointF(0, 0), 0.5, 2.6);
        p.restore();
    }
}

void backPineForest(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(200, 226, 220)}, {1, QColor(120, 170, 160)}});
    glowDisc(p, QPointF(r.left() + 22, r.top() + 18), 7, 18, QColor(255, 250, 235),
             QColor(255, 255, 240, 110));
    // Layers of pines, darker and larger as they come closer; a band of mist between layers.
    const QColor layers[4] = {QColor(150, 190, 180), QColor(100, 150, 135), QColor(50, 100, 80),
                              QColor(16, 56, 40)};
    for (int layer = 0; layer < 4; ++layer) {
        Rng rng(200 + static_cast<std::uint32_t>(layer));
        const qreal baseY = r.top() + 40 + layer * 15;
        p.fillRect(QRectF(r.left(), baseY - 1, r.width(), r.bottom() - baseY + 1), layers[layer]);
        const qreal size = 12 + layer * 6;
        for (qreal x = r.left() - 4 + rng.real(0, 4); x < r.right() + 4; x += size * rng.real(0.3, 0.5))
            pine(p, QPointF(x, baseY + rng.real(0, 3)), size * rng.real(0.75, 1.15), layers[layer]);
        QLinearGradient mist(0, baseY - 6, 0, baseY + 4);
        mist.setColorAt(0, QColor(255, 255, 255, 0));
        mist.setColorAt(1, QColor(255, 255, 255, layer == 3 ? 0 : 70));
        p.fillRect(QRectF(r.left(), baseY - 6, r.width(), 10), mist);
    }
    // A deer's silhouette would not read at this size; a pair of birds does.
    bird(p, QPointF(r.left() + 44, r.top() + 14), 4, QColor(40, 60, 60));
    bird(p, QPointF(r.left() + 50, r.top() + 19), 3, QColor(40, 60, 60));
}

void backAutumnLeaves(QPainter& p, const QRectF& r)
{
    QRadialGradient bg(r.center(), r.height() * 0.7);
    bg.setColorAt(0, QColor(250, 232, 196));
    bg.setColorAt(1, QColor(200, 160, 110));
    p.fillRect(r, bg);
    const QColor colours[5] = {QColor(214, 70, 30), QColor(236, 150, 30), QColor(180, 40, 30),
                               QColor(240, 196, 60), QColor(140, 80, 40)};
    Rng rng(66);
    for (int i = 0; i < 30; ++i) {
        const QPointF c(rng.real(r.left() - 2, r.right() + 2), rng.real(r.top() - 2, r.bottom() + 2));
        const qreal s = rng.real(5.5, 9.5);
        const QColor col = colours[rng.integer(0, 4)];
        p.save();
        p.translate(c);
        p.rotate(rng.real(0, 360));
        // A maple leaf: five broad lobes round the stem, each with a pointed tip and two shoulders.
        QPainterPath leaf;
        leaf.moveTo(0, s * 0.15);
        const qreal lobes[5][2] = {{-165, 0.62}, {-128, 0.9}, {-90, 1.1}, {-52, 0.9}, {-15, 0.62}};
        auto at = [s](qreal deg, qreal radius) {
            const qreal a = deg * M_PI / 180.0;
            return QPointF(std::cos(a) * s * radius, std::sin(a) * s * radius);
        };
        for (int k = 0; k < 5; ++k) {
            const qreal a = lobes[k][0];
            const qreal len = lobes[k][1];
            leaf.lineTo(at(a - 14, len * 0.72));
            leaf.lineTo(at(a - 6, len * 0.8));
            leaf.lineTo(at(a, len));
            leaf.lineTo(at(a + 6, len * 0.8));
            leaf.lineTo(at(a + 14, len * 0.72));
            if (k < 4)
                leaf.lineTo(at(a + 19, len * 0.38));
        }
        leaf.lineTo(0, s * 0.15);
        leaf.closeSubpath();
        p.setPen(QPen(mix(col, Qt::black, 0.45), 0.5));
        p.drawLine(QPointF(0, s * 0.15), QPointF(0, s * 0.6));
        p.setPen(Qt::NoPen);
        QLinearGradient g(-s, -s, s, s * 0.3);
        g.setColorAt(0, mix(col, Qt::white, 0.2));
        g.setColorAt(1, mix(col, Qt::black, 0.2));
        p.fillPath(leaf, g);
        p.setPen(QPen(mix(col, Qt::black, 0.4), 0.4));
        p.drawLine(QPointF(0, s * 0.5), QPointF(0, -s * 0.9));
        p.drawLine(QPointF(0, -s * 0.1), QPointF(-s * 0.55, -s * 0.45));
        p.drawLine(QPointF(0, -s * 0.1), QPointF(s * 0.55, -s * 0.45));
        p.restore();
    }
}

} // namespace liorna::art::detail
