// Ornamental card backs: lattice, rosette, mosaic, kaleidoscope, waves, stained glass, ornament,
// sunburst, tartan.
#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>

#include <QVector>

#include <cmath>
#include <vector>

#include "ui/art/scenery.h"
#include "ui/art/scenes.h"

namespace liorna::art::detail {

namespace {

QPointF polar(QPointF c, qreal radius, qreal degrees)
{
    const qreal a = degrees * M_PI / 180.0;
    return c + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// A flower of n pointed petals around c.
QPainterPath rosettePath(QPointF c, int n, qreal inner, qreal outer, qreal width, qreal turn = 0)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int i = 0; i < n; ++i) {
        const qreal a = turn + 360.0 * i / n;
        QPainterPath petal;
        petal.moveTo(polar(c, inner, a));
        petal.quadTo(polar(c, (inner + outer) / 2, a - width), polar(c, outer, a));
        petal.quadTo(polar(c, (inner + outer) / 2, a + width), polar(c, inner, a));
        petal.closeSubpath();
        path.addPath(petal);
    }
    return path;
}

void insetLine(QPainter& p, const QRectF& r, qreal inset, const QColor& c, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, width));
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), 1.5, 1.5);
}

} // namespace

void backLattice(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(28, 56, 150)}, {1, QColor(12, 28, 92)}});
    // Lines and dots go out in one call each: this back is drawn at start-up, so it has to be quick.
    QVector<QLineF> lines;
    for (qreal d = -r.height(); d < r.width() + r.height(); d += 5.0) {
        lines.append(QLineF(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - r.height(), r.bottom())));
        lines.append(QLineF(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom())));
    }
    p.setPen(QPen(QColor(255, 255, 255, 80), 0.6));
    p.drawLines(lines);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    for (qreal y = r.top(); y <= r.bottom(); y += 5.0)
        for (qreal x = r.left() + (static_cast<int>(std::lround((y - r.top()) / 5.0)) % 2 ? 2.5 : 0.0);
             x <= r.right(); x += 5.0)
            p.drawEllipse(QPointF(x, y + 2.5), 0.55, 0.55);

    const QPointF c = r.center();
    p.setBrush(QColor(16, 36, 112));
    p.setPen(QPen(Qt::white, 1.2));
    p.drawEllipse(c, 19, 27);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 16.5, 24.5);
    p.fillPath(rosettePath(c, 8, 2.5, 14, 14), QColor(255, 255, 255, 220));
    p.fillPath(rosettePath(c, 8, 2.5, 9, 12, 22.5), QColor(150, 190, 255));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 2.2, 2.2);
    for (int i = 0; i < 2; ++i) {
        const qreal y = i ? c.y() + 20 : c.y() - 20;
        p.fillPath(rosettePath(QPointF(c.x(), y), 4, 0.5, 3.2, 30, 45), QColor(255, 255, 255, 200));
    }
    insetLine(p, r, 1.5, QColor(255, 255, 255, 200), 0.8);
}

void backRosette(QPainter& p, const QRectF& r)
{
    QRadialGradient bg(r.center(), r.height() * 0.7);
    bg.setColorAt(0, QColor(196, 30, 44));
    bg.setColorAt(1, QColor(110, 10, 24));
    p.fillRect(r, bg);
    // A field of small four-leaf motifs.
    for (qreal y = r.top() + 4; y < r.bottom(); y += 8)
        for (qreal x = r.left() + (static_cast<int>((y - r.top()) / 8) % 2 ? 8 : 4); x < r.right(); x += 8)
            p.fillPath(rosettePath(QPointF(x, y), 4, 0.4, 2.6, 34, 45), QColor(255, 210, 150, 90));
    const QPointF c = r.center();
    const QColor gold(240, 196, 90);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 8, 20));
    p.drawEllipse(c, 24, 24);
    p.fillPath(rosettePath(c, 16, 6, 23, 9), gold);
    p.fillPath(rosettePath(c, 16, 5, 19, 8, 11.25), QColor(250, 236, 200));
    p.fillPath(rosettePath(c, 8, 3, 13, 14), QColor(176, 18, 34));
    p.setBrush(gold);
    p.drawEllipse(c, 4, 4);
    p.setBrush(QColor(176, 18, 34));
    p.drawEllipse(c, 2, 2);
    p.setPen(QPen(gold, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 25.5, 25.5);
    for (const QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        p.fillPath(rosettePath(corner, 12, 2, 11, 10), withAlpha(gold, 200));
    insetLine(p, r, 1.5, gold, 0.8);
}

void backMosaic(QPainter& p, const QRectF& r)
{
    const QColor palette[6] = {QColor(22, 130, 140), QColor(240, 150, 40), QColor(250, 236, 204),
                               QColor(20, 60, 110),  QColor(200, 70, 50),  QColor(90, 180, 170)};
    Rng rng(77);
    const qreal s = 8.0;
    p.setPen(QPen(QColor(250, 244, 228), 0.5));
    for (qreal y = r.top() - 1; y < r.bottom(); y += s) {
        for (qreal x = r.left() - 1; x < r.right(); x += s) {
            // Mirror the choice around the card centre, as a tiler laying a floor would.
            const bool flip = ((x - r.left()) < r.width() / 2) == ((y - r.top()) < r.height() / 2);
            QPolygonF a, b;
            if (flip) {
                a << QPointF(x, y) << QPointF(x + s, y) << QPointF(x, y + s);
                b << QPointF(x + s, y) << QPointF(x + s, y + s) << QPointF(x, y + s);
            } else {
                a << QPointF(x, y) << QPointF(x + s, y) << QPointF(x + s, y + s);
                b << QPointF(x, y) << QPointF(x + s, y + s) << QPointF(x, y + s);
            }
            p.setBrush(palette[rng.integer(0, 5)]);
            p.drawPolygon(a);
            p.setBrush(palette[rng.integer(0, 5)]);
            p.drawPolygon(b);
        }
    }
    const QPointF c = r.center();
    QPolygonF diamond;
    diamond << c + QPointF(0, -20) << c + QPointF(15, 0) << c + QPointF(0, 20) << c + QPointF(-15, 0);
    p.setPen(QPen(QColor(250, 244, 228), 2.0));
    p.setBrush(QColor(20, 60, 110));
    p.drawPolygon(diamond);
    QPolygonF inner;
    inner << c + QPointF(0, -12) << c + QPointF(9, 0) << c + QPointF(0, 12) << c + QPointF(-9, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 40));
    p.drawPolygon(inner);
    p.setBrush(QColor(250, 236, 204));
    p.drawEllipse(c, 3, 3);
}

void backKaleidoscope(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    QRadialGradient bg(c, r.height() * 0.65);
    bg.setColorAt(0, QColor(70, 20, 110));
    bg.setColorAt(1, QColor(16, 6, 40));
    p.fillRect(r, bg);
    const QColor colours[5] = {QColor(255, 90, 160), QColor(80, 200, 255), QColor(255, 210, 70),
                               QColor(120, 240, 160), QColor(190, 110, 255)};
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.4));
    // Twelve mirrored wedges; each ring repeats one shape round the circle.
    for (int ring = 5; ring >= 0; --ring) {
        const qreal rad = 6 + ring * 8.0;
        const QColor col = colours[ring % 5];
        for (int i = 0; i < 12; ++i) {
            const qreal a = i * 30.0 + (ring % 2 ? 15.0 : 0.0);
            QPainterPath shape;
            if (ring % 3 == 0) {
                shape.moveTo(polar(c, rad - 5, a));
                shape.lineTo(polar(c, rad + 3, a - 9));
                shape.lineTo(polar(c, rad + 7, a));
                shape.lineTo(polar(c, rad + 3, a + 9));
            } else if (ring % 3 == 1) {
                shape.addEllipse(polar(c, rad, a), 2.6, 2.6);
            } else {
                shape.moveTo(polar(c, rad - 4, a));
                shape.quadTo(polar(c, rad + 2, a - 12), polar(c, rad + 6, a));
                shape.quadTo(polar(c, rad + 2, a + 12), polar(c, rad - 4, a));
            }
            shape.closeSubpath();
            p.setBrush(withAlpha(col, 210));
            p.drawPath(shape);
        }
    }
    p.fillPath(rosettePath(c, 12, 1, 7, 14), QColor(255, 240, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 90, 160));
    p.drawEllipse(c, 2, 2);
}

void backWaves(QPainter& p, const QRectF& r)
{
    // Overlapping fans of concentric arcs, laid row by row so each row tucks under the next.
    const QColor blues[4] = {QColor(16, 58, 120), QColor(40, 110, 180), QColor(120, 180, 225),
                             QColor(236, 244, 250)};
    const qreal R = 7.0;
    p.fillRect(r, blues[0]);
    int row = 0;
    for (qreal y = r.top() - R / 2; y < r.bottom() + R; y += R / 2, ++row) {
        const qreal offset = row % 2 ? R : 0.0;
        for (qreal x = r.left() - R + offset; x < r.right() + R; x += 2 * R) {
            for (int k = 0; k < 4; ++k) {
                const qreal rad = R * (1.0 - k * 0.23);
                p.setPen(Qt::NoPen);
                p.setBrush(k % 2 ? blues[3] : blues[k == 0 ? 1 : 2]);
                if (k == 0) {
                    p.setPen(QPen(blues[0], 0.5));
                }
                p.drawEllipse(QPointF(x, y + R), rad, rad);
            }
        }
    }
    p.setPen(Qt::NoPen);
    glowDisc(p, QPointF(r.right() - 14, r.top() + 14), 6, 10, QColor(230, 60, 50), QColor(250, 160, 120, 80));
}

void backStainedGlass(QPainter& p, const QRectF& r)
{
    const QColor jewels[6] = {QColor(190, 20, 40), QColor(20, 70, 180),  QColor(230, 170, 20),
                              QColor(30, 140, 80), QColor(120, 40, 160), QColor(30, 160, 190)};
    Rng rng(314);
    // A jittered grid of panes.
    constexpr int NX = 6, NY = 8;
    QPointF pts[NY + 1][NX + 1];
    for (int j = 0; j <= NY; ++j)
        for (int i = 0; i <= NX; ++i) {
            const bool edgeX = i == 0 || i == NX;
            const bool edgeY = j == 0 || j == NY;
            pts[j][i] = QPointF(r.left() + r.width() * i / NX + (edgeX ? 0 : rng.real(-2.5, 2.5)),
                                r.top() + r.height() * j / NY + (edgeY ? 0 : rng.real(-2.5, 2.5)));
        }
    const QColor lead(28, 24, 30);
    p.setPen(QPen(lead, 1.1));
    for (int j = 0; j < NY; ++j)
        for (int i = 0; i < NX; ++i) {
            QPolygonF pane;
            pane << pts[j][i] << pts[j][i + 1] << pts[j + 1][i + 1] << pts[j + 1][i];
            const QColor base = jewels[rng.integer(0, 5)];
            QLinearGradient g(pts[j][i], pts[j + 1][i + 1]);
            g.setColorAt(0, mix(base, Qt::white, 0.35));
            g.setColorAt(1, base);
            p.setBrush(g);
            p.drawPolygon(pane);
        }
    // A rose window in the middle.
    const QPointF c = r.center();
    for (int ring = 2; ring >= 0; --ring) {
        const qreal outer = 8 + ring * 8;
        const int n = 6 + ring * 3;
        for (int i = 0; i < n; ++i) {
            QPainterPath cell;
            cell.moveTo(c);
            cell.arcTo(QRectF(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer), -360.0 * i / n,
                       -360.0 / n);
            cell.closeSubpath();
            QRadialGradient g(c, outer);
            const QColor base = jewels[(i + ring * 2) % 6];
            g.setColorAt(0, mix(base, Qt::white, 0.5));
            g.setColorAt(1, base);
            p.setBrush(g);
            p.drawPath(cell);
        }
    }
    p.setBrush(QColor(250, 230, 150));
    p.drawEllipse(c, 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lead, 1.6));
    p.drawEllipse(c, 24, 24);
}

void backOrnament(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, {{0, QColor(14, 84, 62)}, {1, QColor(6, 48, 36)}});
    const QColor gold(226, 186, 96);
    const QPointF c = r.center();
    insetLine(p, r, 2, gold, 0.9);
    insetLine(p, r, 4, withAlpha(gold, 150), 0.5);
    // Corner scrolls: a curl in each corner, mirrored.
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(c);
        p.scale(k % 2 ? -1 : 1, k / 2 ? -1 : 1);
        p.translate(-r.width() / 2 + 5, -r.height() / 2 + 5);
        QPainterPath scroll;
        scroll.moveTo(0, 16);
        scroll.cubicTo(0, 6, 6, 0, 16, 0);
        scroll.moveTo(3, 12);
        scroll.cubicTo(4, 5, 9, 4, 10, 8);
        scroll.cubicTo(11, 11, 7, 12, 7, 9);
        p.setPen(QPen(gold, 0.9, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(scroll);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawEllipse(QPointF(16, 0), 1.2, 1.2);
        p.drawEllipse(QPointF(0, 16), 1.2, 1.2);
        p.restore();
    }
    // Arabesque lozenge around an eight-pointed star.
    QPainterPath lozenge;
    lozenge.moveTo(c + QPointF(0, -36));
    lozenge.cubicTo(c + QPointF(10, -24), c + QPointF(24, -12), c + QPointF(24, 0));
    lozenge.cubicTo(c + QPointF(24, 12), c + QPointF(10, 24), c + QPointF(0, 36));
    lozenge.cubicTo(c + QPointF(-10, 24), c + QPointF(-24, 12), c + QPointF(-24, 0));
    lozenge.cubicTo(c + QPointF(-24, -12), c + QPointF(-10, -24), c + QPointF(0, -36));
    p.setPen(QPen(gold, 1.0));
    p.setBrush(QColor(10, 64, 48));
    p.drawPath(lozenge);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(gold, 140), 0.5));
    p.drawPath(QTransform().translate(c.x(), c.y()).scale(0.85, 0.85).translate(-c.x(), -c.y()).map(lozenge));
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
        const QPointF pt = polar(c, i % 2 ? 7.5 : 15, i * 22.5 - 90);
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    QRadialGradient sg(c, 15);
    sg.setColorAt(0, QColor(255, 236, 170));
    sg.setColorAt(1, gold);
    p.fillPath(star, sg);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 64, 48));
    p.drawEllipse(c, 4, 4);
    p.setBrush(gold);
    p.drawEllipse(c, 2, 2);
    for (int s = -1; s <= 1; s += 2) {
        p.fillPath(rosettePath(c + QPointF(0, s * 25), 6, 0.5, 4.5, 22), gold);
    }
}

void backSunburst(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    QConicalGradient rays(c, 0);
    // Thirty-two hard-edged rays from a conical gradient with paired stops.
    for (int i = 0; i < 32; ++i) {
        const QColor col = i % 2 ? QColor(250, 170, 40) : QColor(246, 120, 30);
        rays.setColorAt(i / 32.0, col);
        rays.setColorAt((i + 1) / 32.0 - 0.0001, col);
    }
    p.fillRect(r, rays);
    QRadialGradient vignette(c, r.height() * 0.62);
    vignette.setColorAt(0.3, QColor(255, 255, 255, 0));
    vignette.setColorAt(1, QColor(120, 30, 0, 150));
    p.fillRect(r, vignette);
    glowDisc(p, c, 13, 22, QColor(255, 236, 120), QColor(255, 250, 200, 180));
    p.setPen(QPen(QColor(230, 140, 20), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 13, 13);
    p.drawEllipse(c, 9.5, 9.5);
    p.fillPath(rosettePath(c, 16, 9.5, 13, 7), QColor(246, 150, 30));
    insetLine(p, r, 1.5, QColor(255, 240, 200, 200), 0.8);
}

void backTartan(QPainter& p, const QRectF& r)
{
    p.fillRect(r, QColor(20, 70, 44));
    struct Stripe {
        qreal at;
        qreal width;
        QColor colour;
    };
    // One sett, repeated every 24 px in both directions.
    const Stripe sett[] = {{0, 8, QColor(16, 30, 80, 170)},
                           {10, 1.2, QColor(250, 220, 80, 200)},
                           {13, 4, QColor(180, 20, 30, 170)},
                           {19, 1.2, QColor(250, 250, 250, 150)}};
    for (qreal base = r.left() - 24; base < r.right(); base += 24)
        for (const Stripe& s : sett)
            p.fillRect(QRectF(base + s.at, r.top(), s.width, r.height()), s.colour);
    for (qreal base = r.top() - 24; base < r.bottom(); base += 24)
        for (const Stripe& s : sett)
            p.fillRect(QRectF(r.left(), base + s.at, r.width(), s.width), s.colour);
    // The twill: fine diagonal threads over everything.
    p.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    for (qreal d = -r.height(); d < r.width(); d += 1.6)
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    insetLine(p, r, 1.5, QColor(250, 220, 80, 180), 0.7);
}

} // namespace liorna::art::detail
