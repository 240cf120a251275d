#pragma once
// Decodes the about box's AVI clip completely into memory; the box then loops the frames on a timer.

#include <QImage>
#include <QSize>

#include <string>
#include <vector>

namespace liorna {

class ClipDecoder {
public:
    // Decodes every frame of the AVI file at path. On failure it returns false, holds no frames and
    // errorText() tells why; an earlier clip is dropped either way.
    bool open(const std::string& path);

    bool isOpen() const { return !frames_.empty(); }
    const std::vector<QImage>& frames() const { return frames_; }
    // Milliseconds each frame stays up, from the clip's own frame rate; 0 while nothing is open.
    int frameIntervalMs() const { return intervalMs_; }
    // An empty size while nothing is open.
    QSize frameSize() const;
    const std::string& errorText() const { return error_; }

private:
    std::vector<QImage> frames_;
    int intervalMs_ = 0;
    std::string error_;
};

} // namespace liorna
