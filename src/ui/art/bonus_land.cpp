// Bonus pictures, the landscapes: sunset sea, snow peaks, lighthouse, autumn tree, winter cottage,
// pyramids, palm island, waterfall, windmill, castle.
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "ui/art/scenery.h"
#include "ui/art/scenes.h"

namespace liorna::art::detail {

void bonusSunsetSea(QPainter& p, const QRectF& r)
{
    const qreal horizon = r.top() + r.height() * 0.58;
    fillVertical(p, QRectF(r.left(), r.top(), r.width(), horizon - r.top() + 1),
                 {{0, QColor(46, 20, 90)},
                  {0.35, QColor(170, 40, 110)},
                  {0.75, QColor(250, 120, 60)},
                  {1, QColor(255, 210, 110)}});
    const QPointF sun(r.left() + 30, horizon);
    glowDisc(p, sun, 11, 30, QColor(255, 236, 150), QColor(255, 190, 90, 150));
    // Long thin clouds lit from below: tapered lenses, dark on top, glowing underneath.
    Rng rng(5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const qreal y = r.top() + 10 + i * 5.8 + rng.real(-1, 1);
        const qreal x = rng.real(r.left() - 12, r.right() - 24);
        const qreal w = rng.real(22, 44);
        const qreal t = rng.real(1.0, 2.0);
        QPainterPath wisp;
        wisp.moveTo(x, y);
        wisp.cubicTo(x + w * 0.3, y - t * 1.4, x + w * 0.7, y - t * 1.2, x + w, y + 0.2);
        wisp.cubicTo(x + w * 0.7, y + t * 0.9, x + w * 0.3, y + t, x, y);
        QLinearGradient g(0, y - t, 0, y + t);
        const qreal heat = static_cast<qreal>(i) / 7.0;
        g.setColorAt(0, withAlpha(mix(QColor(90, 30, 100), QColor(170, 60, 90), heat), 210));
        g.setColorAt(1, withAlpha(mix(QColor(250, 120, 140), QColor(255, 200, 120), heat), 230));
        p.setBrush(g);
        p.drawPath(wisp);
    }
    fillVertical(p, QRectF(r.left(), horizon, r.width(), r.bottom() - horizon),
                 {{0, QColor(120, 50, 110)}, {0.4, QColor(50, 24, 80)}, {1, QColor(16, 10, 40)}});
    sunPath(p, r, sun.x(), horizon, QColor(255, 210, 120), 21);
    // A headland on the right and birds going home.
    QPainterPath cape;
    cape.moveTo(r.right() + 1, horizon - 14);
    cape.cubicTo(r.right() - 8, horizon - 12, r.right() - 14, horizon - 4, r.right() - 24, horizon);
    cape.lineTo(r.right() + 1, horizon);
    cape.closeSubpath();
    p.fillPath(cape, QColor(40, 14, 46));
    QPainterPath rock;
    rock.moveTo(r.left() - 1, r.bottom() + 1);
    rock.lineTo(r.left() - 1, r.bottom() - 14);
    rock.cubicTo(r.left() + 6, r.bottom() - 16, r.left() + 14, r.bottom() - 8, r.left() + 22, r.bottom() + 1);
    rock.closeSubpath();
    p.fillPath(rock, QColor(20, 8, 26));
    for (int i = 0; i < 4; ++i)
        bird(p, QPointF(r.left() + 36 + i * 5, r.top() + 26 + (i % 2) * 3 - i), 3.6 - i * 0.3,
             QColor(40, 16, 50));
}

void bonusSnowPeaks(QPainter& p, const QRectF& r)
{
    fillVertical(p, r,
                 {{0, QColor(60, 90, 170)}, {0.45, QColor(230, 170, 190)}, {0.7, QColor(255, 220, 190)}});
    const qreal base = r.top() + r.height() * 0.66;
    const QPointF peak(r.left() + r.width() * 0.45, r.top() + 14);
    // The great peak: a sunlit face on the left and a shaded one on the right of the crest line.
    QPainterPath mountain;
    mountain.moveTo(r.left() - 2, base);
    mountain.lineTo(r.left() + 8, base - 20);
    mountain.lineTo(r.left() + 14, base - 24);
    mountain.lineTo(peak.x() - 8, peak.y() + 14);
    mountain.lineTo(peak);
    mountain.lineTo(peak.x() + 6, peak.y() + 10);
    mountain.lineTo(peak.x() + 11, peak.y() + 8);
    mountain.lineTo(r.right() - 6, base - 28);
    mountain.lineTo(r.right() + 2, base - 22);
    mountain.lineTo(r.right() + 2, base);
    mountain.closeSubpath();
    p.fillPath(mountain, QColor(150, 120, 160));
    QPainterPath shade;
    shade.moveTo(peak);
    shade.lineTo(peak.x() + 6, peak.y() + 10);
    shade.lineTo(peak.x() + 11, peak.y() + 8);
    shade.lineTo(r.right() - 6, base - 28);
    shade.lineTo(r.right() + 2, base - 22);
    shade.lineTo(r.right() + 2, base);
    shade.lineTo(peak.x() + 4, base);
    shade.lineTo(peak.x() + 2, peak.y() + 26);
    shade.closeSubpath();
    p.fillPath(shade, QColor(90, 80, 130));
    p.save();
    p.setClipPath(mountain);
    const QPainterPath snow = ridge(r, peak.y() + 24, 6, 41, 1.0);
    QPainterPath sky;
    sky.addRect(r);
    p.setClipPath(sky.subtracted(snow), Qt::IntersectClip);
    p.fillRect(r, QColor(255, 244, 240));
    p.fillPath(shade, QColor(200, 200, 230));
    p.restore();
    // Foothills, a lake and a dark pine wood in front.
    p.fillPath(ridge(r, base + 2, 10, 7, 0.6), QColor(70, 80, 120));
    fillVertical(p, QRectF(r.left(), base + 2, r.width(), r.bottom() - base),
                 {{0, QColor(240, 190, 180)}, {1, QColor(90, 110, 170)}});
    ripples(p, QRectF(r.left(), base + 3, r.width(), 10), QColor(255, 240, 240), 20, 3);
    p.fillPath(ridge(r, r.bottom() - 8, 6, 12, 0.2), QColor(20, 50, 40));
    Rng rng(8);
    for (qreal x = r.left(); x < r.right() + 4; x += rng.real(3, 6))
        pine(p, QPointF(x, r.bottom() - 6 + rng.real(-2, 2)), rng.real(10, 18), QColor(16, 44, 34));
}

void bonusLighthouse(QPainter& p, const QRectF& r)
{
    const qreal horizon = r.top() + r.height() * 0.6;
    fillVertical(p, QRectF(r.left(), r.top(), r.width(), horizon - r.top()),
                 {{0, QColor(14, 20, 60)}, {0.6, QColor(40, 90, 130)}, {1, QColor(240, 150, 80)}});
    stars(p, r, r.top() + 26, 30, 71);
    fillVertical(p, QRectF(r.left(), horizon, r.width(), r.bottom() - horizon),
                 {{0, QColor(40, 70, 100)}, {1, QColor(10, 20, 40)}});
    ripples(p, QRectF(r.left(), horizon + 1, r.width(), r.bottom() - horizon), QColor(240, 170, 110), 40, 11);
    const QPointF top(r.left() + 22, r.top() + 28);
    // Two beams sweeping from the lantern.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath beam;
        beam.moveTo(top);
        beam.lineTo(top + QPointF(side * 60, -14));
        beam.lineTo(top + QPointF(side * 60, 6));
        beam.closeSubpath();
        QLinearGradient g(top, top + QPointF(side * 60, 0));
        g.setColorAt(0, QColor(255, 250, 200, 170));
        g.setColorAt(1, QColor(255, 250, 200, 0));
        p.fillPath(beam, g);
    }
    // Rocks and the tower with red bands.
    QPainterPath rocks;
    rocks.moveTo(r.left() - 1, r.bottom() + 1);
    rocks.lineTo(r.left() - 1, horizon + 10);
    rocks.lineTo(r.left() + 10, horizon + 2);
    rocks.lineTo(r.left() + 30, horizon + 4);
    rocks.lineTo(r.left() + 40, horizon + 14);
    rocks.lineTo(r.left() + 46, r.bottom() + 1);
    rocks.closeSubpath();
    p.fillPath(rocks, QColor(40, 36, 44));
    QPainterPath tower;
    tower.moveTo(top.x() - 5, horizon + 4);
    tower.lineTo(top.x() - 3, top.y() + 5);
    tower.lineTo(top.x() + 3, top.y() + 5);
    tower.lineTo(top.x() + 5, horizon + 4);
    tower.closeSubpath();
    QLinearGradient tg(top.x() - 5, 0, top.x() + 5, 0);
    tg.setColorAt(0, QColor(255, 250, 240));
    tg.setColorAt(1, QColor(170, 170, 190));
    p.fillPath(tower, tg);
    p.save();
    p.setClipPath(tower);
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(top.x() - 6, top.y() + 10 + i * 9, 12, 4), QColor(200, 30, 40));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(top.x() - 4.5, top.y() + 4, 9, 1.5));
    glowDisc(p, top, 3, 10, QColor(255, 250, 210), QColor(255, 230, 150, 160));
    QPolygonF cap;
    cap << QPointF(top.x() - 3.5, top.y() - 2.5) << QPointF(top.x(), top.y() - 6)
        << QPointF(top.x() + 3.5, top.y() - 2.5);
    p.setBrush(QColor(160, 20, 30));
    p.drawPolygon(cap);
    // Spray where the swell meets the rocks.
    Rng rng(17);
    p.setBrush(QColor(255, 255, 255, 140));
    for (int i = 0; i < 16; ++i)
        p.drawEllipse(QPointF(r.left() + 40 + rng.real(0, 8), horizon + 8 + rng.real(0, 8)), 0.8, 0.8);
}

void bonusAutumnTree(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(120, 170, 220)}, {0.6, QColor(250, 226, 190)}});
    p.fillPath(ridge(r, r.top() + 60, 10, 31, 0.1), QColor(200, 150, 80));
    p.fillPath(ridge(r, r.top() + 68, 6, 37, 0.1), QColor(170, 130, 50));
    const qreal ground = r.top() + 74;
    fillVertical(p, QRectF(r.left(), ground, r.width(), r.bottom() - ground + 1),
                 {{0, QColor(150, 120, 40)}, {1, QColor(100, 76, 30)}});
    // Trunk and branches, then the crown built of many warm leaf clusters.
    const QPointF root(r.center().x(), ground + 2);
    p.setPen(QPen(QColor(70, 44, 26), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(root, root + QPointF(0, -26));
    p.setPen(QPen(QColor(70, 44, 26), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(root + QPointF(0, -20), root + QPointF(-12, -34));
    p.drawLine(root + QPointF(0, -22), root + QPointF(12, -36));
    p.drawLine(root + QPointF(0, -26), root + QPointF(2, -44));
    const QColor leaves[5] = {QColor(230, 90, 30), QColor(250, 170, 40), QColor(200, 50, 30),
                              QColor(250, 210, 70), QColor(180, 90, 30)};
    Rng rng(25);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 150; ++i) {
        const qreal a = rng.real(0, 2 * M_PI);
        const qreal d = std::sqrt(rng.real()) * 1.0;
        const QPointF at = root + QPointF(0, -42) + QPointF(std::cos(a) * d * 26, std::sin(a) * d * 17);
        const QColor c = leaves[rng.integer(0, 4)];
        // Light from the upper left: leaves there are brighter.
        const qreal lit =
            std::clamp(0.5 - (at.x() - root.x()) / 60 - (at.y() - root.y() + 42) / 50, 0.0, 1.0);
        p.setBrush(mix(mix(c, Qt::black, 0.25), c, lit));
        p.drawEllipse(at, rng.real(1.8, 3.2), rng.real(1.4, 2.6));
    }
    for (int i = 0; i < 40; ++i) {
        p.setBrush(leaves[rng.integer(0, 4)]);
        p.drawEllipse(QPointF(rng.real(r.left(), r.right()), rng.real(ground + 2, r.bottom())), 1.2, 0.7);
    }
    for (int i = 0; i < 5; ++i) {
        p.setBrush(leaves[i]);
        p.drawEllipse(QPointF(root.x() + 14 + i * 3, ground - 20 + i * 4), 1.1, 0.7);
    }
    bird(p, QPointF(r.left() + 14, r.top() + 14), 4, QColor(60, 60, 70));
}

void bonusWinterCottage(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(20, 30, 80)}, {0.6, QColor(90, 100, 170)}, {1, QColor(150, 160, 210)}});
    stars(p, r, r.top() + 40, 40, 88);
    glowDisc(p, QPointF(r.right() - 14, r.top() + 14), 6, 16, QColor(250, 250, 235),
             QColor(220, 230, 255, 90));
    p.fillPath(ridge(r, r.top() + 58, 12, 44, 0.2), QColor(170, 180, 220));
    p.fillPath(ridge(r, r.top() + 70, 8, 45, 0.1), QColor(220, 228, 250));
    for (int i = 0; i < 6; ++i)
        pine(p, QPointF(r.left() + 4 + i * 11 + (i % 2) * 3, r.top() + 62 + (i % 3)), 12, QColor(40, 70, 90));
    // The cottage: log walls, a snow-laden roof, warm windows and chimney smoke.
    const QPointF h(r.left() + 20, r.top() + 76);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 40));
    p.drawRect(QRectF(h.x(), h.y() - 12, 24, 12));
    p.setPen(QPen(QColor(80, 40, 26), 0.4));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(h.x(), h.y() - i * 3), QPointF(h.x() + 24, h.y() - i * 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 50, 40));
    p.drawRect(QRectF(h.x() + 17, h.y() - 24, 3.5, 8));
    QPolygonF roof;
    roof << QPointF(h.x() - 3, h.y() - 11) << QPointF(h.x() + 12, h.y() - 22)
         << QPointF(h.x() + 27, h.y() - 11);
    p.setBrush(QColor(245, 248, 255));
    p.drawPolygon(roof);
    litWindow(p, QRectF(h.x() + 3, h.y() - 8, 4, 4), QColor(255, 200, 90));
    litWindow(p, QRectF(h.x() + 16, h.y() - 8, 4, 4), QColor(255, 200, 90));
    p.setBrush(QColor(70, 40, 30));
    p.drawRect(QRectF(h.x() + 10, h.y() - 7, 3.5, 7));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(220, 220, 240, 120 - i * 25));
        p.drawEllipse(QPointF(h.x() + 19 + i * 1.5, h.y() - 27 - i * 3.5), 1.6 + i * 0.6, 1.3 + i * 0.5);
    }
    fillVertical(p, QRectF(r.left(), h.y(), r.width(), r.bottom() - h.y() + 1),
                 {{0, QColor(230, 236, 255)}, {1, QColor(180, 190, 230)}});
    QPainterPath track;
    track.moveTo(h.x() + 12, h.y());
    track.cubicTo(h.x() + 8, h.y() + 6, h.x() + 20, h.y() + 9, h.x() + 10, r.bottom() + 1);
    p.setPen(QPen(QColor(170, 170, 210), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(track);
    Rng rng(9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 60; ++i)
        p.drawEllipse(QPointF(rng.real(r.left(), r.right()), rng.real(r.top(), r.bottom())), 0.6, 0.6);
}

void bonusPyramids(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(250, 150, 60)}, {0.55, QColor(255, 226, 150)}});
    glowDisc(p, QPointF(r.left() + 44, r.top() + 30), 9, 24, QColor(255, 244, 200),
             QColor(255, 220, 140, 130));
    const qreal ground = r.top() + 60;
    // Pyramids: lit face towards the sun, shaded face away.
    struct Pyr {
        qreal x;
        qreal w;
        qreal h;
    };
    for (const Pyr& py :
         {Pyr{r.left() + 48, 26, 20}, Pyr{r.left() + 22, 34, 28}, Pyr{r.left() + 4, 16, 11}}) {
        const QPointF apex(py.x, ground - py.h);
        QPolygonF lit, dark;
        lit << apex << QPointF(py.x + py.w / 2, ground) << QPointF(py.x + py.w * 0.1, ground);
        dark << apex << QPointF(py.x + py.w * 0.1, ground) << QPointF(py.x - py.w / 2, ground);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 186, 100));
        p.drawPolygon(lit);
        p.setBrush(QColor(170, 110, 60));
        p.drawPolygon(dark);
    }
    // Dunes in front.
    p.fillPath(ridge(r, ground + 4, 6, 61, 0.0), QColor(230, 170, 90));
    p.fillPath(ridge(r, ground + 14, 8, 62, 0.0), QColor(214, 146, 70));
    p.fillPath(ridge(r, ground + 24, 6, 63, 0.0), QColor(190, 120, 56));
    // A caravan on the far dune: camels as humps on legs.
    p.setBrush(QColor(90, 50, 30));
    for (int i = 0; i < 3; ++i) {
        const QPointF c(r.left() + 12 + i * 8, ground + 6);
        QPainterPath camel;
        camel.moveTo(c + QPointF(-3, 0));
        camel.cubicTo(c + QPointF(-3, -3), c + QPointF(-1, -3.5), c + QPointF(0, -2));
        camel.cubicTo(c + QPointF(1, -3.5), c + QPointF(3, -3), c + QPointF(3, -1));
        camel.lineTo(c + QPointF(4.6, -3.2));
        camel.lineTo(c + QPointF(5.2, -2.6));
        camel.lineTo(c + QPointF(3.4, 0));
        camel.closeSubpath();
        p.drawPath(camel);
        p.setPen(QPen(QColor(90, 50, 30), 0.5));
        p.drawLine(c + QPointF(-2.5, 0), c + QPointF(-2.5, 2.5));
        p.drawLine(c + QPointF(2.5, 0), c + QPointF(2.5, 2.5));
        p.setPen(Qt::NoPen);
    }
    // A palm at the oasis.
    const QPointF palm(r.right() - 8, r.bottom() - 6);
    p.setPen(QPen(QColor(100, 66, 40), 1.4));
    p.drawLine(palm, palm + QPointF(-2, -16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 50));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(palm + QPointF(-2, -16));
        p.rotate(-150 + i * 50);
        p.drawEllipse(QPointF(5, 0), 5, 1.3);
        p.restore();
    }
}

void bonusPalmIsland(QPainter& p, const QRectF& r)
{
    const qreal horizon = r.top() + r.height() * 0.5;
    fillVertical(p, QRectF(r.left(), r.top(), r.width(), horizon - r.top()),
                 {{0, QColor(30, 140, 230)}, {1, QColor(170, 230, 250)}});
    cloud(p, QPointF(r.left() + 18, r.top() + 14), 20, QColor(255, 255, 255, 240));
    cloud(p, QPointF(r.left() + 50, r.top() + 24), 14, QColor(255, 255, 255, 210));
    glowDisc(p, QPointF(r.right() - 10, r.top() + 10), 5, 15, QColor(255, 255, 220),
             QColor(255, 255, 200, 140));
    fillVertical(p, QRectF(r.left(), horizon, r.width(), r.bottom() - horizon),
                 {{0, QColor(20, 120, 170)}, {0.5, QColor(40, 200, 200)}, {1, QColor(120, 230, 210)}});
    ripples(p, QRectF(r.left(), horizon + 1, r.width(), 30), QColor(255, 255, 255), 30, 13);
    // The island: a sand bank with surf at its edge.
    QPainterPath sand;
    sand.moveTo(r.left() - 1, r.bottom() - 8);
    sand.cubicTo(r.left() + 10, r.bottom() - 22, r.left() + 46, r.bottom() - 24, r.right() + 1,
                 r.bottom() - 10);
    sand.lineTo(r.right() + 1, r.bottom() + 1);
    sand.lineTo(r.left() - 1, r.bottom() + 1);
    sand.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
    p.setBrush(QColor(246, 222, 160));
    p.drawPath(sand);
    // Two palms leaning over the water.
    struct Palm {
        QPointF foot;
        QPointF top;
    };
    for (const Palm& pm :
         {Palm{QPointF(r.left() + 22, r.bottom() - 16), QPointF(r.left() + 34, r.top() + 40)},
          Palm{QPointF(r.left() + 40, r.bottom() - 16), QPointF(r.left() + 50, r.top() + 52)}}) {
        QPainterPath trunk;
        trunk.moveTo(pm.foot);
        trunk.quadTo(QPointF(pm.foot.x() - 2, (pm.foot.y() + pm.top.y()) / 2), pm.top);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(130, 90, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(trunk);
        p.setPen(QPen(QColor(90, 60, 30), 0.5));
        for (qreal t = 0.1; t < 1.0; t += 0.12) {
            const QPointF at = trunk.pointAtPercent(t);
            p.drawLine(at - QPointF(1.1, 0), at + QPointF(1.1, 0));
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 7; ++i) {
            p.save();
            p.translate(pm.top);
            p.rotate(-170 + i * 35);
            QPainterPath frond;
            frond.moveTo(0, 0);
            frond.quadTo(6, -3, 12, 2.5);
            frond.quadTo(6, -0.5, 0, 0);
            p.fillPath(frond, i % 2 ? QColor(30, 130, 50) : QColor(60, 160, 60));
            p.restore();
        }
        p.setBrush(QColor(100, 70, 30));
        p.drawEllipse(pm.top + QPointF(0.8, 1.2), 1.1, 1.1);
    }
    bird(p, QPointF(r.left() + 12, r.top() + 30), 3.5, QColor(255, 255, 255));
}

void bonusWaterfall(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(140, 200, 240)}, {0.4, QColor(220, 240, 250)}});
    p.fillPath(ridge(r, r.top() + 30, 10, 51, 0.7), QColor(120, 150, 170));
    const qreal lip = r.top() + 26;
    const qreal pool = r.top() + 70;
    // The fall itself, streaked.
    const QRectF fall(r.left() + 24, lip, 16, pool - lip);
    QLinearGradient fg(fall.topLeft(), fall.bottomLeft());
    fg.setColorAt(0, QColor(170, 210, 240));
    fg.setColorAt(1, QColor(240, 250, 255));
    p.fillRect(fall, fg);
    Rng rng(52);
    for (int i = 0; i < 24; ++i) {
        const qreal x = rng.real(fall.left(), fall.right());
        p.setPen(QPen(QColor(255, 255, 255, rng.integer(90, 220)), rng.real(0.4, 1.0)));
        p.drawLine(QPointF(x, lip + rng.real(0, 10)), QPointF(x, pool - rng.real(0, 6)));
    }
    // Cliffs on either side, green on top.
    for (int side = 0; side < 2; ++side) {
        QPainterPath cliff;
        const qreal inner = side ? fall.right() : fall.left();
        const qreal outer = side ? r.right() + 1 : r.left() - 1;
        cliff.moveTo(outer, lip - 8 - side * 4);
        cliff.lineTo(inner, lip - 1);
        cliff.lineTo(inner + (side ? 2 : -2), pool);
        cliff.lineTo(outer, pool + 4);
        cliff.closeSubpath();
        QLinearGradient cg(outer, 0, inner, 0);
        cg.setColorAt(0, QColor(90, 70, 60));
        cg.setColorAt(1, QColor(150, 120, 100));
        p.fillPath(cliff, cg);
        p.setPen(QPen(QColor(70, 50, 40, 150), 0.5));
        for (int k = 1; k < 5; ++k)
            p.drawLine(QPointF(outer, lip + k * 9), QPointF(inner, lip + k * 9 + (side ? -2 : 2)));
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 5; ++k)
            leafyTree(p,
                      QPointF(side ? inner + 4 + k * 5 : inner - 4 - k * 5, lip - 1 - k * (side ? 1.4 : 1.2)),
                      8 + (k % 2) * 3, QColor(50, 130, 60), QColor(70, 50, 30));
    }
    // Pool, mist and a faint rainbow in the spray.
    fillVertical(p, QRectF(r.left(), pool, r.width(), r.bottom() - pool + 1),
                 {{0, QColor(80, 170, 190)}, {1, QColor(20, 90, 110)}});
    ripples(p, QRectF(r.left(), pool + 2, r.width(), r.bottom() - pool - 2), QColor(230, 250, 255), 30, 53);
    QRadialGradient mist(QPointF(fall.center().x(), pool), 20);
    mist.setColorAt(0, QColor(255, 255, 255, 220));
    mist.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(mist);
    p.drawEllipse(QPointF(fall.center().x(), pool), 22, 10);
    const QColor bands[3] = {QColor(255, 80, 80, 70), QColor(255, 240, 80, 70), QColor(80, 160, 255, 70)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(bands[i], 1.2));
        p.drawArc(QRectF(fall.center().x() - 16 + i * 1.2, pool - 14 + i * 1.2, 32 - i * 2.4, 28 - i * 2.4),
                  20 * 16, 140 * 16);
    }
    p.setPen(Qt::NoPen);
    p.fillPath(ridge(r, r.bottom() - 2, 5, 54, 0.3), QColor(40, 90, 50));
}

void bonusWindmill(QPainter& p, const QRectF& r)
{
    const qreal horizon = r.top() + 52;
    fillVertical(p, QRectF(r.left(), r.top(), r.width(), horizon - r.top() + 1),
                 {{0, QColor(70, 150, 230)}, {1, QColor(200, 230, 250)}});
    cloud(p, QPointF(r.left() + 16, r.top() + 12), 18, QColor(255, 255, 255, 240));
    cloud(p, QPointF(r.left() + 48, r.top() + 20), 14, QColor(255, 255, 255, 200));
    // Tulip rows running to a vanishing point on the horizon.
    const QColor rows[6] = {QColor(230, 40, 50), QColor(250, 200, 40), QColor(240, 110, 170),
                            QColor(60, 140, 60), QColor(250, 130, 30), QColor(250, 250, 240)};
    const QPointF vanish(r.left() + 40, horizon);
    const int n = 12;
    for (int i = 0; i < n; ++i) {
        const qreal x0 = r.left() - 60 + (r.width() + 120) * i / n;
        const qreal x1 = r.left() - 60 + (r.width() + 120) * (i + 1) / n;
        QPolygonF band;
        band << QPointF(vanish.x() + (x0 - vanish.x()) * 0.04, horizon)
             << QPointF(vanish.x() + (x1 - vanish.x()) * 0.04, horizon) << QPointF(x1, r.bottom() + 1)
             << QPointF(x0, r.bottom() + 1);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(60, 120, 40) : rows[(i / 2) % 6]);
        p.drawPolygon(band);
    }
    // Tulip heads in the front rows.
    Rng rng(61);
    for (int i = 0; i < 40; ++i) {
        const qreal y = rng.real(horizon + 22, r.bottom());
        const qreal x = rng.real(r.left(), r.right());
        const qreal s = 0.6 + (y - horizon) / 30;
        const qreal t =
            (x - vanish.x()) / (y - horizon) * (r.bottom() - horizon) - (r.left() - 60 - vanish.x());
        const int band = static_cast<int>(t / ((r.width() + 120) / n));
        if (band % 2)
            continue;
        p.setBrush(mix(rows[(band / 2) % 6], Qt::white, 0.15));
        p.drawEllipse(QPointF(x, y), s, s * 1.2);
    }
    // The mill: tapering tower, cap, gallery and four lattice sails.
    const QPointF hub(r.left() + 44, r.top() + 28);
    QPolygonF tower;
    tower << QPointF(hub.x() - 4, hub.y() + 2) << QPointF(hub.x() + 4, hub.y() + 2)
          << QPointF(hub.x() + 7, horizon + 2) << QPointF(hub.x() - 7, horizon + 2);
    p.setBrush(QColor(120, 70, 50));
    p.drawPolygon(tower);
    p.setBrush(QColor(60, 50, 50));
    p.drawEllipse(QPointF(hub.x(), hub.y() + 1), 5, 3.5);
    p.setBrush(QColor(255, 240, 200));
    p.drawRect(QRectF(hub.x() - 1.2, hub.y() + 12, 2.4, 3));
    p.setBrush(QColor(70, 40, 30));
    p.drawRect(QRectF(hub.x() - 1.6, horizon - 4, 3.2, 6));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(hub);
        p.rotate(20 + i * 90);
        p.setPen(QPen(QColor(80, 60, 50), 0.8));
        p.drawLine(QPointF(0, 0), QPointF(0, -20));
        p.setPen(QPen(QColor(250, 245, 230), 0.4));
        p.setBrush(QColor(250, 245, 230, 140));
        p.drawRect(QRectF(0.4, -20, 4, 16));
        for (int k = 1; k < 4; ++k)
            p.drawLine(QPointF(0.4, -20 + k * 4), QPointF(4.4, -20 + k * 4));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(hub, 1.2, 1.2);
}

void bonusCastle(QPainter& p, const QRectF& r)
{
    fillVertical(p, r,
                 {{0, QColor(60, 40, 110)}, {0.45, QColor(230, 110, 90)}, {0.7, QColor(255, 200, 120)}});
    glowDisc(p, QPointF(r.left() + 18, r.top() + 50), 8, 22, QColor(255, 230, 160),
             QColor(255, 180, 110, 130));
    cloud(p, QPointF(r.left() + 46, r.top() + 16), 20, QColor(250, 160, 150, 170));
    p.fillPath(ridge(r, r.top() + 66, 8, 71, 0.2), QColor(120, 70, 110));
    // The hill and the castle on it, as one dark silhouette with lit windows.
    const QColor dark(50, 28, 60);
    QPainterPath hill;
    hill.moveTo(r.left() - 1, r.bottom() + 1);
    hill.cubicTo(r.left() + 10, r.top() + 66, r.left() + 50, r.top() + 60, r.right() + 1, r.top() + 74);
    hill.lineTo(r.right() + 1, r.bottom() + 1);
    hill.closeSubpath();
    p.fillPath(hill, dark);
    const qreal g = r.top() + 66;
    const qreal cx = r.left() + 36;
    QPainterPath castle;
    castle.addRect(QRectF(cx - 14, g - 14, 28, 14));
    castle.addRect(QRectF(cx - 18, g - 24, 7, 24));
    castle.addRect(QRectF(cx + 11, g - 22, 7, 22));
    castle.addRect(QRectF(cx - 4, g - 30, 8, 30));
    for (const qreal x : {cx - 14.0, cx - 8.0, cx - 2.0, cx + 4.0, cx + 10.0})
        castle.addRect(QRectF(x, g - 16, 3, 2));
    auto roof = [&](qreal x, qreal w, qreal top, qreal h) {
        QPolygonF cone;
        cone << QPointF(x - 1, top) << QPointF(x + w / 2, top - h) << QPointF(x + w + 1, top);
        castle.addPolygon(cone);
        castle.closeSubpath();
    };
    roof(cx - 18, 7, g - 24, 9);
    roof(cx + 11, 7, g - 22, 8);
    roof(cx - 4, 8, g - 30, 11);
    castle.setFillRule(Qt::WindingFill);
    p.fillPath(castle, dark);
    p.setPen(QPen(dark, 0.5));
    p.drawLine(QPointF(cx, g - 41), QPointF(cx, g - 46));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 50));
    QPolygonF flag;
    flag << QPointF(cx, g - 46) << QPointF(cx + 5, g - 44.8) << QPointF(cx, g - 43.5);
    p.drawPolygon(flag);
    for (const QPointF w : {QPointF(cx - 15.5, g - 18), QPointF(cx + 13.5, g - 16), QPointF(cx - 1, g - 24),
                            QPointF(cx - 8, g - 9), QPointF(cx + 6, g - 9)})
        litWindow(p, QRectF(w, QSizeF(1.8, 2.6)), QColor(255, 210, 110));
    // A river winding out of the hills.
    QPainterPath river;
    river.moveTo(r.left() + 30, r.top() + 72);
    river.cubicTo(r.left() + 10, r.top() + 78, r.left() + 50, r.top() + 82, r.left() + 20, r.bottom() + 1);
    p.setPen(QPen(QColor(250, 170, 120, 200), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(river);
    for (int i = 0; i < 3; ++i)
        bird(p, QPointF(r.left() + 48 + i * 5, r.top() + 34 - i * 2), 3.5, dark);
}

} // namespace liorna::art::detail
