#pragma once
// Qt implementations of the small ports: message boxes, the desktop shell and the cue player.

#include <QPointer>
#include <QSoundEffect>
#include <QString>
#include <QWidget>
#include <memory>

#include "platform/ports.h"

namespace liorna {

inline constexpr const char* PRODUCT_TITLE = "Лиорна";

class MessageBoxSink : public MessageSink {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void showError(const std::string& text) override;

private:
    QWidget* owner_ = nullptr;
};

// Asks the desktop to open a file or a folder. A page that no viewer on the desktop can show (no
// opener, or the opener found no handler) is shown in a help window of the program instead.
class DesktopShell : public Shell {
public:
    explicit DesktopShell(QString programDir) : programDir_(std::move(programDir)) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void open(const std::string& target) override;

    // The help window shown in place of a viewer, while it is open.
    QWidget* helpWindow() const { return help_; }

private:
    void showInWindow(const QString& path);

    QString programDir_;
    QPointer<QWidget> owner_;
    QPointer<QWidget> help_;
};

// Plays a wave cue without waiting; the next cue cuts off the one still sounding. The file is checked
// here because the sound system reports a bad file only as a status, without a text.
class SoundEffectCuePlayer : public CuePlayer {
public:
    explicit SoundEffectCuePlayer(QString programDir);
    ~SoundEffectCuePlayer() override;
    void play(const std::string& file) override;

private:
    QString programDir_;
    std::unique_ptr<QSoundEffect> effect_;
};

// Why a cue file cannot be played, or an empty text when it is a PCM wave.
std::string checkWaveFile(const QString& path);

} // namespace liorna
