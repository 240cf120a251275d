// Menus, shortcut keys and the dialogs, as the scenario driver plays them. The dialogs' logic is their
// core models: the driver drives the very models the program hands its screens, as the Qt views do.

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
        {"Tab", TableKey::Tab},
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
        e.deliver([&] { h_->screens.dismiss(); });
        return true;
    }
    CardBackModel* cardBack = cardBackModel();
    SettingsDialogModel* settings = settingsModel();
    BonusScreenModel* bonus = bonusModel();
    if (w[0] == "click" && w.size() == 3 && w[1] == "arrow") {
        if (!cardBack || !h_->screens.top(ScreenId::CardBack))
            throw Failure{"'click arrow' needs the card back dialog on top"};
        if (w[2] == "right") {
            cardBack->pointerOverRight();
            cardBack->next();
        } else if (w[2] == "left") {
            cardBack->pointerOverLeft();
            cardBack->previous();
        } else {
            throw Failure{"arrow left or right"};
        }
        return true;
    }
    if (w[0] == "click" && w.size() == 3 && w[1] == "thumbnail") {
        if (!h_->screens.top(ScreenId::Bonus) || !bonus)
            throw Failure{"'click thumbnail' needs the bonus screen on top"};
        const int place = parseInt(w[2]);
        if (place < 1 || place > BONUS_PICTURES)
            throw Failure{"thumbnail is 1 to 20"};
        if (!bonus->galleryShown())
            throw Failure{"'click thumbnail' needs the gallery shown"};
        e.deliver([&] { bonus->select(place); });
        return true;
    }
    if (w[0] == "check") {
        needWords(w, 2);
        if (!settings || !h_->screens.top(ScreenId::Settings))
            throw Failure{"'check' needs the settings dialog on top"};
        settings->soundOn = w[1] == "on";
        return true;
    }
    if (w[0] == "slide") {
        needWords(w, 3);
        if (!settings || !h_->screens.top(ScreenId::Settings))
            throw Failure{"'slide' needs the settings dialog on top"};
        const int bar = parseInt(w[1]);
        const int v = parseInt(w[2]);
        if (v < 1 || v > 10 || (bar != 1 && bar != 2))
            throw Failure{"slide 1 or 2 to 1..10"};
        (bar == 1 ? settings->speed1 : settings->speed2) = v;
        return true;
    }
    if (w[0] != "press" || w.size() != 2)
        return false;
    const std::string& caption = w[1];
    // The dialog's own button, as its view runs it: a save that fails is reported and the dialog stays
    // open; «Отмена» only closes it.
    auto accept = [&] { e.deliver([&] { h_->screens.accept(); }); };
    auto cancel = [&] { e.deliver([&] { h_->screens.dismiss(); }); };
    auto only = [&](const char* what, std::initializer_list<std::string> buttons) {
        for (const auto& b : buttons)
            if (caption == b)
                return;
        throw Failure{std::string("the ") + what + " has no button \"" + caption + "\""};
    };
    if (h_->screens.top(ScreenId::CardBack)) {
        only("card back dialog", {"OK", "Отмена"});
        caption == "OK" ? accept() : cancel();
    } else if (h_->screens.top(ScreenId::Settings)) {
        only("settings dialog", {"Сохранить", "Отмена"});
        caption == "Сохранить" ? accept() : cancel();
    } else if (h_->screens.top(ScreenId::Statistics)) {
        only("statistics dialog", {"Сброс"});
        // The question before the reset: «Отмена» leaves the counts and the dialog as they are.
        const bool ok = answerOk_;
        answerOk_ = true;
        if (ok)
            accept();
    } else if (h_->screens.top(ScreenId::Bonus) && bonus) {
        pressOnBonusScreen(caption);
    } else {
        return false;
    }
    return true;
}

void Runner::pressOnBonusScreen(const std::string& caption)
{
    GameEngine& e = engine();
    BonusScreenModel& bonus = *bonusModel();
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
