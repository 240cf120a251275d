#pragma once
// The start screen's shape as its last showing found it, kept between starts. The shape follows the
// glyphs of its captions, so finding it means laying out text, and the first text a program lays out
// reads the whole font configuration: kept, the shape lets the screen's window map at once, shaped,
// while the fonts load for its first paint.

#include <QRegion>
#include <QSize>
#include <QString>
#include <optional>

namespace liorna {

class StartShapes {
public:
    // Keeps nothing.
    StartShapes() = default;
    // Kept in `folder`; an empty folder keeps nothing.
    explicit StartShapes(QString folder) : folder_(std::move(folder)) {}
    bool keeps() const { return !folder_.isEmpty(); }

    // The shape kept for a screen of `size` at `dpr`; nothing if none is kept or what is kept is not a
    // shape of that screen (another size, a damaged or foreign file).
    std::optional<QRegion> load(QSize size, qreal dpr) const;
    // Keeps the shape, replacing the file whole or not at all. A cache: failing to write only costs the
    // next start its head start.
    void save(const QRegion& shape, QSize size, qreal dpr) const;

    QString fileFor(qreal dpr) const;

private:
    QString folder_;
};

} // namespace liorna
