#include "harness.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace liorna {

namespace {

void writeFile(const std::filesystem::path& path, const std::string& data)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << data;
}

// The smallest valid 16-bit PCM wave: enough for a player that only opens it.
std::string tinyWave()
{
    auto u32 = [](std::uint32_t v) {
        return std::string{char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char(v >> 24)};
    };
    auto u16 = [](std::uint16_t v) { return std::string{char(v & 0xff), char(v >> 8)}; };
    const std::string data(200, '\0');
    return "RIFF" + u32(36 + static_cast<std::uint32_t>(data.size())) + "WAVEfmt " + u32(16) + u16(1) +
           u16(1) + u32(44100) + u32(88200) + u16(2) + u16(16) + "data" +
           u32(static_cast<std::uint32_t>(data.size())) + data;
}

// Where the program folders go. The game syncs its settings file to disk at every save, once or twice a
// match, and on a disk-backed folder a long autoplay spends most of its time waiting for those syncs;
// a memory-backed folder keeps every save and takes none of that wait. TMPDIR, when set, is honoured.
std::filesystem::path scratchRoot()
{
    if (std::getenv("TMPDIR") == nullptr) {
        const std::filesystem::path memory = "/dev/shm";
        std::error_code ignored;
        if (std::filesystem::is_directory(memory, ignored) && ::access(memory.c_str(), W_OK | X_OK) == 0)
            return memory;
    }
    return std::filesystem::temp_directory_path();
}

} // namespace

void writeProgramFolder(const std::filesystem::path& dir)
{
    std::string settings;
    for (const auto& line : freshSettingsLines())
        settings += line + "\r\n";
    writeFile(dir / SETTINGS_PATH, settings);
    for (int cue = 1; cue <= CUE_COUNT; ++cue)
        writeFile(dir / cueFile(static_cast<Cue>(cue)), tinyWave());
    writeFile(dir / "Help/index.htm", "<!doctype html><title>help</title>");
    writeFile(dir / "Orvel.avi", "RIFF");
    std::filesystem::create_directories(dir / "pictures");
}

Harness::Harness()
{
    static std::atomic<int> counter{0};
    dir = scratchRoot() / ("liorna-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(dir);
    writeProgramFolder(dir);
    cues = RecordingCues(dir);
    pictures = RecordingPictureWriter(dir);
}

Harness::~Harness()
{
    engine_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

bool Harness::start()
{
    engine_ = std::make_unique<GameEngine>(
        EnginePorts{timers, random, cues, messages, screens, shell, pictures, dir, [this] {
                        if (tableChanged)
                            tableChanged();
                    }});
    try {
        engine_->create();
    } catch (const UserError& error) {
        messages.showError(error.what());
        exited = true;
        return false;
    }
    return true;
}

void Harness::startToEmptyTable()
{
    start();
    advance(1);
    screens.start->press(StartScreenModel::NO_PLAY);
}

bool Harness::idle(std::int64_t limitMs)
{
    const std::int64_t limit = timers.now() + limitMs;
    while (engine_->anythingPending()) {
        const std::int64_t due = timers.nextDue();
        if (due < 0 || due > limit)
            return false;
        timers.fireNext(limit);
    }
    return true;
}

} // namespace liorna
