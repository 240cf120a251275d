#include "ui/clip_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "persist/program_folder.h"

namespace liorna {

namespace {

// Beside the executable in the build tree; in the prefix's library folder once installed.
QString modulePath()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(QStringLiteral("liorna-clip.so"));
    if (QFileInfo::exists(beside))
        return beside;
    return programDir.filePath(QString::fromLatin1(MODULE_DIR_FROM_EXECUTABLE) +
                               QStringLiteral("/liorna-clip.so"));
}

} // namespace

bool loadClip(const QString& path, std::vector<QImage>& frames, int& intervalMs, std::string& error)
{
    using Decode = bool (*)(const char*, std::vector<QImage>*, int*, std::string*);
    static QLibrary module(modulePath());
    const auto decode = reinterpret_cast<Decode>(module.resolve("liorna_decode_clip"));
    if (!decode) {
        error = module.errorString().toStdString();
        return false;
    }
    return decode(path.toLocal8Bit().constData(), &frames, &intervalMs, &error);
}

} // namespace liorna
