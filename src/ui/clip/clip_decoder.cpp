#include "clip_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

namespace liorna {

namespace {

// Everything is held in memory, so a clip far beyond the about box's size is refused, not swallowed.
constexpr std::int64_t kMaxDecodedBytes = 256LL * 1024 * 1024;

struct FormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFreer {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScalerFreer {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};

std::string avErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

class Decoding {
public:
    explicit Decoding(const std::string& path) : path_(path) {}

    // Opens the clip and its decoder; false with errorText() set.
    bool open(int& intervalMs)
    {
        if (!openStream(intervalMs))
            return false;
        packet_.reset(av_packet_alloc());
        frame_.reset(av_frame_alloc());
        if (!packet_ || !frame_) {
            fail("out of memory");
            return false;
        }
        return true;
    }

    // The next frame in `image`: 1, or 0 after the last one, or -1 on an error (errorText() says which).
    int next(QImage& image)
    {
        while (ready_.empty() && !ended_) {
            const int rc = av_read_frame(format_.get(), packet_.get());
            if (rc < 0) {
                if (rc != AVERROR_EOF) {
                    fail("read error: " + avErrorText(rc));
                    return -1;
                }
                ended_ = true;
                if (!sendAndReceive(nullptr)) // drains a decoder that holds frames back
                    return -1;
                break;
            }
            const bool ours = packet_->stream_index == stream_;
            const bool ok = !ours || sendAndReceive(packet_.get());
            av_packet_unref(packet_.get());
            if (!ok)
                return -1;
        }
        if (ready_.empty())
            return 0;
        image = std::move(ready_.front());
        ready_.erase(ready_.begin());
        return 1;
    }

    const std::string& errorText() const { return error_; }

private:
    std::string fail(const std::string& why)
    {
        error_ = "Cannot open AVI " + path_ + ": " + why;
        return error_;
    }

    bool openStream(int& intervalMs)
    {
        // The about box plays AVI clips only; naming the demuxer keeps other files from being probed
        // into something that happens to decode.
        const AVInputFormat* avi = av_find_input_format("avi");
        if (avi == nullptr) {
            fail("this FFmpeg has no AVI demuxer");
            return false;
        }
        AVFormatContext* raw = nullptr;
        int rc = avformat_open_input(&raw, path_.c_str(), avi, nullptr);
        if (rc < 0) {
            fail(avErrorText(rc));
            return false;
        }
        format_.reset(raw);
        rc = avformat_find_stream_info(format_.get(), nullptr);
        if (rc < 0) {
            fail(avErrorText(rc));
            return false;
        }
        const AVCodec* codec = nullptr;
        stream_ = av_find_best_stream(format_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
        if (stream_ < 0 || codec == nullptr) {
            fail("no video stream that can be decoded");
            return false;
        }
        AVStream* st = format_->streams[stream_];
        const AVRational rate = av_guess_frame_rate(format_.get(), st, nullptr);
        if (rate.num <= 0 || rate.den <= 0) {
            fail("the clip states no frame rate");
            return false;
        }
        intervalMs = std::max(1, static_cast<int>(std::lround(1000.0 * rate.den / rate.num)));

        codec_.reset(avcodec_alloc_context3(codec));
        if (!codec_) {
            fail("out of memory");
            return false;
        }
        rc = avcodec_parameters_to_context(codec_.get(), st->codecpar);
        if (rc >= 0) {
            rc = avcodec_open2(codec_.get(), codec, nullptr);
        }
        if (rc < 0) {
            fail(avErrorText(rc));
            return false;
        }
        return true;
    }

    bool sendAndReceive(const AVPacket* packet)
    {
        int rc = avcodec_send_packet(codec_.get(), packet);
        if (rc < 0 && rc != AVERROR_EOF) {
            fail("damaged frame: " + avErrorText(rc));
            return false;
        }
        while ((rc = avcodec_receive_frame(codec_.get(), frame_.get())) >= 0) {
            const bool ok = convert(*frame_);
            av_frame_unref(frame_.get());
            if (!ok) {
                return false;
            }
        }
        if (rc != AVERROR(EAGAIN) && rc != AVERROR_EOF) {
            fail("damaged frame: " + avErrorText(rc));
            return false;
        }
        return true;
    }

    bool convert(const AVFrame& frame)
    {
        const int w = frame.width;
        const int h = frame.height;
        if (w <= 0 || h <= 0) {
            fail("a frame without a size");
            return false;
        }
        decodedBytes_ += static_cast<std::int64_t>(w) * h * 3;
        if (decodedBytes_ > kMaxDecodedBytes) {
            fail("the clip is too large to hold in memory");
            return false;
        }
        // A cached context is reused while frames keep their size and format, as they do in a clip.
        const auto format = static_cast<AVPixelFormat>(frame.format);
        scaler_.reset(sws_getCachedContext(scaler_.release(), w, h, format, w, h, AV_PIX_FMT_RGB24, SWS_POINT,
                                           nullptr, nullptr, nullptr));
        if (!scaler_) {
            fail("unsupported pixel format");
            return false;
        }
        QImage image(w, h, QImage::Format_RGB888);
        if (image.isNull()) {
            fail("out of memory");
            return false;
        }
        std::uint8_t* dst[4] = {image.bits(), nullptr, nullptr, nullptr};
        const int dstStride[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
        // Negative source strides (bottom-up DIB frames) are handled by swscale itself.
        sws_scale(scaler_.get(), frame.data, frame.linesize, 0, h, dst, dstStride);
        ready_.push_back(std::move(image));
        return true;
    }

    std::string path_;
    std::string error_;
    std::unique_ptr<AVFormatContext, FormatCloser> format_;
    std::unique_ptr<AVCodecContext, CodecFreer> codec_;
    std::unique_ptr<AVFrame, FrameFreer> frame_;
    std::unique_ptr<AVPacket, PacketFreer> packet_;
    std::unique_ptr<SwsContext, ScalerFreer> scaler_;
    int stream_ = -1;
    std::int64_t decodedBytes_ = 0;
    // Frames decoded from the last packet and not yet handed out.
    std::vector<QImage> ready_;
    bool ended_ = false;
};

} // namespace

struct ClipReader::Impl : Decoding {
    using Decoding::Decoding;
};

ClipReader::ClipReader() = default;
ClipReader::~ClipReader() = default;

bool ClipReader::open(const std::string& path)
{
    intervalMs_ = 0;
    error_.clear();
    impl_ = std::make_unique<Impl>(path);
    if (!impl_->open(intervalMs_)) {
        error_ = impl_->errorText();
        impl_.reset();
        intervalMs_ = 0;
        return false;
    }
    return true;
}

int ClipReader::next(QImage& frame)
{
    if (!impl_)
        return error_.empty() ? 0 : -1;
    const int got = impl_->next(frame);
    if (got < 0) {
        error_ = impl_->errorText();
        impl_.reset();
    } else if (got == 0) {
        impl_.reset();
    }
    return got;
}

bool ClipDecoder::open(const std::string& path)
{
    frames_.clear();
    intervalMs_ = 0;
    error_.clear();

    ClipReader reader;
    if (!reader.open(path)) {
        error_ = reader.errorText();
        return false;
    }
    std::vector<QImage> frames;
    QImage frame;
    int got = 0;
    while ((got = reader.next(frame)) == 1)
        frames.push_back(std::move(frame));
    if (got < 0) {
        error_ = reader.errorText();
        return false;
    }
    if (frames.empty()) {
        error_ = "Cannot open AVI " + path + ": the clip holds no frames";
        return false;
    }
    frames_ = std::move(frames);
    intervalMs_ = reader.frameIntervalMs();
    return true;
}

QSize ClipDecoder::frameSize() const
{
    return frames_.empty() ? QSize() : frames_.front().size();
}

} // namespace liorna
