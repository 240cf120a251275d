// ClipDecoder on the generated clip and on files it must refuse.

#include "riff_reader.h"
#include "ui/clip/clip_decoder.h"

#include <gtest/gtest.h>

#include <QColor>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace liorna::test {
namespace {

// Mean absolute difference per channel, 0 for identical images.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q));
            sum += std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// Card faces are near white; the baize never is.
int cardWhitePixels(const QImage& image, int fromRow, int toRow)
{
    int count = 0;
    for (int y = fromRow; y < toRow; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += (qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200) ? 1 : 0;
        }
    }
    return count;
}

class GeneratedClip : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        decoder_ = new ClipDecoder;
        opened_ = decoder_->open(clipPath().string());
    }
    static void TearDownTestSuite()
    {
        delete decoder_;
        decoder_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(opened_) << decoder_->errorText(); }

    static ClipDecoder* decoder_;
    static bool opened_;
};

ClipDecoder* GeneratedClip::decoder_ = nullptr;
bool GeneratedClip::opened_ = false;

TEST_F(GeneratedClip, DecodesEveryFrameTheHeaderAnnounces)
{
    const Bytes b = readFile(clipPath());
    const RiffParse p = parseRiff(b);
    ASSERT_EQ(p.error, "");
    const Chunk* avih = p.root.find("hdrl")->find("avih");
    ASSERT_NE(avih, nullptr);
    EXPECT_TRUE(decoder_->isOpen());
    EXPECT_EQ(decoder_->errorText(), "");
    EXPECT_EQ(decoder_->frames().size(), le32(b, avih->data + 16));
}

TEST_F(GeneratedClip, FramesAre129By69ShownEvery83Milliseconds)
{
    EXPECT_EQ(decoder_->frameSize(), QSize(129, 69));
    for (const QImage& f : decoder_->frames()) {
        ASSERT_EQ(f.size(), QSize(129, 69));
    }
    EXPECT_EQ(decoder_->frameIntervalMs(), 83) << "12 frames per second";
}

TEST_F(GeneratedClip, AnimatesAndLoopsSmoothly)
{
    const auto& f = decoder_->frames();
    ASSERT_GE(f.size(), 4u);
    const double firstToMiddle = meanDifference(f.front(), f[f.size() / 2]);
    const double lastToFirst = meanDifference(f.back(), f.front());
    EXPECT_GT(firstToMiddle, 5.0) << "the fan must visibly open";
    // The wrap from the last frame to the first is no bigger a step than any other.
    for (std::size_t i = 1; i < f.size(); ++i) {
        EXPECT_LE(lastToFirst, meanDifference(f[i - 1], f[i]) + 0.5) << "step " << i;
    }
}

TEST_F(GeneratedClip, ShowsTheImageUprightAndInRgbOrder)
{
    for (const QImage& f : decoder_->frames()) {
        // Rows come bottom-up in the file: read the wrong way, the cards would stand at the top.
        ASSERT_EQ(cardWhitePixels(f, 0, 10), 0);
        ASSERT_GT(cardWhitePixels(f, 35, 69), 0);
        // The baize is green: a swap of red and blue would still leave green, so test both against it.
        const QRgb corner = f.pixel(2, 2);
        ASSERT_GT(qGreen(corner), qRed(corner) + 20);
        ASSERT_GT(qGreen(corner), qBlue(corner) + 10);
        ASSERT_GT(qBlue(corner), qRed(corner)) << "the baize is blue-green, so R and B are not swapped";
    }
}

class RefusedFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("liorna-clip-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    static void expectClosed(const ClipDecoder& d, const std::string& what)
    {
        EXPECT_FALSE(d.isOpen()) << what;
        EXPECT_TRUE(d.frames().empty()) << what;
        EXPECT_EQ(d.frameSize(), QSize()) << what;
        EXPECT_EQ(d.frameIntervalMs(), 0) << what;
        EXPECT_NE(d.errorText(), "") << what;
    }

    std::filesystem::path dir_;
};

TEST_F(RefusedFile, FailsCleanlyOnEveryKindOfBadInput)
{
    const Bytes clip = readFile(clipPath());
    const Bytes wave = readFile(cuePath(1));
    ASSERT_GT(clip.size(), 4096u);
    const std::string text = "<html><body>not a clip</body></html>\n";

    struct Case {
        const char* name;
        std::function<Bytes()> content; // empty: the file is not created
    };
    const Case cases[] = {
        {"missing", nullptr},
        {"empty", [] { return Bytes{}; }},
        {"text", [&] { return Bytes(text.begin(), text.end()); }},
        {"a wave file, RIFF but not AVI", [&] { return wave; }},
        {"the clip cut inside its header", [&] { return Bytes(clip.begin(), clip.begin() + 100); }},
        {"the clip cut inside its first frame", [&] { return Bytes(clip.begin(), clip.begin() + 4096); }},
    };
    for (const Case& c : cases) {
        const std::filesystem::path path = dir_ / (std::string("case-") + c.name);
        if (c.content) {
            writeFile(path, c.content());
        }
        ClipDecoder d;
        EXPECT_FALSE(d.open(path.string())) << c.name;
        expectClosed(d, c.name);
    }
}

TEST_F(RefusedFile, AFailedOpenDropsTheClipOpenedBefore)
{
    ClipDecoder d;
    ASSERT_TRUE(d.open(clipPath().string())) << d.errorText();
    EXPECT_FALSE(d.open((dir_ / "nothing-here.avi").string()));
    expectClosed(d, "after a failed reopen");
    // And the decoder recovers: the next good file opens as if it were the first.
    ASSERT_TRUE(d.open(clipPath().string())) << d.errorText();
    EXPECT_EQ(d.errorText(), "");
    EXPECT_EQ(d.frameSize(), QSize(129, 69));
}

} // namespace
} // namespace liorna::test
