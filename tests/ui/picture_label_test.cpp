// A picture label shows its picture pixel for pixel at the screen's ratio: drawn at that ratio, not drawn
// small and stretched. The suite runs this at ratios 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR).

#include <QtTest>

#include "ui/art/picture_art.h"
#include "ui/picture_label.h"

using namespace liorna;

Q_DECLARE_METATYPE(liorna::Picture)

class PictureLabelTest : public QObject {
    Q_OBJECT
private slots:
    void showsThePictureAtTheScreensRatio_data();
    void showsThePictureAtTheScreensRatio();
};

void PictureLabelTest::showsThePictureAtTheScreensRatio_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QPoint>("place");
    QTest::addRow("ace at the corner") << Picture::of(PictureKind::StartAce) << QPoint(0, 0);
    QTest::addRow("card back inside") << Picture::back(3) << QPoint(8, 12);
    QTest::addRow("suit symbol inside") << Picture::of(PictureKind::SuitSymbol, 0) << QPoint(16, 4);
}

void PictureLabelTest::showsThePictureAtTheScreensRatio()
{
    QFETCH(Picture, picture);
    QFETCH(QPoint, place);
    QWidget window;
    window.resize(120, 140);
    window.setStyleSheet(QStringLiteral("background: black"));
    auto* label = new PictureLabel(&window);
    label->setPicture(picture);
    const QImage expected = art::render(picture, window.devicePixelRatioF());
    label->setGeometry(QRect(place, expected.deviceIndependentSize().toSize()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qreal dpr = shown.devicePixelRatio();
    QCOMPARE(dpr, window.devicePixelRatioF());
    // The place is on whole device pixels at the ratios the suite uses.
    const QPoint origin(qRound(place.x() * dpr), qRound(place.y() * dpr));
    int differing = 0;
    for (int y = 0; y < expected.height() && origin.y() + y < shown.height(); ++y)
        for (int x = 0; x < expected.width() && origin.x() + x < shown.width(); ++x) {
            // The picture over black: what a transparent pixel of it shows.
            const QRgb want = expected.pixel(x, y);
            const QRgb got = shown.pixel(origin.x() + x, origin.y() + y);
            const int d = std::abs(qRed(want) - qRed(got)) + std::abs(qGreen(want) - qGreen(got)) +
                          std::abs(qBlue(want) - qBlue(got));
            differing += d > 6 ? 1 : 0;
        }
    QCOMPARE(differing, 0);
}

QTEST_MAIN(PictureLabelTest)
#include "picture_label_test.moc"
