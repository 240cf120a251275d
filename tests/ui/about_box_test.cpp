// The about box: its layout, the looping clip with its first frame there at the first paint and the
// rest decoded while it plays, and a clip that cannot be opened or breaks off.

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ui/clip/clip_decoder.h"
#include "ui/picture_label.h"
#include "ui/screens/about_box.h"

using namespace liorna;

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void layoutPicturesAndCentring();
    void clipAdvancesAndLoopsUntilHidden();
    void eachNewBoxStartsAtTheFirstFrame();
    void missingClipReportsOnceAndTheBoxStillOpens();
    void firstPaintShowsTheFirstFrameAndTheRestFollow();
    void clipThatBreaksOffIsReportedOnce();

private:
    QString clip_;
    ClipDecoder decoded_;
};

namespace {

struct Reports {
    std::vector<std::string> messages;
    std::function<void(const std::string&)> sink()
    {
        return [this](const std::string& text) { messages.push_back(text); };
    }
};

QImage shown(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

// Waits until the box shows the given frame, up to a deadline; false if it never did.
bool waitForFrame(const AboutBox& box, int frame, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (box.frameIndex() == frame)
            return true;
        QTest::qWait(2);
    }
    return box.frameIndex() == frame;
}

} // namespace

void AboutBoxTest::initTestCase()
{
    const QByteArray fromEnv = qgetenv("LIORNA_CLIP");
    clip_ = fromEnv.isEmpty() ? QStringLiteral("Orvel.avi") : QString::fromLocal8Bit(fromEnv);
    QVERIFY2(decoded_.open(clip_.toStdString()), decoded_.errorText().c_str());
    // Looping is only visible with several frames, and a usable rate.
    QVERIFY(decoded_.frames().size() >= 2);
    QVERIFY(decoded_.frameIntervalMs() > 0);
}

void AboutBoxTest::layoutPicturesAndCentring()
{
    Reports reports;
    AboutBox box(clip_, reports.sink());
    QCOMPARE(box.windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(box.size(), QSize(362, 370));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(box.findChildren<QPushButton*>().isEmpty());

    QCOMPARE(box.animation()->geometry(), QRect(8, 8, 129, 69));
    const QRect places[5] = {
        {8, 88, 71, 96}, {88, 88, 75, 100}, {176, 88, 79, 104}, {144, 16, 210, 39}, {16, 200, 260, 159}};
    for (int n = 1; n <= 5; ++n) {
        PictureLabel* label = box.picture(n);
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), &box);
        QCOMPARE(label->geometry(), places[n - 1]);
        QCOMPARE(label->picture(), Picture::of(PictureKind::About, n));
        QVERIFY(!label->pixmap().isNull());
    }
    // A screen reader reads each picture and the clip as what they show, each its own.
    QSet<QString> names;
    for (QWidget* w : {static_cast<QWidget*>(box.animation()), static_cast<QWidget*>(box.picture(1)),
                       static_cast<QWidget*>(box.picture(2)), static_cast<QWidget*>(box.picture(3)),
                       static_cast<QWidget*>(box.picture(4)), static_cast<QWidget*>(box.picture(5))})
        names.insert(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name));
    QCOMPARE(names.size(), 6);
    QVERIFY(!names.contains(QString()));
    QVERIFY(names.contains(QStringLiteral("Карточная игра")));

    // The program's version, where no picture covers it.
    QCOMPARE(box.version()->text(), QStringLiteral("Версия ") + QStringLiteral(LIORNA_TEST_VERSION));
    for (int n = 1; n <= 5; ++n)
        QVERIFY(!box.picture(n)->geometry().intersects(box.version()->geometry()));
    QVERIFY(QRect(QPoint(), box.size()).contains(box.version()->geometry()));

    // Nothing is decoded or reported before the box is shown.
    QVERIFY(!box.clipRunning());
    QVERIFY(box.animation()->pixmap().isNull());

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect desk = box.screen()->geometry();
    QVERIFY2((box.frameGeometry().center() - desk.center()).manhattanLength() <= 2, "the box is not centred");
    QVERIFY(reports.messages.empty());

    const QPixmap picture = box.grab();
    QVERIFY(picture.save(QStringLiteral("/tmp/about.png")));
}

void AboutBoxTest::clipAdvancesAndLoopsUntilHidden()
{
    Reports reports;
    AboutBox box(clip_, reports.sink());
    box.show();
    QVERIFY(reports.messages.empty());
    QVERIFY(box.clipRunning());
    QCOMPARE(box.frameIndex(), 0);
    QCOMPARE(shown(box.animation()), decoded_.frames()[0].convertToFormat(QImage::Format_RGB32));
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    const int frames = static_cast<int>(decoded_.frames().size());
    const int interval = decoded_.frameIntervalMs();
    // A few frames on, the label shows the frame the box says it is at.
    QTRY_VERIFY_WITH_TIMEOUT(box.frameIndex() >= 2, interval * 10 + 1000);
    const int at = box.frameIndex();
    QCOMPARE(shown(box.animation()), decoded_.frames()[at].convertToFormat(QImage::Format_RGB32));

    // After the last frame the clip starts over; the frame count gives the pace a generous allowance.
    const int lap = frames * interval;
    QVERIFY2(waitForFrame(box, frames - 1, lap * 3 + 2000), "the last frame never showed");
    QVERIFY2(waitForFrame(box, 0, interval * 10 + 1000), "the clip did not loop to its first frame");
    QVERIFY2(waitForFrame(box, 1, interval * 10 + 1000), "the clip stopped after looping");
    QVERIFY(reports.messages.empty());

    box.hide();
    QVERIFY(!box.clipRunning());
    const int stopped = box.frameIndex();
    QTest::qWait(interval * 3);
    QCOMPARE(box.frameIndex(), stopped);
}

void AboutBoxTest::eachNewBoxStartsAtTheFirstFrame()
{
    const QImage first = decoded_.frames()[0].convertToFormat(QImage::Format_RGB32);
    Reports reports;
    auto box = std::make_unique<AboutBox>(clip_, reports.sink());
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QTRY_VERIFY_WITH_TIMEOUT(box->frameIndex() >= 2, decoded_.frameIntervalMs() * 10 + 1000);
    box->close();
    QVERIFY(!box->clipRunning());
    box.reset();

    AboutBox second(clip_, reports.sink());
    QCOMPARE(second.frameIndex(), 0);
    // Checked before the event loop runs again, so no tick can have moved it on.
    second.show();
    QVERIFY(second.clipRunning());
    QCOMPARE(second.frameIndex(), 0);
    QCOMPARE(shown(second.animation()), first);
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QVERIFY(reports.messages.empty());
}

void AboutBoxTest::missingClipReportsOnceAndTheBoxStillOpens()
{
    Reports reports;
    AboutBox box(QDir::temp().filePath(QStringLiteral("liorna-no-such-clip.avi")), reports.sink());
    QVERIFY(reports.messages.empty());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.isVisible());
    QCOMPARE(reports.messages, std::vector<std::string>{"Cannot open AVI"});
    QVERIFY(!box.clipRunning());
    QVERIFY(box.animation()->pixmap().isNull());
    for (int n = 1; n <= 5; ++n)
        QVERIFY(!box.picture(n)->pixmap().isNull());

    // Showing the same box again, or letting time pass, reports nothing more.
    box.hide();
    box.show();
    QTest::qWait(50);
    QCOMPARE(reports.messages.size(), std::size_t{1});
    QVERIFY(!box.clipRunning());
    QCOMPARE(box.frameIndex(), 0);
}

namespace {

// What the clip's label held when it was first painted.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QLabel* label) : label_(label) { label->installEventFilter(this); }
    bool painted = false;
    QImage image;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == label_ && event->type() == QEvent::Paint && !painted) {
            painted = true;
            image = shown(label_);
        }
        return false;
    }

private:
    QLabel* label_;
};

} // namespace

void AboutBoxTest::firstPaintShowsTheFirstFrameAndTheRestFollow()
{
    Reports reports;
    AboutBox box(clip_, reports.sink());
    FirstPaint first(box.animation());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTRY_VERIFY(first.painted);
    QCOMPARE(first.image, decoded_.frames()[0].convertToFormat(QImage::Format_RGB32));
    // The rest of the clip, decoded beside the box, is the whole clip in its order.
    QTRY_VERIFY_WITH_TIMEOUT(box.clipComplete(), 10000);
    QCOMPARE(box.framesDecoded(), static_cast<int>(decoded_.frames().size()));
    QVERIFY(reports.messages.empty());
    const int last = box.framesDecoded() - 1;
    QVERIFY2(waitForFrame(box, last, decoded_.frameIntervalMs() * (last + 1) * 3 + 2000),
             "the last frame never showed");
    QCOMPARE(shown(box.animation()),
             decoded_.frames()[std::size_t(last)].convertToFormat(QImage::Format_RGB32));
}

void AboutBoxTest::clipThatBreaksOffIsReportedOnce()
{
    // The clip's first part, cut in the middle of its frames: it opens, and then turns out damaged.
    QTemporaryDir dir;
    QFile whole(clip_);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QFile cut(dir.filePath(QStringLiteral("cut.avi")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(whole.size() / 2));
    cut.close();
    // The clip's frames are raw: the frame cut short is damaged, not the clip's end.
    ClipDecoder reference;
    QVERIFY(!reference.open(cut.fileName().toStdString()));
    Reports reports;
    AboutBox box(cut.fileName(), reports.sink());
    box.show();
    // It opened and plays its first frame; the damage further on is found beside the box, and told
    // through the event loop.
    QVERIFY(box.clipRunning());
    QVERIFY(box.framesDecoded() >= 1);
    QVERIFY(reports.messages.empty());
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTRY_VERIFY_WITH_TIMEOUT(box.clipComplete(), 10000);
    QCOMPARE(reports.messages, std::vector<std::string>{"Cannot open AVI"});
    QVERIFY(!box.clipRunning());
    QVERIFY(box.animation()->pixmap().isNull());
    QVERIFY(box.isVisible());
    box.hide();
    box.show();
    QTest::qWait(50);
    QCOMPARE(reports.messages.size(), std::size_t{1});
}

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
