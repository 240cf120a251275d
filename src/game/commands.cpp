#include "game/commands.h"

#include "platform/intervals.h"

namespace liorna {

Commands::Commands(Parts parts, std::filesystem::path programDir, Timers& timers, Events events)
    : parts_(parts), programDir_(std::move(programDir)), events_(std::move(events)),
      startUpTimer_(timers, interval::START_UP, [this] { startUpTick(); })
{
}

// --- Start-up and the start screen ---

void Commands::startUpTick()
{
    startUpTimer_.stop();
    paintBackgrounds();
    StartScreenModel::Actions actions;
    actions.play = [this](int choice) { events_.deliver([this, choice] { startChosenMatch(choice); }); };
    actions.noPlay = [this] { events_.deliver([this] { parts_.screens.close(ScreenId::Start); }); };
    actions.bonuses = [this] { events_.deliver([this] { parts_.screenModels.openBonus(false); }); };
    actions.quit = events_.quit;
    startScreen_ = std::make_unique<StartScreenModel>(std::move(actions));
    parts_.screens.openStart(*startScreen_);
}

void Commands::startChosenMatch(int choice)
{
    parts_.match.choose(MATCH_LENGTHS[static_cast<std::size_t>(choice - 1)]);
    events_.startDeal(DealStart::First);
    parts_.screens.close(ScreenId::Start);
}

// --- New games ---

void Commands::newGame(int mode)
{
    parts_.screenModels.endMatchStatus();
    parts_.match.begin(MATCH_LENGTHS[static_cast<std::size_t>(mode - 1)]);
    events_.startDeal(DealStart::Next);
}

void Commands::newGameSameLength()
{
    parts_.screenModels.endMatchStatus();
    parts_.match.beginSameLength();
    events_.startDeal(DealStart::Next);
}

// --- The menus ---

void Commands::runCommand(MenuCommand command)
{
    ScreenModels& screens = parts_.screenModels;
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
    case MenuCommand::CardBack: screens.openCardBack(); return;
    case MenuCommand::BackgroundGreen: chooseBackground(1); return;
    case MenuCommand::BackgroundBlue: chooseBackground(2); return;
    case MenuCommand::BackgroundRed: chooseBackground(3); return;
    case MenuCommand::BackgroundGrass: chooseBackground(4); return;
    case MenuCommand::Settings: screens.openSettings(); return;
    case MenuCommand::Bonuses: screens.openBonus(false); return;
    case MenuCommand::Statistics: screens.openStatistics(); return;
    case MenuCommand::Help: showHelp(); return;
    case MenuCommand::About: parts_.screens.openAbout((programDir_ / "Orvel.avi").string()); return;
    }
}

void Commands::toggleMenus()
{
    menusShown_ = !menusShown_;
}

void Commands::showMenus()
{
    menusShown_ = true;
}

void Commands::chooseBackground(int n)
{
    // A background that cannot be saved is not painted either.
    parts_.profile.chooseBackground(n);
    paintBackgrounds();
}

void Commands::showHelp()
{
    parts_.shell.open("Help/index.htm");
}

void Commands::paintBackgrounds()
{
    canvas_ = parts_.profile.background();
    pileBackground_ = canvas_;
}

void Commands::project(TableState& table) const
{
    table.menusShown = menusShown_;
    table.menuButtonShown = !menusShown_;
    table.canvas = canvas_;
    for (PileView* pile : {&table.stock, &table.humanPile, &table.computerPile})
        pile->background = pileBackground_;
}

} // namespace liorna
