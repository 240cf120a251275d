// The table window lays out every widget where the table's design puts it and renders the table state.

#include <QtTest>

#include "harness.h"
#include "ui/table_window.h"

using namespace liorna;

class TableWindowTest : public QObject {
    Q_OBJECT
private slots:
    void geometryFollowsTheDesign();
    void initialStateShowsPilesButtonAndScoreOnly();
    void rendersADealtTable();
    void clicksReachTheInput();
};

namespace {

QRect r(int x, int y, int w, int h)
{
    return {x, y, w, h};
}

} // namespace

void TableWindowTest::geometryFollowsTheDesign()
{
    TableState state;
    TableWindow w(state);
    for (int k = 1; k <= 5; ++k) {
        const int x = 240 + 104 * (k - 1);
        QCOMPARE(w.computerSlot(k)->geometry(), r(x, 24, 71, 96));
        QCOMPARE(w.humanSlot(k)->geometry(), r(x, 576, 71, 96));
        QCOMPARE(w.placeholder(false, k)->geometry(), r(x, 24, 71, 96));
        QCOMPARE(w.placeholder(true, k)->geometry(), r(x, 576, 71, 96));
        QCOMPARE(w.ledCard(k)->geometry(), r(216 + 112 * (k - 1), 312, 71, 96));
        QCOMPARE(w.coverCard(k)->geometry(), r(232 + 112 * (k - 1), 280, 71, 96));
        QCOMPARE(w.overlay(k)->geometry(), r(0, 0, 71, 96));
    }
    QCOMPARE(w.playButton()->geometry(), r(736, 528, 43, 40));
    QCOMPARE(w.discardButton()->geometry(), r(736, 528, 43, 40));
    QCOMPARE(w.actionCaption()->pos(), QPoint(728, 504));
    QCOMPARE(w.stockPile()->geometry(), r(856, 256, 81, 105));
    QCOMPARE(w.humanPile()->geometry(), r(56, 584, 79, 104));
    QCOMPARE(w.computerPile()->geometry(), r(808, 8, 81, 105));
    QCOMPARE(w.pileCount(0)->pos(), QPoint(24, 40));
    QCOMPARE(w.pileCount(1)->pos(), QPoint(32, 40));
    QCOMPARE(w.pileCount(2)->pos(), QPoint(32, 40));
    QCOMPARE(w.trumpSymbol()->geometry(), r(936, 360, 25, 25));
    QCOMPARE(w.trumpAnnouncement()->pos(), QPoint(296, 304));
    QCOMPARE(w.menuButton()->geometry(), r(8, 8, 57, 25));
    QCOMPARE(w.scorePanel()->geometry(), r(816, 584, 193, 105));
    QCOMPARE(w.scoreLabel(0)->pos(), QPoint(8, 16));
    QCOMPARE(w.scoreLabel(1)->pos(), QPoint(8, 40));
    QCOMPARE(w.scoreLabel(2)->pos(), QPoint(8, 72));
    QCOMPARE(w.flyingCard()->geometry(), r(56, 24, 71, 96));
    QCOMPARE(w.windowTitle(), QStringLiteral("Лиорна"));

    // Stacking: the trump announcement lies beneath every table card.
    const auto children = w.table()->children();
    QVERIFY(children.indexOf(w.trumpAnnouncement()) < children.indexOf(w.ledCard(1)));
    QVERIFY(children.indexOf(w.placeholder(true, 1)) < children.indexOf(w.humanSlot(1)));
    QVERIFY(children.indexOf(w.flyingCard()) < children.indexOf(w.humanPile()));
}

void TableWindowTest::initialStateShowsPilesButtonAndScoreOnly()
{
    TableState state;
    TableWindow w(state);
    for (int k = 1; k <= 5; ++k) {
        QVERIFY(!w.humanSlot(k)->isVisibleTo(w.table()));
        QVERIFY(!w.computerSlot(k)->isVisibleTo(w.table()));
        QVERIFY(!w.ledCard(k)->isVisibleTo(w.table()));
        QVERIFY(!w.coverCard(k)->isVisibleTo(w.table()));
        QVERIFY(w.placeholder(true, k)->isVisibleTo(w.table()));
    }
    QVERIFY(w.playButton()->isVisibleTo(w.table()));
    QVERIFY(!w.discardButton()->isVisibleTo(w.table()));
    QVERIFY(!w.menuButton()->isVisibleTo(w.table()));
    QVERIFY(!w.trumpAnnouncement()->isVisibleTo(w.table()));
    QVERIFY(!w.flyingCard()->isVisibleTo(w.table()));
    QCOMPARE(w.actionCaption()->text(), QStringLiteral("Пойти"));
    QCOMPARE(w.pileCount(0)->text(), QStringLiteral("36"));
    QCOMPARE(w.pileCount(1)->text(), QStringLiteral("0"));
    QCOMPARE(w.pileCount(2)->text(), QStringLiteral("0"));
    QCOMPARE(w.scoreLabel(0)->text(), QStringLiteral("На Вас: 0"));
    QCOMPARE(w.scoreLabel(1)->text(), QStringLiteral("На сопернике: 0"));
    QCOMPARE(w.scoreLabel(2)->text(), QStringLiteral("Игра идёт до:"));
}

void TableWindowTest::rendersADealtTable()
{
    Harness h;
    h.start();
    h.advance(1);
    TableWindow w(h.engine().table());
    h.engine().onTableChanged = [&w] { w.render(); };
    h.advance(1000);
    h.screens.start->press("Играть");
    QVERIFY(h.idle());
    for (int k = 1; k <= 5; ++k) {
        QVERIFY(w.humanSlot(k)->isVisibleTo(w.table()));
        QVERIFY(w.computerSlot(k)->isVisibleTo(w.table()));
        QCOMPARE(w.humanCard(k)->picture(), lookUpCardPicture(h.engine().humanHand[k - 1]));
        QVERIFY(!w.humanCard(k)->pixmap().isNull());
    }
    QCOMPARE(w.pileCount(0)->text(), QStringLiteral("26"));
    QCOMPARE(w.scoreLabel(2)->text(), QStringLiteral("Игра идёт до: 12"));
    QCOMPARE(w.trumpSymbol()->picture().kind, PictureKind::SuitSymbol);
}

void TableWindowTest::clicksReachTheInput()
{
    TableState state;
    state.humanHand[2].shown = true;
    state.humanHand[2].picture = Picture::face(3);
    TableWindow w(state);
    w.resize(1100, 800);
    w.show();
    std::vector<std::pair<int, Qt::MouseButton>> clicks;
    int plays = 0;
    w.input.handCard = [&](int k, Qt::MouseButton b) { clicks.emplace_back(k, b); };
    w.input.play = [&] { ++plays; };
    QTest::mouseClick(w.humanCard(3), Qt::LeftButton);
    QTest::mouseClick(w.humanCard(3), Qt::RightButton);
    QTest::mouseClick(w.playButton(), Qt::LeftButton);
    QCOMPARE(clicks.size(), std::size_t(2));
    QCOMPARE(clicks[0].first, 3);
    QCOMPARE(clicks[1].second, Qt::RightButton);
    QCOMPARE(plays, 1);
    // A shown veil takes the card's clicks.
    state.overlay[2].shown = true;
    w.render();
    QTest::mouseClick(w.overlay(3), Qt::LeftButton);
    QCOMPARE(clicks.size(), std::size_t(2));
}

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
