#include "ui/screens/start_shape.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cmath>

namespace liorna {

namespace {

constexpr quint32 MAGIC = 0x4c535348; // "LSSH"
constexpr quint16 FORMAT = 1;
// A shape is a few hundred bands; anything far larger is not one of ours.
constexpr qint64 MOST_BYTES = 1 << 20;

} // namespace

QString StartShapes::fileFor(qreal dpr) const
{
    return QDir(folder_).filePath(QStringLiteral("start-shape-%1.bin").arg(qRound(dpr * 100)));
}

std::optional<QRegion> StartShapes::load(QSize size, qreal dpr) const
{
    if (!keeps())
        return std::nullopt;
    QFile file(fileFor(dpr));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MOST_BYTES)
        return std::nullopt;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 format = 0;
    double ratio = 0;
    QSize keptSize;
    QRegion shape;
    in >> magic >> format >> ratio >> keptSize >> shape;
    if (in.status() != QDataStream::Ok || !in.atEnd() || magic != MAGIC || format != FORMAT ||
        std::abs(ratio - dpr) > 1e-9 || keptSize != size || shape.isEmpty() ||
        !QRect(QPoint(0, 0), size).contains(shape.boundingRect()))
        return std::nullopt;
    return shape;
}

void StartShapes::save(const QRegion& shape, QSize size, qreal dpr) const
{
    if (!keeps() || !QDir().mkpath(folder_))
        return;
    QSaveFile file(fileFor(dpr));
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << MAGIC << FORMAT << double(dpr) << size << shape;
    if (out.status() == QDataStream::Ok)
        file.commit();
}

} // namespace liorna
