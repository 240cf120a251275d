// Menus, shortcut keys and the dialogs, as the scenario driver plays them. The dialogs' logic is their
// core models; the driver holds the model of the dialog on top, as the Qt view would.

#include "persist/card_back_model.h"
#include "persist/settings_model.h"
#include "persist/statistics_model.h"
#include "runner.h"

namespace liorna::scenario {

namespace {

std::optional<TableKey> tableKey(const std::string& word)
{
    static const std::pair<const char*, TableKey> keys[] = {
        {"Left", TableKey::Left},
        {"Right", TableKey::Right},
        {"Up", TableKey::Up},
        {"Down", TableKey::Down},
        {"Space", TableKey::Space},
        {"Enter", TableKey::Enter},
        {"Backspace", TableKey::Backspace},
        {"1", TableKey::Digit1},
        {"2", TableKey::Digit2},
        {"3", TableKey::Digit3},
        {"4", TableKey::Digit4},
        {"5", TableKey::Digit5},
    };
    for (const auto& [name, key] : keys)
        if (word == name)
            return key;
    return std::nullopt;
}

MenuCommand commandFor(const std::string& word, bool shortcut)
{
    // A second shortcut of "Новая игра", as the window has it.
    if (shortcut && word == "Ctrl+N")
        return MenuCommand::NewGame;
    for (const MenuItem& item : MENU_TREE)
        if (item.command != MenuCommand::None && word == (shortcut ? item.shortcut : item.caption))
            return item.command;
    return MenuCommand::None;
}

} // namespace

void Runner::syncDialogModels()
{
    // A screen opened since the last look gets a fresh model; a closed one loses it.
    const auto& stack = h_->screens.stack;
    const std::size_t opened = h_->screens.opened;
    if (opened == dialogSeen_)
        return;
    dialogSeen_ = opened;
    cardBack_.reset();
    settingsModel_.reset();
    statistics_.reset();
    if (stack.empty())
        return;
    GameEngine& e = engine();
    switch (stack.back()) {
    case ScreenId::CardBack:
        cardBack_ =
            std::make_unique<CardBackModel>(e.profile().cardBackChoice(), e.profile().availableBackCount());
        break;
    case ScreenId::Settings: settingsModel_ = std::make_unique<SettingsDialogModel>(e.settings()); break;
    case ScreenId::Statistics: statistics_ = std::make_unique<StatisticsModel>(e.settings()); break;
    default: break;
    }
}

bool Runner::dialogCommand(const Command& c)
{
    const auto& w = c.words;
    GameEngine& e = engine();
    if (w[0] == "key" && w.size() == 2 && tableKey(w[1])) {
        // The keys that play the table; like clicks, they reach the table only with no screen on top.
        if (h_->screens.stack.empty())
            e.deliver([&] { e.inputKey(*tableKey(w[1])); });
        return true;
    }
    if (w[0] == "menu" || w[0] == "key") {
        needWords(w, 2);
        const MenuCommand command = commandFor(w[1], w[0] == "key");
        if (command == MenuCommand::None)
            throw Failure{"no menu item " + (w[0] == "key" ? w[1] : "\"" + w[1] + "\"")};
        // Modal screens take the input: the table's menus and keys do nothing under them.
        if (!h_->screens.stack.empty())
            return true;
        e.deliver([&] { e.runCommand(command); });
        syncDialogModels();
        return true;
    }
    if (w[0] == "answer") {
        needWords(w, 2);
        if (w[1] != "ok" && w[1] != "cancel")
            throw Failure{"answer ok or cancel"};
        answerOk_ = w[1] == "ok";
        return true;
    }
    if (w[0] == "close") {
        needWords(w, 1);
        if (h_->screens.stack.empty())
            throw Failure{"no screen to close"};
        h_->screens.close(h_->screens.stack.back());
        syncDialogModels();
        return true;
    }
    syncDialogModels();
    if (w[0] == "click" && w.size() == 3 && w[1] == "arrow") {
        if (!cardBack_)
            throw Failure{"'click arrow' needs the card back dialog on top"};
        if (w[2] == "right") {
            cardBack_->pointerOverRight();
            cardBack_->next();
        } else if (w[2] == "left") {
            cardBack_->pointerOverLeft();
            cardBack_->previous();
        } else {
            throw Failure{"arrow left or right"};
        }
        return true;
    }
    if (w[0] == "click" && w.size() == 3 && w[1] == "thumbnail") {
        if (!h_->screens.top(ScreenId::Bonus) || !bonus_)
            throw Failure{"'click thumbnail' needs the bonus screen on top"};
        const int place = parseInt(w[2]);
        if (place < 1 || place > BONUS_PICTURES)
            throw Failure{"thumbnail is 1 to 20"};
        if (!bonus_->galleryShown())
            throw Failure{"'click thumbnail' needs the gallery shown"};
        e.deliver([&] { bonus_->select(place); });
        return true;
    }
    if (w[0] == "check") {
        needWords(w, 2);
        if (!settingsModel_)
            throw Failure{"'check' needs the settings dialog on top"};
        settingsModel_->soundOn = w[1] == "on";
        return true;
    }
    if (w[0] == "slide") {
        needWords(w, 3);
        if (!settingsModel_)
            throw Failure{"'slide' needs the settings dialog on top"};
        const int bar = parseInt(w[1]);
        const int v = parseInt(w[2]);
        if (v < 1 || v > 10 || (bar != 1 && bar != 2))
            throw Failure{"slide 1 or 2 to 1..10"};
        (bar == 1 ? settingsModel_->speed1 : settingsModel_->speed2) = v;
        return true;
    }
    if (w[0] != "press" || w.size() != 2)
        return false;
    const std::string& caption = w[1];
    auto closeTop = [&] { h_->screens.close(h_->screens.stack.back()); };
    auto attempt = [&](auto&& f) {
        // A save that fails is reported and the dialog stays open.
        try {
            f();
            closeTop();
        } catch (const UserError& error) {
            h_->messages.showError(error.what());
        }
        e.deliver([] {});
    };
    if (cardBack_) {
        if (caption == "OK")
            attempt([&] { e.chooseCardBack(cardBack_->candidate()); });
        else if (caption == "Отмена")
            closeTop();
        else
            throw Failure{"the card back dialog has no button \"" + caption + "\""};
    } else if (settingsModel_) {
        if (caption == "Сохранить")
            attempt([&] {
                settingsModel_->save();
                e.applySettings();
            });
        else if (caption == "Отмена")
            closeTop();
        else
            throw Failure{"the settings dialog has no button \"" + caption + "\""};
    } else if (statistics_) {
        if (caption != "Сброс")
            throw Failure{"the statistics dialog has no button \"" + caption + "\""};
        const bool ok = answerOk_;
        answerOk_ = true;
        if (ok)
            attempt([&] { statistics_->resetAll(); });
    } else if (h_->screens.top(ScreenId::Bonus) && bonus_) {
        pressOnBonusScreen(caption);
    } else {
        return false;
    }
    syncDialogModels();
    return true;
}

void Runner::pressOnBonusScreen(const std::string& caption)
{
    GameEngine& e = engine();
    BonusScreenModel& bonus = *bonus_;
    // Only the buttons of the page on show can be pressed, and a disabled one cannot.
    if (caption == "Сохранить" && bonus.galleryShown()) {
        if (!bonus.saveEnabled())
            throw Failure{"\"Сохранить\" is disabled until a thumbnail is clicked"};
        e.deliver([&] { bonus.exportSelected(); });
    } else if (caption == "<< Назад" && bonus.galleryShown() && bonus.backShown()) {
        e.deliver([&] { bonus.showReveal(); });
    } else if (caption == "Открытые картинки" && !bonus.galleryShown()) {
        e.deliver([&] { bonus.showGallery(); });
    } else {
        throw Failure{"the bonus screen shows no button \"" + caption + "\""};
    }
}

} // namespace liorna::scenario
