#pragma once
// Byte-exact writers for the two containers the game reads: RIFF WAVE cues and the RIFF AVI clip.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace liorna::media {

using Bytes = std::vector<std::uint8_t>;

// A little-endian byte buffer with nested RIFF chunks; a chunk's size is patched in when it closes.
class RiffWriter {
public:
    void u8(std::uint8_t v);
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i16(std::int16_t v);
    void fourcc(std::string_view id);
    void bytes(const std::uint8_t* data, std::size_t count);

    // Both return the position of the size field, to be handed to endChunk.
    std::size_t beginChunk(std::string_view id);
    std::size_t beginList(std::string_view listId, std::string_view type);
    void endChunk(std::size_t sizePos);

    std::size_t size() const { return out_.size(); }
    const Bytes& data() const { return out_; }

private:
    Bytes out_;
};

// 16-bit PCM, one channel.
Bytes encodeWav(const std::vector<std::int16_t>& samples, int sampleRate);

// An image with top-down rows of 8-bit R, G, B.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Uncompressed 24-bit BI_RGB frames, bottom-up, rows padded to 4 bytes, with an idx1 index.
Bytes encodeAvi(const std::vector<RgbImage>& frames, int framesPerSecond);

// Writes beside the target and renames, so a build stopped half-way never leaves a torn file.
bool writeFileAtomically(const std::filesystem::path& path, const Bytes& data, std::string& error);

} // namespace liorna::media
