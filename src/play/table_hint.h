#pragma once
// The hint line over the human's hand: whose turn it is and what to do, who took the trick just
// settled, and for a while after a refused move, why it was refused.

#include <optional>
#include <string>

#include "engine/table_state.h"
#include "platform/engine_timer.h"
#include "play/trick.h"

namespace liorna {

class TableHint {
public:
    // How long a refusal's reason stays, unless the player acts first.
    static constexpr int REASON_MS = 2000;
    explicit TableHint(Timers& timers);

    struct Table {
        TurnPhase phase = TurnPhase::NoTrick;
        bool matchOver = false;
        // The trick on the table once settled.
        const std::optional<TrickRecord>* settled = nullptr;
        const RefusalSign* refusal = nullptr;
    };
    // Every event ends here: a new refusal brings its reason, otherwise the line follows the table.
    void update(const Table& table);
    // The player clicked or pressed a key: a reason on the line has been seen.
    void inputSeen();
    void project(TableState& table) const { table.hint = hint_; }

    // A new deal: no reason is left from the last one.
    void cancelPending();

private:
    static std::string phaseText(const Table& table);
    static std::string reasonText(const RefusalSign& refusal);

    std::uint32_t refusalSerial_ = 0;
    std::string reason_;
    std::string hint_;
    // Ends the reason; a presentation timer, so the game counts it with neither pacing nor screens.
    EngineTimer reasonTimer_;
};

} // namespace liorna
