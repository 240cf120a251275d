#include "ui/jpeg_picture_writer.h"

#include <QImage>
#include <QPainter>

#include "persist/settings_file.h"
#include "platform/ports.h"
#include "ui/art/picture_art.h"

namespace liorna {

void JpegPictureWriter::write(const Picture& picture, int scale, const std::string& relativePath)
{
    const std::filesystem::path target = programDir_ / std::filesystem::path(relativePath);
    const UserError failure("Cannot create file " + relativePath);
    // A folder or file marked read-only is refused even where the system would let us write (root).
    if (!canReplace(target))
        throw failure;
    // Drawn at the export's size rather than scaled up, so the file has the detail of the art.
    const QImage art = art::render(picture, scale);
    const PictureSize size = pictureSize(picture);
    // JPEG has no transparency: the picture is laid on black, as the gallery shows it.
    QImage image(size.width * scale, size.height * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.drawImage(QRectF(image.rect()), art);
    }
    if (!image.save(QString::fromStdString(target.string()), "JPG", 95))
        throw failure;
}

} // namespace liorna
