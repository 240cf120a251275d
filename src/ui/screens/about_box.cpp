#include "ui/screens/about_box.h"
#include "platform/texts.h"

#include <QLabel>
#include <QThread>
#include <QTimer>

#include "ui/clip_loader.h"
#include "ui/picture_label.h"

namespace liorna {

namespace {

// Each picture read as what it shows.
QString pictureName(int n)
{
    const auto u = [](const char* t) { return QString::fromUtf8(t); };
    switch (n) {
    case 1: return u(text::PICTURE_MAKER) + QLatin1Char(' ') + u(text::PICTURE_STUDIO);
    case 2: return u(text::PICTURE_CARD) + QLatin1Char(' ') + u(text::PICTURE_GAME);
    case 3: return u(text::ACCESSIBLE_CARD_FAN);
    case 4: return u(text::PRODUCT_TITLE);
    default: return u(text::PICTURE_CREDIT) + QLatin1Char(' ') + u(text::PICTURE_AUTHOR);
    }
}

} // namespace

namespace {

struct Placement {
    int x, y, width, height;
};

// Pictures 1..5: the studio card, the "card game" card, the fan, the title and the credits.
constexpr std::array<Placement, 5> PICTURES = {{
    {8, 88, 71, 96},
    {88, 88, 75, 100},
    {176, 88, 79, 104},
    {144, 16, 210, 39},
    {16, 200, 260, 159},
}};

constexpr Placement ANIMATION = {8, 8, 129, 69};

// A frame larger than the control is shrunk to fit; a smaller one sits in its middle.
QImage fitted(QImage frame, QSize room)
{
    const bool fits = frame.width() <= room.width() && frame.height() <= room.height();
    return fits ? frame : frame.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

AboutBox::AboutBox(const QString& clipPath, std::function<void(const std::string&)> report, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      clipPath_(clipPath), report_(std::move(report))
{
    setWindowTitle(QString::fromUtf8(text::ABOUT_TITLE));
    setFixedSize(362, 370);
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);

    animation_ = new QLabel(this);
    animation_->setGeometry(ANIMATION.x, ANIMATION.y, ANIMATION.width, ANIMATION.height);
    animation_->setAlignment(Qt::AlignCenter);
    animation_->setAccessibleName(QString::fromUtf8(text::ACCESSIBLE_CLIP));

    for (int n = 1; n <= 5; ++n) {
        const Placement& at = PICTURES[n - 1];
        auto* label = new PictureLabel(this);
        label->setGeometry(at.x, at.y, at.width, at.height);
        label->setClickable(false);
        label->setPicture(Picture::of(PictureKind::About, n));
        label->setAccessibleName(pictureName(n));
        pictures_[n - 1] = label;
    }

    // Beside the credits, where no picture lies.
    version_ = new QLabel(QStringLiteral("Версия %1").arg(QStringLiteral(LIORNA_VERSION)), this);
    version_->setGeometry(280, 340, 74, 20);
    version_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] { showFrame(frame_ + 1); });
}

AboutBox::~AboutBox()
{
    // The worker posts to the box: it ends before the box goes.
    if (decoder_) {
        *stop_ = true;
        decoder_->wait();
    }
}

bool AboutBox::clipRunning() const
{
    return timer_->isActive();
}

void AboutBox::openClip()
{
    clipTried_ = true;
    // The first frame before the box shows, so its first paint has the clip; the rest on a worker.
    auto stream = std::make_shared<ClipStream>();
    std::string why;
    QImage first;
    if (!stream->open(clipPath_, why) || stream->next(first, why) != 1) {
        clipFailed();
        return;
    }
    intervalMs_ = stream->frameIntervalMs();
    const QSize room = animation_->size();
    frames_.push_back(QPixmap::fromImage(fitted(std::move(first), room)));
    stop_ = std::make_shared<std::atomic_bool>(false);
    decoder_ = QThread::create([this, stream, room, stop = stop_] {
        QImage frame;
        std::string error;
        int got = 0;
        while (!*stop && (got = stream->next(frame, error)) == 1)
            QMetaObject::invokeMethod(
                this,
                [this, image = fitted(std::move(frame), room)] {
                    frames_.push_back(QPixmap::fromImage(image));
                },
                Qt::QueuedConnection);
        if (*stop)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, failed = got < 0] {
                if (failed)
                    clipFailed();
                else
                    complete_ = true;
            },
            Qt::QueuedConnection);
    });
    decoder_->setParent(this);
    decoder_->start();
}

void AboutBox::clipFailed()
{
    // A clip that turns out damaged part way is reported as one that cannot be opened: the box stays,
    // without animation.
    complete_ = true;
    timer_->stop();
    frames_.clear();
    frame_ = 0;
    animation_->clear();
    if (report_)
        report_("Cannot open AVI");
}

void AboutBox::showFrame(int index)
{
    if (frames_.empty())
        return;
    // While the rest of the clip is still being decoded, the clip waits at the newest frame.
    const int count = static_cast<int>(frames_.size());
    if (index >= count && !complete_)
        return;
    frame_ = index % count;
    animation_->setPixmap(frames_[static_cast<std::size_t>(frame_)]);
}

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Decoding waits for the first showing, so a box that is never shown costs nothing.
    if (!clipTried_)
        openClip();
    // Every showing plays the clip from its first frame.
    showFrame(0);
    if (!frames_.empty())
        timer_->start(qMax(1, intervalMs_));
}

void AboutBox::hideEvent(QHideEvent* event)
{
    timer_->stop();
    QDialog::hideEvent(event);
}

} // namespace liorna
