#pragma once
// Recording fakes of the ports: nothing is played, opened or shown.

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <fstream>

#include "engine/start_screen_model.h"
#include "game/screens.h"
#include "persist/bonus_screen_model.h"
#include "persist/card_back_model.h"
#include "persist/settings_file.h"
#include "persist/settings_model.h"
#include "persist/statistics_model.h"
#include "platform/cue_file.h"
#include "platform/picture_writer.h"
#include "platform/ports.h"
#include "play/match_status.h"

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

// Stands in for the views: it keeps the models the core hands it and the actions of the dialog on top,
// for a test or the scenario driver to drive as a player would.
class RecordingScreens : public Screens {
public:
    void openStart(StartScreenModel& model) override
    {
        start = &model;
        push(ScreenId::Start);
    }
    void openMatchStatus(MatchStatus& model) override
    {
        matchStatus = &model;
        push(ScreenId::MatchStatus);
    }
    void openBonus(BonusScreenModel& model, ScreenActions actions) override
    {
        bonus = &model;
        bonusReveals += model.reveal().revealMode() ? 1 : 0;
        openDialog(ScreenId::Bonus, std::move(actions));
        // As the view does: the uncovering starts as the screen shows.
        model.reveal().start();
    }
    void openCardBack(CardBackModel& model, ScreenActions actions) override
    {
        cardBack = &model;
        openDialog(ScreenId::CardBack, std::move(actions));
    }
    void openSettings(SettingsDialogModel& model, ScreenActions actions) override
    {
        settings = &model;
        openDialog(ScreenId::Settings, std::move(actions));
    }
    void openStatistics(StatisticsModel& model, ScreenActions actions) override
    {
        statistics = &model;
        openDialog(ScreenId::Statistics, std::move(actions));
    }
    void openAbout(const std::string& clipPath) override
    {
        clip = clipPath;
        push(ScreenId::About);
    }
    void push(ScreenId screen)
    {
        stack.push_back(screen);
        ++opened;
    }
    // The core closes a screen.
    void close(ScreenId screen) override
    {
        std::erase(stack, screen);
        ++opened;
        forget(screen);
    }
    // The player closes the screen on top, as its window's close or «Отмена» would; a dialog's
    // `closed` runs (the caller delivers it as an event).
    void dismiss()
    {
        if (stack.empty())
            return;
        const ScreenId screen = stack.back();
        const auto closed = screen == dialog ? std::exchange(actions.closed, nullptr) : nullptr;
        close(screen);
        if (closed)
            closed();
    }
    // The dialog's OK, «Сохранить» or «Сброс»: a UserError propagates and the dialog stays open; done,
    // the dialog closes.
    void accept()
    {
        if (actions.accept)
            actions.accept();
        dismiss();
    }
    void quit() override { exited = true; }

    bool top(ScreenId screen) const { return !stack.empty() && stack.back() == screen; }
    std::vector<ScreenId> stack;
    StartScreenModel* start = nullptr;
    MatchStatus* matchStatus = nullptr;
    BonusScreenModel* bonus = nullptr;
    CardBackModel* cardBack = nullptr;
    SettingsDialogModel* settings = nullptr;
    StatisticsModel* statistics = nullptr;
    std::string clip;
    bool exited = false;
    int bonusReveals = 0;
    // Screens opened so far; a change tells the driver a fresh screen is on top.
    std::size_t opened = 0;

private:
    void openDialog(ScreenId screen, ScreenActions given)
    {
        dialog = screen;
        actions = std::move(given);
        push(screen);
    }
    void forget(ScreenId screen)
    {
        switch (screen) {
        case ScreenId::Start: start = nullptr; break;
        case ScreenId::MatchStatus: matchStatus = nullptr; break;
        case ScreenId::Bonus: bonus = nullptr; break;
        case ScreenId::CardBack: cardBack = nullptr; break;
        case ScreenId::Settings: settings = nullptr; break;
        case ScreenId::Statistics: statistics = nullptr; break;
        case ScreenId::About: break;
        }
        if (screen == dialog)
            actions = {};
    }
    ScreenId dialog = ScreenId::About;
    ScreenActions actions;
};

} // namespace liorna
