#pragma once
// Opening and closing the screens over the table. The core holds each screen's model and hands it to
// the view with the actions of its buttons; the Qt layer shows it with QDialog::open() so that nothing
// nests and the core never blocks.

#include <functional>
#include <string>

namespace liorna {

class StartScreenModel;
class MatchStatus;
class BonusScreenModel;
class CardBackModel;
class SettingsDialogModel;
class StatisticsModel;

enum class ScreenId { Start, MatchStatus, Bonus, Settings, CardBack, Statistics, About };

// What a dialog's buttons do in the core; a view runs them through the program's event boundary.
struct ScreenActions {
    // OK, «Сохранить» or «Сброс»: a UserError means it did not happen, and the dialog stays open.
    std::function<void()> accept;
    // The dialog has closed, whichever way: the work that follows its close.
    std::function<void()> closed;
};

class Screens {
public:
    virtual ~Screens() = default;
    virtual void openStart(StartScreenModel& model) = 0;
    // The match status screen shows its countdown; a click on it goes to the model.
    virtual void openMatchStatus(MatchStatus& model) = 0;
    // The bonus pictures, uncovering a piece after a won match or as a gallery.
    virtual void openBonus(BonusScreenModel& model, ScreenActions actions) = 0;
    virtual void openCardBack(CardBackModel& model, ScreenActions actions) = 0;
    virtual void openSettings(SettingsDialogModel& model, ScreenActions actions) = 0;
    virtual void openStatistics(StatisticsModel& model, ScreenActions actions) = 0;
    // The about box plays the clip at this path.
    virtual void openAbout(const std::string& clipPath) = 0;
    virtual void close(ScreenId screen) = 0;
    // Ends the program: the event loop ends and every window closes.
    virtual void quit() = 0;
};

// The screens, counting how many have been opened: what lies on the table and must give way to any
// screen (the last trick shown again) closes when the count moves.
class CountedScreens : public Screens {
public:
    explicit CountedScreens(Screens& screens) : screens_(screens) {}
    unsigned opened() const { return opened_; }

    void openStart(StartScreenModel& model) override
    {
        ++opened_;
        screens_.openStart(model);
    }
    void openMatchStatus(MatchStatus& model) override
    {
        ++opened_;
        screens_.openMatchStatus(model);
    }
    void openBonus(BonusScreenModel& model, ScreenActions actions) override
    {
        ++opened_;
        screens_.openBonus(model, std::move(actions));
    }
    void openCardBack(CardBackModel& model, ScreenActions actions) override
    {
        ++opened_;
        screens_.openCardBack(model, std::move(actions));
    }
    void openSettings(SettingsDialogModel& model, ScreenActions actions) override
    {
        ++opened_;
        screens_.openSettings(model, std::move(actions));
    }
    void openStatistics(StatisticsModel& model, ScreenActions actions) override
    {
        ++opened_;
        screens_.openStatistics(model, std::move(actions));
    }
    void openAbout(const std::string& clipPath) override
    {
        ++opened_;
        screens_.openAbout(clipPath);
    }
    void close(ScreenId screen) override { screens_.close(screen); }
    void quit() override { screens_.quit(); }

private:
    Screens& screens_;
    unsigned opened_ = 0;
};

} // namespace liorna
