#include "persist/bonus_reveal.h"

#include "platform/intervals.h"
#include "platform/ports.h"

namespace liorna {

BonusReveal::BonusReveal(Timers& timers, SettingsFile& settings, std::optional<int> revealMatchMode)
    : progress_(settings), revealMode_(revealMatchMode.has_value()),
      revealTimer_(timers, interval::REVEAL_STEP, [this] { step(); }),
      refreshTimer_(timers, interval::GALLERY_REFRESH, [this] { refreshTick(); })
{
    if (revealMode_)
        plan_ = progress_.revealPlan(*revealMatchMode);
}

void BonusReveal::start()
{
    if (!revealMode_ || started_)
        return;
    started_ = true;
    if (plan_.stepCount() > 0)
        revealTimer_.start();
}

void BonusReveal::step()
{
    revealTimer_.stop();
    if (!revealMode_ || committed_ || plan_.finishedAt(step_))
        return;
    ++step_;
    if (onStep)
        onStep();
    if (plan_.finishedAt(step_))
        commit();
    else
        revealTimer_.start();
}

void BonusReveal::commit()
{
    committed_ = true;
    if (plan_.completesPicture)
        refreshTimer_.start();
    try {
        progress_.commit(plan_);
    } catch (const UserError& error) {
        if (report)
            report(error.what());
    }
    if (onCommit)
        onCommit();
}

void BonusReveal::refreshTick()
{
    refreshTimer_.stop();
    if (onGalleryRefresh)
        onGalleryRefresh();
}

} // namespace liorna
