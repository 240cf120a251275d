#pragma once
// The table's own picture cache: every picture rendered once for the size it is drawn at (logical
// size x scale x device pixel ratio), so nothing is stretched.
//
// A new scale never waits for the art. The pictures of the last complete scale stay as the source of
// stand-ins: a picture asked for at the new scale is that old one scaled (at once, slightly soft), until
// renderCrisp() has rendered the whole set anew on worker threads. The old scale is dropped once every
// stand-in has been replaced, so memory follows the window.

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QThreadPool>
#include <atomic>
#include <functional>

#include "platform/picture.h"
#include "ui/art/picture_art.h"

namespace liorna {

class TablePictures {
public:
    TablePictures();
    ~TablePictures();
    TablePictures(const TablePictures&) = delete;
    TablePictures& operator=(const TablePictures&) = delete;

    // Pictures for a scene drawn at `scale` window pixels per logical pixel on a screen of `dpr`.
    // False when nothing changed.
    bool setScale(qreal scale, qreal dpr);
    qreal scale() const { return scale_; }
    qreal dpr() const { return dpr_; }
    // How the suits are inked. A change drops every picture and stand-in: an old one shown a moment in
    // the other palette would tell the wrong suit.
    void setPalette(art::DeckPalette palette);
    art::DeckPalette palette() const { return palette_; }
    // The picture at the current scale, or its stand-in (see standIn); the picture's device pixel ratio
    // is the screen's, so it is drawn 1:1 in device pixels. Null for None.
    const QPixmap& get(const Picture& picture, bool seeThrough = false);
    // Renders every picture of the old scale and every stand-in anew for the current scale, off the
    // GUI thread; `arrived` runs on the GUI thread as each lands, and again once all have.
    void renderCrisp();
    // No stand-in is shown and none is waited for.
    bool crisp() const { return stale_.isEmpty() && source_.isEmpty(); }
    // The current scale's pictures that are stand-ins.
    int standIns() const { return int(stale_.size()); }
    // Whether the picture, as last got, is a stand-in: a tile scaled to the current scale, any other
    // the picture of the old scale as it is, to be drawn at deviceSize().
    bool standIn(const Picture& picture, bool seeThrough = false) const;
    // The size in device pixels of the picture at the current scale.
    QSize deviceSize(const Picture& picture) const;
    // How many pictures were rendered crisp for the current scale, for the benchmark and tests.
    int rendered() const { return rendered_; }
    // Every picture the art has drawn for this cache, at any scale, the ones given up included.
    int renders() const { return renders_.load(); }
    std::function<void()> arrived;

    // The picture at exactly this size, as the worker threads and a first showing render it.
    static QImage renderFor(const Picture& picture, bool seeThrough, qreal scale, qreal dpr,
                            art::DeckPalette palette = art::DeckPalette::TwoColour);

private:
    struct Key {
        Picture picture;
        bool seeThrough = false;
    };
    static quint64 keyOf(const Picture& picture, bool seeThrough);
    void land(int generation, quint64 key, QImage image);

    qreal scale_ = 0;
    qreal dpr_ = 1;
    art::DeckPalette palette_ = art::DeckPalette::TwoColour;
    int rendered_ = 0;
    // Which scale the workers render for: a job of a scale left behind is skipped.
    std::atomic<int> generation_{0};
    std::atomic<int> renders_{0};
    QHash<quint64, QPixmap> pixmaps_;
    // Which of pixmaps_ are stand-ins, and which pictures each key names.
    QHash<quint64, Key> stale_;
    QHash<quint64, Key> keys_;
    // The last complete scale, while the current one is not.
    QHash<quint64, QPixmap> source_;
    qreal sourceRatio_ = 0;
    int waiting_ = 0;
    QObject receiver_;
    QThreadPool pool_;
};

} // namespace liorna
