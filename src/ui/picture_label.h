#pragma once
// A label that shows a Picture, crisp at the screen's pixel ratio, and reports mouse clicks.

#include <QLabel>

#include "platform/picture.h"

namespace liorna {

class PictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit PictureLabel(QWidget* parent = nullptr);
    void setPicture(const Picture& picture, bool seeThrough = false);
    const Picture& picture() const { return picture_; }
    bool seeThrough() const { return seeThrough_; }
    // A picture that takes no clicks still looks the same (a disabled label would grey it).
    void setClickable(bool clickable) { clickable_ = clickable; }
    bool clickable() const { return clickable_; }

signals:
    void clicked(Qt::MouseButton button);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    Picture picture_;
    bool seeThrough_ = false;
    bool pressed_ = false;
    bool clickable_ = true;
    qreal shownRatio_ = 0;
};

// The pixmap of a picture at a pixel ratio, from the art cache.
QPixmap picturePixmap(const Picture& picture, qreal dpr, bool seeThrough = false);

} // namespace liorna
