#include "ui/table_pictures.h"

#include <QThread>
#include <malloc.h>

#include "ui/art/picture_art_detail.h"

namespace liorna {

namespace {

bool hasSeeThrough(const Picture& picture)
{
    return picture.kind == PictureKind::Face || picture.kind == PictureKind::SelectedFace;
}

QSize sizeAt(const Picture& picture, qreal ratio)
{
    const PictureSize size = pictureSize(picture);
    return {std::max(1, qRound(size.width * ratio)), std::max(1, qRound(size.height * ratio))};
}

} // namespace

TablePictures::TablePictures()
{
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

TablePictures::~TablePictures()
{
    // The workers post to receiver_ and read the generation: they end before either goes.
    ++generation_;
    pool_.clear();
    pool_.waitForDone();
}

bool TablePictures::standIn(const Picture& picture, bool seeThrough) const
{
    return stale_.contains(keyOf(picture, seeThrough && hasSeeThrough(picture)));
}

QSize TablePictures::deviceSize(const Picture& picture) const
{
    return sizeAt(picture, scale_ * dpr_);
}

quint64 TablePictures::keyOf(const Picture& picture, bool seeThrough)
{
    return (quint64(picture.kind) << 33) | (quint64(quint32(picture.index)) << 1) | quint64(seeThrough);
}

QImage TablePictures::renderFor(const Picture& picture, bool seeThrough, qreal scale, qreal dpr,
                                art::DeckPalette palette)
{
    if (picture.kind == PictureKind::None || !(scale > 0))
        return {};
    // Below the art's own cache, which keeps every ratio it was asked for: a window dragged through a
    // hundred sizes would keep a hundred sets of cards.
    const qreal ratio = scale * dpr;
    QImage image;
    if (ratio >= 1) {
        image = art::detail::renderUncached(picture, ratio, seeThrough, palette);
    } else {
        // QPainter takes a device pixel ratio below 1 as 1, so the art cannot draw smaller than its
        // design: it draws at the design size and is reduced, never enlarged.
        image = art::detail::renderUncached(picture, 1, seeThrough, palette)
                    .scaled(sizeAt(picture, ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // The felt is opaque: told so, the table's background is copied rather than blended.
    if (picture.kind == PictureKind::Tile && !image.isNull())
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
    return image;
}

bool TablePictures::setScale(qreal scale, qreal dpr)
{
    if (scale == scale_ && dpr == dpr_)
        return false;
    // The crisp pictures of the scale left become the source of stand-ins. Mid-way through a resize
    // the older source stays, joined by what was rendered crisp since.
    for (auto it = pixmaps_.cbegin(); it != pixmaps_.cend(); ++it)
        if (!stale_.contains(it.key()) && !it.value().isNull())
            source_.insert(it.key(), it.value());
    pixmaps_.clear();
    stale_.clear();
    scale_ = scale;
    dpr_ = dpr;
    rendered_ = 0;
    waiting_ = 0;
    ++generation_;
    return true;
}

void TablePictures::setPalette(art::DeckPalette palette)
{
    if (palette == palette_)
        return;
    palette_ = palette;
    pixmaps_.clear();
    stale_.clear();
    source_.clear();
    rendered_ = 0;
    waiting_ = 0;
    // Workers still drawing in the old palette land nowhere.
    ++generation_;
}

const QPixmap& TablePictures::get(const Picture& picture, bool seeThrough)
{
    seeThrough = seeThrough && hasSeeThrough(picture);
    const quint64 key = keyOf(picture, seeThrough);
    auto it = pixmaps_.find(key);
    if (it != pixmaps_.end())
        return *it;
    keys_.insert(key, {picture, seeThrough});
    QPixmap pixmap;
    const auto old = source_.constFind(key);
    if (old != source_.constEnd()) {
        // A tile is repeated at its own size, so it is scaled once. Any other stand-in is the old picture
        // itself, drawn to the new size where it lies: a scaled copy of each would be fresh memory, and
        // the first frame after a resize would pay for every page of it.
        if (picture.kind == PictureKind::Tile) {
            pixmap =
                old->scaled(sizeAt(picture, scale_ * dpr_), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            pixmap.setDevicePixelRatio(dpr_);
        } else {
            pixmap = *old;
        }
        stale_.insert(key, {picture, seeThrough});
    } else {
        QImage image = renderFor(picture, seeThrough, scale_, dpr_, palette_);
        if (!image.isNull()) {
            ++renders_;
            pixmap = QPixmap::fromImage(std::move(image));
            pixmap.setDevicePixelRatio(dpr_);
            ++rendered_;
        }
    }
    return *pixmaps_.insert(key, pixmap);
}

void TablePictures::renderCrisp()
{
    if (waiting_ > 0 || crisp())
        return;
    QHash<quint64, Key> wanted = stale_;
    for (auto it = source_.cbegin(); it != source_.cend(); ++it)
        wanted.insert(it.key(), keys_.value(it.key()));
    waiting_ = int(wanted.size());
    const int generation = generation_;
    const qreal scale = scale_;
    const qreal dpr = dpr_;
    const art::DeckPalette palette = palette_;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        const quint64 key = it.key();
        const Key what = it.value();
        pool_.start([this, generation, key, what, scale, dpr, palette] {
            if (generation_.load() != generation)
                return;
            QImage image = renderFor(what.picture, what.seeThrough, scale, dpr, palette);
            renders_ += int(!image.isNull());
            QMetaObject::invokeMethod(
                &receiver_,
                [this, generation, key, image = std::move(image)]() mutable {
                    land(generation, key, std::move(image));
                },
                Qt::QueuedConnection);
        });
    }
}

void TablePictures::land(int generation, quint64 key, QImage image)
{
    if (generation != generation_)
        return;
    QPixmap pixmap;
    if (!image.isNull()) {
        pixmap = QPixmap::fromImage(std::move(image));
        pixmap.setDevicePixelRatio(dpr_);
        ++rendered_;
    }
    pixmaps_.insert(key, pixmap);
    stale_.remove(key);
    if (--waiting_ == 0) {
        source_.clear();
        stale_.clear();
        // Large picture buffers freed on a heap are kept by the allocator; give them back, so memory
        // after a sweep of sizes is what the final size needs.
        malloc_trim(0);
    }
    if (arrived)
        arrived();
}

} // namespace liorna
