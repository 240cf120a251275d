#include <gtest/gtest.h>

#include "harness.h"

using namespace liorna;

namespace {

class Redraw : public ::testing::Test {
protected:
    void SetUp() override { h.startToEmptyTable(); }
    GameEngine& e() { return h.engine(); }
    Harness h;
};

Slot held(const char* code)
{
    return Slot::held(*Card::fromCode(code));
}

} // namespace

TEST_F(Redraw, PaintsHumanSlotsLeftToRightThenTheComputersThenShowsTheHands)
{
    e().humanHand = {held("h1"), held("b5"), Slot::exhausted(), held("k9"), Slot::empty()};
    e().computerHand = {held("p1"), held("p2"), held("p3"), Slot::empty(), Slot::empty()};
    e().redrawHands();
    std::vector<Picture> human;
    for (int tick = 0; tick < 5; ++tick) {
        h.advance(1);
        human.push_back(e().table().humanHand[tick].picture);
        if (tick + 1 < 5) {
            EXPECT_EQ(e().table().humanHand[tick + 1].picture, Picture::none()) << tick;
        }
    }
    EXPECT_EQ(human, (std::vector<Picture>{Picture::face(0), Picture::face(13), Picture::blank(),
                                           Picture::face(35), Picture::blank()}));
    h.advance(5);
    EXPECT_EQ(e().computerCardPictures[2], Picture::face(20));
    EXPECT_EQ(e().computerCardPictures[3], Picture::blank());
    EXPECT_FALSE(e().table().humanHand[0].shown); // shown only by the end tick
    h.advance(1);
    EXPECT_EQ(e().redrawStage, 0);
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(e().table().humanHand[k].shown) << k;
        EXPECT_EQ(e().table().computerHand[k].shown, k < 3) << k;
    }
}

TEST_F(Redraw, VeilUncoversRefilledSlotsOnePieceEvery100Milliseconds)
{
    e().stockCount = 20;
    e().ledCount = 2;
    e().humanHand = {held("h1"), held("h2"), held("h3"), Slot::empty(), Slot::empty()};
    e().computerHand = {held("p1"), held("p2"), held("p3"), Slot::empty(), Slot::empty()};
    e().refillHands();
    while (e().dealTimer().active() || e().renderTimer().active()) {
        EXPECT_TRUE(e().table().overlay[3].shown);
        EXPECT_TRUE(e().table().overlay[4].shown);
        EXPECT_FALSE(e().table().overlay[2].shown);
        h.advance(1);
    }
    ASSERT_TRUE(e().veilTimer().active());
    for (int frame = 2; frame <= 10; ++frame) {
        EXPECT_TRUE(e().table().overlay[4].shown) << frame;
        h.advance(100);
        EXPECT_EQ(e().table().overlay[3].picture, Picture::cover(frame));
    }
    EXPECT_FALSE(e().table().overlay[3].shown);
    EXPECT_FALSE(e().table().overlay[4].shown);
    EXPECT_FALSE(e().veilTimer().active());
}

TEST_F(Redraw, ComputerLeadsAtTheEndOnlyWhenItLeadsAndIsArmed)
{
    struct Case {
        Seat leader;
        bool armed;
        TurnPhase phase;
        bool leads;
    };
    const Case cases[] = {
        {Seat::Computer, true, TurnPhase::AwaitingComputerLead, true},
        {Seat::Computer, false, TurnPhase::HumanAnswering, false},
        {Seat::Human, true, TurnPhase::Refilling, false},
        {Seat::Computer, true, TurnPhase::DealOver, false}, // a finished deal starts no further trick
    };
    for (const Case c : cases) {
        e().computerHand = {held("p1"), held("p2"), held("p3"), held("b4"), Slot::empty()};
        e().led = {};
        e().ledCount = 0;
        e().uncoveredCount = 0;
        for (auto& v : e().tableForSetup().led)
            v.shown = false;
        e().leader = c.leader;
        e().computerLeadArmed = c.armed;
        e().phase = c.phase;
        e().redrawHands();
        ASSERT_TRUE(h.idle());
        EXPECT_EQ(e().ledCount, c.leads ? 3 : 0) << static_cast<int>(c.leader) << c.armed;
        EXPECT_EQ(e().table().led[0].shown, c.leads);
        EXPECT_TRUE(e().computerLeadArmed);
    }
}

TEST(Packing, MovesShownCardsLeftKeepingTheirOrder)
{
    struct Case {
        const char* shown; // '1' shown, '0' hidden, slot 1 first
        const char* expected;
    };
    const Case cases[] = {
        {"01011", "11100"}, {"00001", "10000"}, {"10101", "11100"},
        {"11111", "11111"}, {"00000", "00000"}, {"01111", "11110"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.startToEmptyTable();
        auto& e = h.engine();
        std::vector<std::string> order;
        for (int k = 0; k < 5; ++k) {
            const bool shown = c.shown[k] == '1';
            e.tableForSetup().humanHand[k].shown = shown;
            e.tableForSetup().computerHand[k].shown = shown;
            e.tableForSetup().led[k].shown = shown;
            const Slot s = shown ? Slot::held(Card::fromDeckIndex(k)) : Slot::empty();
            e.humanHand[k] = s;
            e.computerHand[k] = s;
            e.led[k] = s;
            e.tableForSetup().humanHand[k].picture = lookUpCardPicture(s);
            e.tableForSetup().led[k].picture = lookUpCardPicture(s);
            if (shown)
                order.push_back(s.code());
        }
        e.packHumanHand();
        e.packComputerHand();
        e.packLedCards();
        for (auto* row : {&e.humanHand, &e.computerHand, &e.led}) {
            std::vector<std::string> got;
            for (int k = 0; k < 5; ++k) {
                if (c.expected[k] == '1')
                    got.push_back((*row)[k].code());
                else
                    EXPECT_TRUE((*row)[k].isEmpty()) << c.shown << " slot " << k;
            }
            EXPECT_EQ(got, order) << c.shown;
        }
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(e.table().humanHand[k].shown, c.expected[k] == '1') << c.shown;
            EXPECT_EQ(e.table().led[k].shown, c.expected[k] == '1') << c.shown;
            if (c.expected[k] == '1') {
                EXPECT_EQ(e.table().humanHand[k].picture, lookUpCardPicture(e.humanHand[k]));
                EXPECT_EQ(e.table().led[k].picture, lookUpCardPicture(e.led[k]));
            }
        }
    }
}

TEST(CardFlight, ThreeFlightsRunDownTheLeftEdgeInTenStepsEach)
{
    Harness h;
    h.startToEmptyTable();
    auto& e = h.engine();
    e.furtherFlights = 2;
    e.tableForSetup().flyingCard.shown = true;
    e.startCardFlight();
    for (int flight = 0; flight < 3; ++flight) {
        for (int step = 1; step <= 10; ++step) {
            h.advance(30);
            if (step < 10) {
                EXPECT_EQ(e.table().flyingCard.x, 56);
                EXPECT_EQ(e.table().flyingCard.y, 24 + 56 * step);
                EXPECT_TRUE(e.table().flyingCard.shown);
            }
        }
        EXPECT_EQ(e.table().flyingCard.shown, flight < 2) << flight;
    }
    EXPECT_FALSE(e.cardFlightTimer().active());
}
