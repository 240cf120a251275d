// Times the painting of a dealt table, offscreen, at several screen sizes and pixel ratios: the first
// frame after a resize, the frame with every picture crisp for the new size, an ordinary full repaint
// and one card, beside a floor and a yardstick: a frame copied between buffers in use, and a frame
// written to fresh memory page by page (as a new backing store is, unless mapped in first); then the
// memory left after a sweep of sizes against a fresh start at the last size.
// Usage: liorna-table-bench [runs]   (sizes are the screen's device pixels; each ratio runs in a
// child process, because a process has one pixel ratio)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "harness.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace liorna;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double millis(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// Whether every picture shown is rendered for the current size. A build whose pictures are all rendered
// during the first paint is crisp as soon as that paint ends: the benchmark measures either build.
template <typename Pictures>
bool crisp(const Pictures& pictures)
{
    if constexpr (requires { pictures.crisp(); })
        return pictures.crisp();
    else
        return true;
}

// Runs the event loop until the table's pictures are crisp and the repaint they asked for is done.
void untilCrisp(TableWindow& w)
{
    QElapsedTimer limit;
    limit.start();
    // Each picture that lands is an event: waiting for events sleeps until the next.
    QTimer wake;
    wake.start(50);
    while (!crisp(w.table()->pictures()) && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

// The event loop for a while, with nothing happening: resizes further apart than this are not one run.
void quiet(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A dealt table with a trick on it, the hint line and the focus shown.
TableState dealtTable(Harness& h)
{
    h.start();
    h.advance(1);
    h.advance(1000);
    h.screens.start->press("Играть");
    h.idle();
    TableState t = h.engine().table();
    for (int i = 0; i < 3; ++i) {
        t.led[i] = {true, Picture::face(10 + i), false, true};
        t.cover[i] = {true, Picture::face(20 + i), false, true};
    }
    t.menusShown = false;
    t.hint = "Покройте карты соперника или сбросьте столько же карт";
    t.focus = {true, FocusRow::Hand, 2};
    return t;
}

// The page faults this process has taken so far: each maps in a page touched for the first time, of
// 4 KB, or of 2 MB where the memory is backed by huge pages.
long pageFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

const QSize SCREENS[] = {{1366, 768}, {1920, 1080}, {3840, 2160}};

int measure(int runs)
{
    Harness h;
    TableState state = dealtTable(h);
    TableWindow w(state);
    w.show();
    const qreal dpr = w.devicePixelRatioF();
    for (QSize device : SCREENS) {
        const QSize size = (QSizeF(device) / dpr).toSize();
        std::vector<double> first, sharp, full, card, floor, freshFloor, faults;
        for (int i = 0; i < runs; ++i) {
            // Away and back, so the pictures are rendered anew for the size measured; a pause between,
            // so the resize measured is a lone one (a maximize), not part of a dragged resize.
            w.resize(size / 2);
            w.table()->repaint();
            untilCrisp(w);
            quiet(150);
            QElapsedTimer t;
            const long faultsBefore = pageFaults();
            t.start();
            w.resize(size);
            w.table()->repaint();
            first.push_back(millis(t));
            faults.push_back(double(pageFaults() - faultsBefore));
            untilCrisp(w);
            sharp.push_back(millis(t));
            t.start();
            w.table()->repaint();
            full.push_back(millis(t));
            // A card chosen: what a click on the hand repaints.
            state.humanHand[1].picture.kind = state.humanHand[1].picture.kind == PictureKind::Face
                                                  ? PictureKind::SelectedFace
                                                  : PictureKind::Face;
            t.start();
            w.render();
            QCoreApplication::processEvents();
            card.push_back(millis(t));
            // The least a full repaint can cost: one window of pixels copied.
            QImage from(device, QImage::Format_RGB32);
            QImage to(device, QImage::Format_RGB32);
            from.fill(Qt::darkGreen);
            to.fill(Qt::black);
            t.start();
            std::memcpy(to.bits(), from.constBits(), std::size_t(from.sizeInBytes()));
            floor.push_back(millis(t));
            // A frame written to memory never written before, faulted in page by page as it is drawn:
            // what a new backing store costs when it is not mapped in ahead of the first frame.
            t.start();
            QImage fresh(device, QImage::Format_RGB32);
            fresh.fill(Qt::darkGreen);
            freshFloor.push_back(millis(t));
        }
        std::printf("%5dx%-5d ratio %.0f  first frame %7.2f ms (%5.0f page faults)   crisp %7.2f ms   "
                    "full repaint %6.2f ms   "
                    "one card %5.2f ms   (a frame copied %5.2f ms, a fresh frame written %6.2f ms)\n",
                    device.width(), device.height(), dpr, median(first), median(faults), median(sharp),
                    median(full), median(card), median(floor), median(freshFloor));
        std::fflush(stdout);
    }
    return 0;
}

// The resident memory at the last size, either started there or after a sweep of 20 sizes with a
// pause at each (a window maximized, restored and dragged about), printed in kB.
int memoryAfter(bool sweep)
{
    Harness h;
    TableState state = dealtTable(h);
    TableWindow w(state);
    const qreal dpr = w.devicePixelRatioF();
    const QSize last = (QSizeF(1920, 1080) / dpr).toSize();
    if (sweep) {
        w.resize((QSizeF(1366, 768) / dpr).toSize());
        w.show();
        for (int i = 0; i < 20; ++i) {
            // Up to 4K and back down, never twice the same size.
            const int step = i < 10 ? i : 19 - i;
            const QSize device(1024 + step * 312 + (i >= 10 ? 17 : 0), 700 + step * 162 + (i >= 10 ? 9 : 0));
            w.resize((QSizeF(device) / dpr).toSize());
            w.table()->repaint();
            quiet(i % 4 == 3 ? 300 : 40);
        }
    }
    w.resize(last);
    w.show();
    w.table()->repaint();
    untilCrisp(w);
    quiet(300);
    std::printf("%ld\n", residentKb());
    return 0;
}

// Runs `body` in a child process at a pixel ratio; its output is the child's.
bool inChild(const char* ratio, const std::function<int()>& body, int argc, char** argv)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_SCALE_FACTOR", ratio, 1);
        QApplication app(argc, argv);
        std::fflush(stdout);
        std::_Exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A child's one number, through a pipe.
long childNumber(const char* ratio, const std::function<int()>& body, int argc, char** argv)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        dup2(fds[1], STDOUT_FILENO);
        setenv("QT_SCALE_FACTOR", ratio, 1);
        QApplication app(argc, argv);
        const int code = body();
        std::fflush(stdout);
        std::_Exit(code);
    }
    close(fds[1]);
    char buffer[64] = {};
    const ssize_t got = read(fds[0], buffer, sizeof buffer - 1);
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return got > 0 ? std::atol(buffer) : -1;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const char* ratio : {"1", "2"})
        if (!inChild(
                ratio, [runs] { return measure(runs); }, argc, argv))
            return 1;
    for (const char* ratio : {"1", "2"}) {
        std::vector<double> fresh, swept;
        for (int i = 0; i < std::max(1, runs / 3); ++i) {
            fresh.push_back(double(childNumber(
                ratio, [] { return memoryAfter(false); }, argc, argv)));
            swept.push_back(double(childNumber(
                ratio, [] { return memoryAfter(true); }, argc, argv)));
        }
        std::printf("1920x1080 ratio %s  RSS fresh start %6.1f MB   after a sweep of 20 sizes %6.1f MB   "
                    "difference %+5.1f MB\n",
                    ratio, median(fresh) / 1024, median(swept) / 1024,
                    (median(swept) - median(fresh)) / 1024);
    }
    return 0;
}
