#include "ui/module_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "persist/program_folder.h"

namespace liorna {

QString moduleFile(const QString& name)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    return programDir.filePath(QString::fromLatin1(MODULE_DIR_FROM_EXECUTABLE) + QLatin1Char('/') + name);
}

} // namespace liorna
