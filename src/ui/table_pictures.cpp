#include "ui/table_pictures.h"

#include "ui/art/picture_art_detail.h"

namespace liorna {

void TablePictures::setScale(qreal scale, qreal dpr)
{
    if (scale == scale_ && dpr == dpr_)
        return;
    scale_ = scale;
    dpr_ = dpr;
    rendered_ = 0;
    pixmaps_.clear();
}

const QPixmap& TablePictures::get(const Picture& picture, bool seeThrough)
{
    // Only faces have a see-through variant.
    seeThrough =
        seeThrough && (picture.kind == PictureKind::Face || picture.kind == PictureKind::SelectedFace);
    const quint64 key = (quint64(picture.kind) << 33) | (quint64(quint32(picture.index)) << 1) | seeThrough;
    auto it = pixmaps_.find(key);
    if (it != pixmaps_.end())
        return *it;
    QPixmap pixmap;
    if (picture.kind != PictureKind::None && scale_ > 0) {
        // Below the art's own cache, which keeps every ratio it was asked for: a window dragged
        // through a hundred sizes would keep a hundred sets of cards.
        const qreal ratio = scale_ * dpr_;
        QImage image;
        if (ratio >= 1) {
            image = art::detail::renderUncached(picture, ratio, seeThrough);
        } else {
            // QPainter takes a device pixel ratio below 1 as 1, so the art cannot draw smaller than
            // its design: it draws at the design size and is reduced, never enlarged.
            const PictureSize size = pictureSize(picture);
            image =
                art::detail::renderUncached(picture, 1, seeThrough)
                    .scaled(std::max(1, qRound(size.width * ratio)), std::max(1, qRound(size.height * ratio)),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (!image.isNull()) {
            pixmap = QPixmap::fromImage(std::move(image));
            pixmap.setDevicePixelRatio(dpr_);
            ++rendered_;
        }
    }
    return *pixmaps_.insert(key, pixmap);
}

} // namespace liorna
