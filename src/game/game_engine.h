#pragma once
// The whole state of play and the engine's operations. Operations run synchronously to their end;
// the only deferred work is a timer tick. Every event from outside (a click, a command, a tick) is
// delivered through `deliver`, which reports errors to the message sink and tells the view.

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/card.h"
#include "engine/cue.h"
#include "engine/digit_pool.h"
#include "engine/free_running.h"
#include "engine/menu_tree.h"
#include "engine/start_screen_model.h"
#include "engine/table_state.h"
#include "persist/settings_file.h"
#include "platform/engine_timer.h"
#include "platform/ports.h"
#include "platform/screens.h"
#include "platform/timers.h"
#include "play/match_status.h"

namespace liorna {

// Where the current trick stands; input outside the phases that take it is ignored.
enum class TurnPhase {
    NoTrick,              // no deal yet, a deal or refill being dealt, or a finished match
    HumanLeading,         // the human builds a lead
    Playing,              // "Пойти" pressed: the faces are repainted before the cards go down
    AwaitingAnswer,       // the human's lead is on the table; the computer answers after its pause
    AfterTrick,           // settled; the trick stays on the table for the pause
    Refilling,            // the table is cleared and the hands are refilled before the human leads
    AwaitingComputerLead, // the computer took the trick and leads once the hands are redrawn
    HumanAnswering,       // the computer's lead is on the table
    DealOver,             // scored; the match status screen decides what follows
};

struct EnginePorts {
    Timers& timers;
    Random& random;
    CuePlayer& cues;
    MessageSink& messages;
    Screens& screens;
    Shell& shell;
    std::filesystem::path programDir;
};

class GameEngine {
public:
    explicit GameEngine(EnginePorts ports);
    ~GameEngine();
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // Creating the engine: load and apply the settings, then start the free-running timers.
    // Throws UserError when the settings file cannot be opened; the program then ends.
    void create();

    // Runs one outside event: errors go to the message sink, and the view is told of the change.
    template <typename Event>
    void deliver(Event&& event)
    {
        ++deliverDepth_;
        try {
            event();
        } catch (const UserError& error) {
            messages_.showError(error.what());
        }
        if (--deliverDepth_ == 0)
            afterEvent();
    }
    std::function<void()> onTableChanged;

    const TableState& table() const { return table_; }
    TableState& tableForSetup() { return table_; }
    std::int64_t now() const { return timers_.now(); }

    // --- Start-up and the start screen ---
    void startUpTick();
    void startChosenMatch(int choice);
    StartScreenModel* startScreen() { return startScreen_.get(); }

    // --- The deal ---
    std::optional<Card> drawCard();
    void scheduleDealStep();
    void dealOneCard();
    void continueDeal();
    void refillHands();
    void startNewDeal();
    void announceTrump();
    void hideTrumpAnnouncementTick();

    // --- Redraw, veil and packing ---
    void redrawHands();
    void redrawStep();
    void finishRedraw();
    void veilStep();
    void packHumanHand();
    void packComputerHand();
    void packLedCards();

    // --- New games: a match of the given length (1..6), or of the current length ---
    void newGame(int mode);
    void newGameSameLength();

    // --- The other commands of the menus ---
    void runCommand(MenuCommand command);
    void toggleMenus();
    void showMenus();
    void chooseBackground(int n);
    // The card back dialog's OK: line 17, save, apply.
    void chooseCardBack(const std::string& number);
    void showHelp();
    void openCardBackDialog() { screens_.openCardBack(); }
    void openSettingsDialog() { screens_.openSettings(); }
    void openStatisticsDialog() { screens_.openStatistics(); }
    void openBonusGallery() { screens_.openBonus(false); }
    void openAboutBox() { screens_.openAbout(); }
    const std::filesystem::path& programDir() const { return programDir_; }

    // --- The human's input, as the table window delivers it (slots and pairs 1..5) ---
    void inputHandCard(int k, bool rightButton);
    void inputLedCard(int k);
    void inputCoverCard(int k);
    void inputPlay();
    void inputDiscard();
    // A key of the table: the arrows move the focus, the others act as the clicks they stand for.
    void inputKey(TableKey key);
    TurnPhase phase = TurnPhase::NoTrick;

    // --- The human's turn ---
    void clickHandCard(int k);
    bool checkLeadSuit(Suit suit);
    void showPickedFace(int k);
    void redrawHandFaces();
    void pressPlay();
    void playStepTick();
    void playSelection();
    void layHumanLead();
    void coverLedCard(int k);
    void takeBackCover(int k);
    void pressDiscard();
    void clearHandSelection();

    // --- Settling and clearing a trick ---
    void settleHumanCovered();
    void settleHumanGaveUp();
    void startAfterTrick();
    void clearTrick();
    bool dealFinished() const;

    // --- The computer's answer and lead ---
    void startComputerAnswer();
    void beginComputerAnswer();
    void settleBeaten(const std::vector<int>& slots);
    void settleNotBeaten();
    void restoreComputerHand();
    void tryComputerLead();
    void computerLead();
    void layComputerLead(Suit suit);

    // --- Deal scoring and the match ---
    void scoreDeal();
    void clickMatchStatus();
    MatchDecision checkMatchEnd();
    void recordMatchWon();
    void recordMatchLost();
    const MatchStatusState& matchStatus() const { return matchStatus_.state(); }
    // How many matches ended since the engine was created; the driver's autoplay counts them.
    int matchesFinished = 0;
    int dealsScored = 0;
    int dealsStarted = 0;

    // --- Table presentation ---
    void paintPileBackgrounds();
    void startCardFlight();
    void cardFlightTick();

    // --- Settings and cues ---
    void applySettings();
    void playCue(Cue cue);
    SettingsFile& settings() { return settings_; }

    // --- State, named as the game names it ---
    int shuffleCounter() const;
    void setShuffleCounter(int value);
    std::array<std::optional<Card>, DECK_SIZE> deckList{};
    std::optional<Card> drawnCard;
    int stockCount = DECK_SIZE;
    int dealStep = 55;
    int paceDigit = -1;
    bool poolRefreshPending = false;
    DigitPool pool;

    Suit trumpSuit = Suit::Hearts;
    SuitCycle suitCycle;
    TrumpPhase trumpPhase;
    std::optional<Suit> cycledSuit() const { return suitCycle.cycledSuit(now()); }

    std::array<Slot, HAND_SIZE> humanHand{};
    std::array<Slot, HAND_SIZE> computerHand{};
    std::array<bool, HAND_SIZE> handSelected{};
    std::array<bool, HAND_SIZE> handCommitted{};
    std::array<Slot, HAND_SIZE> savedComputerHand{};
    std::array<Picture, HAND_SIZE> computerCardPictures{};

    std::array<Slot, HAND_SIZE> led{};
    std::array<Slot, HAND_SIZE> cover{};
    std::array<int, HAND_SIZE> coverSource{};
    int ledCount = 0;
    int uncoveredCount = 0;
    int pickCount = 0;
    Slot picked;
    int pickedSlot = 0;

    Seat leader = Seat::Human;
    std::optional<Suit> leadSuit;
    // The redraw's countdown, 11 to 0.
    int redrawStage = 0;
    bool computerLeadArmed = true;
    int veilCountdown = 25;
    int trumpPhaseAtAnswer = 1;
    std::array<int, 4> computerSuitCount{};
    std::optional<Suit> computerLeadSuit;
    Picture veilPicture;

    int humanTrickPoints = 0;
    int computerTrickPoints = 0;
    int humanDealPenalty = 0;
    int computerDealPenalty = 0;
    int humanPenalty = 0;
    int computerPenalty = 0;
    int matchTargetCode = 22;
    int matchTarget() const { return matchTargetOfCode(matchTargetCode); }
    int matchMode = 1;

    bool soundEnabled = true;
    std::string cardBackChoice;
    std::string availableBackCount;
    Picture cardBackPicture;
    Picture backgroundTile;

    // Timers the tests and the driver look at.
    EngineTimer& dealTimer() { return dealTimer_; }
    EngineTimer& renderTimer() { return renderTimer_; }
    EngineTimer& veilTimer() { return veilTimer_; }
    EngineTimer& hideTrumpTimer() { return hideTrumpAnnouncement_; }
    EngineTimer& cardFlightTimer() { return cardFlightStep_; }
    EngineTimer& afterTrickTimer() { return afterTrickTimer_; }
    EngineTimer& computerAnswerTimer() { return computerAnswerTimer_; }
    EngineTimer& playStepTimer() { return playStepTimer_; }
    // A pacing step, a chain or the start-up tick is still to come.
    bool pacingPending() const;
    // ... or a screen's countdown: nothing more happens by itself when this is false.
    bool anythingPending() const { return pacingPending() || matchStatus_.pending(); }

    int furtherFlights = 0;

private:
    void reportAfterEvent(const std::string& text);
    void afterEvent();
    void resetDealFields();
    void endMatchStatus();
    void keepFocusOnTheTable();
    void updateHint();
    // A refused action: the view gives a short sign at its place.
    void refuse(RefusalPlace place, int slot);
    // The last match has been decided and no new one started: the hint says so.
    bool matchOver_ = false;
    // The phase the hint line was last written for.
    TurnPhase hintPhase_ = TurnPhase::NoTrick;
    bool hintMatchOver_ = false;
    void cancelPendingChains();
    void putDrawnCard(int step);
    void updateStockPile();
    void setCardBacks(const Picture& back);
    EngineTimer makeTimer(int intervalMs, void (GameEngine::*tick)());

    Timers& timers_;
    Random& random_;
    CuePlayer& cues_;
    MessageSink& messages_;
    Screens& screens_;
    Shell& shell_;
    std::filesystem::path programDir_;

    TableState table_;
    SettingsFile settings_;
    FreeRunningCounter shuffle_{interval::SHUFFLE};
    std::unique_ptr<StartScreenModel> startScreen_;
    std::vector<std::string> pendingErrors_;
    int deliverDepth_ = 0;

    EngineTimer startUpTimer_;
    EngineTimer dealTimer_;
    EngineTimer renderTimer_;
    EngineTimer veilTimer_;
    EngineTimer hideTrumpAnnouncement_;
    EngineTimer cardFlightStep_;
    EngineTimer playStepTimer_;
    EngineTimer afterTrickTimer_;
    EngineTimer computerAnswerTimer_;
    // The chains of a deal: a new deal cancels them, and they are what "pacing pending" asks about.
    TimerGroup dealTimers_{&dealTimer_,       &renderTimer_,         &veilTimer_,     &playStepTimer_,
                           &afterTrickTimer_, &computerAnswerTimer_, &cardFlightStep_};
    // The table's own: the start-up tick and the trump announcement, which a new deal leaves running.
    TimerGroup tableTimers_{&startUpTimer_, &hideTrumpAnnouncement_};
    MatchStatus matchStatus_;
    int playStepCountdown_ = 0;

    struct Flight {
        int targetX = 56, targetY = 584;
        int stepX = 0, stepY = 0;
        int stepsLeft = 0;
    } flight_;
};

} // namespace liorna
