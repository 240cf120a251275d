#include "ui/art/picture_art.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>

#include "ui/art/art_internal.h"
#include "ui/art/picture_art_detail.h"

namespace liorna::art {

namespace {

using namespace detail;

bool inRange(int v, int lo, int hi)
{
    return v >= lo && v <= hi;
}

// Index-less pictures all map to index 0, so callers may pass anything and still share one cache entry.
bool hasIndex(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Face:
    case PictureKind::SelectedFace:
    case PictureKind::Back:
    case PictureKind::Bonus:
    case PictureKind::Cover:
    case PictureKind::SuitSymbol:
    case PictureKind::ArrowRed:
    case PictureKind::ArrowGreen:
    case PictureKind::Tile:
    case PictureKind::About: return true;
    default: return false;
    }
}

bool isValid(const Picture& pic)
{
    switch (pic.kind) {
    case PictureKind::None: return false;
    case PictureKind::Face:
    case PictureKind::SelectedFace: return inRange(pic.index, 0, 35);
    case PictureKind::Back: return inRange(pic.index, 1, 15);
    case PictureKind::Bonus: return inRange(pic.index, 1, 20);
    case PictureKind::Cover: return inRange(pic.index, 0, 10);
    case PictureKind::SuitSymbol: return inRange(pic.index, 0, 3);
    case PictureKind::ArrowRed:
    case PictureKind::ArrowGreen: return inRange(pic.index, 0, 1);
    case PictureKind::Tile: return inRange(pic.index, 1, 4);
    case PictureKind::About: return inRange(pic.index, 1, 5);
    default: return true;
    }
}

bool isFace(PictureKind kind)
{
    return kind == PictureKind::Face || kind == PictureKind::SelectedFace || kind == PictureKind::StartAce;
}

void paint(QImage& image, const Picture& pic, bool seeThrough, DeckPalette palette)
{
    QPainter p(&image);
    preparePainter(p);
    switch (pic.kind) {
    case PictureKind::Face: drawFace(p, pic.index, seeThrough, palette); break;
    case PictureKind::SelectedFace:
        drawFace(p, pic.index, seeThrough, palette);
        drawTurnedCorner(p);
        break;
    case PictureKind::StartAce:
        drawFace(p, 8, seeThrough, palette); // h9, the ace of hearts
        drawTurnedCorner(p);
        break;
    case PictureKind::Blank: drawBlank(p); break;
    case PictureKind::Back: drawBack(p, pic.index); break;
    case PictureKind::Bonus: drawBonus(p, pic.index); break;
    case PictureKind::SuitSymbol: {
        const PictureSize s = pictureSize(pic);
        drawSuitSymbol(p, pic.index, QSizeF(s.width, s.height), palette);
        break;
    }
    case PictureKind::SlotOutline: drawSlotOutline(p); break;
    case PictureKind::PlayEmblem: drawEmblem(p, true); break;
    case PictureKind::DiscardEmblem: drawEmblem(p, false); break;
    case PictureKind::ArrowRed: drawArrow(p, false, pic.index == 1); break;
    case PictureKind::ArrowGreen: drawArrow(p, true, pic.index == 1); break;
    case PictureKind::Locked: drawLocked(p); break;
    case PictureKind::About: drawAbout(p, pic.index); break;
    case PictureKind::None:
    case PictureKind::Cover:
    case PictureKind::Tile: break;
    }
}

struct Cache {
    QMutex mutex;
    QHash<quint64, QImage> images;
};

Cache& cache()
{
    static Cache c;
    return c;
}

// Pictures that show no suit look the same in either palette and share one entry.
bool showsSuit(PictureKind kind)
{
    return isFace(kind) || kind == PictureKind::SuitSymbol;
}

quint64 cacheKey(const Picture& pic, qreal dpr, bool seeThrough, DeckPalette palette)
{
    const int index = hasIndex(pic.kind) ? pic.index : 0;
    const auto dprKey = static_cast<quint64>(std::lround(dpr * 100.0)) & 0xffff;
    return (static_cast<quint64>(pic.kind) << 40) | (static_cast<quint64>(index & 0xffff) << 24) |
           (static_cast<quint64>(showsSuit(pic.kind) && palette == DeckPalette::FourColour) << 17) |
           (static_cast<quint64>(seeThrough) << 16) | dprKey;
}

QImage cached(const Picture& pic, qreal dpr, bool seeThrough, DeckPalette palette)
{
    if (!isValid(pic) || !(dpr > 0.0))
        return {};
    const quint64 key = cacheKey(pic, dpr, seeThrough, palette);
    Cache& c = cache();
    {
        QMutexLocker lock(&c.mutex);
        const auto it = c.images.constFind(key);
        if (it != c.images.constEnd())
            return *it;
    }
    // Drawn outside the lock: pictures are independent, and a rare duplicate render is harmless.
    QImage image = detail::renderUncached(pic, dpr, seeThrough, palette);
    QMutexLocker lock(&c.mutex);
    c.images.insert(key, image);
    return image;
}

} // namespace

namespace detail {

QImage renderUncached(const Picture& pic, qreal dpr, bool seeThrough, DeckPalette palette)
{
    if (!isValid(pic) || !(dpr > 0.0))
        return {};
    const PictureSize size = pictureSize(pic);
    QImage image(std::max(1, qRound(size.width * dpr)), std::max(1, qRound(size.height * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    if (pic.kind == PictureKind::Cover)
        renderCover(image, pic.index);
    else if (pic.kind == PictureKind::Tile)
        renderTile(image, pic.index);
    else
        paint(image, pic, seeThrough && isFace(pic.kind), palette);
    return image;
}

std::vector<Picture> everyPicture()
{
    std::vector<Picture> all;
    auto range = [&all](PictureKind kind, int lo, int hi) {
        for (int i = lo; i <= hi; ++i)
            all.push_back(Picture::of(kind, i));
    };
    range(PictureKind::Face, 0, 35);
    range(PictureKind::SelectedFace, 0, 35);
    range(PictureKind::Blank, 0, 0);
    range(PictureKind::Back, 1, 15);
    range(PictureKind::Bonus, 1, 20);
    range(PictureKind::Cover, 0, 10);
    range(PictureKind::SuitSymbol, 0, 3);
    range(PictureKind::SlotOutline, 0, 0);
    range(PictureKind::PlayEmblem, 0, 0);
    range(PictureKind::DiscardEmblem, 0, 0);
    range(PictureKind::ArrowRed, 0, 1);
    range(PictureKind::ArrowGreen, 0, 1);
    range(PictureKind::Locked, 0, 0);
    range(PictureKind::Tile, 1, 4);
    range(PictureKind::StartAce, 0, 0);
    range(PictureKind::About, 1, 5);
    return all;
}

void clearCache()
{
    Cache& c = cache();
    QMutexLocker lock(&c.mutex);
    c.images.clear();
}

} // namespace detail

QImage render(const Picture& picture, qreal dpr, DeckPalette palette)
{
    return cached(picture, dpr, false, palette);
}

QImage renderSeeThrough(const Picture& picture, qreal dpr, DeckPalette palette)
{
    return cached(picture, dpr, isFace(picture.kind), palette);
}

} // namespace liorna::art
