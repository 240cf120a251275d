// The start screen: its layout, its choices and buttons, the see-through green and the ace as handle.

#include <QtTest>

#include <QPushButton>
#include <QRadioButton>

#include "engine/start_screen_model.h"
#include "ui/picture_label.h"
#include "ui/screens/start_screen.h"

using namespace liorna;

class StartScreenTest : public QObject {
    Q_OBJECT
private slots:
    void layoutAndDefaultChoice();
    void buttonsRunTheirActions();
    void pureGreenIsSeeThrough();
    void dragByTheAce();
};

namespace {

struct Recorder {
    int played = -1;
    int noPlay = 0;
    int quit = 0;
    int bonuses = 0;
    StartScreenModel model{
        {[this](int c) { played = c; }, [this] { ++noPlay; }, [this] { ++bonuses; }, [this] { ++quit; }}};
};

QPushButton* button(StartScreen& s, const QString& caption)
{
    for (auto* b : s.findChildren<QPushButton*>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

} // namespace

void StartScreenTest::layoutAndDefaultChoice()
{
    Recorder r;
    StartScreen s(r.model);
    QCOMPARE(s.size(), QSize(377, 274));
    QCOMPARE(s.windowTitle(), QStringLiteral("Загрузка"));
    QVERIFY(s.windowFlags() & Qt::FramelessWindowHint);
    for (int n = 1; n <= 6; ++n) {
        QCOMPARE(s.choice(n)->geometry(), QRect(8, 16 + 32 * (n - 1), 249, 25));
        QCOMPARE(s.choice(n)->isChecked(), n == 6);
    }
    QCOMPARE(s.choice(1)->text(), QStringLiteral("Одиночная игра (бонус 1/9 картинки)"));
    QCOMPARE(s.choice(1)->parentWidget()->geometry(), QRect(92, 32, 277, 209));
    QCOMPARE(s.ace()->geometry(), QRect(6, 2, 71, 96));
    QCOMPARE(s.ace()->parentWidget()->geometry(), QRect(8, 12, 81, 229));
    const struct {
        const char* caption;
        QRect geometry;
    } buttons[] = {{"Играть", {4, 106, 75, 25}},
                   {"Бонусы", {4, 138, 75, 25}},
                   {"Не играть", {2, 170, 77, 25}},
                   {"Выйти", {4, 202, 75, 25}}};
    for (const auto& b : buttons) {
        auto* pb = button(s, QString::fromUtf8(b.caption));
        QVERIFY2(pb, b.caption);
        QCOMPARE(pb->geometry(), b.geometry);
    }
}

void StartScreenTest::buttonsRunTheirActions()
{
    Recorder r;
    StartScreen s(r.model);
    s.show();
    QTest::mouseClick(s.choice(2), Qt::LeftButton);
    QCOMPARE(r.model.choice(), 2);
    QTest::mouseClick(button(s, QStringLiteral("Играть")), Qt::LeftButton);
    QCOMPARE(r.played, 2);
    QTest::mouseClick(button(s, QStringLiteral("Не играть")), Qt::LeftButton);
    QTest::mouseClick(button(s, QStringLiteral("Выйти")), Qt::LeftButton);
    QTest::mouseClick(button(s, QStringLiteral("Бонусы")), Qt::LeftButton);
    QCOMPARE(r.noPlay, 1);
    QCOMPARE(r.quit, 1);
    QCOMPARE(r.bonuses, 1);
}

void StartScreenTest::pureGreenIsSeeThrough()
{
    Recorder r;
    StartScreen s(r.model);
    s.show();
    s.updateMask();
    const QRegion mask = s.mask();
    QVERIFY(!mask.isEmpty());
    QVERIFY(!mask.contains(QPoint(2, 2)));     // the green background
    QVERIFY(!mask.contains(QPoint(370, 260))); // below the mode panel
    QVERIFY(mask.contains(QPoint(200, 100)));  // the white mode panel
    QVERIFY(mask.contains(QPoint(40, 140)));   // a button
    // The ace's turned-down corner shows its green triangle, which is see-through too.
    QVERIFY(!mask.contains(QPoint(8 + 6 + 69, 12 + 2 + 2)));
}

void StartScreenTest::dragByTheAce()
{
    Recorder r;
    StartScreen s(r.model);
    s.show();
    s.move(100, 100);
    const QPoint start = s.pos();
    QTest::mousePress(s.ace(), Qt::LeftButton, {}, QPoint(20, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 35), s.ace()->mapToGlobal(QPointF(50, 35)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(s.ace(), &move);
    QCOMPARE(s.pos(), start + QPoint(30, 15));
    QTest::mouseRelease(s.ace(), Qt::LeftButton, {}, QPoint(50, 35));
    QMouseEvent after(QEvent::MouseMove, QPointF(80, 80), s.ace()->mapToGlobal(QPointF(80, 80)), Qt::NoButton,
                      Qt::NoButton, {});
    QApplication::sendEvent(s.ace(), &after);
    QCOMPARE(s.pos(), start + QPoint(30, 15));
}

QTEST_MAIN(StartScreenTest)
#include "start_screen_test.moc"
