#include <gtest/gtest.h>

#include "game/game_setup.h"
#include "harness.h"

using namespace liorna;

namespace {

Card card(const char* code)
{
    return *Card::fromCode(code);
}

// Which slot changed from empty to filled between two looks at the hands: "h1" .. "c5".
struct FillRecorder {
    std::array<Slot, 5> human{};
    std::array<Slot, 5> computer{};
    std::vector<std::string> order;

    void look(const GameEngine& e)
    {
        for (int k = 0; k < 5; ++k) {
            if (e.cards().row(Row::Human)[k] != human[k] && !e.cards().row(Row::Human)[k].isEmpty())
                order.push_back("h" + std::to_string(k + 1));
            if (e.cards().row(Row::Computer)[k] != computer[k] && !e.cards().row(Row::Computer)[k].isEmpty())
                order.push_back("c" + std::to_string(k + 1));
        }
        human = e.cards().row(Row::Human);
        computer = e.cards().row(Row::Computer);
    }
};

class DealSteps : public ::testing::Test {
protected:
    void SetUp() override { h.startToEmptyTable(); }
    GameEngine& e() { return h.engine(); }
    void takeAllBut(std::initializer_list<int> positions) { e().setup().stock(positions); }
    int leftInStock()
    {
        int left = 0;
        for (int i = 0; i < DECK_SIZE; ++i)
            left += e().deal().inStock(i) ? 1 : 0;
        return left;
    }
    // Runs the clock a millisecond at a time, recording slot fills, until nothing is pending.
    FillRecorder runRecording(std::int64_t limit = 5000)
    {
        FillRecorder r;
        r.look(e());
        for (std::int64_t t = 0; t < limit && e().pacingPending(); ++t) {
            h.advance(1);
            r.look(e());
        }
        return r;
    }
    Harness h;
};

} // namespace

TEST_F(DealSteps, DrawTakesTheCardAtTheCounterOrTheNextOneLeftWrappingAround)
{
    e().setup().shuffleCounter(7);
    EXPECT_EQ(e().deal().drawCard(), card("h8"));
    EXPECT_FALSE(e().deal().inStock(7));
    EXPECT_EQ(e().deal().drawCard(), card("h9")); // position 7 is taken: the next card after it
    EXPECT_EQ(e().deal().shuffleCounter(), 8);

    takeAllBut({3});
    e().setup().shuffleCounter(30);
    EXPECT_EQ(e().deal().drawCard(), Card::fromDeckIndex(3));
    EXPECT_EQ(e().deal().shuffleCounter(), 3);
}

TEST_F(DealSteps, CounterTurnsEveryMillisecondAndStandsStillAfterAnEmptyDraw)
{
    e().setup().shuffleCounter(33);
    h.advance(5);
    EXPECT_EQ(e().deal().shuffleCounter(), 2); // 33 + 5 wraps past 35

    takeAllBut({});
    e().setup().stockCount(0);
    e().setup().shuffleCounter(10);
    EXPECT_EQ(e().deal().drawCard(), std::nullopt);
    const int after = e().deal().shuffleCounter();
    EXPECT_EQ(after, 11);
    h.advance(50);
    EXPECT_EQ(e().deal().shuffleCounter(), after);
}

TEST_F(DealSteps, FullDealFillsHumanThenComputerSlotBySlotAndLeaves26)
{
    e().startDeal(DealStart::Next);
    const auto r = runRecording();
    EXPECT_EQ(r.order,
              (std::vector<std::string>{"h1", "c1", "h2", "c2", "h3", "c3", "h4", "c4", "h5", "c5"}));
    EXPECT_EQ(e().deal().stockCount(), 26);
    EXPECT_EQ(e().table().stock.count, "26");
    EXPECT_EQ(leftInStock(), 26);
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(e().cards().slot(Row::Human, k).holdsCard());
        EXPECT_TRUE(e().cards().slot(Row::Computer, k).holdsCard());
    }
}

TEST_F(DealSteps, PacingDigitDelaysAStepByTenTimesItAndZeroSkipsAtOnce)
{
    // Read backwards from the read position: 1, then 9, then 0.
    e().setup().pacingPool("0911", 4).dealStep(55);
    e().deal().scheduleDealStep();
    EXPECT_EQ(e().deal().paceDigit(), 1);
    EXPECT_EQ(e().deal().stepDelayMs(), 10);
    h.advance(10); // deals, then reads '9'
    EXPECT_TRUE(e().cards().slot(Row::Human, 0).holdsCard());
    EXPECT_EQ(e().deal().stepDelayMs(), 90);
    h.advance(89);
    EXPECT_TRUE(e().cards().slot(Row::Computer, 0).isEmpty());
    h.advance(1); // deals the second card, reads 0 and skips at once to the empty pool
    EXPECT_TRUE(e().cards().slot(Row::Computer, 0).holdsCard());
    EXPECT_GE(e().deal().paceDigit(), 1);
    EXPECT_LE(e().deal().paceDigit(), 9);
    EXPECT_TRUE(e().deal().pending());
}

TEST_F(DealSteps, EmptyPoolPacesWithDigitsOneToNine)
{
    DigitPool pool(h.random);
    for (int i = 0; i < 200; ++i) {
        const int d = pool.takeDigit(e().now());
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 9);
    }
}

TEST_F(DealSteps, PoolFillsForSevenSecondsFromCreationAndAfterTheFirstRedrawOfANewDeal)
{
    Harness fresh;
    fresh.start();
    fresh.advance(6999);
    EXPECT_TRUE(fresh.engine().deal().pool().windowOpen);
    const int count = fresh.engine().deal().pool().count;
    EXPECT_EQ(count, 6999 / 25 + 6999 / 15);
    fresh.advance(1);
    EXPECT_FALSE(fresh.engine().deal().pool().windowOpen);
    fresh.advance(5000);
    EXPECT_EQ(fresh.engine().deal().pool().count, 7000 / 25 + 7000 / 15);
    EXPECT_GE(fresh.engine().deal().pool().digits.size(), static_cast<std::size_t>(count));

    e().startDeal(DealStart::Next);
    EXPECT_TRUE(e().deal().poolRefreshPending());
    ASSERT_TRUE(h.idle());
    EXPECT_FALSE(e().deal().poolRefreshPending());
    EXPECT_TRUE(e().deal().pool().windowOpen);
}

TEST_F(DealSteps, RefillsDealTheLastSlotsOfBothHandsHumanFirst)
{
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        h.idle();
        e().setup().dealtHand(Seat::Human, {}).dealtHand(Seat::Computer, {}).stockCount(20);
        // No veil left from the previous round; the refill is an event, seen as it leaves the table.
        e().deliver([&] {
            e().cards().cancelPending();
            e().deal().refillHands(n);
        });
        EXPECT_EQ(e().deal().dealStep(), 45 + 2 * n);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(e().table().overlay[k].shown, k >= 5 - n) << k;
        const auto r = runRecording();
        std::vector<std::string> expected;
        for (int k = 6 - n; k <= 5; ++k) {
            expected.push_back("h" + std::to_string(k));
            expected.push_back("c" + std::to_string(k));
        }
        EXPECT_EQ(r.order, expected);
        EXPECT_EQ(e().deal().stockCount(), 20 - 2 * n);
    }
}

TEST_F(DealSteps, StockRunningOutMidRefillMarksOneHumanSlotAndEmptiesTheStock)
{
    takeAllBut({4, 20});
    e().deal().refillHands(3);
    ASSERT_TRUE(h.idle());
    EXPECT_TRUE(e().cards().slot(Row::Human, 2).holdsCard());
    EXPECT_TRUE(e().cards().slot(Row::Computer, 2).holdsCard());
    EXPECT_TRUE(e().cards().slot(Row::Human, 3).isExhausted());
    EXPECT_TRUE(e().cards().slot(Row::Human, 4).isEmpty());
    EXPECT_TRUE(e().cards().slot(Row::Computer, 3).isEmpty());
    EXPECT_TRUE(e().cards().slot(Row::Computer, 4).isEmpty());
    EXPECT_EQ(e().deal().stockCount(), -1);
    const auto& stock = e().table().stock;
    EXPECT_FALSE(stock.countShown);
    EXPECT_EQ(stock.backs[0].picture, Picture::blank());
    EXPECT_FALSE(stock.backs[1].shown);
    EXPECT_FALSE(stock.backs[2].shown);
}

TEST_F(DealSteps, LastCardOnTheLastStepLeavesZeroAndTheNextRefillMarksItsFirstHumanSlot)
{
    takeAllBut({1, 2, 30, 31});
    e().deal().refillHands(2);
    ASSERT_TRUE(h.idle());
    EXPECT_EQ(e().deal().stockCount(), 0);
    EXPECT_EQ(e().table().stock.count, "0");
    EXPECT_TRUE(e().table().stock.countShown);
    for (int k : {3, 4}) {
        EXPECT_TRUE(e().cards().slot(Row::Human, k).holdsCard());
        EXPECT_TRUE(e().cards().slot(Row::Computer, k).holdsCard());
    }

    SlotRow human = e().cards().row(Row::Human);
    SlotRow computer = e().cards().row(Row::Computer);
    human[4] = Slot::empty();
    computer[4] = Slot::empty();
    e().setup().dealtHand(Seat::Human, human).dealtHand(Seat::Computer, computer);
    e().deal().refillHands(1);
    ASSERT_TRUE(h.idle());
    EXPECT_TRUE(e().cards().slot(Row::Human, 4).isExhausted());
    EXPECT_TRUE(e().cards().slot(Row::Computer, 4).isEmpty());
    EXPECT_EQ(e().deal().stockCount(), -1);
}

TEST_F(DealSteps, NewDealResetsTheTableAndAnnouncesTheCycledTrump)
{
    h.advance(1500 - e().now()); // the cycle shows "b" after 300 ms, then p, k, h and "b" again at 1500
    ASSERT_EQ(e().deal().cycledSuit(), Suit::Diamonds);
    e().deliver([&] { e().startDeal(DealStart::Next); });
    EXPECT_EQ(e().deal().trumpSuit(), Suit::Diamonds);
    EXPECT_EQ(e().table().trumpAnnouncement, "Козырь буби");
    EXPECT_TRUE(e().table().trumpAnnouncementShown);
    EXPECT_EQ(e().table().trumpSymbol, Picture::suitSymbol(1));
    EXPECT_EQ(e().table().stock.count, "0");
    EXPECT_EQ(e().table().actionCaption, "Пойти");
    h.advance(2500);
    EXPECT_FALSE(e().table().trumpAnnouncementShown);
    EXPECT_EQ(e().table().trumpAnnouncement, "");
    EXPECT_EQ(e().table().trumpSymbol, Picture::suitSymbol(1));
}

TEST_F(DealSteps, SuitCycleStepsEvery300MillisecondsFromCreation)
{
    Harness fresh;
    fresh.start();
    auto& g = fresh.engine();
    EXPECT_EQ(g.deal().cycledSuit(), std::nullopt);
    EXPECT_EQ(g.deal().suitCyclePhase(), 5);
    const Suit expected[] = {Suit::Diamonds, Suit::Spades, Suit::Clubs, Suit::Hearts, Suit::Diamonds};
    const int phases[] = {4, 3, 2, 5, 4};
    for (int i = 0; i < 5; ++i) {
        fresh.advance(i == 0 ? 300 : 300);
        EXPECT_EQ(g.deal().cycledSuit(), expected[i]) << i;
        EXPECT_EQ(g.deal().suitCyclePhase(), phases[i]) << i;
    }
    // Once the computer falls back on it to lead, it stops for good and moves only by hand, until it
    // shows a suit the hand holds.
    EXPECT_EQ(g.deal().cycleToHeldSuit({0, 1, 0, 0}), Suit::Diamonds); // it shows diamonds: no step
    fresh.advance(3000);
    EXPECT_EQ(g.deal().cycledSuit(), Suit::Diamonds);
    EXPECT_EQ(g.deal().cycleToHeldSuit({0, 0, 1, 0}), Suit::Spades);
    EXPECT_EQ(g.deal().cycledSuit(), Suit::Spades);
    EXPECT_EQ(g.deal().cycleToHeldSuit({1, 0, 0, 0}), Suit::Hearts); // clubs, then hearts
    EXPECT_EQ(g.deal().cycleToHeldSuit({0, 0, 0, 0}), std::nullopt); // once round, back where it was
    EXPECT_EQ(g.deal().cycledSuit(), Suit::Hearts);
}

TEST_F(DealSteps, ANewDealCancelsEveryStepOfThePreviousDeal)
{
    e().startDeal(DealStart::Next);
    h.advance(200); // deep in the first deal or its redraw
    e().cards().startFlights(4);
    e().startDeal(DealStart::Next);
    ASSERT_TRUE(h.idle());
    int dealt = 0;
    for (int k = 0; k < 5; ++k)
        dealt += e().cards().slot(Row::Human, k).holdsCard() + e().cards().slot(Row::Computer, k).holdsCard();
    EXPECT_EQ(dealt, 10);
    EXPECT_EQ(e().deal().stockCount(), 26);
    EXPECT_EQ(leftInStock(), 26);
    EXPECT_FALSE(e().table().flyingCard.shown);
    EXPECT_EQ(e().cards().redrawStage(), 0);
}
