// A window's new backing store is mapped in before the first frame draws into it: the first frame at a
// new size no longer faults in its memory page by page.

#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "ui/fresh_frame.h"

using namespace liorna;

class FreshFrameTest : public QObject {
    Q_OBJECT
private slots:
    void theStoreIsMappedInBeforeTheFrameIsDrawn();
};

namespace {

// The share of the backing store's whole pages that are in memory.
double residentShare(QWidget* widget)
{
    const auto* image = static_cast<const QImage*>(widget->backingStore()->paintDevice());
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto begin = std::uintptr_t(image->constBits());
    const std::uintptr_t from = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t to = (begin + std::uintptr_t(image->sizeInBytes())) & ~(page - 1);
    std::vector<unsigned char> in((to - from) / page);
    if (mincore(reinterpret_cast<void*>(from), to - from, in.data()) != 0)
        return -1;
    return double(std::count_if(in.begin(), in.end(), [](unsigned char c) { return c & 1; })) /
           double(in.size());
}

// Paints nothing before it has looked at its store, so that what it sees is what the store was given.
class Probe : public QWidget {
public:
    Probe()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    double before = -1;
    double after = -1;
    int paints = 0;

protected:
    // The first paint's figures: a later one may be into the same store, mapped in by then.
    void paintEvent(QPaintEvent*) override
    {
        if (paints++ == 0) {
            before = residentShare(this);
            prefaultFrame(this);
            after = residentShare(this);
        }
        QPainter(this).fillRect(rect(), Qt::darkGreen);
    }
};

} // namespace

void FreshFrameTest::theStoreIsMappedInBeforeTheFrameIsDrawn()
{
    for (const QSize size : {QSize(1920, 1080), QSize(2560, 1600), QSize(640, 480)}) {
        Probe probe;
        probe.resize(size);
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        QTRY_VERIFY(probe.paints > 0);
        QCOMPARE(probe.backingStore()->paintDevice()->devType(), int(QInternal::Image));
        // A new store is memory never written; once mapped in, every page of it is there.
        QVERIFY2(probe.before >= 0 && probe.before < 0.5, qPrintable(QString::number(probe.before)));
        QCOMPARE(probe.after, 1.0);
    }
}

QTEST_MAIN(FreshFrameTest)
#include "fresh_frame_test.moc"
