// The background tiles laid edge to edge over the table: where a tile's right column meets the next tile's
// left column (and its bottom row the top row of the one below) no seam may show, neither a step from one
// pixel to the next nor a line of a different shade running along the whole border.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "ui/art/picture_art.h"

namespace {

using liorna::Picture;
namespace art = liorna::art;

// The application the pictures are drawn with is made by the picture tests of the same program.

double luminance(QRgb c)
{
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

// A tile as a grid of luminances, read along rows or, transposed, along columns: the vertical seam of the
// transposed tile is the horizontal seam of the tile.
struct Lum {
    int w = 0;
    int h = 0;
    std::vector<double> v;
    double at(int x, int y) const { return v[static_cast<std::size_t>(y * w + x)]; }
};

Lum lum(const QImage& img, bool transposed)
{
    Lum l;
    l.w = transposed ? img.height() : img.width();
    l.h = transposed ? img.width() : img.height();
    l.v.resize(static_cast<std::size_t>(l.w * l.h));
    for (int y = 0; y < l.h; ++y)
        for (int x = 0; x < l.w; ++x)
            l.v[static_cast<std::size_t>(y * l.w + x)] =
                luminance(transposed ? img.pixel(y, x) : img.pixel(x, y));
    return l;
}

// Mean step between column x and column x + 1, wrapping round: x = w - 1 is where two tiles meet.
double meanStep(const Lum& l, int x)
{
    double sum = 0;
    for (int y = 0; y < l.h; ++y)
        sum += std::abs(l.at(x, y) - l.at((x + 1) % l.w, y));
    return sum / l.h;
}

// How much a band of `half` columns either side of the line between column x and x + 1 differs from the
// tile's mean shade: a band darker or lighter all along the border is a line across the whole table.
double bandOffset(const Lum& l, int x, int half)
{
    double band = 0;
    for (int d = -half + 1; d <= half; ++d)
        for (int y = 0; y < l.h; ++y)
            band += l.at(((x + d) % l.w + l.w) % l.w, y);
    band /= 2.0 * half * l.h;
    double mean = 0;
    for (const double v : l.v)
        mean += v;
    mean /= static_cast<double>(l.v.size());
    return band - mean;
}

struct SeamCase {
    int tile;
    qreal dpr;
};

void PrintTo(const SeamCase& c, std::ostream* os)
{
    *os << "tile " << c.tile << " at ratio " << c.dpr;
}

class TileSeam : public ::testing::TestWithParam<SeamCase> {};

TEST_P(TileSeam, OppositeEdgesMeetWithoutASeam)
{
    const auto [tile, dpr] = GetParam();
    const QImage img = art::render(Picture::tile(tile), dpr);
    ASSERT_FALSE(img.isNull());
    for (const bool transposed : {false, true}) {
        SCOPED_TRACE(transposed ? "bottom row against top row" : "right column against left column");
        const Lum l = lum(img, transposed);
        double inner = 0;
        for (int x = 0; x + 1 < l.w; ++x)
            inner += meanStep(l, x);
        inner /= l.w - 1;
        EXPECT_GT(inner, 0.3) << "the tile has a texture at all";
        // Across the border the shade may change no more than it does from one column to the next inside.
        EXPECT_LT(meanStep(l, l.w - 1), inner * 1.5 + 0.5);
        // A line of 1.5 levels of a 255-level shade along every border shows on a plain cloth; the band is
        // three logical pixels either side of the border.
        EXPECT_LT(std::abs(bandOffset(l, l.w - 1, static_cast<int>(std::lround(3 * dpr)))), 1.5);
    }
}

std::vector<SeamCase> everyTileAtEachRatio()
{
    std::vector<SeamCase> cases;
    for (const qreal dpr : {1.0, 2.0})
        for (int tile = 1; tile <= 4; ++tile)
            cases.push_back({tile, dpr});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryTile, TileSeam, ::testing::ValuesIn(everyTileAtEachRatio()),
                         [](const ::testing::TestParamInfo<SeamCase>& info) {
                             return "tile" + std::to_string(info.param.tile) + "_ratio" +
                                    std::to_string(static_cast<int>(info.param.dpr));
                         });

} // namespace
