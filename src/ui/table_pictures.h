#pragma once
// The table's own picture cache: every picture rendered once for the size it is drawn at (logical
// size x scale x device pixel ratio), so nothing is stretched. A new scale drops the old pictures.

#include <QHash>
#include <QPixmap>

#include "platform/picture.h"

namespace liorna {

class TablePictures {
public:
    // Pictures for a scene drawn at `scale` window pixels per logical pixel on a screen of `dpr`.
    void setScale(qreal scale, qreal dpr);
    qreal scale() const { return scale_; }
    qreal dpr() const { return dpr_; }
    // The picture at the current scale; its device pixel ratio is the screen's, so it is drawn 1:1 in
    // device pixels. Null for None.
    const QPixmap& get(const Picture& picture, bool seeThrough = false);
    // How many pictures were rendered since the last scale change, for the benchmark and tests.
    int rendered() const { return rendered_; }

private:
    qreal scale_ = 0;
    qreal dpr_ = 1;
    int rendered_ = 0;
    QHash<quint64, QPixmap> pixmaps_;
};

} // namespace liorna
