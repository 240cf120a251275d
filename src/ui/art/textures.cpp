// Background tiles. Every random field here wraps around at the tile's edges (noise lattices are indexed
// modulo their period, strokes are repeated one tile over on every side), so the tiles repeat without seams.
#include "ui/art/art_internal.h"

#include <algorithm>
#include <cmath>

namespace liorna::art::detail {

namespace {

std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

float lattice(int ix, int iy, int px, int py, std::uint32_t seed)
{
    ix = ((ix % px) + px) % px;
    iy = ((iy % py) + py) % py;
    return static_cast<float>(hash3(static_cast<std::uint32_t>(ix), static_cast<std::uint32_t>(iy), seed) &
                              0xffff) /
           65535.0f;
}

// Value noise in 0..1 with a period of (px, py) lattice cells.
float periodicNoise(qreal u, qreal v, int px, int py, std::uint32_t seed)
{
    const qreal fu = std::floor(u);
    const qreal fv = std::floor(v);
    const int ix = static_cast<int>(fu);
    const int iy = static_cast<int>(fv);
    auto smooth = [](qreal t) { return static_cast<float>(t * t * (3 - 2 * t)); };
    const float tx = smooth(u - fu);
    const float ty = smooth(v - fv);
    const float a = lattice(ix, iy, px, py, seed);
    const float b = lattice(ix + 1, iy, px, py, seed);
    const float c = lattice(ix, iy + 1, px, py, seed);
    const float d = lattice(ix + 1, iy + 1, px, py, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

// Fractal sum over octaves; x, y are logical pixels within a w x h tile. `phase` shifts the lattice by that
// share of a cell.
float tileFbm(qreal x, qreal y, qreal w, qreal h, int cellsX, int cellsY, int octaves, std::uint32_t seed,
              qreal phase = 0)
{
    float sum = 0;
    float amp = 1;
    float norm = 0;
    for (int o = 0; o < octaves; ++o) {
        const int cx = cellsX << o;
        const int cy = cellsY << o;
        sum += amp * periodicNoise(x / w * cx + phase, y / h * cy + phase, cx, cy,
                                   seed + static_cast<std::uint32_t>(o) * 101u);
        norm += amp;
        amp *= 0.5f;
    }
    return sum / norm;
}

struct TileLook {
    QColor base;
    int cloudCells; // the clouds' lattice cells along each side
    float mottle;   // strength of the large soft clouds
    float grain;    // strength of the pixel-sized grain
    std::uint32_t seed;
};

QRgb shade(const QColor& base, float f)
{
    auto ch = [f](int c) { return std::clamp(static_cast<int>(std::lround(c * f)), 0, 255); };
    return qRgb(ch(base.red()), ch(base.green()), ch(base.blue()));
}

void fillNoise(QImage& image, qreal w, qreal h, const TileLook& look, int streakCellsX, int streakCellsY)
{
    const qreal dpr = image.devicePixelRatio();
    const int gx = static_cast<int>(std::lround(w));
    const int gy = static_cast<int>(std::lround(h));
    for (int py = 0; py < image.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const qreal y = (py + 0.5) / dpr;
        for (int px = 0; px < image.width(); ++px) {
            const qreal x = (px + 0.5) / dpr;
            // The clouds' lattice sits half a cell off the tile's edges: there the noise is the mean of two
            // lattice values, not one value's full swing, which along a dark lattice column showed as a line
            // at every tile's border.
            const float clouds =
                tileFbm(x, y, w, h, look.cloudCells, look.cloudCells, 3, look.seed, 0.5) - 0.5f;
            // One lattice cell per logical pixel: grain that stays the same size on 2x screens.
            const float grain = periodicNoise(x, y, gx, gy, look.seed + 7u) - 0.5f;
            float streak = 0;
            if (streakCellsX > 0)
                streak = tileFbm(x, y, w, h, streakCellsX, streakCellsY, 2, look.seed + 13u) - 0.5f;
            line[px] = shade(look.base, 1.0f + look.mottle * clouds + look.grain * grain + 0.35f * streak);
        }
    }
}

// Draws fn at the tile and at its eight neighbours, so strokes crossing an edge come back on the other side.
template <typename Fn>
void wrapped(QPainter& p, qreal w, qreal h, Fn fn)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * w, dy * h);
            fn(p);
            p.restore();
        }
    }
}

void feltFibres(QImage& image, qreal w, qreal h, const QColor& base, std::uint32_t seed)
{
    QPainter p(&image);
    preparePainter(p);
    wrapped(p, w, h, [&](QPainter& q) {
        Rng rng(seed);
        for (int i = 0; i < 70; ++i) {
            const QPointF a(rng.real(0, w), rng.real(0, h));
            const qreal ang = rng.real(0, 2 * M_PI);
            const qreal len = rng.real(1.5, 4.0);
            const QPointF b = a + QPointF(std::cos(ang) * len, std::sin(ang) * len);
            const QPointF m = (a + b) / 2 + QPointF(rng.real(-1, 1), rng.real(-1, 1));
            const bool light = rng.chance(0.5);
            QPainterPath f;
            f.moveTo(a);
            f.quadTo(m, b);
            q.setPen(
                QPen(withAlpha(light ? mix(base, Qt::white, 0.25) : mix(base, Qt::black, 0.3), 38), 0.5));
            q.drawPath(f);
        }
    });
}

void grassBlades(QImage& image, qreal w, qreal h)
{
    QPainter p(&image);
    preparePainter(p);
    wrapped(p, w, h, [&](QPainter& q) {
        Rng rng(404);
        for (int i = 0; i < 110; ++i) {
            const QPointF root(rng.real(0, w), rng.real(0, h));
            const qreal len = rng.real(5, 11);
            const qreal lean = rng.real(-3.5, 3.5);
            const QPointF tip = root + QPointF(lean, -len);
            const QPointF ctrl = root + QPointF(lean * 0.2, -len * 0.6);
            const int tone = rng.integer(0, 3);
            const QColor colours[4] = {QColor(60, 128, 34), QColor(94, 160, 48), QColor(40, 98, 26),
                                       QColor(124, 178, 62)};
            QPainterPath blade;
            blade.moveTo(root + QPointF(-0.7, 0));
            blade.quadTo(ctrl + QPointF(-0.3, 0), tip);
            blade.quadTo(ctrl + QPointF(0.4, 0), root + QPointF(0.7, 0));
            blade.closeSubpath();
            q.fillPath(blade, withAlpha(colours[tone], 200));
        }
    });
}

} // namespace

void renderTile(QImage& image, int number)
{
    const qreal w = number == 4 ? 43.0 : 55.0;
    const qreal h = number == 4 ? 45.0 : 55.0;
    switch (number) {
    case 1: {
        const TileLook felt{QColor(18, 112, 46), 3, 0.16f, 0.10f, 11u};
        fillNoise(image, w, h, felt, 0, 0);
        feltFibres(image, w, h, felt.base, 21u);
        break;
    }
    case 2: {
        // Its three-cell clouds ran in dark columns and rows through the whole tile, a grid over the table;
        // five cells break them up.
        const TileLook blue{QColor(30, 66, 150), 5, 0.18f, 0.09f, 31u};
        fillNoise(image, w, h, blue, 0, 0);
        feltFibres(image, w, h, blue.base, 41u);
        break;
    }
    case 3: {
        // Crimson velvet: soft vertical pile over the clouds.
        const TileLook crimson{QColor(150, 18, 42), 3, 0.2f, 0.08f, 51u};
        fillNoise(image, w, h, crimson, 22, 2);
        break;
    }
    default: {
        const TileLook grass{QColor(66, 134, 38), 3, 0.22f, 0.12f, 61u};
        fillNoise(image, w, h, grass, 14, 3);
        grassBlades(image, w, h);
        break;
    }
    }
}

} // namespace liorna::art::detail
