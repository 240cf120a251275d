#pragma once
// The about box: the looping clip, the title and the credits. Opened modally and destroyed when closed.

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QThread;
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
    // Every frame of the clip has been decoded (the first before the box shows, the rest on a worker
    // thread while it plays), or the clip failed.
    bool clipComplete() const { return complete_; }
    int framesDecoded() const { return static_cast<int>(frames_.size()); }
    // n = 1..5.
    PictureLabel* picture(int n) const { return pictures_[n - 1]; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void openClip();
    void showFrame(int index);
    void clipFailed();

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
    bool complete_ = false;
    // The worker decoding the rest of the clip, and how it is told to stop.
    QThread* decoder_ = nullptr;
    std::shared_ptr<std::atomic_bool> stop_;
};

} // namespace liorna
