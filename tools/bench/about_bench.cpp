// Times the about box offscreen: from show() to its first paint done, for the first box of a run (the
// clip module loaded) and for a second one, and until the whole clip is decoded. Each run is a fresh
// process. Usage: liorna-about-bench [runs]   (the clip is Orvel.avi beside the program; with
// LIORNA_BENCH_MENU set, the help menu is opened 300 ms before the first box)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "ui/clip_loader.h"
#include "ui/screens/about_box.h"

using namespace liorna;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Whether the box holds every frame of its clip; a box that decodes the clip while it opens does.
template <typename Box>
bool complete(const Box& box)
{
    if constexpr (requires { box.clipComplete(); })
        return box.clipComplete();
    else
        return true;
}

// Milliseconds to the first paint, and to the whole clip.
std::pair<double, double> openOnce(const QString& clip)
{
    AboutBox box(clip, [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    QElapsedTimer t;
    t.start();
    box.show();
    QCoreApplication::processEvents();
    const double painted = double(t.nsecsElapsed()) / 1e6;
    QTimer wake;
    wake.start(20);
    while (!complete(box) && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return {painted, double(t.nsecsElapsed()) / 1e6};
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<double> first, firstWhole, second, secondWhole;
    for (int i = 0; i < runs; ++i) {
        int fds[2];
        if (pipe(fds) != 0)
            return 1;
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            QApplication app(argc, argv);
            const QString clip = QCoreApplication::applicationDirPath() + QStringLiteral("/Orvel.avi");
            // The help menu opened first, as the player's way to the box goes: it loads the module ahead.
            if (std::getenv("LIORNA_BENCH_MENU")) {
                preloadClipModule();
                QEventLoop loop;
                QTimer::singleShot(300, &loop, &QEventLoop::quit);
                loop.exec();
            }
            const auto a = openOnce(clip);
            const auto b = openOnce(clip);
            const double figures[4] = {a.first, a.second, b.first, b.second};
            std::_Exit(write(fds[1], figures, sizeof figures) == sizeof figures ? 0 : 1);
        }
        close(fds[1]);
        double figures[4] = {};
        const bool got = read(fds[0], figures, sizeof figures) == sizeof figures;
        close(fds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (!got)
            return 1;
        first.push_back(figures[0]);
        firstWhole.push_back(figures[1]);
        second.push_back(figures[2]);
        secondWhole.push_back(figures[3]);
    }
    std::printf("first about box: painted %6.1f ms, whole clip %6.1f ms;  a second one: painted %6.1f ms, "
                "whole clip %6.1f ms\n",
                median(first), median(firstWhole), median(second), median(secondWhole));
    return 0;
}
