// The match status screen shows the engine's state: tiles over the black panel, then the totals and
// the result; a click anywhere reaches the engine.

#include <QtTest>

#include <QLabel>

#include "platform/texts.h"
#include "ui/picture_label.h"
#include "ui/screens/match_status_screen.h"

using namespace liorna;

class MatchStatusScreenTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheStateItIsGiven();
};

void MatchStatusScreenTest::showsTheStateItIsGiven()
{
    MatchStatusState state;
    state.open = true;
    state.frame = Picture::cover(4);
    int clicks = 0;
    MatchStatusScreen screen(state, [&] { ++clicks; });
    screen.show();
    QCOMPARE(screen.size(), QSize(361, 289));
    QCOMPARE(screen.tile(0)->geometry(), QRect(2, 1, 71, 96));
    QCOMPARE(screen.tile(14)->geometry(), QRect(2 + 72 * 4, 1 + 96 * 2, 71, 96));
    QVERIFY(screen.tile(7)->isVisible());
    QVERIFY(!screen.resultLabel()->isVisible());
    screen.grab().save(QDir::temp().filePath("liorna-status-covered.png"));

    state.tilesShown = false;
    state.humanTotalShown = state.computerTotalShown = state.targetShown = true;
    state.humanTotal = "2";
    state.computerTotal = "6";
    state.target = "4";
    state.resultShown = true;
    state.result = text::MATCH_WON;
    screen.render();
    QVERIFY(!screen.tile(7)->isVisible());
    QVERIFY(screen.resultLabel()->isVisible());
    QCOMPARE(screen.resultLabel()->text(), QStringLiteral("Вы победили"));
    const QImage shot = screen.grab().toImage();
    shot.save(QDir::temp().filePath("liorna-status-result.png"));
    // The panel is black, the result text white.
    QCOMPARE(QColor(shot.pixel(340, 10)), QColor(Qt::black));

    QTest::mouseClick(&screen, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(clicks, 1);
}

QTEST_MAIN(MatchStatusScreenTest)
#include "match_status_screen_test.moc"
