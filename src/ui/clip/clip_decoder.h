#pragma once
// Decodes the about box's AVI clip: frame by frame, or completely into memory.

#include <QImage>
#include <QSize>

#include <memory>
#include <string>
#include <vector>

namespace liorna {

// Decodes an AVI clip frame by frame, so the first frame can show while the rest are still decoded.
class ClipReader {
public:
    ClipReader();
    ~ClipReader();
    ClipReader(const ClipReader&) = delete;
    ClipReader& operator=(const ClipReader&) = delete;

    // Opens the clip at path; false with errorText() when it cannot be played.
    bool open(const std::string& path);
    // Milliseconds each frame stays up; 0 while nothing is open.
    int frameIntervalMs() const { return intervalMs_; }
    // The next frame: 1, or 0 after the last, or -1 when the clip turns out damaged (errorText()).
    int next(QImage& frame);
    const std::string& errorText() const { return error_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int intervalMs_ = 0;
    std::string error_;
};

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
