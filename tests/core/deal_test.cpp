#include <gtest/gtest.h>

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
            if (e.humanHand[k] != human[k] && !e.humanHand[k].isEmpty())
                order.push_back("h" + std::to_string(k + 1));
            if (e.computerHand[k] != computer[k] && !e.computerHand[k].isEmpty())
                order.push_back("c" + std::to_string(k + 1));
        }
        human = e.humanHand;
        computer = e.computerHand;
    }
};

class Deal : public ::testing::Test {
protected:
    void SetUp() override { h.startToEmptyTable(); }
    GameEngine& e() { return h.engine(); }
    void takeAllBut(std::initializer_list<int> positions)
    {
        for (auto& line : e().deckList)
            line.reset();
        for (int p : positions)
            e().deckList[p] = Card::fromDeckIndex(p);
        e().stockCount = static_cast<int>(positions.size());
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

TEST_F(Deal, DrawTakesTheCardAtTheCounterOrTheNextOneLeftWrappingAround)
{
    e().setShuffleCounter(7);
    EXPECT_EQ(e().drawCard(), card("h8"));
    EXPECT_FALSE(e().deckList[7].has_value());
    EXPECT_EQ(e().drawCard(), card("h9")); // position 7 is taken: the next card after it
    EXPECT_EQ(e().shuffleCounter(), 8);

    takeAllBut({3});
    e().setShuffleCounter(30);
    EXPECT_EQ(e().drawCard(), Card::fromDeckIndex(3));
    EXPECT_EQ(e().shuffleCounter(), 3);
}

TEST_F(Deal, CounterTurnsEveryMillisecondAndStandsStillAfterAnEmptyDraw)
{
    e().setShuffleCounter(33);
    h.advance(5);
    EXPECT_EQ(e().shuffleCounter(), 2); // 33 + 5 wraps past 35

    takeAllBut({});
    e().stockCount = 0;
    e().setShuffleCounter(10);
    EXPECT_EQ(e().drawCard(), std::nullopt);
    const int after = e().shuffleCounter();
    EXPECT_EQ(after, 11);
    h.advance(50);
    EXPECT_EQ(e().shuffleCounter(), after);
}

TEST_F(Deal, FullDealFillsHumanThenComputerSlotBySlotAndLeaves26)
{
    e().startNewDeal();
    const auto r = runRecording();
    EXPECT_EQ(r.order,
              (std::vector<std::string>{"h1", "c1", "h2", "c2", "h3", "c3", "h4", "c4", "h5", "c5"}));
    EXPECT_EQ(e().stockCount, 26);
    EXPECT_EQ(e().table().stock.count, "26");
    int left = 0;
    for (const auto& line : e().deckList)
        left += line ? 1 : 0;
    EXPECT_EQ(left, 26);
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(e().humanHand[k].holdsCard());
        EXPECT_TRUE(e().computerHand[k].holdsCard());
    }
}

TEST_F(Deal, PacingDigitDelaysAStepByTenTimesItAndZeroSkipsAtOnce)
{
    // Read backwards from the read position: 1, then 9, then 0.
    e().pool.setPool("0911", 4);
    e().dealStep = 55;
    e().scheduleDealStep();
    EXPECT_EQ(e().paceDigit, 1);
    EXPECT_EQ(e().dealTimer().interval(), 10);
    h.advance(10); // deals, then reads '9'
    EXPECT_TRUE(e().humanHand[0].holdsCard());
    EXPECT_EQ(e().dealTimer().interval(), 90);
    h.advance(89);
    EXPECT_TRUE(e().computerHand[0].isEmpty());
    h.advance(1); // deals the second card, reads 0 and skips at once to the empty pool
    EXPECT_TRUE(e().computerHand[0].holdsCard());
    EXPECT_GE(e().paceDigit, 1);
    EXPECT_LE(e().paceDigit, 9);
    EXPECT_TRUE(e().dealTimer().active());
}

TEST_F(Deal, EmptyPoolPacesWithDigitsOneToNine)
{
    e().pool.setPool("", 0);
    for (int i = 0; i < 200; ++i) {
        const int d = e().pool.takeDigit(e().now());
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 9);
    }
}

TEST_F(Deal, PoolFillsForSevenSecondsFromCreationAndAfterTheFirstRedrawOfANewDeal)
{
    Harness fresh;
    fresh.start();
    fresh.advance(6999);
    EXPECT_TRUE(fresh.engine().pool.windowOpen(fresh.engine().now()));
    const int count = fresh.engine().pool.poolCount(fresh.engine().now());
    EXPECT_EQ(count, 6999 / 25 + 6999 / 15);
    fresh.advance(1);
    EXPECT_FALSE(fresh.engine().pool.windowOpen(fresh.engine().now()));
    fresh.advance(5000);
    EXPECT_EQ(fresh.engine().pool.poolCount(fresh.engine().now()), 7000 / 25 + 7000 / 15);
    EXPECT_GE(fresh.engine().pool.digits(fresh.engine().now()).size(), static_cast<std::size_t>(count));

    e().startNewDeal();
    EXPECT_TRUE(e().poolRefreshPending);
    ASSERT_TRUE(h.idle());
    EXPECT_FALSE(e().poolRefreshPending);
    EXPECT_TRUE(e().pool.windowOpen(e().now()));
}

TEST_F(Deal, RefillsDealTheLastSlotsOfBothHandsHumanFirst)
{
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        h.idle();
        e().humanHand = {};
        e().computerHand = {};
        for (auto& v : e().tableForSetup().overlay)
            v.shown = false;
        e().stockCount = 20;
        e().ledCount = n;
        e().refillHands();
        EXPECT_EQ(e().dealStep, 45 + 2 * n);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(e().table().overlay[k].shown, k >= 5 - n) << k;
        const auto r = runRecording();
        std::vector<std::string> expected;
        for (int k = 6 - n; k <= 5; ++k) {
            expected.push_back("h" + std::to_string(k));
            expected.push_back("c" + std::to_string(k));
        }
        EXPECT_EQ(r.order, expected);
        EXPECT_EQ(e().stockCount, 20 - 2 * n);
    }
}

TEST_F(Deal, StockRunningOutMidRefillMarksOneHumanSlotAndEmptiesTheStock)
{
    takeAllBut({4, 20});
    e().ledCount = 3;
    e().refillHands();
    ASSERT_TRUE(h.idle());
    EXPECT_TRUE(e().humanHand[2].holdsCard());
    EXPECT_TRUE(e().computerHand[2].holdsCard());
    EXPECT_TRUE(e().humanHand[3].isExhausted());
    EXPECT_TRUE(e().humanHand[4].isEmpty());
    EXPECT_TRUE(e().computerHand[3].isEmpty());
    EXPECT_TRUE(e().computerHand[4].isEmpty());
    EXPECT_EQ(e().stockCount, -1);
    const auto& stock = e().table().stock;
    EXPECT_FALSE(stock.countShown);
    EXPECT_EQ(stock.backs[0].picture, Picture::blank());
    EXPECT_FALSE(stock.backs[1].shown);
    EXPECT_FALSE(stock.backs[2].shown);
}

TEST_F(Deal, LastCardOnTheLastStepLeavesZeroAndTheNextRefillMarksItsFirstHumanSlot)
{
    takeAllBut({1, 2, 30, 31});
    e().ledCount = 2;
    e().refillHands();
    ASSERT_TRUE(h.idle());
    EXPECT_EQ(e().stockCount, 0);
    EXPECT_EQ(e().table().stock.count, "0");
    EXPECT_TRUE(e().table().stock.countShown);
    for (int k : {3, 4}) {
        EXPECT_TRUE(e().humanHand[k].holdsCard());
        EXPECT_TRUE(e().computerHand[k].holdsCard());
    }

    e().humanHand[4] = Slot::empty();
    e().computerHand[4] = Slot::empty();
    e().ledCount = 1;
    e().refillHands();
    ASSERT_TRUE(h.idle());
    EXPECT_TRUE(e().humanHand[4].isExhausted());
    EXPECT_TRUE(e().computerHand[4].isEmpty());
    EXPECT_EQ(e().stockCount, -1);
}

TEST_F(Deal, NewDealResetsTheTableAndAnnouncesTheCycledTrump)
{
    h.advance(1500 - e().now()); // the cycle shows "b" after 300 ms, then p, k, h and "b" again at 1500
    ASSERT_EQ(e().cycledSuit(), Suit::Diamonds);
    e().startNewDeal();
    EXPECT_EQ(e().trumpSuit, Suit::Diamonds);
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

TEST_F(Deal, SuitCycleStepsEvery300MillisecondsFromCreation)
{
    Harness fresh;
    fresh.start();
    auto& g = fresh.engine();
    EXPECT_EQ(g.cycledSuit(), std::nullopt);
    EXPECT_EQ(g.suitCycle.suitCyclePhase(g.now()), 5);
    const Suit expected[] = {Suit::Diamonds, Suit::Spades, Suit::Clubs, Suit::Hearts, Suit::Diamonds};
    const int phases[] = {4, 3, 2, 5, 4};
    for (int i = 0; i < 5; ++i) {
        fresh.advance(i == 0 ? 300 : 300);
        EXPECT_EQ(g.cycledSuit(), expected[i]) << i;
        EXPECT_EQ(g.suitCycle.suitCyclePhase(g.now()), phases[i]) << i;
    }
    // Once stopped, it moves only by hand.
    g.suitCycle.stop(g.now());
    fresh.advance(3000);
    EXPECT_EQ(g.cycledSuit(), Suit::Diamonds);
    g.suitCycle.advance(g.now());
    EXPECT_EQ(g.cycledSuit(), Suit::Spades);
}

TEST_F(Deal, ANewDealCancelsEveryStepOfThePreviousDeal)
{
    e().startNewDeal();
    h.advance(200); // deep in the first deal or its redraw
    e().tableForSetup().flyingCard.shown = true;
    e().furtherFlights = 3;
    e().startCardFlight();
    e().startNewDeal();
    ASSERT_TRUE(h.idle());
    int dealt = 0;
    for (int k = 0; k < 5; ++k)
        dealt += e().humanHand[k].holdsCard() + e().computerHand[k].holdsCard();
    EXPECT_EQ(dealt, 10);
    EXPECT_EQ(e().stockCount, 26);
    int left = 0;
    for (const auto& line : e().deckList)
        left += line ? 1 : 0;
    EXPECT_EQ(left, 26);
    EXPECT_FALSE(e().table().flyingCard.shown);
    EXPECT_EQ(e().redrawStage, 0);
}
