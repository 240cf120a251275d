#include "game/game_engine.h"

#include "game/game_setup.h"
#include "platform/texts.h"

namespace liorna {

GameEngine::GameEngine(EnginePorts ports)
    : cues_(ports.cues), messages_(ports.messages), tableChanged_(std::move(ports.tableChanged)),
      programDir_(ports.programDir),
      timers_(ports.timers, [this](const std::function<void()>& tick) { deliver(tick); }),
      profile_(ports.programDir),
      cards_(table_, timers_,
             TableCards::Events{[this] { deal_.refreshPoolIfDue(); }, [this] { trick_.handsRedrawn(); }}),
      deal_(table_, cards_, timers_, ports.random),
      trick_(table_, cards_, deal_, timers_,
             Trick::Events{[this](Cue c) { playCue(c); }, [this] { scoreDeal(); }}),
      match_(table_, profile_, ports.screens, timers_,
             Match::Events{[this](Cue c) { playCue(c); },
                           [this] {
                               startNewDeal();
                               trick_.stand();
                               playCue(Cue::NewDeal);
                           },
                           [this] { trick_.stand(); },
                           [this](const std::string& text) { reportAfterEvent(text); }}),
      commands_(Commands::Parts{table_, profile_, deal_, match_, ports.screens, ports.shell}, timers_,
                Commands::Events{[this](Cue c) { playCue(c); }, [this] { startNewDeal(); },
                                 [this] { applySettings(); },
                                 [this](const std::function<void()>& event) { deliver(event); },
                                 [&screens = ports.screens] { screens.quit(); }}),
      keyboard_(table_, trick_)
{
}

GameEngine::~GameEngine() = default;

GameSetup GameEngine::setup()
{
    return GameSetup(*this);
}

void GameEngine::create()
{
    // Nothing starts before the settings are loaded: without them the program only says so and ends.
    profile_.load();
    // Told with the first event, the start-up tick that opens the start screen, so that the message
    // lies over that screen rather than under it.
    if (profile_.damagedCopyKept())
        pendingErrors_.push_back(text::SETTINGS_DAMAGED);
    applySettings();
    // The table window's one-shot start-up tick fires as soon as the event loop runs.
    commands_.start();
    deal_.start();
}

void GameEngine::showPendingErrors()
{
    auto pending = std::move(pendingErrors_);
    pendingErrors_.clear();
    for (const auto& text : pending)
        messages_.showError(text);
}

void GameEngine::afterEvent()
{
    // Errors met inside an operation that had to finish are reported once it has finished.
    if (!pendingErrors_.empty())
        showPendingErrors();
    hint_.update(table_, trick_.phase(), match_.over());
    // A hidden focus is put right when a key next shows it.
    if (table_.focus.shown)
        keyboard_.keepFocusOnTheTable();
    if (tableChanged_)
        tableChanged_();
}

void GameEngine::reportAfterEvent(const std::string& text)
{
    if (deliverDepth_ > 0)
        pendingErrors_.push_back(text);
    else
        messages_.showError(text);
}

void GameEngine::playCue(Cue cue)
{
    if (!profile_.soundOn())
        return;
    try {
        cues_.play(cueFile(cue));
    } catch (const UserError& error) {
        // Never leave an operation half done for a sound: report after the event.
        reportAfterEvent(error.what());
    }
}

void GameEngine::applySettings()
{
    profile_.apply();
    trick_.setPauses(profile_.afterTrickPauseMs(), profile_.answerPauseMs());
    setCardBacks(profile_.cardBack());
}

void GameEngine::setCardBacks(const Picture& back)
{
    cards_.showBack(back);
    deal_.showBack(back);
    trick_.showBack(back);
}

void GameEngine::scoreDeal()
{
    trick_.endDeal();
    match_.scoreDeal(trick_.humanTrickPoints(), trick_.computerTrickPoints());
}

void GameEngine::startNewDeal()
{
    // No step of the previous deal may touch the new one.
    deal_.cancelPending();
    cards_.cancelPending();
    trick_.cancelPending();
    deal_.reset(profile_.cardBack());
    trick_.reset();
    match_.newDeal();
    cards_.clearDeal(profile_.cardBack());
    ++dealsStarted_;
    deal_.announceTrump();
    deal_.scheduleDealStep();
}

} // namespace liorna
