#pragma once
// The painted table: draws the table state in the coordinates of the 1024 x 768 scene, scaled to
// fit the widget and centred, and turns clicks and keys into table input. It decides nothing.

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "engine/table_state.h"
#include "ui/scene.h"
#include "ui/table_input.h"
#include "ui/table_pictures.h"

class QTimer;
class QVariantAnimation;

namespace liorna {

class TableView : public QWidget {
    Q_OBJECT
public:
    TableView(TableInput& input, QWidget* parent = nullptr);
    ~TableView() override;

    // Takes a copy of the table state and repaints what differs from the last one.
    void show(const TableState& state);
    const TableState& shown() const { return shown_; }

    const scene::Mapping& mapping() const { return mapping_; }
    // The window point of a logical point of the table, for tests and tools.
    QPointF toWindow(QPointF logical) const;
    // While the sign of a refused action is on the table.
    bool refusalShowing() const { return refusalLevel_ > 0; }
    const TablePictures& pictures() const { return pictures_; }
    static constexpr int CRISP_AFTER_MS = 100;
    // The inks of the suits on every card and symbol of the table; the whole table is drawn anew.
    void setPalette(art::DeckPalette palette);
    // What a left click on the thing does, for the accessible press action.
    void activate(scene::Hit hit);
    // While on, the table paints its plain canvas colour only, so that a window opened over it at
    // start-up is painted before the table's art; turned off, the whole table is painted.
    void paintPlain(bool plain);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void remap();
    void prepare();
    void paintFelt(QPainter& p, const QRegion& region);
    void updateLogical(const layout::Rect& area);
    void deliver(scene::Hit hit, Qt::MouseButton button);
    void startRefusalSign(const RefusalSign& refusal);

    // `shift`: logical pixels to the right, for a shaking card.
    void drawPicture(QPainter& p, const Picture& picture, const layout::Rect& place, bool seeThrough = false,
                     bool centred = false, qreal shift = 0);
    void drawLastTrick(QPainter& p);
    // How far the refused thing at this place is swung now, in logical pixels.
    qreal shake(RefusalPlace place, int slot) const;
    void drawPile(QPainter& p, const PileView& pile, const layout::Rect& place, int countX);
    void drawPiles(QPainter& p);
    void drawHands(QPainter& p);
    void drawOnTop(QPainter& p);
    bool needed(const layout::Rect& area) const;
    void drawMark(QPainter& p, const QString& key, const layout::Rect& place,
                  const std::function<void(QPainter&)>& draw);

    TableInput& input_;
    TableState shown_;
    bool first_ = true;
    bool plain_ = false;

    scene::Mapping mapping_;
    QTransform sceneTransform_;
    qreal dpr_ = 0;
    QSize preparedSize_;
    TablePictures pictures_;
    // The crisp pictures of a new scale are rendered once the size has been still this long.
    QTimer* crispTimer_ = nullptr;
    QElapsedTimer sinceScaleChange_;
    // One row of felt tiles across the window in device pixels, aligned with the table's corner: any
    // part of the felt is copied from it line by line. Made anew for another tile, width or offset.
    QImage feltStrip_;
    // Marks that are costly to draw (outlined texts), each drawn once per scale into a picture of its
    // place, by what it shows.
    QHash<QString, QImage> marks_;
    qint64 feltKey_ = 0;
    QPoint feltOrigin_;
    QRectF paintArea_;

    scene::Hit pressed_;
    Qt::MouseButton pressedButton_ = Qt::NoButton;

    QVariantAnimation* refusalAnimation_ = nullptr;
    layout::Rect refusalArea_{};
    layout::Rect refusalRedraw_{};
    RefusalSign refused_;
    qreal refusalLevel_ = 0;
};

} // namespace liorna
