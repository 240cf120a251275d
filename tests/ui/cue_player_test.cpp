// The cue player opens our generated waves without waiting, also without an audio device, and says
// clearly why a file cannot be played.

#include <QtTest>

#include <QTemporaryDir>

#include "ui/qt_ports.h"

using namespace liorna;

class CuePlayerTest : public QObject {
    Q_OBJECT
private slots:
    void playsEveryGeneratedCue();
    void refusesWhatIsNoWave();
};

void CuePlayerTest::playsEveryGeneratedCue()
{
    // The build writes the cues beside the test binaries.
    const QString folder = QCoreApplication::applicationDirPath();
    SoundEffectCuePlayer player(folder);
    for (int cue = 1; cue <= 10; ++cue) {
        const std::string file = "Melodies/A" + std::to_string(cue) + ".wav";
        QCOMPARE(checkWaveFile(folder + "/" + QString::fromStdString(file)), std::string());
        player.play(file); // the next one cuts this one off
    }
    QCoreApplication::processEvents();
}

void CuePlayerTest::refusesWhatIsNoWave()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Melodies");
    QFile text(dir.filePath("Melodies/A1.wav"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a sound at all, just some words that are long enough");
    text.close();
    SoundEffectCuePlayer player(dir.path());
    const struct {
        const char* file;
        const char* begins;
    } cases[] = {{"Melodies/A1.wav", "Cannot play sound file"},
                 {"Melodies/A2.wav", "Cannot open sound file"}};
    for (const auto& c : cases) {
        try {
            player.play(c.file);
            QFAIL(c.file);
        } catch (const UserError& error) {
            QVERIFY2(std::string(error.what()).rfind(c.begins, 0) == 0, error.what());
        }
    }
}

QTEST_MAIN(CuePlayerTest)
#include "cue_player_test.moc"
