#include "autoplay.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <sstream>

#include "game/game_setup.h"
#include "harness.h"
#include "rule_watch.h"

namespace liorna::scenario {

namespace {

struct Broken {
    std::string what;
};

// The cards of the deck as bits, bit i for deck index i.
using CardSet = std::uint64_t;

CardSet cardBit(int deckIndex)
{
    return CardSet{1} << deckIndex;
}

// Kept out of line so the checks that pass stay small enough to inline.
[[noreturn]] [[gnu::noinline]] void twice(Card card, const char* where)
{
    throw Broken{card.code() + " is in two places (" + where + ")"};
}

// A match that takes this many of the player's steps does not end (a long one takes some thousands).
constexpr long STEPS_PER_MATCH = 2'000'000;

class Player {
public:
    Player(Harness& h, std::uint32_t seed) : h_(h), e_(h.engine()), rng_(seed), rules_(h) {}

    // Plays until `matches` matches are finished and `deals` deals are scored.
    void play(long matches, long deals)
    {
        startMatch();
        while (e_.match().matchesFinished() < matches || this->deals() < deals) {
            act();
            check();
            if (e_.trick().phase() == TurnPhase::NoTrick && e_.matchStatus().matchOver &&
                !e_.anythingPending()) {
                closeScreens();
                rules_.matchSettled();
                if (e_.match().matchesFinished() < matches || this->deals() < deals)
                    startMatch();
            }
            if (++steps_ > STEPS_PER_MATCH)
                throw Broken{"a match does not end"};
        }
    }
    long deals() const { return e_.match().dealsScored(); }
    const RuleChecks& rules() const { return rules_.checks(); }

private:
    // 0 .. n-1 from the top bits of the next number (a multiplication, not a division).
    int roll(int n)
    {
        // SplitMix64: one addition and three mixing steps a number; ample for a test player's dice.
        std::uint64_t z = (rng_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return static_cast<int>(((z >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

    void startMatch()
    {
        steps_ = 0;
        const int mode = 1 + roll(6);
        const bool sameLength = roll(4) == 0;
        rules_.matchBegins(sameLength ? std::nullopt : std::optional<int>(mode));
        e_.deliver([&] {
            if (sameLength)
                e_.commands().newGameSameLength();
            else
                e_.commands().newGame(mode);
        });
    }

    // The player closes what the match left open: the bonus pictures after a win.
    void closeScreens()
    {
        while (!h_.screens.stack.empty())
            e_.deliver([&] { h_.screens.dismiss(); });
    }

    void act()
    {
        const bool humanTurn =
            e_.trick().phase() == TurnPhase::HumanLeading || e_.trick().phase() == TurnPhase::HumanAnswering;
        // Mostly the player waits for the game when it is not its turn, and plays when it is: most of its
        // moves on its turn are ones a player would make (which the game may still refuse), the rest are
        // clicks anywhere; now and then it lets time run on a while.
        const int r = roll(100);
        if ((!humanTurn && r < 90) || r < 8) {
            const auto due = h_.timers.nextDue();
            const std::int64_t pause = roll(10) == 0 ? roll(600) : 1000;
            if (due >= 0 && due - h_.timers.now() <= pause)
                h_.timers.fireNext(due);
            else
                h_.timers.advance(pause);
            return;
        }
        if (humanTurn && r >= 30) {
            e_.deliver([&] { playAMove(); });
            return;
        }
        const int k = 1 + roll(5);
        rules_.otherInput();
        e_.deliver([&] {
            if (r < 55)
                e_.inputHandCard(k, roll(25) == 0);
            else if (r < 75)
                e_.inputLedCard(k);
            else if (r < 80)
                e_.inputCoverCard(k);
            else if (r < 90)
                e_.inputPlay();
            else if (r < 96)
                e_.inputDiscard();
            else if (h_.screens.top(ScreenId::MatchStatus))
                e_.clickMatchStatus();
        });
    }

    // A hand slot 1..5 whose card may be played: it holds a card that is not placed as a cover; 0 if none.
    int freeHandCard()
    {
        int free[HAND_SIZE];
        int n = 0;
        for (int k = 1; k <= HAND_SIZE; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            const TablePlace& place = e_.cards().at(Row::Human, i);
            if (place.card.holdsCard() && place.shown && !place.placed)
                free[n++] = k;
        }
        return n == 0 ? 0 : free[roll(n)];
    }

    int selectedCount() const
    {
        int n = 0;
        for (int k = 1; k <= HAND_SIZE; ++k)
            n += e_.trick().handSelected(k) ? 1 : 0;
        return n;
    }

    int committedCount() const
    {
        int n = 0;
        for (int k = 1; k <= HAND_SIZE; ++k)
            n += e_.trick().handCommitted(k) ? 1 : 0;
        return n;
    }

    // A move a player would make: build a lead and play it, or cover the led cards or give up as many.
    void playAMove()
    {
        if (e_.trick().phase() == TurnPhase::HumanLeading) {
            rules_.otherInput();
            if (selectedCount() > 0 && roll(2) == 0)
                e_.inputPlay();
            else if (const int k = freeHandCard())
                e_.inputHandCard(k, false);
            return;
        }
        const int led = e_.trick().ledCount();
        const int committed = committedCount();
        if (committed > led) {
            rules_.otherInput();
            e_.inputHandCard(1 + roll(HAND_SIZE), true); // too many picked to give up: start again
        } else if (committed == led && roll(2) == 0) {
            rules_.otherInput();
            e_.inputDiscard();
        } else if (selectedCount() > 0 && roll(3) != 0) {
            // Cover with the picked card, if it beats that one.
            const int pair = 1 + roll(std::max(led, 1));
            rules_.covering(pair, [&] { e_.inputLedCard(pair); });
        } else if (const int k = freeHandCard()) {
            rules_.picking(k, [&] { e_.inputHandCard(k, false); });
        }
    }

    CardSet present() const
    {
        CardSet cards = 0;
        auto addCard = [&](Card card, const char* where) {
            const CardSet bit = cardBit(card.deckIndex());
            if ((cards & bit) != 0)
                twice(card, where);
            cards |= bit;
        };
        auto add = [&](const Slot& s, const char* where) {
            if (s.holdsCard())
                addCard(s.card, where);
        };
        for (const auto& s : e_.cards().row(Row::Human))
            add(s, "human hand");
        for (const auto& s : e_.cards().row(Row::Computer))
            add(s, "computer hand");
        for (const auto& s : e_.cards().row(Row::Led))
            add(s, "led");
        for (std::size_t k = 0; k < HAND_SIZE; ++k) {
            const Slot& c = e_.cards().slot(Row::Cover, k);
            if (e_.trick().coverSource(static_cast<int>(k) + 1) != 0 &&
                e_.trick().phase() != TurnPhase::AfterTrick) {
                // A placed human cover stays in its hand slot until the trick is settled.
                const Slot& source = e_.cards().slot(
                    Row::Human,
                    static_cast<std::size_t>(e_.trick().coverSource(static_cast<int>(k) + 1) - 1));
                if (source != c)
                    throw Broken{"cover " + c.code() + " is not the card of its hand slot " +
                                 std::to_string(e_.trick().coverSource(static_cast<int>(k) + 1)) + " (" +
                                 source.code() + "), phase " +
                                 std::to_string(static_cast<int>(e_.trick().phase()))};
                continue;
            }
            add(c, "cover");
        }
        // The stock's cards are gathered first and checked against the rest at once.
        CardSet stock = 0;
        for (int i = 0; i < DECK_SIZE; ++i)
            if (e_.deal().inStock(i))
                stock |= cardBit(i);
        if ((cards & stock) != 0)
            twice(Card::fromDeckIndex(std::countr_zero(cards & stock)), "stock");
        return cards | stock;
    }

    static int points(CardSet cards)
    {
        int p = 0;
        for (; cards != 0; cards &= cards - 1)
            p += cardPoints(std::countr_zero(cards) % 9 + 1);
        return p;
    }

    int realCards(const std::array<Slot, 5>& hand) const
    {
        int n = 0;
        for (const auto& s : hand)
            n += s.holdsCard() ? 1 : 0;
        return n;
    }

    void check()
    {
        // The exhausted mark of a deal whose last clean-up still refills may land after the scoring.
        if (e_.trick().phase() == TurnPhase::DealOver) {
            marksAtEnd_ = 0;
            for (const auto& s : e_.cards().row(Row::Human))
                marksAtEnd_ += s.isExhausted() ? 1 : 0;
        }
        // The invariants are checked whenever the trick moves on: at every change of phase.
        if (e_.trick().phase() == lastPhase_ && e_.dealsStarted() == dealSeen_)
            return;
        if (e_.dealsStarted() != dealSeen_) {
            if (dealSeen_ > 0 && lastPhase_ == TurnPhase::DealOver && marksAtEnd_ != 1)
                throw Broken{"a deal ended with " + std::to_string(marksAtEnd_) + " exhausted marks"};
            dealSeen_ = e_.dealsStarted();
            taken_ = {};
            previous_ = present();
        }
        const auto now = present();
        const auto vanished = previous_ & ~now;
        const int taker = e_.trick().leader() == Seat::Human ? 0 : 1;
        taken_[static_cast<std::size_t>(taker)] |= vanished;
        if ((now & (taken_[0] | taken_[1])) != 0)
            throw Broken{"a taken card came back"};
        const int accounted = std::popcount(now) + std::popcount(taken_[0]) + std::popcount(taken_[1]);
        if (accounted != DECK_SIZE)
            throw Broken{"cards lost: " + std::to_string(accounted) + " accounted for"};
        previous_ = now;

        const bool tableEmpty = e_.trick().ledCount() == 0;
        if (tableEmpty && e_.trick().phase() != TurnPhase::AfterTrick) {
            if (points(taken_[0]) != e_.trick().humanTrickPoints() ||
                points(taken_[1]) != e_.trick().computerTrickPoints())
                throw Broken{"points taken " + std::to_string(e_.trick().humanTrickPoints()) + "/" +
                             std::to_string(e_.trick().computerTrickPoints()) + " but the cards taken hold " +
                             std::to_string(points(taken_[0])) + "/" + std::to_string(points(taken_[1]))};
        }

        // The hands as the trick began: before the human's lead, or as the computer's lead went down.
        if (e_.trick().phase() == TurnPhase::HumanLeading) {
            humanAtStart_ = realCards(e_.cards().row(Row::Human));
            computerAtStart_ = realCards(e_.cards().row(Row::Computer));
        }
        if (e_.trick().phase() == TurnPhase::HumanAnswering && lastPhase_ != TurnPhase::HumanAnswering) {
            humanAtStart_ = realCards(e_.cards().row(Row::Human));
            computerAtStart_ = realCards(e_.cards().row(Row::Computer)) + e_.trick().ledCount();
        }
        if (e_.trick().phase() == TurnPhase::AfterTrick && lastPhase_ != TurnPhase::AfterTrick) {
            const int k = e_.trick().ledCount();
            for (int j = 0; j < HAND_SIZE; ++j)
                if (e_.cards().slot(Row::Led, static_cast<std::size_t>(j)).holdsCard() != (j < k))
                    throw Broken{"a trick used an empty or exhausted slot"};
            if (humanAtStart_ - realCards(e_.cards().row(Row::Human)) != k ||
                computerAtStart_ - realCards(e_.cards().row(Row::Computer)) != k)
                throw Broken{"a trick of " + std::to_string(k) + " took " +
                             std::to_string(humanAtStart_ - realCards(e_.cards().row(Row::Human))) + " and " +
                             std::to_string(computerAtStart_ - realCards(e_.cards().row(Row::Computer))) +
                             " cards"};
        }
        if (e_.trick().phase() == TurnPhase::DealOver) {
            if (lastPhase_ != TurnPhase::DealOver &&
                e_.trick().humanTrickPoints() + e_.trick().computerTrickPoints() != DECK_POINTS)
                throw Broken{
                    "a deal ended with " +
                    std::to_string(e_.trick().humanTrickPoints() + e_.trick().computerTrickPoints()) +
                    " points taken"};
            if (e_.trick().pending() || e_.trick().ledCount() != 0)
                throw Broken{"a timer or a lead came into a finished deal"};
        }
        lastPhase_ = e_.trick().phase();
    }

    Harness& h_;
    GameEngine& e_;
    // The player's own stream: std::mt19937's numbers, so a seed plays the game it always played.
    // The player's own stream: any cheap generator does, the game's randomness is the harness's.
    std::uint64_t rng_;
    long steps_ = 0;
    int dealSeen_ = 0;
    CardSet previous_ = 0;
    std::array<CardSet, 2> taken_{};
    int humanAtStart_ = 0;
    int computerAtStart_ = 0;
    int marksAtEnd_ = 0;
    TurnPhase lastPhase_ = TurnPhase::NoTrick;
    RuleWatch rules_;
};

} // namespace

int autoplay(long matches, long deals, std::uint32_t seed, std::ostream& out)
{
    Harness h;
    h.random.reseed(seed);
    h.cues = RecordingCues(h.dir);
    if (!h.start()) {
        out << "autoplay: the program did not start\n";
        return 1;
    }
    // Cues are only recorded; keep the record from growing over thousands of deals.
    h.engine().setup().sound(false);
    Player player(h, seed);
    const auto start = std::chrono::steady_clock::now();
    const auto broken = [&](const std::string& what) {
        out << "autoplay: seed " << seed << ", deal " << h.engine().dealsStarted() << ", at "
            << h.timers.now() << " ms: " << what << "\n0 passed, 1 failed\n";
        return 1;
    };
    try {
        player.play(matches, deals);
    } catch (const Broken& b) {
        return broken(b.what);
    } catch (const RuleBroken& b) {
        return broken(b.what);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out << "autoplay: " << h.engine().match().matchesFinished() << " matches, " << player.deals()
        << " deals, " << h.timers.now() / 1000 << " s of play in " << seconds
        << " s real: " << static_cast<long>(static_cast<double>(player.deals()) / seconds)
        << " deals per second\n"
        << "autoplay: checked against the rules: " << player.rules().coversChecked() << " covers, "
        << player.rules().tricksChecked() << " tricks, " << player.rules().dealsChecked() << " deals, "
        << player.rules().matchesChecked() << " matches\n";
    if (!h.messages.shown.empty()) {
        out << "autoplay: unexpected message \"" << h.messages.shown.front() << "\"\n0 passed, 1 failed\n";
        return 1;
    }
    out << "1 passed, 0 failed\n";
    return 0;
}

} // namespace liorna::scenario
