#pragma once
// The about box: the looping clip, the title and the credits. Opened modally and destroyed when closed.

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QTimer;

namespace liorna {

class PictureLabel;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // report shows an error to the player; it is called when the clip at clipPath cannot be played.
    AboutBox(const QString& clipPath, std::function<void(const std::string&)> report,
             QWidget* parent = nullptr);
    ~AboutBox() override;

    // For tests.
    QLabel* animation() const { return animation_; }
    // "Версия 0.1": the program's version, under the pictures.
    QLabel* version() const { return version_; }
    int frameIndex() const { return frame_; }
    bool clipRunning() const;
    // n = 1..5.
    PictureLabel* picture(int n) const { return pictures_[n - 1]; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void openClip();
    void showFrame(int index);

    QString clipPath_;
    std::function<void(const std::string&)> report_;
    QLabel* animation_ = nullptr;
    QLabel* version_ = nullptr;
    std::array<PictureLabel*, 5> pictures_{};
    QTimer* timer_ = nullptr;
    std::vector<QPixmap> frames_;
    int intervalMs_ = 0;
    int frame_ = 0;
    bool clipTried_ = false;
};

} // namespace liorna
