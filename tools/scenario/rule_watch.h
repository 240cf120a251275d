#pragma once
// Reads what the rule checks need off the running game after every event (every click and every
// tick, so that no settlement slips past between two of the player's moves).

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "harness.h"
#include "rule_checks.h"

namespace liorna::scenario {

class RuleWatch {
public:
    explicit RuleWatch(Harness& h);
    ~RuleWatch();
    RuleWatch(const RuleWatch&) = delete;
    RuleWatch& operator=(const RuleWatch&) = delete;

    // Before a new game of `mode` (none: of the current length) is started.
    void matchBegins(std::optional<int> mode);
    // The player clicks hand slot `slot` to pick a card to cover with, clicks led card `pair` with that
    // pick, or gives any other input, after which the game's pick is no longer known for sure.
    void picking(int slot, const std::function<void()>& click);
    void covering(int pair, const std::function<void()>& click);
    void otherInput() { pick_.reset(); }

    // The match is over and its screens are done.
    void matchSettled();

    const RuleChecks& checks() const { return rules_; }

private:
    void observe();
    std::vector<std::string> fileLines() const;

    Harness& h_;
    RuleChecks rules_;
    int dealsSeen_ = 0;
    int matchesSeen_ = 0;
    int phaseSeen_ = -1;
    bool humanLed_ = true;
    // The card the player last picked while answering, and its hand slot (0-based).
    std::optional<std::pair<std::size_t, SeenCard>> pick_;
};

} // namespace liorna::scenario
