#pragma once
// The last trick of the deal, shown again on demand over the middle of the table: Tab or a click on
// a pile shows it, the next click or key only closes it, and it closes by itself when a card is led or
// a screen opens.

#include "engine/table_state.h"
#include "play/trick.h"

namespace liorna {

class LastTrick {
public:
    explicit LastTrick(const Trick& trick) : trick_(trick) {}

    // Tab or a click on a pile: shows the last trick when a trick of this deal has been cleared, or
    // closes it when it shows.
    void toggle();
    // Any other click or key while it shows closes it and does nothing else: true when it did.
    bool closeIfShown();
    bool shown() const { return shown_; }
    // Every event ends here: a lead laid since it was shown, a screen opened or a new deal closes it.
    void follow(unsigned screensOpened);
    void project(TableState& table) const;

private:
    const Trick& trick_;
    bool shown_ = false;
    unsigned leadsAtOpen_ = 0;
    unsigned screensAtOpen_ = 0;
    unsigned screensOpened_ = 0;
};

} // namespace liorna
