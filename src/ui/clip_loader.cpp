#include "ui/clip_loader.h"

#include <QLibrary>
#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>

#include "ui/module_file.h"

namespace liorna {

namespace {

using Open = void* (*)(const char*, int*, std::string*);
using Next = int (*)(void*, QImage*, std::string*);
using Close = void (*)(void*);

// The module's entry points, resolved once; null ones when it cannot be loaded. A worker thread may
// be loading it when the about box asks: the box then waits for what is left of that.
struct Module {
    Open open = nullptr;
    Next next = nullptr;
    Close close = nullptr;
    std::string error;
};

const Module& module()
{
    static QMutex mutex;
    static Module loaded;
    static bool tried = false;
    QMutexLocker lock(&mutex);
    if (!tried) {
        tried = true;
        QLibrary library(moduleFile(QStringLiteral("liorna-clip.so")));
        loaded.open = reinterpret_cast<Open>(library.resolve("liorna_clip_open"));
        loaded.next = reinterpret_cast<Next>(library.resolve("liorna_clip_next"));
        loaded.close = reinterpret_cast<Close>(library.resolve("liorna_clip_close"));
        if (!loaded.open || !loaded.next || !loaded.close) {
            loaded = {};
            loaded.error = library.errorString().toStdString();
        }
        // The library stays loaded: QLibrary unloads only when asked.
    }
    return loaded;
}

} // namespace

void preloadClipModule()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    QThreadPool::globalInstance()->start([] { (void)module(); });
}

ClipStream::~ClipStream()
{
    if (reader_)
        module().close(reader_);
}

bool ClipStream::open(const QString& path, std::string& error)
{
    const Module& m = module();
    if (!m.open) {
        error = m.error;
        return false;
    }
    reader_ = m.open(path.toLocal8Bit().constData(), &intervalMs_, &error);
    return reader_ != nullptr;
}

int ClipStream::next(QImage& frame, std::string& error)
{
    if (!reader_)
        return 0;
    return module().next(reader_, &frame, &error);
}

} // namespace liorna
