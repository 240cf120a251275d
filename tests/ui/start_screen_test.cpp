// The start screen: its layout, its choices and buttons, the see-through green and the ace as handle.

#include <QAccessible>
#include <QBitmap>
#include <QTemporaryDir>
#include <QtTest>

#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

#include "engine/start_screen_model.h"
#include "ui/picture_label.h"
#include "ui/screens/start_screen.h"
#include "ui/screens/start_shape.h"

using namespace liorna;

Q_DECLARE_METATYPE(liorna::StartScreen::SeeThrough)

class StartScreenTest : public QObject {
    Q_OBJECT
private slots:
    void layoutAndDefaultChoice();
    void buttonsRunTheirActions();
    void pureGreenIsSeeThrough_data();
    void pureGreenIsSeeThrough();
    void drawnRegionIsWhatTheScreenPaints_data();
    void drawnRegionIsWhatTheScreenPaints();
    void keptShapeStandsInUntilTheFirstPaint_data();
    void keptShapeStandsInUntilTheFirstPaint();
    void unusableKeptShapesAreFoundAnew();
    void translucentScreenPaintsNoGreen();
    void captionsHaveNoGreenFringe();
    void outlinedTextIsClearOrOpaque_data();
    void outlinedTextIsClearOrOpaque();
    void dragByTheAce();
    void everyPartIsNamedForAScreenReader_data();
    void everyPartIsNamedForAScreenReader();
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

void StartScreenTest::everyPartIsNamedForAScreenReader_data()
{
    QTest::addColumn<bool>("kept");
    // A screen that finds its shape is whole when made; one that takes a kept shape once it is up.
    QTest::addRow("shape found") << false;
    QTest::addRow("shape kept") << true;
}

void StartScreenTest::everyPartIsNamedForAScreenReader()
{
    QFETCH(bool, kept);
    Recorder r;
    QTemporaryDir dir;
    const StartShapes shapes(kept ? StartShapes(dir.path()) : StartShapes());
    if (kept)
        shapes.save(QRegion(0, 0, 377, 274), QSize(377, 274), qApp->devicePixelRatio());
    StartScreen s(r.model, nullptr, StartScreen::SeeThrough::Mask, shapes);
    if (kept) {
        QCOMPARE(s.drawnRegion(), QRegion(0, 0, 377, 274));
        s.show();
    }
    QCOMPARE(s.choice(1)->text(), QStringLiteral("Одиночная игра (бонус 1/9 картинки)"));
    QVERIFY(s.choice(r.model.choice())->isChecked());
    QVERIFY(button(s, QStringLiteral("Играть"))->isDefault());
    auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    // The painted captions, the handle and every choice and button read as what they show or do.
    QStringList names;
    for (QWidget* w : s.findChildren<QWidget*>()) {
        // The panels only hold what is read.
        const bool panel = !w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
        if (w->isVisibleTo(&s) && !panel)
            names << name(w);
    }
    QVERIFY2(!names.contains(QString()), qPrintable(names.join(QStringLiteral(" | "))));
    QVERIFY(names.contains(QString::fromUtf8(StartScreenModel::TITLE)));
    QVERIFY(names.contains(QString::fromUtf8(StartScreenModel::CREDIT)));
    QVERIFY(names.contains(QStringLiteral("Одиночная игра (бонус 1/9 картинки)")));
    QCOMPARE(name(s.findChildren<QRadioButton*>().at(0)->parentWidget()), QStringLiteral("Длина партии"));
    QCOMPARE(name(s.ace()), QStringLiteral("Туз червей"));
    QCOMPARE(QAccessible::queryAccessibleInterface(s.ace())->text(QAccessible::Description),
             QStringLiteral("Потяните, чтобы передвинуть окно"));
}

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

void StartScreenTest::pureGreenIsSeeThrough_data()
{
    QTest::addColumn<StartScreen::SeeThrough>("way");
    QTest::addRow("mask") << StartScreen::SeeThrough::Mask;
    QTest::addRow("alpha") << StartScreen::SeeThrough::Alpha;
}

void StartScreenTest::pureGreenIsSeeThrough()
{
    QFETCH(StartScreen::SeeThrough, way);
    Recorder r;
    StartScreen s(r.model, nullptr, way);
    QCOMPARE(s.seeThrough(), way);
    s.show();
    const QRegion drawn = s.drawnRegion();
    QVERIFY(!drawn.isEmpty());
    QVERIFY(!drawn.contains(QPoint(2, 2)));     // the green background
    QVERIFY(!drawn.contains(QPoint(370, 260))); // below the mode panel
    QVERIFY(drawn.contains(QPoint(200, 100)));  // the white mode panel
    QVERIFY(drawn.contains(QPoint(40, 140)));   // a button
    // The ace's turned-down corner shows its green triangle, which is see-through too.
    QVERIFY(!drawn.contains(QPoint(8 + 6 + 69, 12 + 2 + 2)));
    // Only a masked screen is shaped; a translucent one is shaped by its pixels.
    QCOMPARE(s.mask(), way == StartScreen::SeeThrough::Mask ? drawn : QRegion());
}

void StartScreenTest::drawnRegionIsWhatTheScreenPaints_data()
{
    pureGreenIsSeeThrough_data();
}

void StartScreenTest::drawnRegionIsWhatTheScreenPaints()
{
    // Runs at the ratio of QT_SCALE_FACTOR. The region is found once, before the screen shows; shown and
    // painted, every logical pixel it leaves out holds a see-through device pixel and every one it keeps
    // holds none, worked out here plainly from a picture of the shown screen.
    QFETCH(StartScreen::SeeThrough, way);
    Recorder r;
    StartScreen s(r.model, nullptr, way);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    const QImage device = s.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const qreal dpr = device.devicePixelRatio();
    QImage logical(s.size(), QImage::Format_RGB32);
    logical.fill(Qt::white);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x) {
            const QRgb c = device.pixel(x, y);
            const bool clear = way == StartScreen::SeeThrough::Alpha ? qAlpha(c) == 0 : c == qRgb(0, 128, 0);
            if (!clear)
                continue;
            // Every logical pixel this device pixel touches.
            const int u0 = int(std::floor(x / dpr + 1e-9));
            const int u1 = int(std::ceil((x + 1) / dpr - 1e-9)) - 1;
            const int v0 = int(std::floor(y / dpr + 1e-9));
            const int v1 = int(std::ceil((y + 1) / dpr - 1e-9)) - 1;
            for (int v = v0; v <= std::min(v1, logical.height() - 1); ++v)
                for (int u = u0; u <= std::min(u1, logical.width() - 1); ++u)
                    logical.setPixel(u, v, qRgb(0, 128, 0));
        }
    const QRegion painted(QBitmap::fromImage(
        QPixmap::fromImage(logical).createMaskFromColor(QColor(0, 128, 0), Qt::MaskInColor).toImage()));
    QVERIFY(!painted.isEmpty());
    const QRegion differs = s.drawnRegion() ^ painted;
    QVERIFY2(differs.isEmpty(), qPrintable(QStringLiteral("%1 logical pixels differ, within (%2, %3) %4 x %5")
                                               .arg(differs.rectCount())
                                               .arg(differs.boundingRect().x())
                                               .arg(differs.boundingRect().y())
                                               .arg(differs.boundingRect().width())
                                               .arg(differs.boundingRect().height())));
}

void StartScreenTest::keptShapeStandsInUntilTheFirstPaint_data()
{
    pureGreenIsSeeThrough_data();
}

void StartScreenTest::keptShapeStandsInUntilTheFirstPaint()
{
    QFETCH(StartScreen::SeeThrough, way);
    const bool masked = way == StartScreen::SeeThrough::Mask;
    QTemporaryDir dir;
    const StartShapes shapes(dir.path());
    Recorder r;
    // The first start finds the shape and keeps it once the screen has painted.
    QRegion found;
    qreal dpr = 0;
    {
        StartScreen s(r.model, nullptr, way, shapes);
        found = s.drawnRegion();
        dpr = s.devicePixelRatioF();
        QVERIFY(!found.isEmpty());
        QVERIFY(!QFile::exists(shapes.fileFor(dpr)));
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTRY_VERIFY(QFile::exists(shapes.fileFor(dpr)));
    }
    QCOMPARE(shapes.load(QSize(377, 274), dpr), std::optional<QRegion>(found));

    // A later start shapes its window with what was kept, then with what it paints: a shape kept under
    // other fonts is replaced, in the window and in the file.
    const QRegion stale(QRect(0, 0, 200, 274));
    shapes.save(stale, QSize(377, 274), dpr);
    {
        StartScreen s(r.model, nullptr, way, shapes);
        QCOMPARE(s.drawnRegion(), stale);
        QCOMPARE(s.mask(), masked ? stale : QRegion());
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTRY_COMPARE(s.drawnRegion(), found);
        QCOMPARE(s.mask(), masked ? found : QRegion());
    }
    QTRY_COMPARE(shapes.load(QSize(377, 274), dpr), std::optional<QRegion>(found));
}

void StartScreenTest::unusableKeptShapesAreFoundAnew()
{
    Recorder r;
    QRegion found;
    qreal dpr = 0;
    {
        StartScreen plain(r.model, nullptr, StartScreen::SeeThrough::Mask);
        found = plain.drawnRegion();
        dpr = plain.devicePixelRatioF();
    }
    QTemporaryDir dir;
    const StartShapes shapes(dir.path());
    shapes.save(found, QSize(377, 274), dpr);
    QFile file(shapes.fileFor(dpr));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();
    QVERIFY(shapes.load(QSize(377, 274), dpr).has_value());

    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"cut short", good.left(good.size() - 3)},
        {"trailing bytes", good + QByteArray("x")},
        {"foreign", QByteArray("not a shape at all, just some bytes of text")},
        {"another format", QByteArray(good).replace(4, 2, QByteArray("\x00\x07", 2))},
    };
    for (const auto& c : cases) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        QVERIFY2(!shapes.load(QSize(377, 274), dpr).has_value(), c.what);
        // The screen finds its shape itself, as at a first start.
        StartScreen s(r.model, nullptr, StartScreen::SeeThrough::Mask, shapes);
        QVERIFY2(s.drawnRegion() == found, c.what);
    }
    // A shape of another screen: another size, or one that leaves the window.
    shapes.save(found, QSize(300, 200), dpr);
    QVERIFY(!shapes.load(QSize(377, 274), dpr).has_value());
    shapes.save(QRegion(QRect(300, 200, 100, 100)), QSize(377, 274), dpr);
    QVERIFY(!shapes.load(QSize(377, 274), dpr).has_value());
    // Nothing is kept where no folder is given.
    QVERIFY(!StartShapes().keeps());
    QVERIFY(!StartShapes().load(QSize(377, 274), dpr).has_value());
}

void StartScreenTest::translucentScreenPaintsNoGreen()
{
    // Runs at the ratio of QT_SCALE_FACTOR, device pixel by device pixel.
    Recorder r;
    StartScreen s(r.model, nullptr, StartScreen::SeeThrough::Alpha);
    s.show();
    QVERIFY(s.testAttribute(Qt::WA_TranslucentBackground));
    const QImage image = s.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const qreal dpr = image.devicePixelRatio();
    auto at = [&](qreal u, qreal v) { return image.pixel(int(u * dpr), int(v * dpr)); };
    int clear = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            QVERIFY2(qAlpha(c) == 0 || (c & 0xffffffu) != 0x008000u,
                     qPrintable(QStringLiteral("key green painted at (%1, %2)").arg(x).arg(y)));
            clear += qAlpha(c) == 0 ? 1 : 0;
        }
    // The background and the ace's corner are clear; the panels, the card and its rounded corners on the
    // white panel are not.
    QVERIFY(clear > 15000 * dpr * dpr);
    QCOMPARE(qAlpha(at(2, 2)), 0);
    QCOMPARE(qAlpha(at(8 + 6 + 69, 12 + 2 + 2)), 0);
    QCOMPARE(at(200, 100), qRgb(255, 255, 255));
    QCOMPARE(qAlpha(at(8 + 6 + 0.5, 12 + 2 + 0.5)), 255);
    QCOMPARE(qAlpha(at(8 + 6 + 35, 12 + 2 + 90)), 255);
}

namespace {

const QRgb KEY_GREEN = qRgb(0, 128, 0);

// A pixel that shows some of the key green: what anti-aliasing against the green leaves round a glyph.
bool greenCast(QRgb c)
{
    return c != KEY_GREEN && qGreen(c) > std::max(qRed(c), qBlue(c)) + 4;
}

} // namespace

void StartScreenTest::captionsHaveNoGreenFringe()
{
    // Runs at the ratio of QT_SCALE_FACTOR: the suite runs at 1, 1.25 and 2.
    Recorder r;
    StartScreen s(r.model, nullptr, StartScreen::SeeThrough::Mask);
    s.show();
    const QImage device = s.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = device.devicePixelRatio();
    const QRegion mask = s.mask();
    // The strips above the mode panel and below both panels hold nothing but the captions on the green.
    const struct {
        const char* name;
        QRect logical;
    } strips[] = {{"title", {92, 0, 285, 31}}, {"credit", {0, 242, 377, 32}}};
    for (const auto& strip : strips) {
        int dark = 0;
        int light = 0;
        for (int v = strip.logical.top(); v <= strip.logical.bottom(); ++v)
            for (int u = strip.logical.left(); u <= strip.logical.right(); ++u) {
                const int x0 = static_cast<int>(std::floor(u * dpr));
                const int x1 = static_cast<int>(std::ceil((u + 1) * dpr));
                const int y0 = static_cast<int>(std::floor(v * dpr));
                const int y1 = static_cast<int>(std::ceil((v + 1) * dpr));
                bool anyGreen = false;
                for (int y = y0; y < std::min(y1, device.height()); ++y)
                    for (int x = x0; x < std::min(x1, device.width()); ++x) {
                        const QRgb c = device.pixel(x, y);
                        QVERIFY2(!greenCast(c), qPrintable(QStringLiteral("%1: a green fringe at (%2, %3)")
                                                               .arg(QLatin1String(strip.name))
                                                               .arg(x)
                                                               .arg(y)));
                        anyGreen = anyGreen || c == KEY_GREEN;
                        dark += qGray(c) < 60 ? 1 : 0;
                        light += qGray(c) > 200 ? 1 : 0;
                    }
                // Where the mask shows a logical pixel, none of its device pixels may be the key green.
                if (mask.contains(QPoint(u, v)))
                    QVERIFY2(!anyGreen, qPrintable(QStringLiteral("%1: the mask shows green at (%2, %3)")
                                                       .arg(QLatin1String(strip.name))
                                                       .arg(u)
                                                       .arg(v)));
            }
        // The text is there, and so is its light outline.
        QVERIFY2(dark > 80 * dpr * dpr, strip.name);
        QVERIFY2(light > 150 * dpr * dpr, strip.name);
    }
}

void StartScreenTest::outlinedTextIsClearOrOpaque_data()
{
    QTest::addColumn<qreal>("dpr");
    for (const qreal dpr : {1.0, 1.25, 1.5, 2.0})
        QTest::addRow("ratio %g", dpr) << dpr;
}

void StartScreenTest::outlinedTextIsClearOrOpaque()
{
    QFETCH(qreal, dpr);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(15);
    font.setBold(true);
    font.setItalic(true);
    const QImage image =
        outlinedText(QStringLiteral("Загрузка"), font, QSize(90, 25), Qt::AlignLeft | Qt::AlignVCenter, dpr);
    QCOMPARE(image.size(), QSize(qRound(90 * dpr), qRound(25 * dpr)));
    QCOMPARE(image.devicePixelRatio(), dpr);
    int outline = 0;
    int softEdge = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            // A half-clear pixel would mix with the green it is laid on.
            QVERIFY2(qAlpha(c) == 0 || qAlpha(c) == 255,
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            outline += c == qRgb(255, 255, 255) ? 1 : 0;
            softEdge += qAlpha(c) == 255 && qGray(c) > 40 && qGray(c) < 215 ? 1 : 0;
        }
    QVERIFY(outline > 100 * dpr * dpr);
    // The glyphs stay anti-aliased, against the outline.
    QVERIFY(softEdge > 20);
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
    // A motion queued before the window got there comes with its place on the old window: the pointer
    // has not moved, and neither does the screen (counting it again ran the screen into a corner).
    QMouseEvent late(QEvent::MouseMove, QPointF(50, 35), move.globalPosition(), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(s.ace(), &late);
    QCOMPARE(s.pos(), start + QPoint(30, 15));
    QTest::mouseRelease(s.ace(), Qt::LeftButton, {}, QPoint(50, 35));
    QMouseEvent after(QEvent::MouseMove, QPointF(80, 80), s.ace()->mapToGlobal(QPointF(80, 80)), Qt::NoButton,
                      Qt::NoButton, {});
    QApplication::sendEvent(s.ace(), &after);
    QCOMPARE(s.pos(), start + QPoint(30, 15));
}

QTEST_MAIN(StartScreenTest)
#include "start_screen_test.moc"
