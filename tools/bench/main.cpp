// Times the painting of a dealt table, offscreen: the first paint after a resize (every picture
// rendered for the new size) and ordinary repaints, at several screen sizes and pixel ratios.
// Usage: liorna-table-bench [runs]   (sizes are the screen's device pixels; each ratio runs in a
// child process, because a process has one pixel ratio)

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

template <typename F>
double millis(F&& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
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

int measure(int runs)
{
    Harness h;
    TableState state = dealtTable(h);
    TableWindow w(state);
    w.show();
    const qreal dpr = w.devicePixelRatioF();
    const QSize screens[] = {{1366, 768}, {1920, 1080}, {3840, 2160}};
    for (QSize device : screens) {
        const QSize size = (QSizeF(device) / dpr).toSize();
        std::vector<double> resized, full, card;
        for (int i = 0; i < runs; ++i) {
            // Away and back, so the pictures are rendered anew for the size measured.
            w.resize(size / 2);
            w.table()->repaint();
            resized.push_back(millis([&] {
                w.resize(size);
                w.table()->repaint();
            }));
            full.push_back(millis([&] { w.table()->repaint(); }));
            // A card chosen: what a click on the hand repaints.
            state.humanHand[1].picture.kind = state.humanHand[1].picture.kind == PictureKind::Face
                                                  ? PictureKind::SelectedFace
                                                  : PictureKind::Face;
            card.push_back(millis([&] {
                w.render();
                QCoreApplication::processEvents();
            }));
        }
        std::printf(
            "%5dx%-5d ratio %.0f  after resize %7.2f ms   full repaint %6.2f ms   one card %5.2f ms\n",
            device.width(), device.height(), dpr, median(resized), median(full), median(card));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const char* ratio : {"1", "2"}) {
        const pid_t child = fork();
        if (child == 0) {
            setenv("QT_SCALE_FACTOR", ratio, 1);
            QApplication app(argc, argv);
            std::_Exit(measure(runs));
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return 1;
    }
    return 0;
}
