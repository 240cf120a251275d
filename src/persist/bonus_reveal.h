#pragma once
// The uncovering after a won match, on the program's clock: one cover piece every 900 ms, replaying
// earlier wins' pieces first, then the progress is written; a completed picture joins the gallery
// 2.5 s later. The bonus screen shows this; the scenario driver runs it on the virtual clock.

#include <functional>
#include <optional>
#include <string>

#include "persist/bonus_progress.h"
#include "platform/engine_timer.h"

namespace liorna {

class BonusReveal {
public:
    // `revealMatchMode` set: after a won match of that mode; unset: the gallery only.
    BonusReveal(Timers& timers, SettingsFile& settings, std::optional<int> revealMatchMode);

    // The screen has shown for the first time: the uncovering starts (once).
    void start();
    void step();
    bool revealMode() const { return revealMode_; }
    const RevealPlan& plan() const { return plan_; }
    std::size_t revealStep() const { return step_; }
    bool committed() const { return committed_; }
    int currentFrame() const { return plan_.frameAt(step_); }
    BonusProgress& progress() { return progress_; }
    const BonusProgress& progress() const { return progress_; }
    // A step of the uncovering or the gallery's refresh is still to come.
    bool pending() const { return revealTimer_.active() || refreshTimer_.active(); }

    // Told after each step, after the commit and when the gallery should be refreshed.
    std::function<void()> onStep;
    std::function<void()> onCommit;
    std::function<void()> onGalleryRefresh;
    std::function<void(const std::string&)> report;

private:
    void commit();
    void refreshTick();

    BonusProgress progress_;
    bool revealMode_;
    RevealPlan plan_;
    std::size_t step_ = 0;
    bool started_ = false;
    bool committed_ = false;
    EngineTimer revealTimer_;
    EngineTimer refreshTimer_;
};

} // namespace liorna
