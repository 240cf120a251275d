#pragma once
// "Бонус за победу": the view of the BonusScreenModel, the uncovering after a won match and the gallery
// of completed pictures, from which one can be exported.

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <memory>

#include "persist/bonus_screen_model.h"
#include "ui/event_boundary.h"

class QLabel;
class QPushButton;
class QTimer;

namespace liorna {

class PictureLabel;

// A gallery place: its picture scaled to fit with its proportions kept, a click when enabled.
class BonusThumbnail : public QWidget {
    Q_OBJECT
public:
    explicit BonusThumbnail(QWidget* parent = nullptr);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    void setSelected(bool selected);
    bool selected() const { return selected_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Picture picture_ = Picture::of(PictureKind::Locked);
    QImage image_;
    qreal imageRatio_ = 0;
    bool selected_ = false;
    bool pressed_ = false;
};

class BonusScreen : public QDialog {
    Q_OBJECT
public:
    // Shows `model` and hands every click to the core through `deliver`. In reveal mode the uncovering
    // starts when the screen is first shown.
    BonusScreen(BonusScreenModel& model, EventBoundary deliver, QWidget* parent = nullptr);

    BonusScreenModel& model() { return model_; }
    // Shows the model's state; the model's `changed` runs it after each tick of its clock.
    void render();

    QWidget* revealPanel() const { return revealPanel_; }
    QWidget* galleryPanel() const { return galleryPanel_; }
    PictureLabel* revealPicture() const { return picture_; }
    PictureLabel* revealCover() const { return cover_; }
    BonusThumbnail* thumbnail(int place) const { return thumbnails_[static_cast<std::size_t>(place - 1)]; }
    QPushButton* galleryButton() const { return galleryButton_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* backButton() const { return back_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildRevealPanel();
    void buildGalleryPanel();
    // Runs a click in the core, then shows what it changed.
    void handle(const std::function<void()>& event);

    BonusScreenModel& model_;
    EventBoundary deliver_;

    QWidget* revealPanel_ = nullptr;
    QWidget* galleryPanel_ = nullptr;
    PictureLabel* picture_ = nullptr;
    PictureLabel* cover_ = nullptr;
    std::array<BonusThumbnail*, BONUS_PICTURES> thumbnails_{};
    QPushButton* galleryButton_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* back_ = nullptr;
};

} // namespace liorna
