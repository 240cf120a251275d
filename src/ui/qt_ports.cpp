#include "ui/qt_ports.h"
#include "platform/texts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/cue_file.h"
#include "ui/cues/cue_output.h"
#include "ui/module_file.h"
#include "ui/screens/help_window.h"
#include "ui/window_placement.h"

namespace liorna {

MessageBoxSink::~MessageBoxSink()
{
    // A box still open when the program ends must not call back into a sink that is gone.
    if (box_)
        box_->disconnect();
}

void MessageBoxSink::showError(const std::string& text)
{
    waiting_.push_back(text);
    if (!box_)
        showNext();
}

void MessageBoxSink::showNext()
{
    if (waiting_.empty()) {
        if (afterLast)
            afterLast();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Critical, QString::fromUtf8(text::PRODUCT_TITLE),
                                QString::fromStdString(waiting_.front()), QMessageBox::Ok, owner_);
    waiting_.pop_front();
    belongToTable(box, owner_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Application-modal, as the screens are: the error is answered before anything else is clicked.
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, box, [this] {
        box_ = nullptr;
        showNext();
    });
    box_ = box;
    box->open();
}

void DesktopShell::open(const std::string& target)
{
    const QString path = QDir(programDir_).filePath(QString::fromStdString(target));
    const QUrl url = QUrl::fromLocalFile(path);
    // Folders, and a page that is missing, go to the desktop as they are: a failure is not worth a message.
    if (!QFileInfo(path).isFile()) {
        QDesktopServices::openUrl(url);
        return;
    }
    // QDesktopServices hands the file to xdg-open without waiting, so it reports success even when
    // xdg-open then finds no viewer (a bare X session). Running xdg-open ourselves tells us.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            showInWindow(path);
        return;
    }
    auto* process = new QProcess(owner_ ? static_cast<QObject*>(owner_) : qApp);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [this, process, path](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             showInWindow(path);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [this, process, path](QProcess::ProcessError e) {
                         if (e != QProcess::FailedToStart)
                             return;
                         showInWindow(path);
                         process->deleteLater();
                     });
    process->start(opener, {url.toString()});
}

void DesktopShell::showInWindow(const QString& path)
{
    if (!help_) {
        help_ = new HelpWindow(path, owner_);
        belongToTable(help_, owner_);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

std::string checkWaveFile(const QString& path)
{
    return checkCueFile(path.toStdString(), QDir::toNativeSeparators(path).toStdString());
}

ModuleCuePlayer::ModuleCuePlayer(QString programDir, QString module)
    : programDir_(std::move(programDir)), module_(std::move(module))
{
}

ModuleCuePlayer::~ModuleCuePlayer() = default;

QString ModuleCuePlayer::defaultModule()
{
    return moduleFile(QStringLiteral("liorna-cues.so"));
}

void ModuleCuePlayer::play(const std::string& file)
{
    const QString path = QDir(programDir_).filePath(QString::fromStdString(file));
    const std::string problem = checkWaveFile(path);
    if (!problem.empty()) {
        // The cue still sounding stops, as when the next cue opens.
        if (output_)
            output_->stop();
        throw UserError(problem);
    }
    if (!output_ && moduleError_.empty()) {
        const auto create = reinterpret_cast<CueOutputFactory>(module_.resolve(CUE_OUTPUT_ENTRY));
        CueOutput* output = create ? create() : nullptr;
        if (output)
            output_.reset(output);
        else
            moduleError_ = module_.errorString().toStdString();
    }
    if (!output_)
        throw UserError("Cannot play sound file " + QDir::toNativeSeparators(path).toStdString() +
                        ": the sound module cannot be loaded (" + moduleError_ + ")");
    output_->play(path);
}

} // namespace liorna
