#include "ui/clip_loader.h"

#include <QLibrary>

#include "ui/module_file.h"

namespace liorna {

bool loadClip(const QString& path, std::vector<QImage>& frames, int& intervalMs, std::string& error)
{
    using Decode = bool (*)(const char*, std::vector<QImage>*, int*, std::string*);
    static QLibrary module(moduleFile(QStringLiteral("liorna-clip.so")));
    const auto decode = reinterpret_cast<Decode>(module.resolve("liorna_decode_clip"));
    if (!decode) {
        error = module.errorString().toStdString();
        return false;
    }
    return decode(path.toLocal8Bit().constData(), &frames, &intervalMs, &error);
}

} // namespace liorna
