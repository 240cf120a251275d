#include "ui/screens/start_screen.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/start_screen_model.h"
#include "ui/after_painted.h"
#include "ui/art/picture_art.h"
#include "ui/display_compositing.h"
#include "ui/fonts.h"
#include "ui/picture_label.h"

namespace liorna {

namespace {

const QColor SEE_THROUGH_GREEN(0, 128, 0);
const QColor OUTLINE(255, 255, 255);
// The outline's width in logical pixels, and the room left around a caption for it. Four logical pixels
// also keep a caption's corner on a whole device pixel at ratios 1.25, 1.5, 1.75 and 2, so its pixels lie
// on the window's.
constexpr qreal OUTLINE_WIDTH = 1.5;
constexpr int OUTLINE_ROOM = 4;

// Device and logical pixels at a ratio: the pixels of one kind that a pixel of the other touches.
struct PixelSpan {
    int first;
    int last;
};

PixelSpan deviceSpan(int logical, qreal dpr, int devicePixels)
{
    const int first = static_cast<int>(std::floor(logical * dpr + 1e-9));
    const int last = static_cast<int>(std::ceil((logical + 1) * dpr - 1e-9)) - 1;
    return {std::max(0, first), std::min(devicePixels - 1, last)};
}

PixelSpan logicalSpan(int device, qreal dpr, int logicalPixels)
{
    const int first = static_cast<int>(std::floor(device / dpr + 1e-9));
    const int last = static_cast<int>(std::ceil((device + 1) / dpr - 1e-9)) - 1;
    return {std::max(0, first), std::min(logicalPixels - 1, last)};
}

// A caption on the see-through green; its text lies where a label of the same place would put it.
class Caption : public QWidget {
public:
    Caption(const QString& text, const QFont& font, QRect textRect, Qt::Alignment alignment, QWidget* parent)
        : QWidget(parent), text_(text), alignment_(alignment)
    {
        setFont(font);
        setGeometry(textRect.adjusted(-OUTLINE_ROOM, -OUTLINE_ROOM, OUTLINE_ROOM, OUTLINE_ROOM));
    }

    const QString& text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal dpr = devicePixelRatioF();
        if (image_.isNull() || image_.devicePixelRatio() != dpr)
            image_ = outlinedText(text_, font(), size(), alignment_, dpr);
        QPainter(this).drawImage(QPoint(0, 0), image_);
    }

private:
    QString text_;
    Qt::Alignment alignment_;
    QImage image_;
};

// The ace, the screen's handle, drawn when first painted: the card's index is text, and the screen's
// window should not wait for the fonts. On a translucent screen the green of its turned-down corner is
// cleared, not painted: it cuts through the white of the panel beneath, so the corner shows what lies
// behind the window. The rest of the card lies on the panel as any picture does.
class AceHandle : public PictureLabel {
public:
    AceHandle(bool cleared, QWidget* parent) : PictureLabel(parent), cleared_(cleared)
    {
        // A clear stand-in keeps the label a picture to a screen reader; the card itself is painted below.
        QPixmap standIn(1, 1);
        standIn.fill(Qt::transparent);
        setPixmap(standIn);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal dpr = devicePixelRatioF();
        if (card_.isNull() || card_.devicePixelRatio() != dpr)
            drawCard(dpr);
        QPainter p(this);
        if (cleared_) {
            p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            p.drawImage(QPoint(0, 0), hole_);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        p.drawImage(QPoint(0, 0), card_);
    }

private:
    void drawCard(qreal dpr)
    {
        card_ = art::render(Picture::of(PictureKind::StartAce), dpr)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (!cleared_)
            return;
        hole_ = QImage(card_.size(), QImage::Format_ARGB32_Premultiplied);
        hole_.setDevicePixelRatio(dpr);
        hole_.fill(Qt::transparent);
        const QRgb green = SEE_THROUGH_GREEN.rgb();
        for (int y = 0; y < card_.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(card_.scanLine(y));
            auto* cut = reinterpret_cast<QRgb*>(hole_.scanLine(y));
            for (int x = 0; x < card_.width(); ++x)
                if (row[x] == green) {
                    row[x] = 0;
                    cut[x] = 0xff000000u;
                }
        }
    }

    bool cleared_;
    QImage card_;
    QImage hole_;
};

QFrame* whitePanel(QWidget* parent, QRect geometry)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    panel->setPalette(pal);
    panel->setGeometry(geometry);
    return panel;
}

} // namespace

QImage outlinedText(const QString& text, const QFont& font, QSize size, Qt::Alignment alignment, qreal dpr)
{
    const QSize pixels(qRound(size.width() * dpr), qRound(size.height() * dpr));
    QImage glyphs(pixels, QImage::Format_ARGB32_Premultiplied);
    glyphs.setDevicePixelRatio(dpr);
    glyphs.fill(Qt::transparent);
    {
        QPainter p(&glyphs);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(
            QRect(QPoint(0, 0), size).adjusted(OUTLINE_ROOM, OUTLINE_ROOM, -OUTLINE_ROOM, -OUTLINE_ROOM),
            static_cast<int>(alignment), text);
    }
    // The outline is made of whole logical pixels, because the window's see-through mask is: a logical
    // pixel the mask shows must hold no green at all. It covers every logical pixel within its width of one
    // the glyphs touch, and every device pixel that touches such a logical pixel. It is fully opaque and
    // hard-edged, so the green around it stays pure, and the glyphs' soft edges fall on it alone.
    const QSize logical = size;
    std::vector<char> touched(static_cast<std::size_t>(logical.width() * logical.height()), 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            const PixelSpan lx = logicalSpan(x, dpr, logical.width());
            const PixelSpan ly = logicalSpan(y, dpr, logical.height());
            for (int v = ly.first; v <= ly.last; ++v)
                for (int u = lx.first; u <= lx.last; ++u)
                    touched[static_cast<std::size_t>(v * logical.width() + u)] = 1;
        }
    }
    const int reach = static_cast<int>(OUTLINE_WIDTH);
    auto outlined = [&](int u, int v) {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int tu = u + dx;
                const int tv = v + dy;
                if (dx * dx + dy * dy <= OUTLINE_WIDTH * OUTLINE_WIDTH && tu >= 0 && tv >= 0 &&
                    tu < logical.width() && tv < logical.height() &&
                    touched[static_cast<std::size_t>(tv * logical.width() + tu)])
                    return true;
            }
        return false;
    };
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int v = 0; v < logical.height(); ++v)
        for (int u = 0; u < logical.width(); ++u) {
            if (!outlined(u, v))
                continue;
            const PixelSpan dx = deviceSpan(u, dpr, pixels.width());
            const PixelSpan dy = deviceSpan(v, dpr, pixels.height());
            for (int y = dy.first; y <= dy.last; ++y)
                for (int x = dx.first; x <= dx.last; ++x)
                    image.setPixel(x, y, OUTLINE.rgba());
        }
    image.setDevicePixelRatio(dpr);
    QPainter p(&image);
    p.drawImage(QPoint(0, 0), glyphs);
    return image;
}

StartScreen::SeeThrough StartScreen::displaySeeThrough()
{
    return displayComposites() ? SeeThrough::Alpha : SeeThrough::Mask;
}

StartScreen::StartScreen(StartScreenModel& model, QWidget* parent, SeeThrough seeThrough, StartShapes shapes)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), model_(model), seeThrough_(seeThrough),
      shapes_(std::move(shapes))
{
    setWindowTitle(QString::fromUtf8(StartScreenModel::TITLE));
    setFixedSize(377, 274);
    setModal(true);
    if (seeThrough_ == SeeThrough::Alpha) {
        // Nothing paints the background: where no panel or caption lies, the window is clear.
        setAttribute(Qt::WA_TranslucentBackground);
    } else {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, SEE_THROUGH_GREEN);
        setPalette(pal);
    }

    // What the parts say, and the choice, are given by label(), at once or once the window is up (see the
    // end). The captions lie on the see-through green, so they draw their own outlined text (see
    // outlinedText).
    const QFont captionFont = serifFont(15, true, true);
    const QString title = QString::fromUtf8(StartScreenModel::TITLE);
    // Room for the title in a serif face twice as wide as ours: the box is set before any text is laid out.
    for (auto* caption :
         {new Caption(title, captionFont, {96, 8, 120, 17}, Qt::AlignLeft | Qt::AlignVCenter, this),
          new Caption(QString::fromUtf8(StartScreenModel::CREDIT), captionFont, {8, 248, 360, 18},
                      Qt::AlignLeft | Qt::AlignVCenter, this)})
        // Painted text says nothing to a screen reader by itself.
        labels_.emplace_back([caption] { caption->setAccessibleName(caption->text()); });

    auto* modes = whitePanel(this, {92, 32, 277, 209});
    labels_.emplace_back(
        [modes] { modes->setAccessibleName(QString::fromUtf8(text::ACCESSIBLE_MATCH_LENGTHS)); });
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        auto* choice = new QRadioButton(modes);
        choice->setFont(sansFont(11, true));
        choice->setGeometry(8, 16 + 32 * i, 249, 25);
        group->addButton(choice, i + 1);
        choices_[static_cast<std::size_t>(i)] = choice;
        labels_.emplace_back([choice, i] {
            choice->setText(QString::fromUtf8(MATCH_LENGTHS[static_cast<std::size_t>(i)].caption));
        });
    }
    labels_.emplace_back(
        [this] { choices_[static_cast<std::size_t>(model_.choice() - 1)]->setChecked(true); });
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { model_.choose(id); });

    auto* buttons = whitePanel(this, {8, 12, 81, 229});
    ace_ = new AceHandle(seeThrough_ == SeeThrough::Alpha, buttons);
    ace_->setGeometry(6, 2, 71, 96);
    ace_->setCursor(Qt::SizeAllCursor);
    labels_.emplace_back([ace = ace_] {
        ace->setAccessibleName(QString::fromUtf8(text::ACCESSIBLE_START_ACE));
        ace->setAccessibleDescription(QString::fromUtf8(text::ACCESSIBLE_START_ACE_HINT));
    });
    ace_->installEventFilter(this);

    struct Button {
        const char* caption;
        QRect geometry;
        bool bold;
    };
    const Button layout[] = {
        {StartScreenModel::PLAY, {4, 106, 75, 25}, true},
        {StartScreenModel::BONUSES, {4, 138, 75, 25}, false},
        {StartScreenModel::NO_PLAY, {2, 170, 77, 25}, false},
        {StartScreenModel::QUIT, {4, 202, 75, 25}, false},
    };
    for (const auto& button : layout) {
        auto* b = new QPushButton(buttons);
        b->setFont(sansFont(11, button.bold));
        b->setGeometry(button.geometry);
        const std::string caption = button.caption;
        connect(b, &QPushButton::clicked, this, [this, caption] { model_.press(caption); });
        const bool bold = button.bold;
        labels_.emplace_back([b, caption, bold] {
            b->setText(QString::fromStdString(caption));
            if (bold)
                b->setDefault(true);
        });
    }
    // The shape kept from the last showing lets the window map before any text is laid out; the first
    // paint then checks it. Without one, the shape is found now, which draws the whole screen once.
    const qreal dpr = devicePixelRatioF();
    if (const auto kept = shapes_.load(size(), dpr)) {
        useShape(*kept, dpr);
        keptShape_ = true;
        // The first word told to a screen reader sets up Qt's accessibility, which connects to the
        // session bus (or, without one, tries to launch one): milliseconds the window would otherwise
        // wait for before it maps. So the parts wait, hidden and unlabelled, until the window is up.
        for (QWidget* part : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            part->hide();
            heldParts_.push_back(part);
        }
    } else {
        label();
        updateMask();
    }
}

void StartScreen::label()
{
    for (const auto& give : std::exchange(labels_, {}))
        give();
    for (QWidget* part : std::exchange(heldParts_, {}))
        part->show();
}

void StartScreen::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Up now (see the constructor): its first paint is still to come.
    if (visible)
        label();
}

void StartScreen::updateMask()
{
    // The region is in logical pixels whatever the screen's ratio. A logical pixel that holds any see-through
    // device pixel is left out: shown, a masked screen's green would outline the captions and panels in
    // green. This runs before the screen first shows, so the screen is drawn straight into an image and
    // the region is built from runs of drawn pixels, with no pixmap, bitmap or conversion on the way.
    const qreal dpr = devicePixelRatioF();
    QImage device((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    device.setDevicePixelRatio(dpr);
    device.fill(Qt::transparent);
    // A mask in place would clip the drawing to itself.
    render(&device, QPoint(), QRegion(rect()), DrawWindowBackground | DrawChildren | IgnoreMask);
    const bool alpha = seeThrough_ == SeeThrough::Alpha;
    const QRgb green = SEE_THROUGH_GREEN.rgb();
    auto seeThrough = [&](QRgb c) { return alpha ? qAlpha(c) == 0 : c == green; };
    const int width = this->width();
    // The spans of device pixels under each logical column, worked out once.
    std::vector<PixelSpan> columns(static_cast<std::size_t>(width));
    for (int u = 0; u < width; ++u)
        columns[std::size_t(u)] = deviceSpan(u, dpr, device.width());
    std::vector<char> shown(static_cast<std::size_t>(width));
    std::vector<QRect> rects;
    // The drawn runs of the row before, as indices into rects: a row that repeats them makes them taller,
    // which is the banded form a region keeps.
    std::vector<std::size_t> band;
    std::vector<std::pair<int, int>> runs;
    std::vector<std::pair<int, int>> lastRuns;
    for (int v = 0; v < height(); ++v) {
        std::fill(shown.begin(), shown.end(), char(1));
        const PixelSpan dy = deviceSpan(v, dpr, device.height());
        for (int y = dy.first; y <= dy.last; ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(device.constScanLine(y));
            for (int u = 0; u < width; ++u) {
                const PixelSpan dx = columns[std::size_t(u)];
                for (int x = dx.first; x <= dx.last; ++x)
                    if (seeThrough(in[x]))
                        shown[std::size_t(u)] = 0;
            }
        }
        runs.clear();
        for (int u = 0; u < width;) {
            if (!shown[std::size_t(u)]) {
                ++u;
                continue;
            }
            const int first = u;
            while (u < width && shown[std::size_t(u)])
                ++u;
            runs.emplace_back(first, u - first);
        }
        if (!runs.empty() && runs == lastRuns) {
            for (const std::size_t i : band)
                rects[i].setBottom(v);
            continue;
        }
        band.clear();
        for (const auto& [x, w] : runs) {
            band.push_back(rects.size());
            rects.emplace_back(x, v, w, 1);
        }
        lastRuns = runs;
    }
    QRegion drawn;
    drawn.setRects(rects.data(), int(rects.size()));
    useShape(drawn, dpr);
    unsaved_ = true;
}

void StartScreen::useShape(const QRegion& drawn, qreal dpr)
{
    drawn_ = drawn;
    drawnRatio_ = dpr;
    if (seeThrough_ == SeeThrough::Mask)
        setMask(drawn_);
    else
        applyInputRegion();
}

void StartScreen::settleShape()
{
    // A kept shape was found with the fonts of the last start; the screen as it paints now decides.
    if (keptShape_) {
        const QRegion kept = drawn_;
        updateMask();
        keptShape_ = false;
        unsaved_ = drawn_ != kept;
    }
    if (unsaved_)
        shapes_.save(drawn_, size(), drawnRatio_);
    unsaved_ = false;
}

void StartScreen::applyInputRegion()
{
    // A Wayland surface takes the region as where its input lies, so clicks on the clear parts reach the
    // table as they do through a mask. X11 would shape the window by it, which the pixels already do.
    if (windowHandle() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        windowHandle()->setMask(drawn_);
}

void StartScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Made when the screen was built; again only for a screen of another ratio. A translucent screen's
    // window exists only now, and takes the region found then as where its input lies.
    if (drawnRatio_ != devicePixelRatioF()) {
        keptShape_ = false;
        label();
        updateMask();
    } else if (seeThrough_ == SeeThrough::Alpha) {
        applyInputRegion();
    }
    // Checked and kept once painted, off the way to the screen's first showing.
    if (shapes_.keeps() && (keptShape_ || unsaved_))
        new AfterPainted(this, [this] { settleShape(); });
}

void StartScreen::keyPressEvent(QKeyEvent* event)
{
    // Escape would close the screen without a choice; only its buttons leave it.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void StartScreen::startDrag(QMouseEvent* event)
{
    // Where a client cannot place its own windows (Wayland) the desktop moves it. On X11 the screen
    // follows the pointer itself, window manager or not: Qt's X11 move request now and then hands the
    // manager the pointer's place in the window for its place on the screen, and the screen then
    // jumps by that much as the drag begins.
    const bool desktopMoves = QGuiApplication::platformName() != QLatin1String("xcb");
    if (desktopMoves && event->button() == Qt::LeftButton && windowHandle() &&
        windowHandle()->startSystemMove()) {
        dragging_ = false;
        return;
    }
    // Where the pointer holds the screen, from its corner: kept in screen coordinates, so a move that
    // lands late (a window manager applies it when it gets to it) never counts the pointer twice.
    dragAnchor_ = event->globalPosition().toPoint() - pos();
    dragging_ = true;
}

bool StartScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ace_)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::RightButton)
            dragging_ = false;
        else
            startDrag(e);
        return true;
    }
    case QEvent::MouseMove:
        if (dragging_) {
            auto* e = static_cast<QMouseEvent*>(event);
            // The grabbed point of the ace stays under the pointer.
            move(e->globalPosition().toPoint() - dragAnchor_);
        }
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu: dragging_ = false; return true;
    default: return QDialog::eventFilter(watched, event);
    }
}

} // namespace liorna
