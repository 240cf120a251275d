#pragma once
// "Бонус за победу": the uncovering after a won match and the gallery of completed pictures, from
// which one can be exported as a JPEG file.

#include <QDialog>
#include <QImage>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "persist/bonus_reveal.h"

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
    // `revealMatchMode` set: opened after a won match of that mode, the uncovering starts when the screen
    // is first shown; unset: the gallery only. `openFolder` receives the folder to show after an export
    // ("pictures", relative to the program folder); `report` shows an error text.
    BonusScreen(BonusReveal& reveal, std::filesystem::path programDir,
                std::function<void(const std::string&)> openFolder,
                std::function<void(const std::string&)> report, QWidget* parent = nullptr);

    // One step of the uncovering (the timer's tick); commits after the last. Public so that a clock
    // other than this screen's timer may drive it.
    void advanceReveal();
    std::size_t revealStep() const { return reveal_.revealStep(); }
    const RevealPlan& plan() const { return reveal_.plan(); }
    bool committed() const { return reveal_.committed(); }

    // Places 1..20 from line 0; run at opening and 2.5 s after a picture completes.
    void refreshGallery();
    // Writes the selected picture; false (and reported) when the file cannot be written.
    bool exportSelected();

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
    void showGallery(bool gallery);
    void select(int place);
    void committedNow();

    BonusReveal& reveal_;
    BonusProgress& progress_;
    std::filesystem::path programDir_;
    std::function<void(const std::string&)> openFolder_;
    std::function<void(const std::string&)> report_;
    bool revealMode_ = false;
    int selected_ = 0; // place 1..20, 0 for none yet

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
