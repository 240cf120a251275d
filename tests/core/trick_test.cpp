// Whole tricks through the engine: both settlements' points, the computer's lead, the human's
// answer bookkeeping, deal scoring and the match status screen.

#include <gtest/gtest.h>

#include "game/game_setup.h"
#include "harness.h"
#include "play/scoring.h"

using namespace liorna;

namespace {

Slot held(const char* code)
{
    if (std::string(code) == ".")
        return Slot::empty();
    if (std::string(code) == "+")
        return Slot::exhausted();
    return Slot::held(*Card::fromCode(code));
}

class TrickPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.startToEmptyTable();
        e().setup().sound(true);
    }
    GameEngine& e() { return h.engine(); }
    // A position as play would leave it, waiting for the human's lead.
    void position(std::array<const char*, 5> human, std::array<const char*, 5> computer, Suit trump)
    {
        SlotRow humanSlots, computerSlots;
        for (std::size_t k = 0; k < 5; ++k) {
            humanSlots[k] = held(human[k]);
            computerSlots[k] = held(computer[k]);
        }
        e().setup()
            .hand(Seat::Human, humanSlots)
            .hand(Seat::Computer, computerSlots)
            .trump(trump)
            .stockCount(20)
            .phase(TurnPhase::HumanLeading);
    }
    void deliver(auto&& f) { e().deliver(f); }
    std::vector<std::string> cues()
    {
        std::vector<std::string> out;
        for (const auto& f : h.cues.played)
            out.push_back(f.substr(9, f.size() - 13));
        h.cues.played.clear();
        return out;
    }
    std::string row(Row which)
    {
        const SlotRow& slots = e().cards().row(which);
        std::string s;
        for (const auto& slot : slots)
            s += slot.code() + " ";
        return s;
    }
    Harness h;
};

} // namespace

TEST_F(TrickPlay, BeatenWithATrumpJackCountsItsTwoPoints)
{
    position({"b1", "p1", "p2", "p3", "p4"}, {"h5", "k1", "k2", "k3", "k4"}, Suit::Hearts);
    e().setup().trumpPhase(1);
    deliver([&] { e().inputHandCard(1, false); });
    deliver([&] { e().inputPlay(); });
    h.advance(1060);
    EXPECT_EQ(row(Row::Cover), "h5 . . . . ");
    EXPECT_EQ(e().trick().computerTrickPoints(), 2);
    EXPECT_EQ(row(Row::Computer), "k1 k2 k3 k4 . ");
}

TEST(ComputerAnswer, MarksItsTrumpsAgainstTwoOrMoreLedCardsWhateverTheTrumpPhase)
{
    // The computer holds only trumps (hearts) and clubs against a lead of spades: it beats the lead
    // only with trumps, and against a single card it uses them only in trump phase 1.
    struct Case {
        int led;
        int trumpPhase;
        bool beaten;
        const char* covers;
    };
    const Case cases[] = {
        {2, 2, true, "h1 h2 . . . "},
        {2, 1, true, "h1 h2 . . . "},
        {1, 2, false, ". . . . . "},
        {1, 1, true, "h1 . . . . "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.led << " led in trump phase " << c.trumpPhase);
        Harness h;
        h.startToEmptyTable();
        GameEngine& e = h.engine();
        e.setup()
            .hand(Seat::Human, {held("p1"), held("p2"), held("b1"), held("b2"), held("b3")})
            .hand(Seat::Computer, {held("k1"), held("h1"), held("k2"), held("h2"), held("k3")})
            .trump(Suit::Hearts)
            .stockCount(20)
            .phase(TurnPhase::HumanLeading)
            .trumpPhase(c.trumpPhase);
        for (int k = 1; k <= c.led; ++k)
            e.deliver([&] { e.inputHandCard(k, false); });
        e.deliver([&] { e.inputPlay(); });
        h.advance(1060);
        ASSERT_EQ(e.trick().phase(), TurnPhase::AfterTrick);
        EXPECT_EQ(e.trick().leader(), c.beaten ? Seat::Computer : Seat::Human);
        std::string covers;
        for (const Slot& slot : e.cards().row(Row::Cover))
            covers += slot.code() + " ";
        EXPECT_EQ(covers, c.covers);
    }
}

TEST_F(TrickPlay, RefusedLeadsAndAnEmptyPlayChangeNothing)
{
    position({"h1", "b2", "h5", "+", "."}, {"p5", "p6", "p7", "p8", "."}, Suit::Spades);
    deliver([&] { e().inputPlay(); }); // nothing selected: the cue and the repaint only
    h.advance(100);
    EXPECT_EQ(e().trick().phase(), TurnPhase::HumanLeading);
    EXPECT_EQ(e().trick().ledCount(), 0);
    deliver([&] { e().inputHandCard(1, false); });
    deliver([&] { e().inputHandCard(2, false); }); // another suit
    deliver([&] { e().inputHandCard(4, false); }); // the exhausted slot takes no part
    deliver([&] { e().inputLedCard(1); });         // nothing to cover while leading
    EXPECT_EQ(cues(), (std::vector<std::string>{"A8", "A2"}));
    EXPECT_TRUE(e().trick().handSelected(1));
    EXPECT_FALSE(e().trick().handSelected(2));
    EXPECT_FALSE(e().trick().handSelected(4));
    deliver([&] { e().inputHandCard(3, true); }); // right click clears it all
    EXPECT_FALSE(e().trick().handSelected(1));
    EXPECT_FALSE(e().trick().computerLeadArmed());
    h.idle();
    EXPECT_TRUE(e().trick().computerLeadArmed());
}

TEST_F(TrickPlay, InputDuringTheComputersPauseAndTheAfterTrickPauseIsIgnored)
{
    position({"b3", "h5", "h6", "p1", "p2"}, {"p5", "h2", "b7", "b4", "k9"}, Suit::Hearts);
    deliver([&] { e().inputHandCard(1, false); });
    deliver([&] { e().inputPlay(); });
    h.advance(60);
    cues();
    for (int k = 1; k <= 5; ++k) {
        deliver([&] { e().inputHandCard(k, false); });
        deliver([&] { e().inputHandCard(k, true); });
        deliver([&] { e().inputLedCard(k); });
    }
    deliver([&] { e().inputPlay(); });
    EXPECT_EQ(cues(), std::vector<std::string>{});
    EXPECT_TRUE(e().trick().computerLeadArmed());
    h.advance(1000); // beaten: the computer leads next, after the pause
    cues();
    deliver([&] { e().inputDiscard(); });
    deliver([&] { e().inputHandCard(1, false); });
    EXPECT_EQ(cues(), std::vector<std::string>{});
    EXPECT_EQ(e().trick().pickCount(), 0);
}

TEST_F(TrickPlay, ComputerLeadsItsLongSuitOrTheFirstHeldSuitOnTheCycle)
{
    struct Case {
        std::array<const char*, 5> hand;
        char cycle;
        char trump;
        const char* led;
    };
    const Case cases[] = {
        {{"h3", "p6", "h9", "k2", "h1"}, 'b', 'p', "h3 h9 h1 . . "},
        {{"p1", "p3", "p5", "p7", "p9"}, 'h', 'p', "p1 p3 p5 p7 p9 "},
        {{"b1", "b5", "p2", "p7", "k8"}, 'h', 'h', "b1 b5 . . . "},
        {{"b1", "b5", "p2", "p7", "k8"}, 'k', 'h', "k8 . . . . "},
        {{"b1", "b5", "p2", "p7", "."}, 'p', 'h', "p2 p7 . . . "},
    };
    for (const auto& t : cases) {
        position({"h2", "h4", "h6", "h8", "b2"}, t.hand, *suitFromLetter(t.trump));
        e().setup()
            .noTrick()
            .cycledSuit(*suitFromLetter(t.cycle))
            .leader(Seat::Computer)
            .phase(TurnPhase::AwaitingComputerLead);
        deliver([&] { e().trick().handsRedrawn(); }); // the redraw ends: the computer leads
        EXPECT_EQ(row(Row::Led), t.led) << t.hand[0];
        EXPECT_EQ(e().trick().ledCount(), e().trick().uncoveredCount());
        EXPECT_EQ(e().trick().phase(), TurnPhase::HumanAnswering);
        EXPECT_EQ(cues(), (std::vector<std::string>{"A9"}));
    }
}

TEST_F(TrickPlay, HumanCoversEveryLedCardOrGivesUpExactlyAsManyCards)
{
    // The computer leads p7 and p8 with hearts trump; the human holds the ace of spades and the six of
    // hearts among others.
    auto lead = [&] {
        h.idle();
        e().setup().ledCount(0);
        position({"p9", "h1", "b1", "k6", "p2"}, {"p7", "p8", "b4", "k5", "k7"}, Suit::Hearts);
        e().setup().leader(Seat::Computer).waitForLeader().cycledSuit(Suit::Spades);
        deliver([&] { e().trick().handsRedrawn(); }); // the redraw ends: the computer leads
        cues();
    };
    lead();
    deliver([&] { e().inputHandCard(3, false); }); // b1 does not beat p7
    deliver([&] { e().inputLedCard(1); });
    deliver([&] { e().inputHandCard(1, false); });
    deliver([&] { e().inputLedCard(1); }); // p9 on p7
    EXPECT_TRUE(e().table().humanHand[0].seeThrough);
    deliver([&] { e().inputHandCard(2, false); });
    deliver([&] { e().inputLedCard(2); }); // h1 on p8: the last cover settles at once
    EXPECT_EQ(cues(), (std::vector<std::string>{"A2", "A6"}));
    EXPECT_EQ(e().trick().humanTrickPoints(), 4 + 10 + 11);
    EXPECT_EQ(row(Row::Human), "b1 k6 p2 . . "); // b1 was picked but never placed: it stays
    h.advance(1500);
    EXPECT_EQ(e().table().humanPile.count, "25");
    EXPECT_EQ(e().table().actionCaption, "Пойти");

    lead();
    deliver([&] { e().inputHandCard(3, false); });
    deliver([&] { e().inputDiscard(); });          // one pick for two led cards
    deliver([&] { e().inputHandCard(3, false); }); // the same card again counts once
    deliver([&] { e().inputDiscard(); });
    deliver([&] { e().inputHandCard(4, false); });
    deliver([&] { e().inputDiscard(); });
    EXPECT_EQ(cues(), (std::vector<std::string>{"A2", "A2", "A3"}));
    EXPECT_EQ(e().trick().computerTrickPoints(), 4 + 10 + 0 + 3);
    EXPECT_EQ(row(Row::Human), "p9 h1 p2 . . ");

    // A cover taken back frees its card; a placed cover survives a right click.
    lead();
    deliver([&] { e().inputHandCard(1, false); });
    deliver([&] { e().inputLedCard(1); });
    deliver([&] { e().inputCoverCard(1); });
    EXPECT_FALSE(e().table().humanHand[0].seeThrough);
    EXPECT_FALSE(e().trick().handCommitted(1));
    EXPECT_EQ(e().trick().uncoveredCount(), 2);
    deliver([&] { e().inputHandCard(1, false); });
    deliver([&] { e().inputLedCard(1); });
    deliver([&] { e().inputHandCard(5, true); });
    EXPECT_TRUE(e().trick().handCommitted(1));
    deliver([&] { e().inputHandCard(3, false); });
    deliver([&] { e().inputDiscard(); }); // the cover and one pick: two cards for two led
    EXPECT_EQ(row(Row::Human), "h1 k6 p2 . . ");
    EXPECT_EQ(e().trick().computerTrickPoints(), 17 + (4 + 10 + 11 + 0)); // on top of the previous trick
}

TEST(Scoring, PenaltyForPointsAtItsBorders)
{
    const std::pair<int, int> cases[] = {{0, 6},  {1, 4},  {2, 4},  {31, 4}, {32, 2},
                                         {59, 2}, {60, 0}, {61, 0}, {90, 0}, {120, 0}};
    for (const auto& [points, penalty] : cases)
        EXPECT_EQ(penaltyForPoints(points), penalty) << points;
}

TEST(MatchStatus, TheScreensTicksFollowTheirSchedule)
{
    Harness h;
    h.startToEmptyTable();
    auto& e = h.engine();
    e.setup().matchTargetCode(22).humanTrickPoints(40).computerTrickPoints(80);
    const auto opened = e.now();
    e.deliver([&] { e.scoreDeal(); });
    EXPECT_EQ(e.table().humanScore, "На Вас: 2");
    EXPECT_EQ(e.table().computerScore, "На сопернике: 0");
    EXPECT_TRUE(h.screens.top(ScreenId::MatchStatus));
    struct Step {
        int at;
        Picture frame;
        bool tiles, human, computer, target;
    };
    const Step steps[] = {
        {450, Picture::cover(0), true, false, false, false},
        {450 * 10, Picture::cover(9), true, false, false, false},
        {450 * 11, Picture::cover(10), false, false, false, false},
        {450 * 14, Picture::cover(10), false, true, false, false},
        {450 * 16, Picture::cover(10), false, true, true, false},
        {450 * 18, Picture::cover(10), false, true, true, true},
    };
    for (const auto& s : steps) {
        h.advance(opened + s.at - e.now());
        const auto& st = e.matchStatus();
        EXPECT_EQ(st.frame, s.frame) << s.at;
        EXPECT_EQ(st.tilesShown, s.tiles) << s.at;
        EXPECT_EQ(st.humanTotalShown, s.human) << s.at;
        EXPECT_EQ(st.computerTotalShown, s.computer) << s.at;
        EXPECT_EQ(st.targetShown, s.target) << s.at;
    }
    h.advance(opened + 450 * 20 - 1 - e.now());
    EXPECT_EQ(e.dealsStarted(), 0);
    h.advance(1); // the decision: the match to 12 goes on with the next deal
    EXPECT_EQ(e.dealsStarted(), 1);
    EXPECT_FALSE(e.matchStatus().resultShown);
    h.advance(450 + 1000 - 1);
    EXPECT_TRUE(h.screens.top(ScreenId::MatchStatus));
    h.advance(1);
    EXPECT_FALSE(h.screens.top(ScreenId::MatchStatus));
}

TEST(MatchStatus, DecidesOneOutcomeAndRecordsIt)
{
    struct Case {
        int target, human, computer;
        const char* result;
        int wonLine, lostLine;
    };
    const Case cases[] = {
        {14, 2, 4, "Вы победили", 6, -1},
        {14, 4, 0, "К сожалению Вы проиграли", -1, 12},
        {11, 0, 2, "Вы победили", 5, -1},
        {22, 12, 14, "Вы победили", 10, -1},              // both over: the higher total loses
        {22, 14, 14, "К сожалению Вы проиграли", -1, 16}, // a tie counts against the human
    };
    for (const auto& c : cases) {
        Harness h;
        h.startToEmptyTable();
        auto& e = h.engine();
        e.setup()
            .matchTargetCode(c.target)
            .humanPenalty(c.human)
            .computerPenalty(c.computer)
            .humanTrickPoints(60)
            .computerTrickPoints(60);
        e.deliver([&] { e.scoreDeal(); });
        e.deliver([&] { e.clickMatchStatus(); });
        h.advance(30);
        EXPECT_EQ(e.matchStatus().result, c.result);
        EXPECT_TRUE(e.matchStatus().resultShown);
        for (std::size_t line = 5; line <= 16; ++line) {
            const bool counted = static_cast<int>(line) == c.wonLine || static_cast<int>(line) == c.lostLine;
            EXPECT_EQ(e.settings().line(line), counted ? "1" : "0") << c.target << " line " << line;
        }
        h.advance(1000);
        EXPECT_EQ(h.screens.bonusReveals, c.wonLine > 0 ? 1 : 0);
        EXPECT_EQ(e.dealsStarted(), 0);
    }
}
