#include "game/game_engine.h"

#include "game/game_setup.h"
#include "platform/texts.h"

namespace liorna {

GameEngine::GameEngine(EnginePorts ports)
    : cues_(ports.cues), messages_(ports.messages), tableChanged_(std::move(ports.tableChanged)),
      timers_(ports.timers, [this](const std::function<void()>& tick) { deliver(tick); }),
      screens_(ports.screens), profile_(ports.programDir),
      cards_(timers_,
             TableCards::Events{[this] { deal_.refreshPoolIfDue(); }, [this] { trick_.handsRedrawn(); }}),
      deal_(cards_, timers_, ports.random),
      trick_(cards_, deal_, timers_,
             Trick::Events{[this](Cue c) { playCue(c); }, [this] { afterTrickPause(); }}),
      match_(profile_, Match::Events{[this](const std::string& text) { reportAfterEvent(text); }}),
      screenModels_(ScreenModels::Parts{profile_, match_, screens_, timers_, ports.pictures, ports.shell},
                    ScreenModels::Events{[this](Cue c) { playCue(c); }, [this] { return decideMatch(); },
                                         [this] { applySettings(); },
                                         [this](const std::string& text) { reportAfterEvent(text); }}),
      commands_(Commands::Parts{profile_, match_, screenModels_, screens_, ports.shell}, ports.programDir,
                timers_,
                Commands::Events{[this](DealStart start) { startDeal(start); }, [this] { applySettings(); },
                                 [this](const std::function<void()>& event) { deliver(event); },
                                 [this] { screens_.quit(); }}),
      keyboard_(cards_, trick_), hint_(timers_), lastTrick_(trick_)
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
        pendingErrors_.emplace_back(text::SETTINGS_DAMAGED);
    applySettings();
    // The table window's one-shot start-up tick fires as soon as the event loop runs.
    commands_.start();
    deal_.start();
    projectTable();
}

void GameEngine::inputKey(TableKey key)
{
    hint_.inputSeen();
    if (key == TableKey::Tab)
        lastTrick_.toggle();
    else if (!lastTrick_.closeIfShown())
        keyboard_.inputKey(key);
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
    lastTrick_.follow(screens_.opened());
    hint_.update({trick_.phase(), match_.over(), &trick_.settled(), &trick_.refusal()});
    // A hidden focus is put right when a key next shows it.
    if (keyboard_.focusShown())
        keyboard_.keepFocusOnTheTable();
    projectTable();
    if (tableChanged_)
        tableChanged_();
}

void GameEngine::projectTable()
{
    // Each part writes only what it shows; nothing in the game reads the table back.
    cards_.project(table_);
    deal_.project(table_);
    trick_.project(table_);
    match_.project(table_);
    commands_.project(table_);
    keyboard_.project(table_);
    hint_.project(table_);
    lastTrick_.project(table_);
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

// --- The road of a deal ---

void GameEngine::startDeal(DealStart start)
{
    if (start == DealStart::Next) {
        // No step of the previous deal may touch the new one; then each part starts afresh. The first
        // deal skips this: the parts are as they were made, which is a fresh deal, except that the
        // trump phase and the pacing pool keep running from the program's start.
        deal_.cancelPending();
        cards_.cancelPending();
        trick_.cancelPending();
        hint_.cancelPending();
        deal_.reset(profile_.cardBack());
        trick_.reset();
        match_.newDeal();
        cards_.clearDeal(profile_.cardBack());
    }
    ++dealsStarted_;
    // The trump is the suit the cycle shows at this moment; the first card follows a pacing delay.
    deal_.announceTrump();
    deal_.scheduleDealStep();
    playCue(Cue::NewDeal);
}

void GameEngine::afterTrickPause()
{
    // The pause with the trick on the table is over. Most tricks lead to the next one; the deal's last
    // is scored, and the match status screen that opens decides the match with its countdown.
    if (trick_.clearTrick() == TrickEnd::DealOver)
        scoreDeal();
}

void GameEngine::scoreDeal()
{
    match_.scoreDeal(trick_.humanTrickPoints(), trick_.computerTrickPoints());
    screenModels_.openMatchStatus(match_.humanPenalty(), match_.computerPenalty(), match_.matchTarget(),
                                  match_.humanWonDeal());
}

MatchDecision GameEngine::decideMatch()
{
    // Asked by the status countdown: a match that goes on deals again behind the screen; a decided
    // one leaves no trick until a new game.
    const MatchDecision decision = match_.decide();
    if (decision.over)
        trick_.stand();
    else
        startDeal(DealStart::Next);
    return decision;
}

} // namespace liorna
