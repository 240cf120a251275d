// The generated cue and clip files, read byte by byte as the game and FFmpeg will read them.

#include "riff_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace liorna::test {
namespace {

struct Wav {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bits = 0;
    std::uint32_t dataBytes = 0;
    std::vector<std::int16_t> samples;
};

// Fails the calling test and returns an empty Wav when the file is no PCM wave.
Wav readWav(const std::filesystem::path& path)
{
    Wav w;
    const Bytes b = readFile(path);
    const RiffParse p = parseRiff(b);
    EXPECT_EQ(p.error, "") << path;
    EXPECT_EQ(p.root.listType, "WAVE") << path;
    const Chunk* fmt = p.root.find("fmt ");
    const Chunk* data = p.root.find("data");
    if (!p.error.empty() || fmt == nullptr || data == nullptr || fmt->size < 16) {
        ADD_FAILURE() << path << ": no fmt chunk of 16 bytes or no data chunk";
        return {};
    }
    w.format = le16(b, fmt->data);
    w.channels = le16(b, fmt->data + 2);
    w.sampleRate = le32(b, fmt->data + 4);
    w.byteRate = le32(b, fmt->data + 8);
    w.blockAlign = le16(b, fmt->data + 12);
    w.bits = le16(b, fmt->data + 14);
    w.dataBytes = data->size;
    for (std::size_t i = 0; i + 1 < data->size; i += 2) {
        w.samples.push_back(static_cast<std::int16_t>(le16(b, data->data + i)));
    }
    return w;
}

class CueFile : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(cuePath(GetParam()))) << cuePath(GetParam());
        wav_ = readWav(cuePath(GetParam()));
        ASSERT_FALSE(wav_.samples.empty());
    }
    Wav wav_;
};

TEST_P(CueFile, IsMonoSixteenBitPcmAt44100Hz)
{
    EXPECT_EQ(wav_.format, 1);
    EXPECT_EQ(wav_.channels, 1);
    EXPECT_EQ(wav_.bits, 16);
    EXPECT_EQ(wav_.sampleRate, 44100u);
    EXPECT_EQ(wav_.blockAlign, 2);
    EXPECT_EQ(wav_.byteRate, 88200u);
    EXPECT_EQ(wav_.dataBytes % 2, 0u);
}

TEST_P(CueFile, LastsBetweenFiftyMillisecondsAndOneSecond)
{
    const double seconds = static_cast<double>(wav_.dataBytes) / wav_.byteRate;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 1.0);
}

TEST_P(CueFile, PeaksNearMinusThreeDecibelsWithoutClipping)
{
    int peak = 0;
    std::size_t atRail = 0;
    for (std::int16_t s : wav_.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
        atRail += (s >= 32767 || s <= -32767) ? 1 : 0;
    }
    EXPECT_EQ(atRail, 0u) << "samples at full scale mean the synthesis clipped";
    const double dbfs = 20.0 * std::log10(peak / 32767.0);
    EXPECT_NEAR(dbfs, -3.0, 0.5);
}

TEST_P(CueFile, StartsAndEndsInSilenceAroundZero)
{
    // A cue cut off mid-wave clicks when it starts or stops; an offset thumps.
    EXPECT_LE(std::abs(wav_.samples.front()), 64);
    EXPECT_LE(std::abs(wav_.samples.back()), 64);
    double sum = 0;
    for (std::int16_t s : wav_.samples) {
        sum += s;
    }
    EXPECT_LT(std::abs(sum / static_cast<double>(wav_.samples.size())), 0.01 * 32767);
}

std::string cueName(const ::testing::TestParamInfo<int>& info)
{
    return "A" + std::to_string(info.param);
}

INSTANTIATE_TEST_SUITE_P(A1toA10, CueFile, ::testing::Range(1, 11), cueName);

TEST(CueFiles, AreTenDifferentSounds)
{
    std::vector<std::vector<std::int16_t>> cues;
    for (int n = 1; n <= 10; ++n) {
        cues.push_back(readWav(cuePath(n)).samples);
    }
    for (std::size_t i = 0; i < cues.size(); ++i) {
        for (std::size_t j = i + 1; j < cues.size(); ++j) {
            EXPECT_NE(cues[i], cues[j]) << "A" << i + 1 << " and A" << j + 1 << " are the same sound";
        }
    }
}

// The clip's fixed layout, as the about box and FFmpeg expect it.
constexpr std::uint32_t kWidth = 129;
constexpr std::uint32_t kHeight = 69;
constexpr std::uint32_t kPaddedRow = (kWidth * 3 + 3) / 4 * 4;

class ClipFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        bytes_ = readFile(clipPath());
        parse_ = parseRiff(bytes_);
        ASSERT_EQ(parse_.error, "");
        ASSERT_EQ(parse_.root.listType, "AVI ");
        hdrl_ = parse_.root.find("hdrl");
        movi_ = parse_.root.find("movi");
        ASSERT_NE(hdrl_, nullptr);
        ASSERT_NE(movi_, nullptr);
        avih_ = hdrl_->find("avih");
        const Chunk* strl = hdrl_->find("strl");
        ASSERT_NE(avih_, nullptr);
        ASSERT_NE(strl, nullptr);
        strh_ = strl->find("strh");
        strf_ = strl->find("strf");
        ASSERT_NE(strh_, nullptr);
        ASSERT_NE(strf_, nullptr);
        ASSERT_GE(avih_->size, 56u);
        ASSERT_GE(strh_->size, 56u);
        ASSERT_GE(strf_->size, 40u);
    }

    std::uint32_t avih(std::size_t field) const { return le32(bytes_, avih_->data + 4 * field); }

    Bytes bytes_;
    RiffParse parse_;
    const Chunk* hdrl_ = nullptr;
    const Chunk* movi_ = nullptr;
    const Chunk* avih_ = nullptr;
    const Chunk* strh_ = nullptr;
    const Chunk* strf_ = nullptr;
};

TEST_F(ClipFile, MainHeaderDescribesOneIndexed129By69StreamAt12Fps)
{
    EXPECT_EQ(avih(0), 1000000u / 12) << "microseconds per frame";
    EXPECT_NE(avih(3) & 0x10u, 0u) << "AVIF_HASINDEX";
    EXPECT_EQ(avih(6), 1u) << "streams";
    EXPECT_EQ(avih(8), kWidth);
    EXPECT_EQ(avih(9), kHeight);
    EXPECT_EQ(parse_.root.children.front().listType, "hdrl") << "the header list comes first";
}

TEST_F(ClipFile, StreamIsUncompressedBottomUp24BitVideo)
{
    EXPECT_EQ(fourcc(bytes_, strh_->data), "vids");
    const std::uint32_t scale = le32(bytes_, strh_->data + 20);
    const std::uint32_t rate = le32(bytes_, strh_->data + 24);
    ASSERT_NE(scale, 0u);
    EXPECT_EQ(rate / scale, 12u);
    EXPECT_EQ(rate % scale, 0u);

    const std::size_t f = strf_->data;
    EXPECT_EQ(le32(bytes_, f), 40u) << "BITMAPINFOHEADER size";
    EXPECT_EQ(le32(bytes_, f + 4), kWidth);
    EXPECT_EQ(le32(bytes_, f + 8), kHeight) << "a positive height marks bottom-up rows";
    EXPECT_EQ(le16(bytes_, f + 12), 1) << "planes";
    EXPECT_EQ(le16(bytes_, f + 14), 24) << "bits per pixel";
    EXPECT_EQ(le32(bytes_, f + 16), 0u) << "BI_RGB";
    EXPECT_EQ(le32(bytes_, f + 20), kPaddedRow * kHeight) << "image size with rows padded to 4 bytes";
}

TEST_F(ClipFile, FrameCountsAgreeWithTheFrameChunks)
{
    std::uint32_t frames = 0;
    for (const Chunk& c : movi_->children) {
        ASSERT_EQ(c.id, "00db") << "movi holds only video frames";
        EXPECT_EQ(c.size, kPaddedRow * kHeight);
        ++frames;
    }
    EXPECT_GE(frames, 24u) << "a few seconds of animation";
    EXPECT_LE(frames, 96u);
    EXPECT_EQ(avih(4), frames) << "avih total frames";
    EXPECT_EQ(le32(bytes_, strh_->data + 32), frames) << "strh length";
}

TEST_F(ClipFile, IndexPointsAtEveryFrameChunkInOrder)
{
    const Chunk* idx1 = parse_.root.find("idx1");
    ASSERT_NE(idx1, nullptr);
    ASSERT_EQ(idx1->size % 16, 0u);
    const std::size_t entries = idx1->size / 16;
    ASSERT_EQ(entries, movi_->children.size());
    // Offsets count from the 'movi' type id, as the AVI format defines them.
    const std::size_t base = movi_->data - 4;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t e = idx1->data + 16 * i;
        EXPECT_EQ(fourcc(bytes_, e), "00db");
        EXPECT_NE(le32(bytes_, e + 4) & 0x10u, 0u) << "every raw frame is a key frame";
        EXPECT_EQ(base + le32(bytes_, e + 8), movi_->children[i].offset) << "entry " << i;
        EXPECT_EQ(le32(bytes_, e + 12), movi_->children[i].size) << "entry " << i;
    }
}

class Generator : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("liorna-media-gen-test-" + std::to_string(getpid()));
        std::filesystem::remove_all(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    static int run(const std::string& args)
    {
        const std::string command = "\"" + generatorPath().string() + "\" " + args + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::filesystem::path dir_;
};

TEST_F(Generator, RerunWritesByteIdenticalFiles)
{
    ASSERT_EQ(run("\"" + dir_.string() + "\""), 0);
    for (int n = 1; n <= 10; ++n) {
        const std::string name = "A" + std::to_string(n) + ".wav";
        EXPECT_EQ(readFile(dir_ / "Melodies" / name), readFile(cuePath(n))) << name;
    }
    EXPECT_EQ(readFile(dir_ / "Orvel.avi"), readFile(clipPath()));
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_)) {
        EXPECT_NE(entry.path().extension(), ".part") << "a temporary file was left behind";
    }
}

TEST_F(Generator, RefusesAMissingOutputFolderArgument)
{
    EXPECT_NE(run(""), 0);
}

} // namespace
} // namespace liorna::test
