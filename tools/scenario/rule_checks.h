#pragma once
// The soak's own reckoning of the rules, kept apart from the game's code: who takes a trick by the
// beating rule, the card points of what each side took, the penalty a deal hangs on each side and the
// match totals, when a match ends and who loses it, and what the match's result does to the statistics
// and bonus lines of the settings file. The driver tells it what it sees of the game; it throws
// RuleBroken at the first thing that disagrees with its own reckoning.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace liorna::scenario {

struct RuleBroken {
    std::string what;
};

// A card as the driver reads it off the table: suit 0..3 (черви, буби, пики, крести), rank 1..9
// (six .. ace, the ten above the king).
struct SeenCard {
    int suit = 0;
    int rank = 0;
};

// Cards as bits, bit suit * 9 + rank - 1.
using SeenCards = std::uint64_t;
SeenCards bitOf(SeenCard card);

// A trick as it lies on the table once it has been settled, and the game's word on it.
struct SettledTrick {
    bool humanLed = true;
    int trump = 0;
    std::array<std::optional<SeenCard>, 5> led{};    // the table pairs' led cards
    std::array<std::optional<SeenCard>, 5> covers{}; // what lies on each
    // Where every card not yet taken is now: the stock and the two hands.
    SeenCards stock = 0;
    SeenCards humanHand = 0;
    SeenCards computerHand = 0;
    // The game's: who leads next (the taker), and each side's card points of the deal so far.
    bool humanLeadsNext = true;
    int humanPoints = 0;
    int computerPoints = 0;
};

// The game's scoring of a finished deal.
struct ScoredDeal {
    int humanPoints = 0;
    int computerPoints = 0;
    int humanDealPenalty = 0;
    int computerDealPenalty = 0;
    int humanTotal = 0;
    int computerTotal = 0;
};

class RuleChecks {
public:
    // A match begins, of the length chosen by the new-game command `mode` (1 one deal .. 6 to 12
    // points), or of the length the last one had when `mode` is none; `lines` are the settings file's.
    void matchBegins(std::optional<int> mode, const std::vector<std::string>& lines);
    // A deal is dealt: the match must be undecided.
    void dealBegins();
    // The human tried to cover `led` with the picked card `pick`; the game took the cover or refused it.
    void coverTried(SeenCard pick, SeenCard led, int trump, bool accepted);
    void trickSettled(const SettledTrick& trick);
    void dealScored(const ScoredDeal& deal);
    // The game has decided the match.
    void matchDecided(bool humanWon);
    // The match's screens are done: the file must hold exactly the lines before with its result.
    void matchSettled(const std::vector<std::string>& lines);

    long coversChecked() const { return covers_; }
    long tricksChecked() const { return tricks_; }
    long dealsChecked() const { return deals_; }
    long matchesChecked() const { return matches_; }

private:
    // The length of the match: a new game of mode m plays to TARGETS[m - 1], and a win removes m pieces.
    int target_ = 12;
    int pieces_ = 1;
    // The match so far.
    int humanTotal_ = 0;
    int computerTotal_ = 0;
    std::optional<bool> humanWins_; // set once a side has reached the target
    bool decidedByGame_ = false;
    std::vector<std::string> linesBefore_;
    // The deal so far: the cards each side has taken.
    std::array<SeenCards, 2> taken_{};
    long covers_ = 0;
    long tricks_ = 0;
    long deals_ = 0;
    long matches_ = 0;
};

} // namespace liorna::scenario
