#include "ui/picture_label.h"

#include <QEvent>
#include <QMouseEvent>

#include "ui/art/picture_art.h"

namespace liorna {

QPixmap picturePixmap(const Picture& picture, qreal dpr, bool seeThrough)
{
    if (picture.kind == PictureKind::None)
        return {};
    return QPixmap::fromImage(seeThrough ? art::renderSeeThrough(picture, dpr) : art::render(picture, dpr));
}

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void PictureLabel::setPicture(const Picture& picture, bool seeThrough)
{
    if (picture == picture_ && seeThrough == seeThrough_ && shownRatio_ == devicePixelRatioF())
        return;
    picture_ = picture;
    seeThrough_ = seeThrough;
    refresh();
}

void PictureLabel::refresh()
{
    shownRatio_ = devicePixelRatioF();
    if (picture_.kind == PictureKind::None)
        clear();
    else
        setPixmap(picturePixmap(picture_, shownRatio_, seeThrough_));
}

void PictureLabel::changeEvent(QEvent* event)
{
    // Moving to a screen of another pixel ratio repaints the picture at that ratio.
    if (event->type() == QEvent::ScreenChangeInternal) {
        if (shownRatio_ != devicePixelRatioF())
            refresh();
    }
    QLabel::changeEvent(event);
}

void PictureLabel::mousePressEvent(QMouseEvent* event)
{
    if (!clickable_) {
        event->ignore();
        return;
    }
    pressed_ = true;
    event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release over the picture.
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && inside && clickable_)
        emit clicked(event->button());
    pressed_ = false;
    event->accept();
}

} // namespace liorna
