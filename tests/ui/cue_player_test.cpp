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
    // A true wave of one byte more than 8 MB: the sound system would hold it all in memory.
    QFile generated(QCoreApplication::applicationDirPath() + "/Melodies/A1.wav");
    QVERIFY(generated.copy(dir.filePath("Melodies/A3.wav")));
    QFile huge(dir.filePath("Melodies/A3.wav"));
    QVERIFY(huge.resize(8 * 1024 * 1024 + 1));
    SoundEffectCuePlayer player(dir.path());
    const struct {
        const char* file;
        const char* begins;
        const char* ends;
    } cases[] = {{"Melodies/A1.wav", "Cannot play sound file", ": not a wave file"},
                 {"Melodies/A2.wav", "Cannot open sound file", ": No such file or directory"},
                 {"Melodies/A3.wav", "Cannot play sound file", "/Melodies/A3.wav: larger than 8 MB"}};
    for (const auto& c : cases) {
        try {
            player.play(c.file);
            QFAIL(c.file);
        } catch (const UserError& error) {
            const std::string text = error.what();
            QVERIFY2(text.starts_with(c.begins) && text.ends_with(c.ends), error.what());
        }
    }
    QVERIFY(huge.resize(8 * 1024 * 1024));
    player.play("Melodies/A3.wav");
}

QTEST_MAIN(CuePlayerTest)
#include "cue_player_test.moc"
