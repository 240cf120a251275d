#include "riff_writer.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace liorna::media {

void RiffWriter::u8(std::uint8_t v)
{
    out_.push_back(v);
}

void RiffWriter::u16(std::uint16_t v)
{
    u8(static_cast<std::uint8_t>(v & 0xFF));
    u8(static_cast<std::uint8_t>(v >> 8));
}

void RiffWriter::u32(std::uint32_t v)
{
    u16(static_cast<std::uint16_t>(v & 0xFFFF));
    u16(static_cast<std::uint16_t>(v >> 16));
}

void RiffWriter::i16(std::int16_t v)
{
    u16(static_cast<std::uint16_t>(v));
}

void RiffWriter::fourcc(std::string_view id)
{
    if (id.size() != 4) {
        throw std::logic_error("a RIFF id has four characters");
    }
    for (char c : id) {
        u8(static_cast<std::uint8_t>(c));
    }
}

void RiffWriter::bytes(const std::uint8_t* data, std::size_t count)
{
    out_.insert(out_.end(), data, data + count);
}

std::size_t RiffWriter::beginChunk(std::string_view id)
{
    fourcc(id);
    const std::size_t sizePos = out_.size();
    u32(0);
    return sizePos;
}

std::size_t RiffWriter::beginList(std::string_view listId, std::string_view type)
{
    const std::size_t sizePos = beginChunk(listId);
    fourcc(type);
    return sizePos;
}

void RiffWriter::endChunk(std::size_t sizePos)
{
    const auto size = static_cast<std::uint32_t>(out_.size() - sizePos - 4);
    for (int i = 0; i < 4; ++i) {
        out_[sizePos + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((size >> (8 * i)) & 0xFF);
    }
    // RIFF keeps every chunk on an even offset; the pad byte is not counted in the size.
    if (size % 2 != 0) {
        u8(0);
    }
}

Bytes encodeWav(const std::vector<std::int16_t>& samples, int sampleRate)
{
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bitsPerSample = 16;
    constexpr std::uint16_t blockAlign = channels * bitsPerSample / 8;

    RiffWriter w;
    const auto riff = w.beginList("RIFF", "WAVE");
    const auto fmt = w.beginChunk("fmt ");
    w.u16(1); // PCM
    w.u16(channels);
    w.u32(static_cast<std::uint32_t>(sampleRate));
    w.u32(static_cast<std::uint32_t>(sampleRate) * blockAlign);
    w.u16(blockAlign);
    w.u16(bitsPerSample);
    w.endChunk(fmt);
    const auto data = w.beginChunk("data");
    for (std::int16_t s : samples) {
        w.i16(s);
    }
    w.endChunk(data);
    w.endChunk(riff);
    return w.data();
}

Bytes encodeAvi(const std::vector<RgbImage>& frames, int framesPerSecond)
{
    if (frames.empty() || framesPerSecond <= 0) {
        throw std::invalid_argument("a clip needs frames and a positive rate");
    }
    const int width = frames.front().width;
    const int height = frames.front().height;
    for (const RgbImage& f : frames) {
        if (f.width != width || f.height != height ||
            f.rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
            throw std::invalid_argument("all frames of a clip have one size");
        }
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const auto frameBytes = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height));
    const auto frameCount = static_cast<std::uint32_t>(frames.size());
    const auto rate = static_cast<std::uint32_t>(framesPerSecond);
    const auto w32 = static_cast<std::uint32_t>(width);
    const auto h32 = static_cast<std::uint32_t>(height);

    RiffWriter w;
    const auto riff = w.beginList("RIFF", "AVI ");

    const auto hdrl = w.beginList("LIST", "hdrl");
    const auto avih = w.beginChunk("avih");
    w.u32(1000000 / rate);    // microseconds per frame
    w.u32(frameBytes * rate); // max bytes per second
    w.u32(0);                 // padding granularity
    w.u32(0x10);              // AVIF_HASINDEX
    w.u32(frameCount);
    w.u32(0); // initial frames
    w.u32(1); // streams
    w.u32(frameBytes);
    w.u32(w32);
    w.u32(h32);
    for (int i = 0; i < 4; ++i) {
        w.u32(0);
    }
    w.endChunk(avih);

    const auto strl = w.beginList("LIST", "strl");
    const auto strh = w.beginChunk("strh");
    w.fourcc("vids");
    w.fourcc("DIB ");
    w.u32(0); // flags
    w.u16(0); // priority
    w.u16(0); // language
    w.u32(0); // initial frames
    w.u32(1); // scale: rate / scale is the frame rate
    w.u32(rate);
    w.u32(0); // start
    w.u32(frameCount);
    w.u32(frameBytes);
    w.u32(0xFFFFFFFFu); // quality: default
    w.u32(0);           // sample size: varies per chunk, as for video
    w.u16(0);
    w.u16(0);
    w.u16(static_cast<std::uint16_t>(width));
    w.u16(static_cast<std::uint16_t>(height));
    w.endChunk(strh);

    const auto strf = w.beginChunk("strf"); // BITMAPINFOHEADER
    w.u32(40);
    w.u32(w32);
    w.u32(h32); // positive height: rows stored bottom-up
    w.u16(1);   // planes
    w.u16(24);  // bits per pixel
    w.u32(0);   // BI_RGB
    w.u32(frameBytes);
    w.u32(0);
    w.u32(0);
    w.u32(0);
    w.u32(0);
    w.endChunk(strf);
    w.endChunk(strl);
    w.endChunk(hdrl);

    const auto movi = w.beginList("LIST", "movi");
    const std::size_t moviType = movi + 4; // index offsets count from the 'movi' type id
    std::vector<std::uint32_t> offsets;
    Bytes row(stride, 0);
    const std::size_t srcStride = static_cast<std::size_t>(width) * 3;
    for (const RgbImage& f : frames) {
        offsets.push_back(static_cast<std::uint32_t>(w.size() - moviType));
        const auto chunk = w.beginChunk("00db");
        for (int y = height - 1; y >= 0; --y) {
            const std::uint8_t* src = f.rgb.data() + static_cast<std::size_t>(y) * srcStride;
            for (int x = 0; x < width; ++x) {
                const auto sx = static_cast<std::size_t>(x) * 3;
                row[sx] = src[sx + 2]; // DIB pixels are B, G, R
                row[sx + 1] = src[sx + 1];
                row[sx + 2] = src[sx];
            }
            w.bytes(row.data(), row.size());
        }
        w.endChunk(chunk);
    }
    w.endChunk(movi);

    const auto idx1 = w.beginChunk("idx1");
    for (std::uint32_t offset : offsets) {
        w.fourcc("00db");
        w.u32(0x10); // AVIIF_KEYFRAME: every raw frame stands alone
        w.u32(offset);
        w.u32(frameBytes);
    }
    w.endChunk(idx1);
    w.endChunk(riff);
    return w.data();
}

bool writeFileAtomically(const std::filesystem::path& path, const Bytes& data, std::string& error)
{
    std::filesystem::path temp = path;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot create " + temp.string();
            return false;
        }
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        out.close();
        if (!out) {
            error = "cannot write " + temp.string();
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        error = "cannot rename " + temp.string() + ": " + ec.message();
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace liorna::media
