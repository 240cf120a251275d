#include "rule_watch.h"

#include <fstream>
#include <iterator>

namespace liorna::scenario {

namespace {

std::optional<SeenCard> seen(const Slot& slot)
{
    if (!slot.holdsCard())
        return std::nullopt;
    return SeenCard{static_cast<int>(slot.card.suit), slot.card.rank};
}

SeenCards cardsOf(const std::array<Slot, HAND_SIZE>& row)
{
    SeenCards cards = 0;
    for (const auto& slot : row)
        if (const auto card = seen(slot))
            cards |= bitOf(*card);
    return cards;
}

} // namespace

RuleWatch::RuleWatch(Harness& h) : h_(h)
{
    GameEngine& e = h_.engine();
    dealsSeen_ = e.dealsStarted();
    matchesSeen_ = e.match().matchesFinished();
    h_.tableChanged = [this] { observe(); };
}

RuleWatch::~RuleWatch()
{
    h_.tableChanged = nullptr;
}

void RuleWatch::matchBegins(std::optional<int> mode)
{
    rules_.matchBegins(mode, fileLines());
}

void RuleWatch::matchSettled()
{
    rules_.matchSettled(fileLines());
}

void RuleWatch::picking(int slot, const std::function<void()>& click)
{
    GameEngine& e = h_.engine();
    pick_.reset();
    const auto at = static_cast<std::size_t>(slot - 1);
    const auto card = seen(e.cards().slot(Row::Human, at));
    click();
    // Known only when the game took the click as a pick.
    if (card && e.trick().phase() == TurnPhase::HumanAnswering && e.trick().handSelected(slot))
        pick_ = std::make_pair(at, *card);
}

void RuleWatch::covering(int pair, const std::function<void()>& click)
{
    GameEngine& e = h_.engine();
    const auto at = static_cast<std::size_t>(pair - 1);
    const auto led = seen(e.cards().slot(Row::Led, at));
    // Only a try whose outcome tells something: the pick still the game's, and a bare led card.
    const bool known = pick_ && e.trick().phase() == TurnPhase::HumanAnswering && led &&
                       e.trick().handSelected(static_cast<int>(pick_->first) + 1) &&
                       !e.cards().slot(Row::Cover, at).holdsCard();
    const int trump = static_cast<int>(e.deal().trumpSuit());
    const auto refusals = e.trick().refusal().serial;
    click();
    if (!known) {
        pick_.reset();
        return;
    }
    const auto cover = seen(e.cards().slot(Row::Cover, at));
    const bool accepted = cover && bitOf(*cover) == bitOf(pick_->second);
    const bool refused = e.trick().refusal().serial != refusals &&
                         e.trick().refusal().place == RefusalPlace::LedCard &&
                         e.trick().refusal().slot == pair;
    if (accepted || refused)
        rules_.coverTried(pick_->second, *led, trump, accepted);
    if (!refused)
        pick_.reset();
}

std::vector<std::string> RuleWatch::fileLines() const
{
    std::ifstream in(h_.dir / SETTINGS_PATH, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at));
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

void RuleWatch::observe()
{
    GameEngine& e = h_.engine();
    if (e.dealsStarted() != dealsSeen_) {
        dealsSeen_ = e.dealsStarted();
        rules_.dealBegins();
    }
    if (e.match().matchesFinished() != matchesSeen_) {
        matchesSeen_ = e.match().matchesFinished();
        rules_.matchDecided(e.matchStatus().matchWon);
    }
    const TurnPhase phase = e.trick().phase();
    if (static_cast<int>(phase) == phaseSeen_)
        return;
    phaseSeen_ = static_cast<int>(phase);
    if (phase != TurnPhase::HumanAnswering)
        pick_.reset();
    if (phase == TurnPhase::Playing || phase == TurnPhase::AwaitingAnswer)
        humanLed_ = true;
    else if (phase == TurnPhase::HumanAnswering)
        humanLed_ = false;
    if (phase == TurnPhase::AfterTrick) {
        SettledTrick t;
        t.humanLed = humanLed_;
        t.trump = static_cast<int>(e.deal().trumpSuit());
        for (std::size_t k = 0; k < HAND_SIZE; ++k) {
            t.led[k] = seen(e.cards().slot(Row::Led, k));
            t.covers[k] = seen(e.cards().slot(Row::Cover, k));
        }
        // Deck positions run h1 .. h9, b1 .. k9: position suit * 9 + rank - 1.
        for (int i = 0; i < DECK_SIZE; ++i)
            if (e.deal().inStock(i))
                t.stock |= SeenCards{1} << i;
        t.humanHand = cardsOf(e.cards().row(Row::Human));
        t.computerHand = cardsOf(e.cards().row(Row::Computer));
        t.humanLeadsNext = e.trick().leader() == Seat::Human;
        t.humanPoints = e.trick().humanTrickPoints();
        t.computerPoints = e.trick().computerTrickPoints();
        rules_.trickSettled(t);
    } else if (phase == TurnPhase::DealOver) {
        rules_.dealScored({e.trick().humanTrickPoints(), e.trick().computerTrickPoints(),
                           e.match().humanDealPenalty(), e.match().computerDealPenalty(),
                           e.match().humanPenalty(), e.match().computerPenalty()});
    }
}

} // namespace liorna::scenario
