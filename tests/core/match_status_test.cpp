// The match status countdown as a model of its own: a new game ends it where it stands, and "nothing
// pending" waits for it.

#include <gtest/gtest.h>

#include "game/game_setup.h"
#include "harness.h"

using namespace liorna;

namespace {

// The last trick of a deal that decides nothing (target 8, the computer gets 2): the human leads
// the nine of clubs, the computer gives up, the deal is scored and the status screen opens.
void lastTrickOfAnUndecidedDeal(Harness& h)
{
    h.startToEmptyTable();
    GameEngine& e = h.engine();
    e.setup()
        .matchTargetCode(18)
        .stockExhausted()
        .hand(Seat::Human, {Slot::held(*Card::fromCode("k9")), Slot::exhausted(), {}, {}, {}})
        .hand(Seat::Computer, {Slot::held(*Card::fromCode("k1")), {}, {}, {}, {}})
        .humanTrickPoints(70)
        .computerTrickPoints(39)
        .trump(Suit::Spades)
        .phase(TurnPhase::HumanLeading);
    e.deliver([&] { e.inputHandCard(1, false); });
    e.deliver([&] { e.inputPlay(); });
    h.advance(2560);
}

} // namespace

TEST(MatchStatus, ANewGameEndsTheCountdownSoNoSecondDealFollows)
{
    Harness h;
    lastTrickOfAnUndecidedDeal(h);
    GameEngine& e = h.engine();
    ASSERT_TRUE(h.screens.top(ScreenId::MatchStatus));
    ASSERT_TRUE(e.matchStatus().open);
    h.advance(2000); // the covers are coming down; the decision is still to come
    const int dealsBefore = e.dealsStarted();
    e.deliver([&] { e.commands().newGame(6); });
    EXPECT_FALSE(e.matchStatus().open);
    EXPECT_FALSE(h.screens.top(ScreenId::MatchStatus));
    h.advance(15000);
    EXPECT_EQ(e.dealsStarted(), dealsBefore + 1);
    EXPECT_EQ(e.match().humanPenalty(), 0);
    EXPECT_EQ(e.match().computerPenalty(), 0);
}

TEST(MatchStatus, NothingIsPendingUntilTheScreenHasClosed)
{
    Harness h;
    lastTrickOfAnUndecidedDeal(h);
    GameEngine& e = h.engine();
    const std::int64_t scored = h.timers.now();
    ASSERT_TRUE(h.idle());
    // The countdown ran to its end: the next deal was dealt behind the screen, which then closed.
    EXPECT_FALSE(e.matchStatus().open);
    EXPECT_TRUE(h.screens.stack.empty());
    EXPECT_GE(h.timers.now() - scored, 21 * 450 + 1000); // twenty-one steps, then the close
    EXPECT_EQ(e.table().stock.count, "26");
}
