#pragma once
// Opening and closing the modal screens. The core holds each screen's model; the Qt layer shows it
// with QDialog::open() so that nothing nests and the core never blocks.

namespace liorna {

class StartScreenModel;

enum class ScreenId { Start, MatchStatus, Bonus, Settings, CardBack, Statistics, About };

class Screens {
public:
    virtual ~Screens() = default;
    virtual void openStart(StartScreenModel& model) = 0;
    // The match status screen shows the engine's match status; its clicks go back to the engine.
    virtual void openMatchStatus() = 0;
    // The bonus pictures, uncovering a piece after a won match (reveal) or as a gallery.
    virtual void openBonus(bool reveal) = 0;
    virtual void openCardBack() = 0;
    virtual void openSettings() = 0;
    virtual void openStatistics() = 0;
    virtual void openAbout() = 0;
    virtual void close(ScreenId screen) = 0;
    // Ends the program: the event loop ends and every window closes.
    virtual void quit() = 0;
};

} // namespace liorna
