// A resize never waits for the art: the first paint at a new scale shows the old scale's pictures
// scaled, the crisp ones follow from worker threads, a run of resizes renders only for the size it ends
// at, and the felt is tiled straight onto the window, the same in a partial repaint as in a full one.

#include <QBackingStore>
#include <QPainter>
#include <QtTest>

#include "ui/art/picture_art_detail.h"
#include "ui/table_layout.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace liorna;

class TableResizeTest : public QObject {
    Q_OBJECT
private slots:
    void newScaleShowsStandInsUntilTheCrispPicturesArrive();
    void sameScaleRendersNothing();
    void aRunOfResizesRendersOnlyForTheLastSize();
    void feltIsTiledFromTheTablesCorner();
    void partialRepaintsMatchAFullOne();
};

namespace {

TableState dealt()
{
    TableState t;
    t.canvas = Picture::tile(1);
    for (int i = 0; i < 5; ++i) {
        t.humanHand[i] = {true, Picture::face(i * 7), false, true};
        t.computerHand[i] = {true, Picture::back(1), false, true};
        t.led[i] = {true, Picture::face(i + 1), false, true};
    }
    t.trumpSymbol = Picture::suitSymbol(2);
    t.stock.count = "26";
    t.menusShown = false;
    return t;
}

// A table painted on its own, never shown: only the tests resize it.
struct Table {
    explicit Table(const TableState& state) { view.show(state); }
    TableInput input;
    TableView view{input};
    const TablePictures& pictures() const { return view.pictures(); }
};

QImage grabTable(TableView& view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The table at `size`, every picture crisp.
bool settle(TableView& view, QSize size)
{
    view.resize(size);
    grabTable(view);
    QElapsedTimer t;
    t.start();
    while (!view.pictures().crisp() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return view.pictures().crisp();
}

// The inside of hand card k as drawn (within its rounded corners), and the same part of `reference`,
// a picture the card's size.
std::pair<QImage, QImage> inside(const TableView& view, const QImage& image, int k, QImage reference)
{
    const qreal dpr = image.devicePixelRatio();
    const qreal ratio = view.mapping().scale * dpr;
    const scene::DeviceRect d = scene::toDevice(view.mapping(), dpr, layout::humanSlot(k));
    reference = reference.convertToFormat(QImage::Format_RGB32);
    reference.setDevicePixelRatio(1);
    const int corner = int(std::ceil(5 * ratio));
    const QRect inner(corner, corner, reference.width() - 2 * corner, reference.height() - 2 * corner);
    QImage drawn = image.copy(inner.translated(d.x, d.y));
    drawn.setDevicePixelRatio(1);
    return {drawn, reference.copy(inner)};
}

QImage artFor(const TableView& view, const Picture& card, qreal dpr)
{
    return art::detail::renderUncached(card, view.mapping().scale * dpr, false);
}

} // namespace

void TableResizeTest::newScaleShowsStandInsUntilTheCrispPicturesArrive()
{
    const TableState state = dealt();
    Table t(state);
    QVERIFY(settle(t.view, QSize(1024, 768)));
    const TablePictures& pictures = t.pictures();
    const int set = pictures.rendered();
    QVERIFY(set > 5);
    // The first paint at the new scale renders nothing: every picture is the old one, scaled.
    t.view.resize(2048, 1536);
    const int before = pictures.renders();
    const QImage first = grabTable(t.view);
    QCOMPARE(pictures.renders(), before);
    QCOMPARE(pictures.rendered(), 0);
    QCOMPARE(pictures.standIns(), set);
    QVERIFY(!pictures.crisp());
    // Each is the old scale's picture drawn larger where it lies: soft, and not the new scale's own.
    for (int k = 1; k <= 5; ++k) {
        const Picture card = state.humanHand[std::size_t(k - 1)].picture;
        const QImage crisp = artFor(t.view, card, first.devicePixelRatio());
        const QImage old = artFor(t.view, card, first.devicePixelRatio() / 2);
        QImage standIn(crisp.size(), QImage::Format_ARGB32_Premultiplied);
        standIn.fill(Qt::transparent);
        QPainter painter(&standIn);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(standIn.rect()), old, QRectF(old.rect()));
        painter.end();
        QCOMPARE(inside(t.view, first, k, standIn).first, inside(t.view, first, k, standIn).second);
        QVERIFY(inside(t.view, first, k, crisp).first != inside(t.view, first, k, crisp).second);
    }
    // Then the crisp set replaces them, and the old scale is let go.
    QTRY_VERIFY(pictures.crisp());
    QCOMPARE(pictures.standIns(), 0);
    QCOMPARE(pictures.rendered(), set);
    const QImage crisp = grabTable(t.view);
    for (int k = 1; k <= 5; ++k) {
        const auto [drawn, expected] =
            inside(t.view, crisp, k,
                   artFor(t.view, state.humanHand[std::size_t(k - 1)].picture, crisp.devicePixelRatio()));
        QCOMPARE(drawn, expected);
    }
}

void TableResizeTest::sameScaleRendersNothing()
{
    const TableState state = dealt();
    Table t(state);
    QVERIFY(settle(t.view, QSize(1366, 660)));
    const TablePictures& pictures = t.pictures();
    const int renders = pictures.renders();
    const qreal scale = pictures.scale();
    // Wider only: the table's height sets its scale.
    for (QSize size : {QSize(1500, 660), QSize(1800, 660), QSize(1366, 660)}) {
        t.view.resize(size);
        grabTable(t.view);
        QCOMPARE(pictures.scale(), scale);
        QVERIFY(pictures.crisp());
    }
    QTest::qWait(TableView::CRISP_AFTER_MS * 2);
    QCOMPARE(pictures.renders(), renders);
}

void TableResizeTest::aRunOfResizesRendersOnlyForTheLastSize()
{
    const TableState state = dealt();
    Table t(state);
    QVERIFY(settle(t.view, QSize(1024, 768)));
    const TablePictures& pictures = t.pictures();
    const int set = pictures.rendered();
    const int renders = pictures.renders();
    // A window edge dragged: each size painted as it comes, no pause between.
    for (int step = 1; step <= 8; ++step) {
        t.view.resize(1024 + step * 97, 768 + step * 71);
        grabTable(t.view);
        QCOMPARE(pictures.renders(), renders);
    }
    QTRY_VERIFY(pictures.crisp());
    QCOMPARE(pictures.renders(), renders + set);
    QVERIFY(std::abs(pictures.scale() - (768 + 8 * 71) / 768.0) < 1e-9);
}

void TableResizeTest::feltIsTiledFromTheTablesCorner()
{
    TableState state = dealt();
    Table t(state);
    for (int tile = 1; tile <= 4; ++tile) {
        state.canvas = Picture::tile(tile);
        t.view.show(state);
        // Wide and tall, so felt lies beside the table and below it.
        for (QSize size : {QSize(1500, 700), QSize(900, 1000)}) {
            QVERIFY(settle(t.view, size));
            const QImage image = grabTable(t.view);
            const qreal dpr = image.devicePixelRatio();
            const scene::Mapping& m = t.view.mapping();
            const QImage felt = TablePictures::renderFor(state.canvas, false, m.scale, dpr)
                                    .convertToFormat(QImage::Format_RGB32);
            const int ox = int(std::lround(m.offsetX * dpr));
            const int oy = int(std::lround(m.offsetY * dpr));
            auto phase = [](int at, int origin, int period) {
                return ((at - origin) % period + period) % period;
            };
            // Everything outside the table's own square is felt.
            const QRect table(ox, oy, int(layout::TABLE_W * m.scale * dpr),
                              int(layout::TABLE_H * m.scale * dpr));
            int checked = 0;
            for (int y = 0; y < image.height(); y += 3)
                for (int x = 0; x < image.width(); x += 3) {
                    if (table.adjusted(-2, -2, 2, 2).contains(x, y))
                        continue;
                    const QRgb want = felt.pixel(phase(x, ox, felt.width()), phase(y, oy, felt.height()));
                    if (image.pixel(x, y) != want)
                        QFAIL(qPrintable(QStringLiteral("tile %1 at %2,%3").arg(tile).arg(x).arg(y)));
                    ++checked;
                }
            QVERIFY(checked > 1000);
        }
    }
}

void TableResizeTest::partialRepaintsMatchAFullOne()
{
    TableState state = dealt();
    TableWindow w(state);
    w.resize(1366, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY(w.table()->pictures().crisp());
    QCoreApplication::processEvents();
    // A card chosen, then another turned: the window repaints only their places.
    state.humanHand[1].picture = Picture::selectedFace(7);
    w.render();
    QCoreApplication::processEvents();
    state.led[3].shown = false;
    w.render();
    QCoreApplication::processEvents();
    // What the window holds after the partial repaints, against the whole window painted afresh.
    const auto* held = dynamic_cast<QImage*>(w.backingStore()->paintDevice());
    QVERIFY(held);
    const QImage shown = held->convertToFormat(QImage::Format_RGB32);
    const QImage full = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), full.size());
    QVERIFY(shown == full);
}

QTEST_MAIN(TableResizeTest)
#include "table_resize_test.moc"
