#pragma once
// Recording fakes of the ports: nothing is played, opened or shown.

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <fstream>

#include "engine/start_screen_model.h"
#include "persist/settings_file.h"
#include "platform/cue_file.h"
#include "platform/picture_writer.h"
#include "platform/ports.h"
#include "platform/screens.h"

namespace liorna {

class RecordingCues : public CuePlayer {
public:
    explicit RecordingCues(std::filesystem::path programDir) : programDir_(std::move(programDir)) {}
    void play(const std::string& file) override
    {
        played.push_back(file);
        // The real player's checks: a file that is missing, no PCM wave or too large is refused.
        if (const std::string problem = checkCueFile(programDir_ / file, file); !problem.empty())
            throw UserError(problem);
    }
    std::vector<std::string> played;

private:
    std::filesystem::path programDir_;
};

class RecordingMessages : public MessageSink {
public:
    void showError(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class RecordingShell : public Shell {
public:
    void open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

// Writes a small stand-in file where the picture would go, so a story can see the file; like the
// real writer it honours a read-only or missing folder.
class RecordingPictureWriter : public PictureWriter {
public:
    explicit RecordingPictureWriter(std::filesystem::path programDir) : programDir_(std::move(programDir)) {}
    void write(const Picture& picture, int scale, const std::string& relativePath) override
    {
        const auto target = programDir_ / relativePath;
        const UserError failure("Cannot create file " + relativePath);
        if (!canReplace(target))
            throw failure;
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out << describe(picture) << " x" << scale << "\n";
        if (!out)
            throw failure;
        written.push_back({picture, scale, relativePath});
    }
    struct Write {
        Picture picture;
        int scale;
        std::string path;
    };
    std::vector<Write> written;

private:
    std::filesystem::path programDir_;
};

class RecordingScreens : public Screens {
public:
    void openStart(StartScreenModel& model) override
    {
        start = &model;
        push(ScreenId::Start);
    }
    void openMatchStatus() override { push(ScreenId::MatchStatus); }
    void openBonus(bool reveal) override
    {
        push(ScreenId::Bonus);
        bonusReveals += reveal ? 1 : 0;
        if (onBonus)
            onBonus(reveal);
    }
    // Lets the driver run the bonus screen's reveal from the moment it opens.
    std::function<void(bool reveal)> onBonus;
    void openCardBack() override { push(ScreenId::CardBack); }
    void openSettings() override { push(ScreenId::Settings); }
    void openStatistics() override { push(ScreenId::Statistics); }
    void openAbout() override { push(ScreenId::About); }
    void push(ScreenId screen)
    {
        stack.push_back(screen);
        ++opened;
    }
    void close(ScreenId screen) override
    {
        std::erase(stack, screen);
        ++opened;
        if (screen == ScreenId::Start)
            start = nullptr;
    }
    void quit() override { exited = true; }

    bool top(ScreenId screen) const { return !stack.empty() && stack.back() == screen; }
    std::vector<ScreenId> stack;
    StartScreenModel* start = nullptr;
    bool exited = false;
    int bonusReveals = 0;
    // Screens opened so far; a change tells the driver a fresh screen is on top.
    std::size_t opened = 0;
};

} // namespace liorna
