// The cue player loads its sound module on the first cue and opens our generated waves without
// waiting, also without an audio device; it says clearly why a file cannot be played, and a sound
// module that is missing or broken is the cue's error, not a crash.

#include <QtTest>

#include <QTemporaryDir>

#include "ui/qt_ports.h"

using namespace liorna;

class CuePlayerTest : public QObject {
    Q_OBJECT
private slots:
    void playsEveryGeneratedCue();
    void refusesWhatIsNoWave();
    void missingOrBrokenModuleIsTheCuesError();
};

void CuePlayerTest::playsEveryGeneratedCue()
{
    // The build writes the cues beside the test binaries.
    const QString folder = QCoreApplication::applicationDirPath();
    ModuleCuePlayer player(folder);
    QVERIFY(!player.loaded());
    for (int cue = 1; cue <= 10; ++cue) {
        const std::string file = "Melodies/A" + std::to_string(cue) + ".wav";
        QCOMPARE(checkWaveFile(folder + "/" + QString::fromStdString(file)), std::string());
        player.play(file); // the next one cuts this one off
        QVERIFY(player.loaded());
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
    ModuleCuePlayer player(dir.path());
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

void CuePlayerTest::missingOrBrokenModuleIsTheCuesError()
{
    const QString folder = QCoreApplication::applicationDirPath();
    QTemporaryDir dir;
    QFile junk(dir.filePath("liorna-cues.so"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a shared object");
    junk.close();
    // A library that loads but has no cue player in it.
    const QString other = QCoreApplication::applicationDirPath() + "/liorna-clip.so";
    QVERIFY(QFileInfo::exists(other));
    for (const QString& module : {dir.filePath("missing/liorna-cues.so"), junk.fileName(), other}) {
        ModuleCuePlayer player(folder, module);
        // Every cue tells, and the game goes on.
        for (int i = 0; i < 2; ++i) {
            try {
                player.play("Melodies/A1.wav");
                QFAIL(qPrintable(module));
            } catch (const UserError& error) {
                const std::string text = error.what();
                QVERIFY2(text.starts_with("Cannot play sound file " + folder.toStdString() +
                                          "/Melodies/A1.wav: ") &&
                             text.find("the sound module cannot be loaded (") != std::string::npos,
                         error.what());
            }
        }
        QVERIFY(!player.loaded());
        // A bad file is still named as such.
        try {
            player.play("Melodies/A11.wav");
            QFAIL("no such cue");
        } catch (const UserError& error) {
            QVERIFY2(std::string(error.what()).starts_with("Cannot open sound file"), error.what());
        }
    }
}

QTEST_MAIN(CuePlayerTest)
#include "cue_player_test.moc"
