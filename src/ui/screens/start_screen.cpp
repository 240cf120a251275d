#include "ui/screens/start_screen.h"

#include <QBitmap>
#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "engine/start_screen_model.h"
#include "ui/fonts.h"
#include "ui/picture_label.h"

namespace liorna {

namespace {

const QColor SEE_THROUGH_GREEN(0, 128, 0);

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

StartScreen::StartScreen(StartScreenModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), model_(model)
{
    setWindowTitle(QString::fromUtf8(StartScreenModel::TITLE));
    setFixedSize(377, 274);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, SEE_THROUGH_GREEN);
    setPalette(pal);

    auto* title = new QLabel(QString::fromUtf8(StartScreenModel::TITLE), this);
    title->setFont(serifFont(15, true, true));
    title->move(96, 8);
    auto* credit = new QLabel(QString::fromUtf8(StartScreenModel::CREDIT), this);
    credit->setFont(serifFont(15, true, true));
    credit->setGeometry(8, 248, 360, 18);
    for (QLabel* l : {title, credit}) {
        QPalette lp = l->palette();
        lp.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(lp);
    }

    auto* modes = whitePanel(this, {92, 32, 277, 209});
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        auto* choice =
            new QRadioButton(QString::fromUtf8(MATCH_LENGTHS[static_cast<std::size_t>(i)].caption), modes);
        choice->setFont(sansFont(11, true));
        choice->setGeometry(8, 16 + 32 * i, 249, 25);
        group->addButton(choice, i + 1);
        choices_[static_cast<std::size_t>(i)] = choice;
    }
    choices_[static_cast<std::size_t>(model_.choice() - 1)]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { model_.choose(id); });

    auto* buttons = whitePanel(this, {8, 12, 81, 229});
    ace_ = new PictureLabel(buttons);
    ace_->setGeometry(6, 2, 71, 96);
    ace_->setPicture(Picture::of(PictureKind::StartAce));
    ace_->setCursor(Qt::SizeAllCursor);
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
        auto* b = new QPushButton(QString::fromUtf8(button.caption), buttons);
        b->setFont(sansFont(11, button.bold));
        b->setGeometry(button.geometry);
        const std::string caption = button.caption;
        connect(b, &QPushButton::clicked, this, [this, caption] { model_.press(caption); });
        if (button.bold)
            b->setDefault(true);
    }
}

void StartScreen::updateMask()
{
    // The mask is in logical pixels whatever the screen's ratio.
    QImage image = grab().toImage();
    if (image.size() != size())
        image = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    setMask(QPixmap::fromImage(image).createMaskFromColor(SEE_THROUGH_GREEN, Qt::MaskInColor));
}

void StartScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* s = screen())
        move(s->geometry().center() - rect().center());
    updateMask();
}

void StartScreen::keyPressEvent(QKeyEvent* event)
{
    // Escape would close the screen without a choice; only its buttons leave it.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

bool StartScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ace_)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        dragAnchor_ = e->position().toPoint();
        dragging_ = e->button() != Qt::RightButton;
        return true;
    }
    case QEvent::MouseMove:
        if (dragging_) {
            auto* e = static_cast<QMouseEvent*>(event);
            // The grabbed point of the ace stays under the pointer.
            move(pos() + e->position().toPoint() - dragAnchor_);
        }
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu: dragging_ = false; return true;
    default: return QDialog::eventFilter(watched, event);
    }
}

} // namespace liorna
