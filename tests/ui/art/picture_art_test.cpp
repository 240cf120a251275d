// Checks the drawn pictures: sizes at each dpr, transparency where the table relies on it, the turned
// corner, the see-through state, the jigsaw cover, seamless tiles, and that no two pictures of a set match.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "ui/art/picture_art.h"
#include "ui/art/picture_art_detail.h"

namespace {

using liorna::Picture;
using liorna::PictureKind;
namespace art = liorna::art;

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "liorna-art-tests";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

private:
    QGuiApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const qtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::string name(const Picture& pic)
{
    return liorna::describe(pic);
}

std::vector<Picture> family(PictureKind kind, int lo, int hi)
{
    std::vector<Picture> v;
    for (int i = lo; i <= hi; ++i)
        v.push_back(Picture::of(kind, i));
    return v;
}

// Pixel access in logical coordinates of a picture rendered at dpr 1.
QColor at(const QImage& image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& pred)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += pred(image.pixel(x, y)) ? 1 : 0;
    return n;
}

int transparentPixels(const QImage& image)
{
    return countPixels(image, [](QRgb c) { return qAlpha(c) == 0; });
}

// Share of pixels that differ clearly in some channel: picks out real changes, not antialiasing noise.
double differingShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1.0;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            n += d > 24 ? 1 : 0;
        }
    return static_cast<double>(n) / (a.width() * a.height());
}

// Mean channel difference of two images shrunk to a few pixels: what the eye sees at a glance.
double glanceDistance(const QImage& a, const QImage& b)
{
    const QImage sa = a.scaled(6, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_ARGB32);
    const QImage sb = b.scaled(6, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 6; ++x) {
            const QRgb p = sa.pixel(x, y);
            const QRgb q = sb.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (6 * 8 * 3);
}

// Connected blobs of coloured ink (not white, not transparent) inside a rectangle.
int inkBlobs(const QImage& image, const QRect& area)
{
    auto ink = [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qAlpha(c) > 128 && std::min({qRed(c), qGreen(c), qBlue(c)}) < 170;
    };
    std::vector<char> seen(static_cast<std::size_t>(image.width() * image.height()), 0);
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[static_cast<std::size_t>(y * image.width() + x)] || !ink(x, y))
                continue;
            ++blobs;
            std::vector<QPoint> stack{QPoint(x, y)};
            seen[static_cast<std::size_t>(y * image.width() + x)] = 1;
            while (!stack.empty()) {
                const QPoint pt = stack.back();
                stack.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = pt + d;
                    if (!area.contains(n) || seen[static_cast<std::size_t>(n.y() * image.width() + n.x())] ||
                        !ink(n.x(), n.y()))
                        continue;
                    seen[static_cast<std::size_t>(n.y() * image.width() + n.x())] = 1;
                    stack.push_back(n);
                }
            }
        }
    return blobs;
}

void expectAllDistinct(const std::vector<Picture>& set, double minShare, double minGlance)
{
    std::vector<QImage> images;
    for (const Picture& pic : set)
        images.push_back(art::render(pic));
    for (std::size_t i = 0; i < set.size(); ++i)
        for (std::size_t j = i + 1; j < set.size(); ++j) {
            SCOPED_TRACE(name(set[i]) + " vs " + name(set[j]));
            EXPECT_GT(differingShare(images[i], images[j]), minShare);
            if (minGlance > 0) {
                EXPECT_GT(glanceDistance(images[i], images[j]), minGlance);
            }
        }
}

TEST(PictureArt, EveryPictureHasItsLogicalSizeAtEachDpr)
{
    for (const qreal dpr : {1.0, 1.5, 2.0}) {
        for (const Picture& pic : art::detail::everyPicture()) {
            SCOPED_TRACE(name(pic) + " at dpr " + std::to_string(dpr));
            const liorna::PictureSize logical = liorna::pictureSize(pic);
            const QImage image = art::render(pic, dpr);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(image.devicePixelRatio(), dpr);
            EXPECT_EQ(image.width(), qRound(logical.width * dpr));
            EXPECT_EQ(image.height(), qRound(logical.height * dpr));
            EXPECT_EQ(art::renderSeeThrough(pic, dpr).size(), image.size());
        }
    }
}

TEST(PictureArt, NoneAndIndicesOutOfRangeGiveNullImages)
{
    const Picture invalid[] = {
        Picture::none(),           Picture::face(-1),      Picture::face(36),
        Picture::selectedFace(36), Picture::back(0),       Picture::back(16),
        Picture::bonus(0),         Picture::bonus(21),     Picture::cover(-1),
        Picture::cover(11),        Picture::suitSymbol(4), Picture::of(PictureKind::ArrowRed, 2),
        Picture::tile(0),          Picture::tile(5),       Picture::of(PictureKind::About, 6)};
    for (const Picture& pic : invalid) {
        SCOPED_TRACE(name(pic) + " index " + std::to_string(pic.index));
        EXPECT_TRUE(art::render(pic).isNull());
        EXPECT_TRUE(art::renderSeeThrough(pic, 2.0).isNull());
    }
    EXPECT_TRUE(art::render(Picture::face(3), 0.0).isNull());
}

TEST(PictureArt, RepeatedRendersComeFromTheCacheAndMatchAFreshDrawing)
{
    for (const Picture& pic : art::detail::everyPicture()) {
        SCOPED_TRACE(name(pic));
        const QImage first = art::render(pic, 2.0);
        EXPECT_EQ(art::render(pic, 2.0).cacheKey(), first.cacheKey());
        // Random scatter is seeded, so a fresh drawing gives the very same pixels.
        EXPECT_EQ(art::detail::renderUncached(pic, 2.0, false), first);
    }
    // Pictures without an index share one entry whatever index is passed.
    EXPECT_EQ(art::render(Picture::of(PictureKind::PlayEmblem, 7)).cacheKey(),
              art::render(Picture::of(PictureKind::PlayEmblem, 0)).cacheKey());
    EXPECT_NE(art::render(Picture::face(0), 1.0).cacheKey(), art::render(Picture::face(0), 2.0).cacheKey());
}

TEST(PictureArt, TwiceTheDprIsTheSamePictureInFinerPixels)
{
    for (const Picture& pic : art::detail::everyPicture()) {
        SCOPED_TRACE(name(pic));
        const QImage one = art::render(pic, 1.0);
        const QImage two =
            art::render(pic, 2.0).scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(glanceDistance(one, two), 6.0);
    }
}

TEST(PictureArt, TransparencyWhereTheTableNeedsIt)
{
    struct Case {
        Picture picture;
        std::vector<QPoint> clear;  // must be fully transparent
        std::vector<QPoint> opaque; // must be fully opaque
    };
    const Case cases[] = {
        {Picture::of(PictureKind::PlayEmblem), {{0, 0}, {42, 0}, {0, 39}, {42, 39}}, {{21, 20}, {21, 3}}},
        {Picture::of(PictureKind::DiscardEmblem), {{0, 0}, {42, 0}, {0, 39}, {42, 39}}, {{21, 20}, {21, 36}}},
        {Picture::suitSymbol(0), {{0, 0}, {20, 0}, {0, 18}, {20, 18}}, {{10, 9}}},
        {Picture::suitSymbol(1), {{0, 0}, {16, 0}, {0, 18}, {16, 18}}, {{8, 9}}},
        {Picture::suitSymbol(2), {{0, 0}, {18, 0}, {0, 18}}, {{9, 10}}},
        {Picture::suitSymbol(3), {{0, 16}, {18, 16}, {0, 0}}, {{9, 6}}},
        {Picture::of(PictureKind::ArrowRed, 0), {{0, 0}, {0, 23}}, {{11, 12}}},
        {Picture::of(PictureKind::ArrowGreen, 1), {{13, 0}, {13, 23}}, {{2, 12}}},
        {Picture::of(PictureKind::SlotOutline), {{0, 0}, {35, 48}, {10, 10}}, {}},
        {Picture::of(PictureKind::About, 4), {{0, 0}, {209, 38}}, {}},
        {Picture::of(PictureKind::About, 5), {{0, 0}, {259, 158}}, {}},
        {Picture::face(0), {{0, 0}, {70, 95}}, {{35, 48}, {1, 48}}},
        {Picture::back(1), {{0, 0}, {70, 95}}, {{35, 48}, {1, 48}}},
        {Picture::bonus(1), {{0, 0}, {70, 95}}, {{35, 48}, {1, 48}}},
        {Picture::cover(0), {{0, 0}, {70, 95}}, {{35, 48}, {1, 48}, {12, 12}}},
        {Picture::blank(), {{0, 0}}, {{35, 48}}},
        {Picture::of(PictureKind::Locked), {}, {{0, 0}, {96, 80}, {48, 40}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(name(c.picture));
        const QImage image = art::render(c.picture);
        for (const QPoint pt : c.clear)
            EXPECT_EQ(qAlpha(image.pixel(pt)), 0) << "at " << pt.x() << "," << pt.y();
        for (const QPoint pt : c.opaque)
            EXPECT_EQ(qAlpha(image.pixel(pt)), 255) << "at " << pt.x() << "," << pt.y();
    }
    for (int t = 1; t <= 4; ++t)
        EXPECT_EQ(transparentPixels(art::render(Picture::tile(t), 2.0)), 0) << "tile " << t;
    // The outline is drawn: some pixel along its left edge has colour.
    const QImage outline = art::render(Picture::of(PictureKind::SlotOutline));
    EXPECT_GT(qAlpha(outline.pixel(1, 48)), 200);
    EXPECT_GT(at(outline, 1, 48).green(), at(outline, 1, 48).red() + 40);
}

TEST(PictureArt, TurnedCornerShowsPureTableGreen)
{
    std::vector<Picture> folded = family(PictureKind::SelectedFace, 0, 35);
    folded.push_back(Picture::of(PictureKind::StartAce));
    for (const qreal dpr : {1.0, 2.0}) {
        for (const Picture& pic : folded) {
            SCOPED_TRACE(name(pic) + " at dpr " + std::to_string(dpr));
            const QImage image = art::render(pic, dpr);
            const int w = image.width();
            for (const QPoint pt : {QPoint(w - 1, 0), QPoint(w - 2, 1), QPoint(w - 1, qRound(8 * dpr))})
                EXPECT_EQ(image.pixel(pt), qRgb(0, 128, 0)) << "at " << pt.x() << "," << pt.y();
            // Below the fold the card is untouched.
            const QImage plain = art::render(
                pic.kind == PictureKind::StartAce ? Picture::face(8) : Picture::face(pic.index), dpr);
            const QRect lower(0, qRound(24 * dpr), image.width(), image.height() - qRound(24 * dpr));
            EXPECT_EQ(image.copy(lower), plain.copy(lower));
            EXPECT_GT(differingShare(image, plain), 0.02);
        }
    }
}

TEST(PictureArt, SeeThroughClearsTheWhiteOfFacesOnly)
{
    for (int i = 0; i < 36; ++i) {
        SCOPED_TRACE(name(Picture::face(i)));
        const QImage solid = art::render(Picture::face(i));
        const QImage clear = art::renderSeeThrough(Picture::face(i));
        // Just inside the border the face is white, and gone when see-through.
        EXPECT_EQ(solid.pixel(3, 48), qRgb(255, 255, 255));
        EXPECT_EQ(qAlpha(clear.pixel(3, 48)), 0);
        // Laid on white again, the see-through face is the plain face: only the white went.
        QImage onWhite(clear.size(), QImage::Format_ARGB32_Premultiplied);
        onWhite.fill(Qt::white);
        QPainter p(&onWhite);
        p.drawImage(0, 0, clear);
        p.end();
        QImage solidOnWhite = onWhite.copy();
        solidOnWhite.fill(Qt::white);
        p.begin(&solidOnWhite);
        p.drawImage(0, 0, solid);
        p.end();
        EXPECT_LT(differingShare(onWhite, solidOnWhite), 0.002);
        EXPECT_GT(transparentPixels(clear), transparentPixels(solid) + 2000);
    }
    const QImage selected = art::renderSeeThrough(Picture::selectedFace(4));
    EXPECT_EQ(selected.pixel(70, 0), qRgb(0, 128, 0));
    EXPECT_EQ(qAlpha(selected.pixel(3, 60)), 0);
    for (const Picture& pic : {Picture::back(2), Picture::bonus(5), Picture::blank(), Picture::cover(0)})
        EXPECT_EQ(art::renderSeeThrough(pic, 2.0), art::render(pic, 2.0)) << name(pic);
}

TEST(PictureArt, FacesShowTheirSuitColourAndPipCount)
{
    // Pip cards 6..10 sit at ranks 0..3 and 7 of each suit.
    const int rankOf[] = {0, 1, 2, 3, 7};
    const int pips[] = {6, 7, 8, 9, 10};
    const QRect middle(15, 6, 41, 84); // between the corner indices
    for (int suit = 0; suit < 4; ++suit) {
        for (int k = 0; k < 5; ++k) {
            const Picture pic = Picture::face(suit * 9 + rankOf[k]);
            SCOPED_TRACE(name(pic));
            const QImage image = art::render(pic);
            EXPECT_EQ(inkBlobs(image, middle), pips[k]);
            // The top left pip's centre shows the suit colour.
            const QColor c = at(image, 22, 17);
            if (suit < 2) {
                EXPECT_GT(c.red(), 140);
                EXPECT_LT(c.green(), 60);
            } else {
                EXPECT_LT(std::max({c.red(), c.green(), c.blue()}), 90);
            }
        }
    }
}

// The hue family of the mean ink (clearly coloured, opaque, neither white nor the table green of a
// turned corner) inside an area of the picture, in logical coordinates.
enum class Ink { Red, Blue, Green, Black, Unclear };

Ink inkIn(const QImage& image, const QRectF& logical)
{
    const qreal dpr = image.devicePixelRatio();
    const QRect area = QRectF(logical.topLeft() * dpr, logical.size() * dpr).toRect() & image.rect();
    double r = 0;
    double g = 0;
    double b = 0;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < 250 || std::min({qRed(c), qGreen(c), qBlue(c)}) > 150 || c == qRgb(0, 128, 0))
                continue;
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    if (n < 10)
        return Ink::Unclear;
    r /= n;
    g /= n;
    b /= n;
    if (std::max({r, g, b}) < 80)
        return Ink::Black;
    if (r > g + 60 && r > b + 60)
        return Ink::Red;
    if (b > r + 60 && b > g + 30)
        return Ink::Blue;
    if (g > r + 50 && g > b + 30)
        return Ink::Green;
    return Ink::Unclear;
}

TEST(PictureArt, TheFourColourDeckInksEverySuitItsOwnColour)
{
    // Suits in picture order: hearts, diamonds, spades, clubs.
    const Ink twoColour[4] = {Ink::Red, Ink::Red, Ink::Black, Ink::Black};
    const Ink fourColour[4] = {Ink::Red, Ink::Blue, Ink::Black, Ink::Green};
    const QRectF cornerIndex(1.5, 3, 11, 20);
    for (const qreal dpr : {1.0, 2.0}) {
        for (int index = 0; index < 36; ++index) {
            const int suit = index / 9;
            for (const Picture& pic : {Picture::face(index), Picture::selectedFace(index)}) {
                SCOPED_TRACE(name(pic) + " at " + std::to_string(dpr));
                EXPECT_EQ(inkIn(art::render(pic, dpr), cornerIndex), twoColour[suit]);
                const QImage four = art::render(pic, dpr, art::DeckPalette::FourColour);
                EXPECT_EQ(inkIn(four, cornerIndex), fourColour[suit]);
                // The index upside down in the other corner too.
                EXPECT_EQ(inkIn(four, QRectF(71 - 12.5, 96 - 23, 11, 20)), fourColour[suit]);
                EXPECT_EQ(inkIn(art::renderSeeThrough(pic, dpr, art::DeckPalette::FourColour), cornerIndex),
                          fourColour[suit]);
            }
        }
        for (int suit = 0; suit < 4; ++suit) {
            const Picture symbol = Picture::suitSymbol(suit);
            const QRectF whole(QPointF(0, 0), art::render(symbol, dpr).deviceIndependentSize());
            SCOPED_TRACE(name(symbol) + " at " + std::to_string(dpr));
            EXPECT_EQ(inkIn(art::render(symbol, dpr), whole), twoColour[suit]);
            EXPECT_EQ(inkIn(art::render(symbol, dpr, art::DeckPalette::FourColour), whole), fourColour[suit]);
        }
    }
    // A nine's pips take the suit's ink as the index does.
    EXPECT_EQ(
        inkIn(art::render(Picture::face(9 + 3), 1, art::DeckPalette::FourColour), QRectF(15, 6, 41, 84)),
        Ink::Blue);
    EXPECT_EQ(
        inkIn(art::render(Picture::face(27 + 3), 1, art::DeckPalette::FourColour), QRectF(15, 6, 41, 84)),
        Ink::Green);
}

TEST(PictureArt, ThePaletteChangesOnlyThePicturesOfTheDiamondsAndClubs)
{
    for (const Picture& pic : {Picture::face(4), Picture::selectedFace(22), Picture::suitSymbol(0),
                               Picture::suitSymbol(2), Picture::of(PictureKind::StartAce)})
        EXPECT_EQ(art::render(pic, 2.0, art::DeckPalette::FourColour), art::render(pic, 2.0)) << name(pic);
    for (const Picture& pic : {Picture::face(13), Picture::selectedFace(31), Picture::suitSymbol(1)})
        EXPECT_GT(differingShare(art::render(pic, 1.0, art::DeckPalette::FourColour), art::render(pic, 1.0)),
                  0.01)
            << name(pic);
    // What shows no suit is one picture, cached once, in either palette.
    for (const Picture& pic : {Picture::back(3), Picture::blank(), Picture::tile(2)})
        EXPECT_EQ(art::render(pic, 1.0, art::DeckPalette::FourColour).cacheKey(),
                  art::render(pic, 1.0).cacheKey())
            << name(pic);
}

TEST(PictureArt, NoTwoPicturesOfASetAreAlike)
{
    expectAllDistinct(family(PictureKind::Face, 0, 35), 0.01, 0);
    expectAllDistinct(family(PictureKind::SelectedFace, 0, 35), 0.01, 0);
    // Bonus pictures become card backs too, so the two sets must not repeat each other either.
    std::vector<Picture> backs = family(PictureKind::Back, 1, 15);
    for (const Picture& b : family(PictureKind::Bonus, 1, 20))
        backs.push_back(b);
    expectAllDistinct(backs, 0.3, 8.0);
    expectAllDistinct(family(PictureKind::Cover, 0, 10), 0.005, 0);
    expectAllDistinct({Picture::tile(1), Picture::tile(2), Picture::tile(3)}, 0.5, 20.0);
    expectAllDistinct({Picture::of(PictureKind::PlayEmblem), Picture::of(PictureKind::DiscardEmblem)}, 0.3,
                      20.0);
    expectAllDistinct({Picture::of(PictureKind::ArrowRed, 0), Picture::of(PictureKind::ArrowRed, 1),
                       Picture::of(PictureKind::ArrowGreen, 0), Picture::of(PictureKind::ArrowGreen, 1)},
                      0.1, 0);
}

TEST(PictureArt, CoverPiecesComeOffInOrderAlongTheirTabs)
{
    constexpr qreal cellW = 71.0 / 3;
    constexpr qreal cellH = 96.0 / 3;
    // Bottom right, bottom middle, bottom left, middle left, top left, top middle, top right, middle right.
    const int order[9][2] = {{2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}, {0, 1}, {0, 2}, {1, 2}, {1, 1}};
    int lastClear = -1;
    for (int frame = 0; frame <= 10; ++frame) {
        SCOPED_TRACE("cover " + std::to_string(frame));
        const QImage image = art::render(Picture::cover(frame));
        const int removed = std::clamp(frame - 1, 0, 9);
        for (int i = 0; i < 9; ++i) {
            const QPoint centre(static_cast<int>((order[i][1] + 0.5) * cellW),
                                static_cast<int>((order[i][0] + 0.5) * cellH));
            EXPECT_EQ(qAlpha(image.pixel(centre)), i < removed ? 0 : 255) << "piece " << i;
        }
        const int clear = transparentPixels(image);
        if (frame >= 2) {
            EXPECT_GT(clear, lastClear);
        } else if (frame == 1) {
            EXPECT_EQ(clear, lastClear); // the cut lines alone remove nothing
        }
        lastClear = clear;
    }
    EXPECT_EQ(transparentPixels(art::render(Picture::cover(10), 2.0)), 71 * 96 * 4);

    // With only the bottom right piece gone, the hole is not the cell's rectangle: tabs bite in or stick out.
    const QImage one = art::render(Picture::cover(2));
    const QRect cell(qRound(2 * cellW), qRound(2 * cellH), 71 - qRound(2 * cellW), 96 - qRound(2 * cellH));
    int mismatch = 0;
    for (int y = 40; y < 92; ++y)
        for (int x = 20; x < 68; ++x) {
            const bool inCell = cell.adjusted(1, 1, -1, -1).contains(x, y);
            const bool outCell = !cell.adjusted(-1, -1, 1, 1).contains(x, y);
            const bool isClear = qAlpha(one.pixel(x, y)) == 0;
            mismatch += (inCell && !isClear) || (outCell && isClear) ? 1 : 0;
        }
    EXPECT_GT(mismatch, 40);
}

TEST(PictureArt, TilesRepeatWithoutSeams)
{
    // The step across a tile's edge (last column to the first) must be no bigger than a step inside.
    auto step = [](const QImage& img, int x0, int y0, int x1, int y1) {
        const QRgb a = img.pixel(x0, y0);
        const QRgb b = img.pixel(x1, y1);
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    };
    for (const qreal dpr : {1.0, 2.0}) {
        for (int t = 1; t <= 4; ++t) {
            SCOPED_TRACE("tile " + std::to_string(t) + " at dpr " + std::to_string(dpr));
            const QImage img = art::render(Picture::tile(t), dpr);
            const int w = img.width();
            const int h = img.height();
            double inner = 0, seamX = 0, seamY = 0;
            int innerCount = 0;
            for (int y = 0; y < h; ++y) {
                seamX += step(img, w - 1, y, 0, y);
                for (int x = 0; x + 1 < w; ++x, ++innerCount)
                    inner += step(img, x, y, x + 1, y);
            }
            for (int x = 0; x < w; ++x)
                seamY += step(img, x, h - 1, x, 0);
            inner /= innerCount;
            seamX /= h;
            seamY /= w;
            EXPECT_GT(inner, 0.5); // it has a texture at all
            EXPECT_LT(seamX, inner * 1.6 + 1.0);
            EXPECT_LT(seamY, inner * 1.6 + 1.0);
        }
    }
}

TEST(PictureArt, TextPicturesUseTheirColours)
{
    const QImage title = art::render(Picture::of(PictureKind::About, 4));
    const int blue = countPixels(title, [](QRgb c) { return qAlpha(c) == 255 && qBlue(c) > qRed(c) + 60; });
    EXPECT_GT(blue, 800);
    const QImage credits = art::render(Picture::of(PictureKind::About, 5));
    const int inked = countPixels(credits, [](QRgb c) { return qAlpha(c) > 200; });
    const int dark =
        countPixels(credits, [](QRgb c) { return qAlpha(c) > 200 && qRed(c) < 90 && qBlue(c) < 90; });
    EXPECT_GT(inked, 600);
    EXPECT_EQ(dark, inked);
    const QImage locked = art::render(Picture::of(PictureKind::Locked));
    EXPECT_GT(countPixels(locked, [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 80; }), 150);
}

} // namespace
