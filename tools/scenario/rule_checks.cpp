#include "rule_checks.h"

#include <bit>

namespace liorna::scenario {

namespace {

// The rules as the soak knows them, written out here rather than taken from the game.

constexpr int TARGETS[] = {1, 4, 6, 8, 10, 12}; // by new-game mode 1 .. 6
constexpr SeenCards WHOLE_DECK = (SeenCards{1} << 36) - 1;
constexpr std::size_t LOCKED_LINE = 0;
constexpr std::size_t STAGE_LINE = 1;
constexpr std::size_t FIRST_WON_LINE = 5; // one line per match length: one deal, 4, 6, 8, 10, 12
constexpr std::size_t FIRST_LOST_LINE = 11;
constexpr std::size_t BACKS_LINE = 19;

int pointsOfRank(int rank)
{
    // six .. nine nothing, jack 2, queen 3, king 4, ten 10, ace 11
    constexpr int POINTS[] = {0, 0, 0, 0, 0, 2, 3, 4, 10, 11};
    return POINTS[rank];
}

int pointsOf(SeenCards cards)
{
    int points = 0;
    for (; cards != 0; cards &= cards - 1)
        points += pointsOfRank(std::countr_zero(cards) % 9 + 1);
    return points;
}

int penaltyFor(int points)
{
    if (points == 0)
        return 6;
    if (points <= 31)
        return 4;
    if (points <= 59)
        return 2;
    return 0;
}

// A higher card of the led suit, a trump on a card that is not a trump, a higher trump on a trump.
bool beats(SeenCard cover, SeenCard led, int trump)
{
    if (cover.suit == led.suit)
        return cover.rank > led.rank;
    return cover.suit == trump;
}

std::string name(SeenCard card)
{
    return std::string(1, "hbpk"[card.suit]) + std::to_string(card.rank);
}

std::string matchLength(int target)
{
    return target == 1 ? "of one deal" : "to " + std::to_string(target) + " points";
}

std::string side(bool human)
{
    return human ? "the human" : "the computer";
}

// A count one higher, as decimal text of any length.
std::string plusOne(std::string count)
{
    for (std::size_t i = count.size(); i-- > 0;) {
        if (count[i] != '9') {
            ++count[i];
            return count;
        }
        count[i] = '0';
    }
    return "1" + count;
}

int number(const std::vector<std::string>& lines, std::size_t i)
{
    return i < lines.size() ? std::stoi(lines[i]) : -1;
}

} // namespace

SeenCards bitOf(SeenCard card)
{
    return SeenCards{1} << (card.suit * 9 + card.rank - 1);
}

void RuleChecks::matchBegins(std::optional<int> mode, const std::vector<std::string>& lines)
{
    if (mode) {
        target_ = TARGETS[*mode - 1];
        pieces_ = *mode;
    }
    humanTotal_ = 0;
    computerTotal_ = 0;
    humanWins_.reset();
    decidedByGame_ = false;
    linesBefore_ = lines;
}

void RuleChecks::dealBegins()
{
    if (humanWins_)
        throw RuleBroken{"a deal was dealt after " + side(!*humanWins_) + " had reached the target " +
                         std::to_string(target_) + " (" + std::to_string(humanTotal_) + ":" +
                         std::to_string(computerTotal_) + ")"};
    taken_ = {};
}

void RuleChecks::coverTried(SeenCard pick, SeenCard led, int trump, bool accepted)
{
    ++covers_;
    if (accepted != beats(pick, led, trump))
        throw RuleBroken{"the game " + std::string(accepted ? "took " : "refused ") + name(pick) +
                         " as a cover on " + name(led) + " (trump " + std::string(1, "hbpk"[trump]) + ")"};
}

void RuleChecks::trickSettled(const SettledTrick& t)
{
    ++tricks_;
    std::size_t k = 0;
    SeenCards onTable = 0;
    while (k < t.led.size() && t.led[k])
        onTable |= bitOf(*t.led[k++]);
    if (k == 0)
        throw RuleBroken{"a trick was settled with no led card"};
    // Covering means every led card has a card on it that beats it.
    bool covered = true;
    std::string reason;
    for (std::size_t i = 0; i < k; ++i) {
        if (!t.covers[i]) {
            covered = false;
            continue;
        }
        onTable |= bitOf(*t.covers[i]);
        if (!beats(*t.covers[i], *t.led[i], t.trump)) {
            covered = false;
            reason = ", " + name(*t.covers[i]) + " does not beat " + name(*t.led[i]);
        }
    }
    const bool humanTakes = t.humanLed != covered;
    if (t.humanLeadsNext != humanTakes)
        throw RuleBroken{"a trick led by " + side(t.humanLed) + " went to " + side(t.humanLeadsNext) +
                         "; the beating rule gives it to " + side(humanTakes) + " (trump " +
                         std::string(1, "hbpk"[t.trump]) + reason + ")"};
    // The trick is every card that is neither in the stock nor in a hand nor taken before: the led
    // cards and the answer, on the table or given up face down.
    const SeenCards trick = WHOLE_DECK & ~(t.stock | t.humanHand | t.computerHand | taken_[0] | taken_[1]);
    if ((trick & onTable) != onTable || std::popcount(trick) != static_cast<int>(2 * k))
        throw RuleBroken{"a trick of " + std::to_string(k) + " led cards took " +
                         std::to_string(std::popcount(trick)) + " cards"};
    taken_[humanTakes ? 0 : 1] |= trick;
    if (t.humanPoints != pointsOf(taken_[0]) || t.computerPoints != pointsOf(taken_[1]))
        throw RuleBroken{"the game counts " + std::to_string(t.humanPoints) + ":" +
                         std::to_string(t.computerPoints) + " points; the cards taken hold " +
                         std::to_string(pointsOf(taken_[0])) + ":" + std::to_string(pointsOf(taken_[1]))};
}

void RuleChecks::dealScored(const ScoredDeal& d)
{
    ++deals_;
    if ((taken_[0] | taken_[1]) != WHOLE_DECK)
        throw RuleBroken{"a deal was scored with " + std::to_string(std::popcount(taken_[0] | taken_[1])) +
                         " cards taken"};
    const int human = pointsOf(taken_[0]);
    const int computer = pointsOf(taken_[1]);
    if (d.humanPoints != human || d.computerPoints != computer)
        throw RuleBroken{"a deal was scored at " + std::to_string(d.humanPoints) + ":" +
                         std::to_string(d.computerPoints) + " points; the cards taken hold " +
                         std::to_string(human) + ":" + std::to_string(computer)};
    if (d.humanDealPenalty != penaltyFor(human) || d.computerDealPenalty != penaltyFor(computer))
        throw RuleBroken{"points " + std::to_string(human) + ":" + std::to_string(computer) + " hung " +
                         std::to_string(d.humanDealPenalty) + ":" + std::to_string(d.computerDealPenalty) +
                         " penalty points, not " + std::to_string(penaltyFor(human)) + ":" +
                         std::to_string(penaltyFor(computer))};
    humanTotal_ += penaltyFor(human);
    computerTotal_ += penaltyFor(computer);
    if (d.humanTotal != humanTotal_ || d.computerTotal != computerTotal_)
        throw RuleBroken{"the match totals are " + std::to_string(d.humanTotal) + ":" +
                         std::to_string(d.computerTotal) + ", not " + std::to_string(humanTotal_) + ":" +
                         std::to_string(computerTotal_)};
    const bool humanReached = humanTotal_ >= target_;
    const bool computerReached = computerTotal_ >= target_;
    if (humanReached && computerReached)
        throw RuleBroken{"both sides reached the target " + std::to_string(target_) + " in one deal"};
    if (humanReached || computerReached)
        humanWins_ = computerReached; // the side that reaches the target loses
}

void RuleChecks::matchDecided(bool humanWon)
{
    if (!humanWins_)
        throw RuleBroken{"the game ended the match at " + std::to_string(humanTotal_) + ":" +
                         std::to_string(computerTotal_) + ", short of the target " + std::to_string(target_)};
    if (decidedByGame_)
        throw RuleBroken{"the game decided the match twice"};
    if (humanWon != *humanWins_)
        throw RuleBroken{"the game gave the match " + matchLength(target_) + " to " + side(humanWon) +
                         " at " + std::to_string(humanTotal_) + ":" + std::to_string(computerTotal_)};
    decidedByGame_ = true;
}

void RuleChecks::matchSettled(const std::vector<std::string>& lines)
{
    ++matches_;
    if (!decidedByGame_)
        throw RuleBroken{"a match came to its end without being decided"};
    // The result counts once, on the line of the match length; a win uncovers as many pieces of the
    // picture in progress as the length is worth, completing at most one picture, the rest carried on.
    std::vector<std::string> expected = linesBefore_;
    std::size_t row = 0;
    while (TARGETS[row] != target_)
        ++row;
    const std::size_t countLine = (*humanWins_ ? FIRST_WON_LINE : FIRST_LOST_LINE) + row;
    expected[countLine] = plusOne(expected[countLine]);
    if (*humanWins_) {
        int completed = 20 - number(linesBefore_, LOCKED_LINE);
        int removed = 24 - number(linesBefore_, STAGE_LINE);
        if (completed < 20) {
            removed += pieces_;
            if (removed >= 9) {
                ++completed;
                removed = completed == 20 ? 0 : removed - 9;
            }
        }
        expected[LOCKED_LINE] = std::to_string(20 - completed);
        expected[STAGE_LINE] = std::to_string(24 - removed);
        expected[BACKS_LINE] = std::to_string(15 + completed);
    }
    if (lines.size() != expected.size())
        throw RuleBroken{"the settings file has " + std::to_string(lines.size()) +
                         " lines after the match, not " + std::to_string(expected.size())};
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] != expected[i])
            throw RuleBroken{"after " + std::string(*humanWins_ ? "a won" : "a lost") + " match " +
                             matchLength(target_) + " line " + std::to_string(i) +
                             " of the settings file is \"" + lines[i] + "\", not \"" + expected[i] +
                             "\" (it was \"" + linesBefore_[i] + "\")"};
}

} // namespace liorna::scenario
