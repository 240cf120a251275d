#include "ui/table_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QVariantAnimation>
#include <cmath>
#include <optional>

#include "platform/texts.h"
#include "ui/fresh_frame.h"
#include "ui/table_accessible.h"
#include "ui/table_keys.h"
#include "ui/table_marks.h"

namespace liorna {

namespace {

// Button-face grey: what shows through a card that cannot be chosen.
const QColor SEE_THROUGH_GREY(212, 208, 200);
// The canvas before the start-up tick paints it.
const QColor NO_CANVAS(0, 96, 0);
// Long enough to be seen, short enough not to hold up the next try.
constexpr int REFUSAL_MS = 600;
// The refused card or button swings to each side this many times while the sign fades.
constexpr int SHAKE_SWINGS = 3;

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TableView::TableView(TableInput& input, QWidget* parent) : QWidget(parent), input_(input)
{
    installTableAccessibility();
    // Every pixel is painted with the felt: nothing to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    crispTimer_ = new QTimer(this);
    crispTimer_->setSingleShot(true);
    connect(crispTimer_, &QTimer::timeout, this, [this] { pictures_.renderCrisp(); });
    // A crisp picture replaces its stand-in wherever it lies; repaints asked for together are one.
    pictures_.arrived = [this] { update(); };
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    refusalAnimation_ = new QVariantAnimation(this);
    refusalAnimation_->setDuration(REFUSAL_MS);
    refusalAnimation_->setStartValue(1.0);
    refusalAnimation_->setEndValue(0.0);
    refusalAnimation_->setEasingCurve(QEasingCurve::InQuad);
    connect(refusalAnimation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        refusalLevel_ = value.toReal();
        updateLogical(refusalRedraw_);
    });
    connect(refusalAnimation_, &QVariantAnimation::finished, this, [this] {
        refusalLevel_ = 0;
        updateLogical(refusalRedraw_);
    });
}

TableView::~TableView() = default;

void TableView::show(const TableState& state)
{
    if (first_) {
        first_ = false;
        shown_ = state;
        update();
        return;
    }
    const bool refused =
        state.refusal.serial != shown_.refusal.serial && state.refusal.place != RefusalPlace::None;
    // Only a listening screen reader pays for the comparison, and only for a table on the screen: one
    // still hidden is read whole when it shows, and asking Qt whether a reader listens sets up its
    // accessibility bridge, which would hold up the start.
    std::optional<TableState> before;
    if (isVisible() && tableAccessibilityListening())
        before = shown_;
    if (state.canvas != shown_.canvas) {
        update();
    } else {
        for (const layout::Rect& area : scene::changedAreas(shown_, state))
            updateLogical(area);
    }
    shown_ = state;
    if (before)
        notifyTableChanged(*this, *before, shown_);
    if (refused)
        startRefusalSign(state.refusal);
}

void TableView::activate(scene::Hit hit)
{
    deliver(hit, Qt::LeftButton);
}

void TableView::startRefusalSign(const RefusalSign& refusal)
{
    const layout::Rect area = scene::refusalArea(refusal);
    if (area.w == 0)
        return;
    // A second refusal while the first still shows: the old place is cleared, the new one starts.
    refusalAnimation_->stop();
    updateLogical(refusalRedraw_);
    refusalArea_ = area;
    refusalRedraw_ = scene::refusalRedrawArea(refusal);
    refused_ = refusal;
    refusalLevel_ = 1;
    refusalAnimation_->start();
    updateLogical(refusalRedraw_);
}

qreal TableView::shake(RefusalPlace place, int slot) const
{
    if (refusalLevel_ <= 0 || refused_.place != place || refused_.slot != slot)
        return 0;
    // A swing that dies away with the sign; the card's place on the table stays where it was.
    const qreal t = 1 - refusalLevel_;
    return layout::SHAKE_PIXELS * std::sin(t * SHAKE_SWINGS * 2 * M_PI) * refusalLevel_;
}

void TableView::setPalette(art::DeckPalette palette)
{
    if (palette == pictures_.palette())
        return;
    pictures_.setPalette(palette);
    update();
}

QPointF TableView::toWindow(QPointF logical) const
{
    const scene::Point w = scene::toWindow(mapping_, {logical.x(), logical.y()});
    return {w.x, w.y};
}

void TableView::updateLogical(const layout::Rect& area)
{
    if (area.w <= 0 || area.h <= 0)
        return;
    const scene::Box b = scene::windowBox(mapping_, area);
    update(QRectF(b.x, b.y, b.w, b.h).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void TableView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    remap();
}

void TableView::remap()
{
    mapping_ = scene::fit(width(), height());
    sceneTransform_ =
        QTransform::fromTranslate(mapping_.offsetX, mapping_.offsetY).scale(mapping_.scale, mapping_.scale);
}

void TableView::prepare()
{
    // A new size or a move to a screen of another pixel ratio: the pictures of the old scale stand in
    // at once, and the crisp ones are rendered when the size has stopped changing.
    const qreal dpr = devicePixelRatioF();
    if (dpr == dpr_ && size() == preparedSize_)
        return;
    if (size() != preparedSize_)
        remap();
    // The window's store is new too, at its new device size.
    prefaultFrame(this);
    dpr_ = dpr;
    preparedSize_ = size();
    marks_.clear();
    if (pictures_.setScale(mapping_.scale, dpr_) && !pictures_.crisp()) {
        // A lone change (a maximize) renders right after this paint; one of a quick run of them (a
        // resize dragged by its edge) waits for the run to end, and the sizes passed on the way are
        // given up as the next one comes.
        const bool inRun = sinceScaleChange_.isValid() && sinceScaleChange_.elapsed() < CRISP_AFTER_MS;
        sinceScaleChange_.start();
        crispTimer_->start(inRun ? CRISP_AFTER_MS : 0);
    }
}

namespace {

// Where `at` falls in a period that starts at `origin`.
int phase(int at, int origin, int period)
{
    return ((at - origin) % period + period) % period;
}

} // namespace

void TableView::paintFelt(QPainter& p, const QRegion& region)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QPixmap& tile = pictures_.get(shown_.canvas);
    if (tile.isNull()) {
        for (const QRect& r : region)
            p.fillRect(r, NO_CANVAS);
        p.restore();
        return;
    }
    // In device pixels from here on, so each line of felt is one plain copy.
    p.setTransform(QTransform::fromScale(1 / dpr_, 1 / dpr_));
    const QSize device = (QSizeF(size()) * dpr_).toSize().expandedTo(QSize(1, 1));
    const QPoint origin(int(std::lround(mapping_.offsetX * dpr_)), int(std::lround(mapping_.offsetY * dpr_)));
    const bool stripFits =
        tile.cacheKey() == feltKey_ && origin == feltOrigin_ && feltStrip_.width() == device.width();
    // The stand-in tile of a new scale shows for a moment only: it is copied tile by tile, and the strip,
    // fresh memory the size of a row of the window, waits for the crisp tile.
    const bool standIn = !stripFits && pictures_.standIn(shown_.canvas);
    if (!stripFits && !standIn) {
        feltKey_ = tile.cacheKey();
        feltOrigin_ = origin;
        QImage image = tile.toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        feltStrip_ = QImage(device.width(), image.height(), QImage::Format_RGB32);
        QPainter strip(&feltStrip_);
        strip.setCompositionMode(QPainter::CompositionMode_Source);
        strip.drawTiledPixmap(feltStrip_.rect(), QPixmap::fromImage(image),
                              QPoint(phase(0, origin.x(), image.width()), 0));
    }
    QImage pieces;
    if (standIn) {
        pieces = tile.toImage().convertToFormat(QImage::Format_RGB32);
        pieces.setDevicePixelRatio(1);
    }
    // A source of felt and the column of the window where its first column lies.
    const QImage& source = standIn ? pieces : feltStrip_;
    const int sourceX = standIn ? origin.x() : 0;
    const int tw = source.width();
    const int th = source.height();
    for (const QRect& r : region) {
        const QRect d = QRectF(QPointF(r.topLeft()) * dpr_, QSizeF(r.size()) * dpr_).toAlignedRect() &
                        QRect(QPoint(), device);
        for (int y = d.top(); y <= d.bottom();) {
            const int row = phase(y, origin.y(), th);
            const int band = std::min(th - row, d.bottom() + 1 - y);
            for (int x = d.left(); x <= d.right();) {
                const int column = phase(x, sourceX, tw);
                const int span = std::min(tw - column, d.right() + 1 - x);
                p.drawImage(QPoint(x, y), source, QRect(column, row, span, band));
                x += span;
            }
            y += band;
        }
    }
    p.restore();
}

bool TableView::needed(const layout::Rect& area) const
{
    const scene::Box b = scene::windowBox(mapping_, area);
    return paintArea_.intersects(QRectF(b.x - 2, b.y - 2, b.w + 4, b.h + 4));
}

void TableView::drawPicture(QPainter& p, const Picture& picture, const layout::Rect& place, bool seeThrough,
                            bool centred, qreal shift)
{
    if (picture.kind == PictureKind::None || !needed(place))
        return;
    const QPixmap& pixmap = pictures_.get(picture, seeThrough);
    if (pixmap.isNull())
        return;
    // Placed on whole device pixels and drawn 1:1, so the picture stays as crisp as it was rendered; a
    // stand-in of the old scale is drawn to the size of the picture it stands for.
    const bool standIn = pictures_.standIn(picture, seeThrough);
    const QSize size = standIn ? pictures_.deviceSize(picture) : pixmap.size();
    const scene::DeviceRect d = scene::toDevice(mapping_, dpr_, place);
    int x = d.x;
    int y = d.y;
    if (centred) {
        x += (d.w - size.width()) / 2;
        y += (d.h - size.height()) / 2;
    }
    const QPointF at(x / dpr_ + shift * mapping_.scale, y / dpr_);
    if (!standIn) {
        p.drawPixmap(at, pixmap);
        return;
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRectF(at, QSizeF(size) / dpr_), pixmap, QRectF(pixmap.rect()));
    p.restore();
}

void TableView::paintPlain(bool plain)
{
    if (plain == plain_)
        return;
    plain_ = plain;
    update();
}

void TableView::paintEvent(QPaintEvent* event)
{
    if (plain_) {
        QPainter p(this);
        for (const QRect& r : event->region())
            p.fillRect(r, NO_CANVAS);
        return;
    }
    prepare();
    QPainter p(this);
    paintArea_ = event->region().boundingRect();
    paintFelt(p, event->region());

    const TableState& s = shown_;
    // Stacking, bottom up: placeholders; the free pictures and labels (action caption, trump symbol,
    // flying card, trump announcement); then every container, so the announcement lies beneath any
    // table card.
    for (int k = 1; k <= 5; ++k) {
        drawPicture(p, Picture::of(PictureKind::SlotOutline), layout::computerSlot(k));
        drawPicture(p, Picture::of(PictureKind::SlotOutline), layout::humanSlot(k));
    }
    p.setTransform(sceneTransform_);
    if (needed(layout::ACTION_CAPTION_AREA))
        marks::actionCaption(p, qs(s.actionCaption));
    if (s.trumpSymbol.kind != PictureKind::None && needed(layout::TRUMP_SYMBOL))
        marks::trumpBadge(p);
    p.resetTransform();
    drawPicture(p, s.trumpSymbol, layout::TRUMP_SYMBOL, false, true);
    if (s.flyingCard.shown)
        drawPicture(p, s.flyingCard.picture, scene::flyingCardArea(s.flyingCard));
    if (s.trumpAnnouncementShown && needed(layout::TRUMP_ANNOUNCEMENT_AREA)) {
        p.setTransform(sceneTransform_);
        marks::trumpAnnouncement(p, qs(s.trumpAnnouncement));
        p.resetTransform();
    }
    drawHands(p);
    drawPiles(p);
    drawOnTop(p);
}

void TableView::drawHands(QPainter& p)
{
    const TableState& s = shown_;
    for (int k = 1; k <= 5; ++k) {
        const auto i = std::size_t(k - 1);
        const CardView& h = s.humanHand[i];
        if (!h.shown)
            continue;
        if (h.seeThrough && needed(layout::humanSlot(k))) {
            const scene::DeviceRect d = scene::toDevice(mapping_, dpr_, layout::humanSlot(k));
            p.fillRect(QRectF(d.x / dpr_, d.y / dpr_, d.w / dpr_, d.h / dpr_), SEE_THROUGH_GREY);
        }
        drawPicture(p, h.picture, layout::humanSlot(k), h.seeThrough, false,
                    shake(RefusalPlace::HandCard, k));
        if (s.overlay[i].shown)
            drawPicture(p, s.overlay[i].picture, layout::humanSlot(k));
    }
    for (int k = 1; k <= 5; ++k)
        if (s.computerHand[std::size_t(k - 1)].shown)
            drawPicture(p, s.computerHand[std::size_t(k - 1)].picture, layout::computerSlot(k));
    for (int k = 1; k <= 5; ++k)
        if (s.led[std::size_t(k - 1)].shown)
            drawPicture(p, s.led[std::size_t(k - 1)].picture, layout::ledCard(k), false, false,
                        shake(RefusalPlace::LedCard, k));
    for (int k = 1; k <= 5; ++k)
        if (s.cover[std::size_t(k - 1)].shown)
            drawPicture(p, s.cover[std::size_t(k - 1)].picture, layout::coverCard(k));
    if (s.playShown)
        drawPicture(p, Picture::of(PictureKind::PlayEmblem), layout::PLAY_BUTTON, false, false,
                    shake(RefusalPlace::PlayButton, 0));
    if (s.discardShown)
        drawPicture(p, Picture::of(PictureKind::DiscardEmblem), layout::PLAY_BUTTON, false, false,
                    shake(RefusalPlace::DiscardButton, 0));
}

void TableView::drawPile(QPainter& p, const PileView& pile, const layout::Rect& place, int countX)
{
    if (!needed(place))
        return;
    const scene::DeviceRect d = scene::toDevice(mapping_, dpr_, place);
    const QRectF box(d.x / dpr_, d.y / dpr_, d.w / dpr_, d.h / dpr_);
    p.save();
    p.setClipRect(box);
    // The pile's own tile restarts at its corner, not aligned with the table's.
    const QPixmap& tile = pictures_.get(pile.background);
    if (!tile.isNull())
        p.drawTiledPixmap(box, tile);
    for (int i = 0; i < 3; ++i) {
        const int o = i * layout::PILE_BACK_OFFSET;
        if (pile.backs[std::size_t(i)].shown)
            drawPicture(p, pile.backs[std::size_t(i)].picture,
                        {place.x + o, place.y + o, layout::CARD_W, layout::CARD_H});
    }
    if (pile.countShown) {
        const QString count = qs(pile.count);
        drawMark(p, QStringLiteral("count %1 %2 %3").arg(place.x).arg(place.y).arg(count), place,
                 [&](QPainter& q) { marks::pileCount(q, count, place, countX); });
    }
    p.restore();
}

void TableView::drawMark(QPainter& p, const QString& key, const layout::Rect& place,
                         const std::function<void(QPainter&)>& draw)
{
    const scene::DeviceRect d = scene::toDevice(mapping_, dpr_, place);
    auto it = marks_.find(key);
    if (it == marks_.end()) {
        // Counts change deal by deal: a handful of them is all a table shows at a time.
        if (marks_.size() > 32)
            marks_.clear();
        QImage image(std::max(1, d.w), std::max(1, d.h), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter q(&image);
        // Where drawing on the table would put it, less the place's corner in device pixels.
        q.setTransform(sceneTransform_ * QTransform::fromScale(dpr_, dpr_) *
                       QTransform::fromTranslate(-d.x, -d.y));
        draw(q);
        q.end();
        image.setDevicePixelRatio(dpr_);
        it = marks_.insert(key, image);
    }
    p.drawImage(QPointF(d.x / dpr_, d.y / dpr_), *it);
}

void TableView::drawPiles(QPainter& p)
{
    drawPile(p, shown_.stock, layout::STOCK_PILE, layout::STOCK_COUNT_X);
    drawPile(p, shown_.humanPile, layout::HUMAN_PILE, layout::PILE_COUNT_X);
    drawPile(p, shown_.computerPile, layout::COMPUTER_PILE, layout::PILE_COUNT_X);
}

void TableView::drawOnTop(QPainter& p)
{
    const TableState& s = shown_;
    p.setTransform(sceneTransform_);
    if (s.menuButtonShown && needed(layout::MENU_BUTTON))
        marks::menuButton(p, this, pressed_.target == scene::Target::MenuButton);
    if (needed(layout::SCORE_PANEL))
        marks::scorePanel(p, {qs(s.humanScore), qs(s.computerScore), qs(s.matchTarget)});
    if (needed(layout::HINT_AREA))
        marks::hint(p, qs(s.hint));
    if (s.focus.shown && needed(scene::focusArea(s.focus)))
        marks::focusRing(p, scene::focusArea(s.focus));
    if (refusalLevel_ > 0 && needed(refusalArea_))
        marks::refusalEdge(p, refusalArea_, refusalLevel_);
    p.resetTransform();
    if (s.lastTrick.shown && needed(layout::LAST_TRICK_PLATE))
        drawLastTrick(p);
}

void TableView::drawLastTrick(QPainter& p)
{
    const LastTrickView& v = shown_.lastTrick;
    p.setTransform(sceneTransform_);
    marks::lastTrickPlate(p, qs(v.caption), QString::fromUtf8(text::LAST_TRICK_CLOSE));
    p.resetTransform();
    int n = 0;
    for (const Picture& led : v.led)
        n += led.kind != PictureKind::None ? 1 : 0;
    int k = 0;
    for (std::size_t i = 0; i < v.led.size(); ++i) {
        if (v.led[i].kind == PictureKind::None)
            continue;
        ++k;
        drawPicture(p, v.led[i], layout::lastTrickLed(k, n));
        drawPicture(p, v.cover[i], layout::lastTrickCover(k, n));
    }
}

void TableView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    pressed_ = scene::hitTest(shown_, scene::toLogical(mapping_, {at.x(), at.y()}));
    pressedButton_ = event->button();
    if (pressed_.target == scene::Target::MenuButton)
        updateLogical(layout::MENU_BUTTON);
    event->accept();
}

void TableView::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release of the same button on the same thing.
    const QPointF at = event->position();
    const scene::Hit hit = scene::hitTest(shown_, scene::toLogical(mapping_, {at.x(), at.y()}));
    const scene::Hit pressed = pressed_;
    const bool same = hit == pressed && event->button() == pressedButton_;
    pressed_ = {};
    pressedButton_ = Qt::NoButton;
    if (pressed.target == scene::Target::MenuButton)
        updateLogical(layout::MENU_BUTTON);
    event->accept();
    if (same)
        deliver(hit, event->button());
}

void TableView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const scene::Target target = scene::hitTest(shown_, scene::toLogical(mapping_, {at.x(), at.y()})).target;
    const bool button = target == scene::Target::Play || target == scene::Target::Discard ||
                        (target == scene::Target::Pile && shown_.lastTrick.available);
    const Qt::CursorShape shape = button ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape)
        setCursor(shape);
    QWidget::mouseMoveEvent(event);
}

void TableView::deliver(scene::Hit hit, Qt::MouseButton button)
{
    using scene::Target;
    const bool left = button == Qt::LeftButton;
    switch (hit.target) {
    case Target::HandCard:
        if (input_.handCard)
            input_.handCard(hit.slot, button);
        return;
    case Target::LedCard:
        if (left && input_.ledCard)
            input_.ledCard(hit.slot);
        return;
    case Target::Cover:
        if (left && input_.coverCard)
            input_.coverCard(hit.slot);
        return;
    case Target::Play:
        if (left && input_.play)
            input_.play();
        return;
    case Target::Discard:
        if (left && input_.discard)
            input_.discard();
        return;
    case Target::MenuButton:
        if (left && input_.menuButton)
            input_.menuButton();
        return;
    case Target::Pile:
        if (left && input_.pile)
            input_.pile();
        return;
    case Target::LastTrick:
        // Any button: the next click only closes it.
        if (input_.lastTrick)
            input_.lastTrick();
        return;
    case Target::Overlay:
    case Target::None: return;
    }
}

bool TableView::focusNextPrevChild(bool)
{
    // Tab belongs to the table: it shows the last trick. The table is the window's one control.
    return false;
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    const std::optional<TableKey> key = tableKey(event);
    if (!key) {
        // Any key closes the last trick shown again, not only the table's own.
        const bool modifier = event->key() == Qt::Key_Shift || event->key() == Qt::Key_Control ||
                              event->key() == Qt::Key_Alt || event->key() == Qt::Key_Meta;
        if (shown_.lastTrick.shown && !modifier && !event->isAutoRepeat() && input_.lastTrick) {
            event->accept();
            input_.lastTrick();
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // Holding an arrow walks on; holding an action key acts once.
    if (event->isAutoRepeat() && !moves(*key))
        return;
    if (input_.key)
        input_.key(*key);
}

} // namespace liorna
