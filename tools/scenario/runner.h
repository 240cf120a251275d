#pragma once
// Runs a scenario against the core on a virtual clock, with recording fakes.

#include <memory>
#include <ostream>
#include <string>

#include "harness.h"
#include "persist/bonus_screen_model.h"
#include "persist/card_back_model.h"
#include "persist/settings_model.h"
#include "persist/statistics_model.h"
#include "script.h"

namespace liorna::scenario {

// A failed check or a command that could not be carried out.
struct Failure {
    std::string message;
};

class Runner {
public:
    Runner(std::ostream& trace, bool tracing);
    // Runs every command; the first failure ends the script and is returned.
    std::optional<std::pair<int, std::string>> run(const Script& script);

private:
    void runCommand(const Command& c);
    bool fileCommand(const Command& c);
    bool setupCommand(const Command& c);
    bool inputCommand(const Command& c);
    bool timeCommand(const Command& c);
    void check(const Command& c);
    bool dialogCommand(const Command& c);
    void pressOnBonusScreen(const std::string& caption);
    void ensureStarted();
    void settlePhase();
    GameEngine& engine();

    // checks.cpp
    void expectHand(const std::vector<std::string>& w);
    void expectShown(const std::vector<std::string>& w);
    void expectPicture(const std::vector<std::string>& w);
    void expectField(const std::vector<std::string>& w);
    void expectLabel(const std::vector<std::string>& w);
    void expectCues(const std::vector<std::string>& w);
    void expectScreen(const std::vector<std::string>& w);
    void expectMessage(const std::vector<std::string>& w);
    void expectText(const std::vector<std::string>& w);
    void expectFileState(const std::vector<std::string>& w);
    std::string fieldValue(const std::string& name);

    std::ostream& trace_;
    bool tracing_;
    std::unique_ptr<Harness> h_;
    std::size_t cuesSeen_ = 0;
    std::size_t messagesSeen_ = 0;
    std::size_t openedSeen_ = 0;
    bool answerOk_ = true;
    std::uint32_t refusalSeen_ = 0;

public:
    // The program's models of the open dialogs, as the core handed them to the screens.
    CardBackModel* cardBackModel() { return h_->screens.cardBack; }
    StatisticsModel* statisticsModel() { return h_->screens.statistics; }
    SettingsDialogModel* settingsModel() { return h_->screens.settings; }
    BonusScreenModel* bonusModel() { return h_->screens.bonus; }
};

// Expects `words.size()` to be exactly n.
void needWords(const std::vector<std::string>& words, std::size_t n);
[[noreturn]] void fail(const std::string& expected, const std::string& got);
int parseInt(const std::string& word);

} // namespace liorna::scenario
