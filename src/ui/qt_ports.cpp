#include "ui/qt_ports.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QUrl>

namespace liorna {

void MessageBoxSink::showError(const std::string& text)
{
    QMessageBox box(QMessageBox::Critical, PRODUCT_TITLE, QString::fromStdString(text), QMessageBox::Ok,
                    owner_);
    box.exec();
}

void DesktopShell::open(const std::string& target)
{
    // Returns at once; without a desktop it simply fails, which is not worth a message.
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QDir(programDir_).filePath(QString::fromStdString(target))));
}

std::string checkWaveFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "Cannot open sound file " + QDir::toNativeSeparators(path).toStdString() + ": " +
               file.errorString().toStdString();
    const QByteArray head = file.read(36);
    if (head.size() < 36 || !head.startsWith("RIFF") || head.mid(8, 8) != "WAVEfmt ")
        return "Cannot play sound file " + path.toStdString() + ": not a wave file";
    const auto format = static_cast<unsigned char>(head[20]) | (static_cast<unsigned char>(head[21]) << 8);
    if (format != 1)
        return "Cannot play sound file " + path.toStdString() + ": not a PCM wave file";
    return {};
}

SoundEffectCuePlayer::SoundEffectCuePlayer(QString programDir) : programDir_(std::move(programDir)) {}

SoundEffectCuePlayer::~SoundEffectCuePlayer() = default;

void SoundEffectCuePlayer::play(const std::string& file)
{
    const QString path = QDir(programDir_).filePath(QString::fromStdString(file));
    // Closing the previous effect cuts off the cue still sounding.
    effect_.reset();
    const std::string problem = checkWaveFile(path);
    if (!problem.empty())
        throw UserError(problem);
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}

} // namespace liorna
