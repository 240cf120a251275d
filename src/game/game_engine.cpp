#include "game/game_engine.h"

#include "persist/bonus_progress.h"
#include "persist/card_back_model.h"
#include "persist/settings_schema.h"

namespace liorna {

EngineTimer GameEngine::makeTimer(int intervalMs, void (GameEngine::*tick)())
{
    return EngineTimer(timers_, intervalMs, [this, tick] { deliver([this, tick] { (this->*tick)(); }); });
}

GameEngine::GameEngine(EnginePorts ports)
    : pool(ports.random), timers_(ports.timers), random_(ports.random), cues_(ports.cues),
      messages_(ports.messages), screens_(ports.screens), shell_(ports.shell), programDir_(ports.programDir),
      settings_(ports.programDir), startUpTimer_(makeTimer(1, &GameEngine::startUpTick)),
      dealTimer_(makeTimer(1000, &GameEngine::dealOneCard)),
      renderTimer_(makeTimer(1, &GameEngine::redrawStep)), veilTimer_(makeTimer(100, &GameEngine::veilStep)),
      hideTrumpAnnouncement_(makeTimer(2500, &GameEngine::hideTrumpAnnouncementTick)),
      cardFlightStep_(makeTimer(30, &GameEngine::cardFlightTick)),
      playStepTimer_(makeTimer(10, &GameEngine::playStepTick)),
      afterTrickTimer_(makeTimer(1500, &GameEngine::clearTrick)),
      computerAnswerTimer_(makeTimer(1000, &GameEngine::beginComputerAnswer)),
      matchStatus_(
          ports.timers, [this](const std::function<void()>& tick) { deliver(tick); },
          MatchStatus::Events{
              [this](bool humanWonDeal) { playCue(humanWonDeal ? Cue::DealWon : Cue::DealNotWon); },
              [this] { return checkMatchEnd(); },
              [this](bool won) {
                  if (won)
                      screens_.openBonus(true);
                  screens_.close(ScreenId::MatchStatus);
              }})
{
    for (int i = 0; i < DECK_SIZE; ++i)
        deckList[static_cast<std::size_t>(i)] = Card::fromDeckIndex(i);
}

GameEngine::~GameEngine() = default;

void GameEngine::create()
{
    // Nothing starts before the settings are loaded: without them the program only says so and ends.
    settings_.load();
    settings_.removeStaleTemporaries();
    BonusProgress(settings_).heal();
    applySettings();
    // The table window's one-shot start-up tick fires as soon as the event loop runs.
    startUpTimer_.start();
    const auto t = now();
    pool.openWindow(t);
    shuffle_.start(t);
    suitCycle.start(t);
    trumpPhase.start(t);
}

void GameEngine::afterEvent()
{
    // Errors met inside an operation that had to finish are reported once it has finished.
    if (!pendingErrors_.empty()) {
        auto pending = std::move(pendingErrors_);
        pendingErrors_.clear();
        for (const auto& text : pending)
            messages_.showError(text);
    }
    updateHint();
    // A hidden focus is put right when a key next shows it.
    if (table_.focus.shown)
        keepFocusOnTheTable();
    if (onTableChanged)
        onTableChanged();
}

void GameEngine::reportAfterEvent(const std::string& text)
{
    if (deliverDepth_ > 0)
        pendingErrors_.push_back(text);
    else
        messages_.showError(text);
}

bool GameEngine::pacingPending() const
{
    return dealTimers_.anyActive() || tableTimers_.anyActive();
}

int GameEngine::shuffleCounter() const
{
    return static_cast<int>(shuffle_.steps(now()) % DECK_SIZE);
}

void GameEngine::setShuffleCounter(int value)
{
    shuffle_.setSteps(value, now());
}

// --- Settings and cues ---

void GameEngine::setCardBacks(const Picture& back)
{
    for (auto& slot : table_.computerHand)
        slot.picture = back;
    for (PileView* pile : {&table_.stock, &table_.humanPile, &table_.computerPile})
        for (auto& b : pile->backs)
            b.picture = back;
    table_.flyingCard.picture = back;
}

void GameEngine::applySettings()
{
    // The lines in memory are the file's: every change is saved when it is made, and a result whose
    // save failed must stay in memory until a later save writes it, so the file is not read again.
    const SettingsSchema schema(settings_);
    soundEnabled = schema.soundOn();
    afterTrickTimer_.setInterval(schema.speed(Speed::AfterTrick) * 300);
    computerAnswerTimer_.setInterval(schema.speed(Speed::Answer) * 200);
    cardBackChoice = schema.cardBackChoice();
    // A number that names no back keeps the back there is; with none yet the hands and the stock would
    // be bare outlines, so back 1 stands in.
    if (const Picture chosen = backOfNumber(cardBackChoice); chosen.kind != PictureKind::None)
        cardBackPicture = chosen;
    else if (cardBackPicture.kind == PictureKind::None)
        cardBackPicture = Picture::back(1);
    setCardBacks(cardBackPicture);
    availableBackCount = schema.availableBackCount();
    if (const auto background = schema.background())
        backgroundTile = Picture::tile(*background);
}

void GameEngine::playCue(Cue cue)
{
    if (!soundEnabled)
        return;
    try {
        cues_.play(cueFile(cue));
    } catch (const UserError& error) {
        // Never leave an operation half done for a sound: report after the event.
        reportAfterEvent(error.what());
    }
}

// --- Start-up and the start screen ---

void GameEngine::startUpTick()
{
    startUpTimer_.stop();
    paintPileBackgrounds();
    table_.canvas = backgroundTile;
    StartScreenModel::Actions actions;
    actions.play = [this](int choice) { deliver([this, choice] { startChosenMatch(choice); }); };
    actions.noPlay = [this] { deliver([this] { screens_.close(ScreenId::Start); }); };
    actions.bonuses = [this] { deliver([this] { openBonusGallery(); }); };
    actions.quit = [this] { screens_.quit(); };
    startScreen_ = std::make_unique<StartScreenModel>(std::move(actions));
    screens_.openStart(*startScreen_);
}

void GameEngine::startChosenMatch(int choice)
{
    // The engine is still in its creation state, which for the deal equals a fresh deal except that
    // the first redraw does not renew the pacing pool.
    scheduleDealStep();
    playCue(Cue::NewDeal);
    const MatchLength& length = MATCH_LENGTHS[static_cast<std::size_t>(choice - 1)];
    matchTargetCode = length.targetCode;
    matchMode = length.mode;
    table_.matchTarget = length.label;
    announceTrump();
    screens_.close(ScreenId::Start);
}

void GameEngine::paintPileBackgrounds()
{
    for (PileView* pile : {&table_.stock, &table_.humanPile, &table_.computerPile})
        pile->background = backgroundTile;
}

} // namespace liorna
