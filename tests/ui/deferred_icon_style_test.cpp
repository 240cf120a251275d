// The program's style draws the desktop style's standard icons, only later: each icon is the same
// pictures, asked for when first drawn.

#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>

#include "ui/deferred_icon_style.h"

using namespace liorna;

class DeferredIconStyleTest : public QObject {
    Q_OBJECT
private slots:
    void iconsAreTheBaseStylesPictures_data();
    void iconsAreTheBaseStylesPictures();
    void theMenuBarsOverflowButtonShowsItsIcon();
};

void DeferredIconStyleTest::iconsAreTheBaseStylesPictures_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("size");
    QTest::addRow("menu bar overflow") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << 16;
    QTest::addRow("error box") << int(QStyle::SP_MessageBoxCritical) << 32;
    QTest::addRow("question box, large") << int(QStyle::SP_MessageBoxQuestion) << 64;
}

void DeferredIconStyleTest::iconsAreTheBaseStylesPictures()
{
    QFETCH(int, which);
    QFETCH(int, size);
    const auto sp = QStyle::StandardPixmap(which);
    const QString key = QApplication::style()->name();
    const DeferredIconStyle style(key);
    std::unique_ptr<QStyle> base(QStyleFactory::create(key));
    QVERIFY(base);
    const QIcon deferred = style.standardIcon(sp);
    const QIcon real = base->standardIcon(sp);
    QVERIFY(!deferred.isNull());
    QCOMPARE(deferred.availableSizes(), real.availableSizes());
    QCOMPARE(deferred.actualSize(QSize(size, size)), real.actualSize(QSize(size, size)));
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        const QImage got = deferred.pixmap(QSize(size, size), 2.0, mode).toImage();
        const QImage want = real.pixmap(QSize(size, size), 2.0, mode).toImage();
        QVERIFY(!want.isNull());
        QCOMPARE(got, want);
    }
    // A copy made before the pictures were loaded draws them too.
    const QIcon copy = style.standardIcon(sp);
    const QIcon again = copy;
    QCOMPARE(again.pixmap(size).toImage(), real.pixmap(size).toImage());
}

void DeferredIconStyleTest::theMenuBarsOverflowButtonShowsItsIcon()
{
    // Too narrow for its menus, the bar shows the overflow button with the arrow on it.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
    QMenuBar bar;
    for (const char* caption : {"Игра", "Параметры", "Справка"})
        bar.addMenu(QString::fromUtf8(caption));
    bar.resize(60, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto* overflow = bar.findChild<QToolButton*>();
    QVERIFY(overflow);
    QTRY_VERIFY(overflow->isVisible());
    const QImage shown = overflow->grab().toImage();
    const QRgb corner = shown.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            drawn += shown.pixel(x, y) != corner;
    QVERIFY2(drawn > 4, "the overflow button shows no arrow");
}

QTEST_MAIN(DeferredIconStyleTest)
#include "deferred_icon_style_test.moc"
