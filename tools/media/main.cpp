// liorna-media-gen OUTDIR: synthesises the game's sound cues and its about-box clip into the program folder.
// Every byte follows from fixed recipes and seeds, so a re-run writes identical files.

#include "clip_art.h"
#include "cues.h"
#include "riff_writer.h"
#include "synth.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;
using namespace liorna::media;

namespace {

bool write(const fs::path& path, const Bytes& data)
{
    std::string error;
    if (!writeFileAtomically(path, data, error)) {
        std::cerr << "liorna-media-gen: " << error << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: liorna-media-gen OUTDIR\n";
        return 2;
    }
    const fs::path out = argv[1];
    const fs::path melodies = out / "Melodies";
    std::error_code ec;
    fs::create_directories(melodies, ec);
    if (ec) {
        std::cerr << "liorna-media-gen: cannot create " << melodies.string() << ": " << ec.message() << '\n';
        return 1;
    }

    try {
        for (int n = 1; n <= kCueCount; ++n) {
            const fs::path file = melodies / ("A" + std::to_string(n) + ".wav");
            if (!write(file, encodeWav(renderCue(n), kSampleRate))) {
                return 1;
            }
        }
        if (!write(out / "Orvel.avi", encodeAvi(drawFanClip(kClipFrames), kClipFramesPerSecond))) {
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "liorna-media-gen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
