#include "ui/screens/bonus_screen.h"
#include "platform/texts.h"

#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "ui/art/picture_art.h"
#include "ui/fonts.h"
#include "ui/picture_label.h"

namespace liorna {

namespace {

constexpr int THUMB_W = 97;
constexpr int THUMB_H = 81;
constexpr int COLUMNS[] = {8, 112, 216, 320, 424};
constexpr int ROWS[] = {8, 96, 184, 272};

QWidget* blackPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setGeometry(0, 0, 529, 401);
    page->setAutoFillBackground(true);
    QPalette black = page->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    page->setPalette(black);
    return page;
}

QLabel* whiteText(QWidget* parent, const QString& text, const QRect& geometry, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(sansFont(13, bold));
    label->setWordWrap(true);
    return label;
}

QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    // The page's white text colour is for its labels, not for the buttons' faces.
    b->setPalette(QPalette());
    fitWidth(b, geometry.width());
    return b;
}

} // namespace

BonusThumbnail::BonusThumbnail(QWidget* parent) : QWidget(parent)
{
    setFixedSize(THUMB_W, THUMB_H);
}

void BonusThumbnail::setPicture(const Picture& picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    image_ = QImage();
    update();
}

void BonusThumbnail::setSelected(bool selected)
{
    if (selected == selected_)
        return;
    selected_ = selected;
    update();
}

void BonusThumbnail::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    // Drawn at the screen's ratio and scaled here, so a thumbnail stays crisp on a 2x screen.
    const qreal ratio = devicePixelRatioF();
    if (image_.isNull() || imageRatio_ != ratio) {
        image_ = art::render(picture_, ratio);
        imageRatio_ = ratio;
    }
    if (!image_.isNull()) {
        const QSizeF logical = image_.deviceIndependentSize();
        const qreal scale = std::min(width() / logical.width(), height() / logical.height());
        const QSizeF shown = logical * scale;
        const QRectF target((width() - shown.width()) / 2, (height() - shown.height()) / 2, shown.width(),
                            shown.height());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, image_);
    }
    if (selected_) {
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BonusThumbnail::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void BonusThumbnail::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    pressed_ = false;
    event->accept();
}

BonusScreen::BonusScreen(BonusScreenModel& model, EventBoundary deliver, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model), deliver_(std::move(deliver))
{
    setWindowTitle(QString::fromUtf8(text::BONUS_TITLE));
    setFixedSize(527, 401);
    model_.changed = [this] { render(); };

    buildRevealPanel();
    buildGalleryPanel();
    render();
}

void BonusScreen::buildRevealPanel()
{
    revealPanel_ = blackPage(this);
    picture_ = new PictureLabel(revealPanel_);
    picture_->setGeometry(224, 152, 71, 96);
    picture_->setClickable(false);
    picture_->setPicture(model_.reveal().plan().picture);
    cover_ = new PictureLabel(revealPanel_);
    cover_->setGeometry(224, 152, 71, 96);
    cover_->setClickable(false);
    whiteText(revealPanel_, QString::fromUtf8(text::BONUS_AS_BACKS), QRect(120, 64, 289, 65), true)
        ->setAlignment(Qt::AlignCenter);
    whiteText(revealPanel_, QString::fromUtf8(text::BONUS_WILL_APPEAR), QRect(120, 264, 287, 65), true)
        ->setAlignment(Qt::AlignCenter);
    galleryButton_ = button(revealPanel_, QString::fromUtf8(text::BONUS_GALLERY), QRect(400, 368, 113, 25));
    connect(galleryButton_, &QPushButton::clicked, this,
            [this] { handle([this] { model_.showGallery(); }); });
}

void BonusScreen::buildGalleryPanel()
{
    galleryPanel_ = blackPage(this);
    for (int place = 1; place <= BONUS_PICTURES; ++place) {
        auto* thumb = new BonusThumbnail(galleryPanel_);
        thumb->move(COLUMNS[(place - 1) % 5], ROWS[(place - 1) / 5]);
        connect(thumb, &BonusThumbnail::clicked, this,
                [this, place] { handle([this, place] { model_.select(place); }); });
        thumbnails_[static_cast<std::size_t>(place - 1)] = thumb;
    }
    auto* note =
        whiteText(galleryPanel_, QString::fromUtf8(text::BONUS_ALL_AS_BACKS), QRect(8, 352, 423, 16), false);
    note->setWordWrap(false);
    save_ = button(galleryPanel_, QString::fromUtf8(text::SAVE), QRect(416, 368, 105, 25));
    connect(save_, &QPushButton::clicked, this, [this] { handle([this] { model_.exportSelected(); }); });
    back_ = button(galleryPanel_, QString::fromUtf8(text::BONUS_BACK), QRect(296, 368, 105, 25));
    connect(back_, &QPushButton::clicked, this, [this] { handle([this] { model_.showReveal(); }); });
}

void BonusScreen::handle(const std::function<void()>& event)
{
    runEvent(deliver_, event);
    render();
}

void BonusScreen::render()
{
    galleryPanel_->setVisible(model_.galleryShown());
    revealPanel_->setVisible(!model_.galleryShown());
    back_->setVisible(model_.backShown());
    const int frame = model_.reveal().currentFrame();
    cover_->setPicture(Picture::cover(frame));
    // The picture under the cover is read with how much of it the cover leaves open: frame 0 is the
    // plain cover, 1 its cut lines, each later one a piece fewer, 10 none.
    const Picture& uncovering = model_.reveal().plan().picture;
    if (uncovering.kind == PictureKind::Bonus) {
        picture_->setAccessibleName(QString::fromUtf8(text::ACCESSIBLE_BONUS_PICTURE) +
                                    QString::number(uncovering.index));
        cover_->setAccessibleName(
            picture_->accessibleName() + QString::fromUtf8(text::ACCESSIBLE_BONUS_OPENED) +
            QString::number(std::clamp(frame - 1, 0, 9)) + QString::fromUtf8(text::ACCESSIBLE_BONUS_OF_NINE));
    }
    for (int place = 1; place <= BONUS_PICTURES; ++place) {
        BonusThumbnail* thumb = thumbnail(place);
        const bool open = model_.open(place);
        thumb->setPicture(model_.thumbnail(place));
        thumb->setEnabled(open);
        thumb->setCursor(open ? Qt::PointingHandCursor : Qt::ArrowCursor);
        thumb->setSelected(place == model_.selected());
        thumb->setAccessibleName(QString::fromUtf8(text::ACCESSIBLE_BONUS_PICTURE) + QString::number(place) +
                                 QString::fromUtf8(text::ACCESSIBLE_BONUS_OPENED) +
                                 QString::number(model_.piecesOpen(place)) +
                                 QString::fromUtf8(text::ACCESSIBLE_BONUS_OF_NINE));
    }
    save_->setEnabled(model_.saveEnabled());
}

void BonusScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The uncovering runs once per opening, from the first time the screen shows.
    handle([this] { model_.reveal().start(); });
}

} // namespace liorna
