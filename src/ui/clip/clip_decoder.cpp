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

    bool run(std::vector<QImage>& frames, int& intervalMs, std::string& error)
    {
        if (!openStream(intervalMs)) {
            error = error_;
            return false;
        }
        std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
        frame_.reset(av_frame_alloc());
        if (!packet || !frame_) {
            error = fail("out of memory");
            return false;
        }
        int rc = 0;
        while ((rc = av_read_frame(format_.get(), packet.get())) >= 0) {
            const bool ours = packet->stream_index == stream_;
            const bool ok = !ours || sendAndReceive(packet.get(), frames);
            av_packet_unref(packet.get());
            if (!ok) {
                error = error_;
                return false;
            }
        }
        if (rc != AVERROR_EOF) {
            error = fail("read error: " + avErrorText(rc));
            return false;
        }
        if (!sendAndReceive(nullptr, frames)) { // drains a decoder that holds frames back
            error = error_;
            return false;
        }
        if (frames.empty()) {
            error = fail("the clip holds no frames");
            return false;
        }
        return true;
    }

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

    bool sendAndReceive(const AVPacket* packet, std::vector<QImage>& frames)
    {
        int rc = avcodec_send_packet(codec_.get(), packet);
        if (rc < 0 && rc != AVERROR_EOF) {
            fail("damaged frame: " + avErrorText(rc));
            return false;
        }
        while ((rc = avcodec_receive_frame(codec_.get(), frame_.get())) >= 0) {
            const bool ok = convert(*frame_, frames);
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

    bool convert(const AVFrame& frame, std::vector<QImage>& frames)
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
        frames.push_back(std::move(image));
        return true;
    }

    std::string path_;
    std::string error_;
    std::unique_ptr<AVFormatContext, FormatCloser> format_;
    std::unique_ptr<AVCodecContext, CodecFreer> codec_;
    std::unique_ptr<AVFrame, FrameFreer> frame_;
    std::unique_ptr<SwsContext, ScalerFreer> scaler_;
    int stream_ = -1;
    std::int64_t decodedBytes_ = 0;
};

} // namespace

bool ClipDecoder::open(const std::string& path)
{
    frames_.clear();
    intervalMs_ = 0;
    error_.clear();

    std::vector<QImage> frames;
    int interval = 0;
    Decoding decoding(path);
    if (!decoding.run(frames, interval, error_)) {
        return false;
    }
    frames_ = std::move(frames);
    intervalMs_ = interval;
    return true;
}

QSize ClipDecoder::frameSize() const
{
    return frames_.empty() ? QSize() : frames_.front().size();
}

} // namespace liorna
