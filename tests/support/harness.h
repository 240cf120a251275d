#pragma once
// A whole program on a virtual clock with recording fakes, in a temporary program folder.

#include <filesystem>
#include <memory>

#include "fakes.h"
#include "game/game_engine.h"
#include "virtual_timers.h"

namespace liorna {

// Writes a fresh program folder: settings, cues, help page, clip and the pictures folder.
void writeProgramFolder(const std::filesystem::path& dir);

class Harness {
public:
    Harness();
    ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // Creates the engine as the program does at start-up; false when it ended the program.
    bool start();
    // Start-up, the start screen's first tick, and "Не играть": an empty table ready for set-up.
    void startToEmptyTable();

    GameEngine& engine() { return *engine_; }
    bool started() const { return engine_ != nullptr; }
    void advance(std::int64_t ms) { timers.advance(ms); }
    // Advances until no pacing step, chain or screen countdown (the bonus reveal's too) is pending; false
    // if that takes longer
    // than `limitMs`.
    bool idle(std::int64_t limitMs = 600000);

    std::filesystem::path dir;
    VirtualTimers timers;
    SeededRandom random{1};
    RecordingCues cues{std::filesystem::path()};
    RecordingMessages messages;
    RecordingScreens screens;
    RecordingShell shell;
    RecordingPictureWriter pictures{std::filesystem::path()};
    bool exited = false;
    // Told after every event, as the table window is.
    std::function<void()> tableChanged;

private:
    std::unique_ptr<GameEngine> engine_;
};

} // namespace liorna
