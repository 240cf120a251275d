#include "ui/screens/about_box.h"
#include "platform/texts.h"

#include <QLabel>
#include <QTimer>

#include "ui/clip_loader.h"
#include "ui/picture_label.h"

namespace liorna {

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

    for (int n = 1; n <= 5; ++n) {
        const Placement& at = PICTURES[n - 1];
        auto* label = new PictureLabel(this);
        label->setGeometry(at.x, at.y, at.width, at.height);
        label->setClickable(false);
        label->setPicture(Picture::of(PictureKind::About, n));
        pictures_[n - 1] = label;
    }

    // Beside the credits, where no picture lies.
    version_ = new QLabel(QStringLiteral("Версия %1").arg(QStringLiteral(LIORNA_VERSION)), this);
    version_->setGeometry(280, 340, 74, 20);
    version_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] { showFrame(frame_ + 1); });
}

AboutBox::~AboutBox() = default;

bool AboutBox::clipRunning() const
{
    return timer_->isActive();
}

void AboutBox::openClip()
{
    clipTried_ = true;
    std::vector<QImage> decoded;
    std::string why;
    if (!loadClip(clipPath_, decoded, intervalMs_, why)) {
        if (report_)
            report_("Cannot open AVI");
        return;
    }
    frames_.reserve(decoded.size());
    // A frame larger than the control is shrunk to fit; a smaller one sits in its middle.
    const QSize room = animation_->size();
    for (const QImage& image : decoded) {
        const bool fits = image.width() <= room.width() && image.height() <= room.height();
        frames_.push_back(QPixmap::fromImage(
            fits ? image : image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
}

void AboutBox::showFrame(int index)
{
    if (frames_.empty())
        return;
    frame_ = index % static_cast<int>(frames_.size());
    animation_->setPixmap(frames_[frame_]);
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
