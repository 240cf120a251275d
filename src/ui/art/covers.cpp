// Reveal cover: a green card back cut into a 3 x 3 jigsaw whose pieces come off one by one. Removed areas
// are cleared to alpha 0 along the real piece outlines, tabs included, so the picture below shows through.
#include "ui/art/art_internal.h"

#include <QLinearGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace liorna::art::detail {

namespace {

constexpr int GRID = 3;
constexpr qreal CELL_W = CARD_W / GRID;
constexpr qreal CELL_H = CARD_H / GRID;

// Order in which pieces come off, as (row, column): the border clockwise from the bottom right.
constexpr std::array<std::array<int, 2>, 9> REMOVAL_ORDER{{
    {2, 2},
    {2, 1},
    {2, 0},
    {1, 0},
    {0, 0},
    {0, 1},
    {0, 2},
    {1, 2},
    {1, 1},
}};

// Which way each inner edge's tab points (+1 towards the higher row / column).
int horizontalTab(int row, int col) // edge below cell (row, col)
{
    return ((row + col) % 2) ? 1 : -1;
}

int verticalTab(int row, int col) // edge right of cell (row, col)
{
    return ((row + col) % 2) ? -1 : 1;
}

// Appends a jigsaw edge from a to b. With dir +1 the tab bulges to the right of the direction of travel as
// seen on screen (y down), with -1 to the left; 0 draws a straight line.
void edge(QPainterPath& path, QPointF a, QPointF b, int dir)
{
    if (dir == 0) {
        path.lineTo(b);
        return;
    }
    const QPointF t = b - a;
    const QPointF n = QPointF(-t.y(), t.x()) / std::hypot(t.x(), t.y());
    const qreal len = std::hypot(t.x(), t.y());
    // The tab keeps the same size on short and long edges; knob height about a fifth of a cell.
    const qreal k = std::min(len, 28.0);
    auto at = [&](qreal along, qreal out) {
        const qreal u = 0.5 + (along - 0.5) * k / len;
        return a + t * u + n * (out * k * dir);
    };
    path.lineTo(at(0.36, 0.0));
    path.cubicTo(at(0.42, 0.0), at(0.45, 0.06), at(0.41, 0.12));
    path.cubicTo(at(0.36, 0.20), at(0.42, 0.27), at(0.50, 0.27));
    path.cubicTo(at(0.58, 0.27), at(0.64, 0.20), at(0.59, 0.12));
    path.cubicTo(at(0.55, 0.06), at(0.58, 0.0), at(0.64, 0.0));
    path.lineTo(b);
}

QPointF corner(int row, int col)
{
    return QPointF(col * CELL_W, row * CELL_H);
}

// Closed outline of one piece. Outer edges lie on the image border, so clearing them leaves no rim.
QPainterPath piecePath(int row, int col)
{
    QPainterPath path;
    path.moveTo(corner(row, col));
    const int top = row > 0 ? horizontalTab(row - 1, col) : 0;
    edge(path, corner(row, col), corner(row, col + 1), top);
    const int right = col < GRID - 1 ? verticalTab(row, col) : 0;
    edge(path, corner(row, col + 1), corner(row + 1, col + 1), -right);
    const int bottom = row < GRID - 1 ? horizontalTab(row, col) : 0;
    edge(path, corner(row + 1, col + 1), corner(row + 1, col), -bottom);
    const int left = col > 0 ? verticalTab(row, col - 1) : 0;
    edge(path, corner(row + 1, col), corner(row, col), left);
    path.closeSubpath();
    return path;
}

// The inner cut lines: every edge between two pieces, drawn once.
QPainterPath cutLines()
{
    QPainterPath lines;
    for (int row = 0; row < GRID; ++row) {
        for (int col = 0; col < GRID; ++col) {
            if (row < GRID - 1) {
                lines.moveTo(corner(row + 1, col));
                edge(lines, corner(row + 1, col), corner(row + 1, col + 1), horizontalTab(row, col));
            }
            if (col < GRID - 1) {
                lines.moveTo(corner(row, col + 1));
                edge(lines, corner(row, col + 1), corner(row + 1, col + 1), -verticalTab(row, col));
            }
        }
    }
    return lines;
}

void drawGreenBack(QPainter& p)
{
    drawFramedCard(p, FrameStyle::Plain, [](QPainter& q, const QRectF& r) {
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, QColor(20, 140, 52));
        g.setColorAt(1, QColor(8, 100, 36));
        q.fillRect(r, g);
        // A quiet diamond lattice with dots, like the weave of a cloth back.
        q.setPen(QPen(QColor(255, 255, 255, 34), 0.6));
        for (qreal d = -r.height(); d < r.width() + r.height(); d += 6.0) {
            q.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - r.height(), r.bottom()));
            q.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        }
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(255, 255, 255, 40));
        for (qreal y = r.top(); y < r.bottom() + 3; y += 6.0)
            for (qreal x = r.left() + 3 * (static_cast<int>((y - r.top()) / 6.0) % 2); x < r.right() + 3;
                 x += 6.0)
                q.drawEllipse(QPointF(x, y + 3), 0.7, 0.7);
    });
}

} // namespace

void renderCover(QImage& image, int frame)
{
    if (frame >= 10)
        return; // everything removed: the image stays fully transparent
    QPainter p(&image);
    preparePainter(p);
    drawGreenBack(p);
    if (frame == 0)
        return;

    const QPainterPath cuts = cutLines();
    p.save();
    p.setClipPath(cardPath(CARD_RECT.adjusted(1, 1, -1, -1), CARD_RADIUS - 1));
    // A dark groove with a light lip below it reads as a cut in the card.
    p.setBrush(Qt::NoBrush);
    p.translate(0.45, 0.45);
    p.setPen(QPen(QColor(255, 255, 255, 70), 0.7));
    p.drawPath(cuts);
    p.translate(-0.45, -0.45);
    p.setPen(QPen(QColor(0, 30, 8, 200), 0.8));
    p.drawPath(cuts);
    p.restore();

    const int removed = frame - 1;
    if (removed <= 0)
        return;
    // One path for all removed pieces: adjoining pieces then clear without a faint seam between them.
    QPainterPath gone;
    gone.setFillRule(Qt::WindingFill);
    for (int i = 0; i < removed; ++i)
        gone.addPath(piecePath(REMOVAL_ORDER[i][0], REMOVAL_ORDER[i][1]));
    gone = gone.simplified();
    // A shadow line on the pieces still in place, along the hole's edge.
    p.setPen(QPen(QColor(0, 0, 0, 110), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gone);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(gone);
}

} // namespace liorna::art::detail
