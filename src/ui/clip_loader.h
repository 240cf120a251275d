#pragma once
// Reads the about box's clip through the clip module, loaded on first use or ahead of it.

#include <QImage>
#include <QString>
#include <string>

namespace liorna {

// Loads the clip module on a worker thread, once, so the about box finds it ready.
void preloadClipModule();

// The clip frame by frame. Any one stream is used by one thread at a time.
class ClipStream {
public:
    ClipStream() = default;
    ~ClipStream();
    ClipStream(const ClipStream&) = delete;
    ClipStream& operator=(const ClipStream&) = delete;

    // False with a reason when the module or the clip cannot be opened.
    bool open(const QString& path, std::string& error);
    int frameIntervalMs() const { return intervalMs_; }
    // 1 and the next frame, 0 after the last, -1 with a reason.
    int next(QImage& frame, std::string& error);

private:
    void* reader_ = nullptr;
    int intervalMs_ = 0;
};

} // namespace liorna
