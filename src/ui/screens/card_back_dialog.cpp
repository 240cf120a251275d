#include "ui/screens/card_back_dialog.h"
#include "platform/texts.h"

#include <QEvent>
#include <QPushButton>

#include "ui/picture_label.h"

namespace liorna {

namespace {

constexpr int LEFT = 0;
constexpr int RIGHT = 1;

} // namespace

CardBackDialog::CardBackDialog(CardBackModel& model, EventBoundary deliver, std::function<void()> choose,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model), deliver_(std::move(deliver)), choose_(std::move(choose))
{
    setWindowTitle(QString::fromUtf8(text::CARD_BACK_TITLE));
    setFixedSize(319, 189);
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);

    preview_ = new PictureLabel(this);
    preview_->setGeometry(112, 48, 71, 96);
    preview_->setClickable(false);
    preview_->setPicture(model_.tableBack());

    // One label per arrow, showing its red or green picture: the two never show at once.
    right_ = new PictureLabel(this);
    right_->setGeometry(208, 88, 14, 24);
    left_ = new PictureLabel(this);
    left_->setGeometry(72, 88, 14, 24);
    right_->setAccessibleName(QString::fromUtf8(text::ACCESSIBLE_NEXT_BACK));
    left_->setAccessibleName(QString::fromUtf8(text::ACCESSIBLE_PREVIOUS_BACK));
    for (PictureLabel* arrow : {right_, left_}) {
        arrow->setAttribute(Qt::WA_Hover);
        arrow->installEventFilter(this);
    }
    connect(right_, &PictureLabel::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton && model_.rightGreen())
            handle([this] { model_.next(); });
    });
    connect(left_, &PictureLabel::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton && model_.leftGreen())
            handle([this] { model_.previous(); });
    });

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setGeometry(16, 160, 73, 25);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &CardBackDialog::pressOk);
    cancelButton_ = new QPushButton(QString::fromUtf8(text::CANCEL), this);
    cancelButton_->setGeometry(96, 160, 73, 25);
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    showArrows();
    showPreview();
}

bool CardBackDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        if (watched == right_ && !model_.rightGreen())
            handle([this] { model_.pointerOverRight(); });
        else if (watched == left_ && !model_.leftGreen())
            handle([this] { model_.pointerOverLeft(); });
    }
    return QDialog::eventFilter(watched, event);
}

void CardBackDialog::showArrows()
{
    right_->setPicture(
        Picture::of(model_.rightGreen() ? PictureKind::ArrowGreen : PictureKind::ArrowRed, RIGHT));
    left_->setPicture(
        Picture::of(model_.leftGreen() ? PictureKind::ArrowGreen : PictureKind::ArrowRed, LEFT));
}

void CardBackDialog::showPreview()
{
    preview_->setPicture(model_.preview(preview_->picture()));
    preview_->setAccessibleName(QString::fromUtf8(text::ACCESSIBLE_CARD_BACK) +
                                QString::fromStdString(model_.candidate()));
}

void CardBackDialog::handle(const std::function<void()>& event)
{
    runEvent(deliver_, event);
    showArrows();
    showPreview();
}

void CardBackDialog::pressOk()
{
    bool chosen = false;
    const auto event = [&] {
        if (choose_)
            choose_();
        chosen = true;
    };
    runEvent(deliver_, event);
    if (chosen)
        accept();
}

} // namespace liorna
