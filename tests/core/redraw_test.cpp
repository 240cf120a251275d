#include <gtest/gtest.h>

#include "game/game_setup.h"
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
    e().setup()
        .dealtHand(Seat::Human, {held("h1"), held("b5"), Slot::exhausted(), held("k9"), Slot::empty()})
        .dealtHand(Seat::Computer, {held("p1"), held("p2"), held("p3"), Slot::empty(), Slot::empty()});
    e().cards().redrawHands();
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
    EXPECT_EQ(e().cards().computerCardPicture(2), Picture::face(20));
    EXPECT_EQ(e().cards().computerCardPicture(3), Picture::blank());
    EXPECT_FALSE(e().table().humanHand[0].shown); // shown only by the end tick
    h.advance(1);
    EXPECT_EQ(e().cards().redrawStage(), 0);
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(e().table().humanHand[k].shown) << k;
        EXPECT_EQ(e().table().computerHand[k].shown, k < 3) << k;
    }
}

TEST_F(Redraw, VeilUncoversRefilledSlotsOnePieceEvery100Milliseconds)
{
    e().setup()
        .stockCount(20)
        .dealtHand(Seat::Human, {held("h1"), held("h2"), held("h3"), Slot::empty(), Slot::empty()})
        .dealtHand(Seat::Computer, {held("p1"), held("p2"), held("p3"), Slot::empty(), Slot::empty()});
    e().deliver([&] { e().deal().refillHands(2); });
    while (e().deal().pending() || e().cards().redrawStage() > 0) {
        EXPECT_TRUE(e().table().overlay[3].shown);
        EXPECT_TRUE(e().table().overlay[4].shown);
        EXPECT_FALSE(e().table().overlay[2].shown);
        h.advance(1);
    }
    ASSERT_TRUE(e().cards().pending()); // the veil, and nothing else, still moves
    for (int frame = 2; frame <= 10; ++frame) {
        EXPECT_TRUE(e().table().overlay[4].shown) << frame;
        h.advance(100);
        EXPECT_EQ(e().table().overlay[3].picture, Picture::cover(frame));
    }
    EXPECT_FALSE(e().table().overlay[3].shown);
    EXPECT_FALSE(e().table().overlay[4].shown);
    EXPECT_FALSE(e().cards().pending());
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
        e().setup()
            .dealtHand(Seat::Computer, {held("p1"), held("p2"), held("p3"), held("b4"), Slot::empty()})
            .noTrick()
            .leader(c.leader)
            .computerLeadArmed(c.armed)
            .phase(c.phase);
        e().cards().redrawHands();
        ASSERT_TRUE(h.idle());
        EXPECT_EQ(e().trick().ledCount(), c.leads ? 3 : 0) << static_cast<int>(c.leader) << c.armed;
        EXPECT_EQ(e().table().led[0].shown, c.leads);
        EXPECT_TRUE(e().trick().computerLeadArmed());
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
        for (std::size_t k = 0; k < 5; ++k) {
            if (c.shown[k] != '1')
                continue;
            const Slot s = Slot::held(Card::fromDeckIndex(static_cast<int>(k)));
            for (Row r : {Row::Human, Row::Computer, Row::Led})
                e.setup().card(r, k, s);
            order.push_back(s.code());
        }
        for (Row r : {Row::Human, Row::Computer, Row::Led})
            e.cards().pack(r);
        for (Row r : {Row::Human, Row::Computer, Row::Led}) {
            const SlotRow row = e.cards().row(r);
            std::vector<std::string> got;
            for (std::size_t k = 0; k < 5; ++k) {
                if (c.expected[k] == '1')
                    got.push_back(row[k].code());
                else
                    EXPECT_TRUE(row[k].isEmpty()) << c.shown << " slot " << k;
            }
            EXPECT_EQ(got, order) << c.shown;
        }
        // Each card takes its picture with it, and the view drawn after the event shows the same.
        e.projectTable();
        for (std::size_t k = 0; k < 5; ++k) {
            for (Row r : {Row::Human, Row::Led}) {
                const TablePlace& place = e.cards().at(r, k);
                EXPECT_EQ(place.shown, c.expected[k] == '1') << c.shown;
                if (place.shown) {
                    EXPECT_EQ(place.picture, lookUpCardPicture(place.card));
                }
            }
            EXPECT_EQ(e.table().humanHand[k].shown, c.expected[k] == '1') << c.shown;
            EXPECT_EQ(e.table().led[k].shown, c.expected[k] == '1') << c.shown;
            if (c.expected[k] == '1') {
                EXPECT_EQ(e.table().humanHand[k].picture, lookUpCardPicture(e.cards().slot(Row::Human, k)));
                EXPECT_EQ(e.table().led[k].picture, lookUpCardPicture(e.cards().slot(Row::Led, k)));
            }
        }
    }
}

TEST(CardFlight, ThreeFlightsRunDownTheLeftEdgeInTenStepsEach)
{
    Harness h;
    h.startToEmptyTable();
    auto& e = h.engine();
    e.cards().startFlights(3);
    for (int flight = 0; flight < 3; ++flight) {
        for (int step = 1; step <= 10; ++step) {
            h.advance(30);
            if (step < 10) {
                EXPECT_EQ(e.table().flyingCard.step, step);
                EXPECT_TRUE(e.table().flyingCard.shown);
            }
        }
        EXPECT_EQ(e.table().flyingCard.shown, flight < 2) << flight;
    }
    EXPECT_FALSE(e.cards().pending());
}
