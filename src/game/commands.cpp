// The new-game commands: a match of a chosen length, or of the current one.

#include "game/game_engine.h"
#include "persist/settings_schema.h"
#include "platform/texts.h"

namespace liorna {

void GameEngine::endMatchStatus()
{
    // A new game ends the match status screen's countdown where it stands, or its decision would
    // deal a second time behind the new game's first deal.
    if (!matchStatus_.state().open)
        return;
    matchStatus_.cancel();
    screens_.close(ScreenId::MatchStatus);
}

void GameEngine::newGame(int mode)
{
    endMatchStatus();
    matchOver_ = false;
    const MatchLength& length = MATCH_LENGTHS[static_cast<std::size_t>(mode - 1)];
    table_.matchTarget = length.label;
    table_.humanScore = text::HUMAN_SCORE_ZERO;
    table_.computerScore = text::COMPUTER_SCORE_ZERO;
    startNewDeal();
    humanPenalty = 0;
    computerPenalty = 0;
    matchTargetCode = length.targetCode;
    matchMode = length.mode;
    playCue(Cue::NewDeal);
    announceTrump();
}

void GameEngine::newGameSameLength()
{
    endMatchStatus();
    matchOver_ = false;
    // Keeps the match target code and the mode, whatever they are.
    table_.matchTarget = matchTargetLabel(matchTarget());
    table_.humanScore = text::HUMAN_SCORE_ZERO;
    table_.computerScore = text::COMPUTER_SCORE_ZERO;
    startNewDeal();
    humanPenalty = 0;
    computerPenalty = 0;
    playCue(Cue::NewDeal);
    announceTrump();
}

void GameEngine::runCommand(MenuCommand command)
{
    switch (command) {
    case MenuCommand::None: return;
    case MenuCommand::NewGame: newGameSameLength(); return;
    case MenuCommand::NewGameSingle: newGame(1); return;
    case MenuCommand::NewGameTo4: newGame(2); return;
    case MenuCommand::NewGameTo6: newGame(3); return;
    case MenuCommand::NewGameTo8: newGame(4); return;
    case MenuCommand::NewGameTo10: newGame(5); return;
    case MenuCommand::NewGameTo12: newGame(6); return;
    case MenuCommand::HideMenus: toggleMenus(); return;
    case MenuCommand::CardBack: openCardBackDialog(); return;
    case MenuCommand::BackgroundGreen: chooseBackground(1); return;
    case MenuCommand::BackgroundBlue: chooseBackground(2); return;
    case MenuCommand::BackgroundRed: chooseBackground(3); return;
    case MenuCommand::BackgroundGrass: chooseBackground(4); return;
    case MenuCommand::Settings: openSettingsDialog(); return;
    case MenuCommand::Bonuses: openBonusGallery(); return;
    case MenuCommand::Statistics: openStatisticsDialog(); return;
    case MenuCommand::Help: showHelp(); return;
    case MenuCommand::About: openAboutBox(); return;
    }
}

void GameEngine::toggleMenus()
{
    const bool show = !table_.menusShown;
    table_.menusShown = show;
    table_.menuButtonShown = !show;
}

void GameEngine::showMenus()
{
    table_.menusShown = true;
    table_.menuButtonShown = false;
}

void GameEngine::chooseBackground(int n)
{
    // A background that cannot be saved is not painted either, and stays out of later saves.
    settings_.commitChange([&] { SettingsSchema(settings_).setBackground(n); });
    table_.canvas = Picture::tile(n);
    backgroundTile = Picture::tile(n);
    paintPileBackgrounds();
}

void GameEngine::chooseCardBack(const std::string& number)
{
    settings_.commitChange([&] { SettingsSchema(settings_).setCardBackChoice(number); });
    cardBackChoice = number;
    applySettings();
}

void GameEngine::showHelp()
{
    shell_.open("Help/index.htm");
}

} // namespace liorna
