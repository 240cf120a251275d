// Times the first cue (the sound module loaded, the effect made and started) and the next one, with
// the build's own cues. Usage: liorna-cue-bench   (built beside the program, where the module lies)

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "ui/qt_ports.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    liorna::ModuleCuePlayer cues(QCoreApplication::applicationDirPath());
    QElapsedTimer t;
    t.start();
    cues.play("Melodies/A1.wav");
    const double first = double(t.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    t.start();
    cues.play("Melodies/A2.wav");
    const double second = double(t.nsecsElapsed()) / 1e6;
    std::printf("first cue %.1f ms (the sound module loaded), next cue %.2f ms\n", first, second);
    return 0;
}
