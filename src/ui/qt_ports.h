#pragma once
// Qt implementations of the small ports: message boxes, the desktop shell and the cue player.

#include <QLibrary>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

#include "platform/ports.h"
#include "platform/texts.h"

namespace liorna {

// Error messages, one box at a time. A box is opened without a nested event loop, so the core and its
// timers never run inside one; errors that arrive while a box is shown wait their turn.
class MessageBoxSink : public MessageSink {
public:
    // `owner` (may be null) places the boxes; it is used only when a box opens, so it may still be
    // under construction when the sink is made.
    explicit MessageBoxSink(QWidget* owner) : owner_(owner) {}
    ~MessageBoxSink() override;
    void showError(const std::string& text) override;
    // The box on show, if any.
    QWidget* box() const { return box_; }
    // Runs each time the last waiting message has been acknowledged.
    std::function<void()> afterLast;

private:
    void showNext();

    QWidget* owner_;
    QPointer<QWidget> box_;
    std::deque<std::string> waiting_;
};

// Asks the desktop to open a file or a folder. A page that no viewer on the desktop can show (no
// opener, or the opener found no handler) is shown in a help window of the program instead.
class DesktopShell : public Shell {
public:
    // `owner` parents the help window; like the message sink's it is used only later.
    DesktopShell(QString programDir, QWidget* owner) : programDir_(std::move(programDir)), owner_(owner) {}
    void open(const std::string& target) override;

    // The help window shown in place of a viewer, while it is open.
    QWidget* helpWindow() const { return help_; }

private:
    void showInWindow(const QString& path);

    QString programDir_;
    QWidget* owner_;
    QPointer<QWidget> help_;
};

class CueOutput;

// Plays a wave cue without waiting; the next cue cuts off the one still sounding. The file is checked
// here because the sound system reports a bad file only as a status, without a text. The sound system
// is a module loaded when the first cue plays, so a start-up never pays for it; a module that is
// missing or cannot be loaded is the cue's error, as a bad file is.
class ModuleCuePlayer : public CuePlayer {
public:
    explicit ModuleCuePlayer(QString programDir, QString module = defaultModule());
    ~ModuleCuePlayer() override;
    void play(const std::string& file) override;
    // Whether the sound module has been loaded.
    bool loaded() const { return output_ != nullptr; }

    static QString defaultModule();

private:
    QString programDir_;
    QLibrary module_;
    std::unique_ptr<CueOutput> output_;
    std::string moduleError_;
};

// Why a cue file cannot be played, or an empty text when it is a PCM wave of at most 8 MB.
std::string checkWaveFile(const QString& path);

} // namespace liorna
