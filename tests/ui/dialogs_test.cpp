// The settings, statistics, card back and bonus screens: their layout and what their buttons do.

#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "harness.h"
#include "ui/picture_label.h"
#include "ui/qt_timers.h"
#include "ui/screens/bonus_screen.h"
#include "ui/screens/card_back_dialog.h"
#include "ui/screens/settings_dialog.h"
#include "ui/screens/statistics_dialog.h"

using namespace liorna;

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void statisticsLayoutAndCounts();
    void statisticsShowsWideCountsWhole();
    void statisticsResetAsksThenSavesAndCloses();
    void settingsLayoutAndSave();
    void cardBackLayoutArrowsAndOk();
    void bonusGalleryLayoutAndExport();
    void bonusRevealStepsCommitsAndShowsTheGallery();
    void bonusWinWithAllCompleteOnlyShowsTheGallery();
};

namespace {

QRect r(int x, int y, int w, int h)
{
    return {x, y, w, h};
}

struct Program {
    Harness h;
    SettingsFile file{h.dir};
    Program() { file.load(); }
    void breakSaving() { std::filesystem::remove_all(h.dir / "Setting"); }
};

void hover(QWidget* widget)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(widget, &enter);
}

} // namespace

void DialogsTest::statisticsLayoutAndCounts()
{
    Program p;
    const char* won[] = {"3", "0", "0", "0", "0", "12"};
    for (std::size_t row = 0; row < 6; ++row) {
        p.file.setLine(5 + row, won[row]);
        p.file.setLine(11 + row, row == 1 ? "x" : "1");
    }
    StatisticsModel model(p.file);
    StatisticsDialog d(
        model, [] { return false; }, [](const std::string&) {});
    QCOMPARE(d.windowTitle(), QStringLiteral("Статистика"));
    QCOMPARE(d.size(), QSize(301, 403));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.resetButton()->geometry(), r(192, 368, 97, 25));
    QCOMPARE(d.resetButton()->text(), QStringLiteral("Сброс"));
    const int rowY[] = {56, 96, 136, 176, 216, 256, 312};
    for (std::size_t row = 0; row <= 6; ++row) {
        QCOMPARE(d.captionLabel(row)->geometry(), r(8, rowY[row], 177, 20));
        QCOMPARE(d.wonLabel(row)->x(), 224);
        QCOMPARE(d.lostLabel(row)->x(), 256);
        QCOMPARE(d.wonLabel(row)->y(), rowY[row]);
    }
    QCOMPARE(d.captionLabel(3)->text(), QStringLiteral("Игра до восьми очков"));
    QCOMPARE(d.captionLabel(6)->text(), QStringLiteral("Общий результат"));
    QCOMPARE(d.wonLabel(5)->text(), QStringLiteral("12"));
    QCOMPARE(d.lostLabel(1)->text(), QStringLiteral("x"));
    QCOMPARE(d.wonLabel(6)->text(), QStringLiteral("15"));
    QCOMPARE(d.lostLabel(6)->text(), QStringLiteral("5"));
}

void DialogsTest::statisticsShowsWideCountsWhole()
{
    // A count past 64 bits and a total wider still: every label is wide enough for its text and
    // lies inside the dialog, the won and lost columns do not overlap.
    Program p;
    p.file.setLine(5, "99999999999999999999");
    p.file.setLine(10, "9223372036854775807");
    p.file.setLine(16, "2147483648");
    StatisticsModel model(p.file);
    StatisticsDialog d(
        model, [] { return false; }, [](const std::string&) {});
    QCOMPARE(d.wonLabel(6)->text(), QStringLiteral("109223372036854775806"));
    for (std::size_t row = 0; row <= 6; ++row)
        for (QLabel* label : {d.wonLabel(row), d.lostLabel(row)}) {
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text()));
            QVERIFY(label->geometry().right() < d.width());
        }
    QVERIFY(d.wonLabel(0)->geometry().right() < d.lostLabel(0)->x());
    QCOMPARE(d.wonLabel(0)->x(), 224);
}

void DialogsTest::statisticsResetAsksThenSavesAndCloses()
{
    Program p;
    p.file.setLine(8, "4");
    StatisticsModel model(p.file);
    bool answer = false;
    int asked = 0;
    std::vector<std::string> reports;
    StatisticsDialog d(
        model,
        [&] {
            ++asked;
            return answer;
        },
        [&](const std::string& text) { reports.push_back(text); });
    QSignalSpy accepted(&d, &QDialog::accepted);

    d.resetButton()->click();
    QCOMPARE(asked, 1);
    QCOMPARE(p.file.line(8), std::string("4"));
    QCOMPARE(accepted.count(), 0);

    // A failed save is reported and the dialog stays open.
    answer = true;
    p.breakSaving();
    d.resetButton()->click();
    QCOMPARE(reports.size(), std::size_t(1));
    QVERIFY(reports[0].find("Cannot create file") != std::string::npos);
    QCOMPARE(accepted.count(), 0);

    writeProgramFolder(p.h.dir);
    d.resetButton()->click();
    QCOMPARE(accepted.count(), 1);
    SettingsFile again(p.h.dir);
    again.load();
    for (std::size_t line = 5; line <= 16; ++line)
        QCOMPARE(again.line(line), std::string("0"));
}

void DialogsTest::settingsLayoutAndSave()
{
    Program p;
    p.file.setLine(3, "99");
    SettingsDialogModel model(p.file);
    int applied = 0;
    std::vector<std::string> reports;
    SettingsDialog d(
        model, [&] { ++applied; }, [&](const std::string& text) { reports.push_back(text); });
    QCOMPARE(d.windowTitle(), QStringLiteral("Настройки"));
    QCOMPARE(d.size(), QSize(274, 386));
    QCOMPARE(d.soundBox()->geometry(), r(16, 32, 209, 17));
    QCOMPARE(d.soundBox()->text(), QStringLiteral("Использовать звуковые эффекты"));
    QVERIFY(d.soundBox()->isChecked());
    for (QSlider* bar : {d.speed1Bar(), d.speed2Bar()}) {
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 10);
        QCOMPARE(bar->tickPosition(), QSlider::TicksBelow);
        QCOMPARE(bar->tickInterval(), 1);
        QCOMPARE(bar->orientation(), Qt::Horizontal);
    }
    QCOMPARE(d.speed1Bar()->geometry(), r(16, 96, 209, 25));
    QCOMPARE(d.speed2Bar()->geometry(), r(16, 176, 209, 25));
    QCOMPARE(d.speed1Bar()->value(), 5); // "99" shows as the middle
    // Under each bar its ends say what they mean, inside the bar's width and above what follows it; the
    // tooltip names the pause the bar sets and its range.
    const struct {
        QSlider* bar;
        int nextTop;
        const char* pause;
        const char* range;
    } bars[] = {{d.speed1Bar(), 152, "взятка уходит со стола", "от 300 мс до 3 с"},
                {d.speed2Bar(), 352, "ответом компьютера", "от 200 мс до 2 с"}};
    for (const auto& b : bars) {
        QVERIFY(b.bar->toolTip().contains(QString::fromUtf8(b.pause)));
        QVERIFY(b.bar->toolTip().contains(QString::fromUtf8(b.range)));
        QLabel* ends[2] = {};
        for (auto* label : d.findChildren<QLabel*>()) {
            if (label->y() < b.bar->geometry().bottom() || label->y() >= b.nextTop)
                continue;
            if (label->text() == QStringLiteral("быстрее"))
                ends[0] = label;
            if (label->text() == QStringLiteral("медленнее"))
                ends[1] = label;
        }
        QVERIFY(ends[0] && ends[1]);
        QCOMPARE(ends[0]->geometry().left(), b.bar->geometry().left());
        QVERIFY(ends[0]->alignment() & Qt::AlignLeft);
        QCOMPARE(ends[1]->geometry().right(), b.bar->geometry().right());
        QVERIFY(ends[1]->alignment() & Qt::AlignRight);
        for (QLabel* end : ends) {
            QVERIFY(end->geometry().bottom() < b.nextTop);
            QVERIFY(end->sizeHint().width() <= end->width());
            QVERIFY(end->sizeHint().height() <= end->height());
        }
        QVERIFY(ends[0]->geometry().right() < ends[1]->geometry().left());
    }
    QCOMPARE(d.saveButton()->geometry(), r(64, 352, 97, 25));
    QCOMPARE(d.cancelButton()->geometry(), r(168, 352, 97, 25));
    QCOMPARE(d.saveButton()->text(), QStringLiteral("Сохранить"));
    QCOMPARE(d.cancelButton()->text(), QStringLiteral("Отмена"));
    QSignalSpy accepted(&d, &QDialog::accepted);

    d.soundBox()->setChecked(false);
    d.speed1Bar()->setValue(10);
    d.speed2Bar()->setValue(2);
    p.breakSaving();
    d.saveButton()->click();
    QCOMPARE(reports.size(), std::size_t(1));
    QCOMPARE(applied, 0);
    QCOMPARE(accepted.count(), 0);
    // The file's lines keep their old value (the change is not saved later by anyone else); the
    // dialog keeps the player's choice for a second try.
    QCOMPARE(p.file.line(3), std::string("99"));
    QCOMPARE(d.speed1Bar()->value(), 10);

    writeProgramFolder(p.h.dir);
    d.saveButton()->click();
    QCOMPARE(applied, 1);
    QCOMPARE(accepted.count(), 1);
    SettingsFile again(p.h.dir);
    again.load();
    QCOMPARE(again.line(2), std::string("0"));
    QCOMPARE(again.line(3), std::string("10"));
    QCOMPARE(again.line(4), std::string("2"));
}

void DialogsTest::cardBackLayoutArrowsAndOk()
{
    bool okResult = false;
    std::vector<std::string> chosen;
    CardBackDialog d("14", "15", [&](const std::string& number) {
        chosen.push_back(number);
        return okResult;
    });
    QCOMPARE(d.windowTitle(), QStringLiteral("Рубашка колоды"));
    QCOMPARE(d.size(), QSize(319, 189));
    QCOMPARE(d.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(d.preview()->geometry(), r(112, 48, 71, 96));
    QCOMPARE(d.rightArrow()->geometry(), r(208, 88, 14, 24));
    QCOMPARE(d.leftArrow()->geometry(), r(72, 88, 14, 24));
    QCOMPARE(d.okButton()->geometry(), r(16, 160, 73, 25));
    QCOMPARE(d.cancelButton()->geometry(), r(96, 160, 73, 25));
    QCOMPARE(d.preview()->picture(), Picture::back(14));
    QCOMPARE(d.rightArrow()->picture(), Picture::of(PictureKind::ArrowRed, 1));
    QCOMPARE(d.leftArrow()->picture(), Picture::of(PictureKind::ArrowRed, 0));

    // A red arrow takes no click; the pointer over it turns it green and then it steps.
    QTest::mouseClick(d.rightArrow(), Qt::LeftButton);
    QCOMPARE(d.model().candidate(), std::string("14"));
    hover(d.rightArrow());
    QCOMPARE(d.rightArrow()->picture(), Picture::of(PictureKind::ArrowGreen, 1));
    QTest::mouseClick(d.rightArrow(), Qt::LeftButton);
    QTest::mouseClick(d.rightArrow(), Qt::LeftButton);
    QCOMPARE(d.model().candidate(), std::string("1"));
    QCOMPARE(d.preview()->picture(), Picture::back(1));
    hover(d.leftArrow());
    QCOMPARE(d.rightArrow()->picture(), Picture::of(PictureKind::ArrowRed, 1));
    QCOMPARE(d.leftArrow()->picture(), Picture::of(PictureKind::ArrowGreen, 0));
    QTest::mouseClick(d.leftArrow(), Qt::LeftButton);
    QCOMPARE(d.preview()->picture(), Picture::back(15));

    QSignalSpy accepted(&d, &QDialog::accepted);
    d.okButton()->click();
    QCOMPARE(accepted.count(), 0);
    okResult = true;
    d.okButton()->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(chosen, (std::vector<std::string>{"15", "15"}));

    CardBackDialog cancelled("3", "15", [&](const std::string& number) {
        chosen.push_back(number);
        return true;
    });
    QSignalSpy rejected(&cancelled, &QDialog::rejected);
    cancelled.cancelButton()->click();
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(chosen.size(), std::size_t(2));
}

void DialogsTest::bonusGalleryLayoutAndExport()
{
    Program p;
    p.file.setLine(0, "17");
    QtTimers timers;
    BonusReveal reveal(timers, p.file, std::nullopt);
    std::vector<std::string> opened, reports;
    BonusScreen s(
        reveal, p.h.dir, [&](const std::string& folder) { opened.push_back(folder); },
        [&](const std::string& text) { reports.push_back(text); });
    QCOMPARE(s.windowTitle(), QStringLiteral("Бонус за победу"));
    QCOMPARE(s.size(), QSize(527, 401));
    QVERIFY(!s.galleryPanel()->isHidden());
    QVERIFY(s.revealPanel()->isHidden());
    QVERIFY(s.backButton()->isHidden());
    const int xs[] = {8, 112, 216, 320, 424};
    const int ys[] = {8, 96, 184, 272};
    for (int place = 1; place <= 20; ++place) {
        BonusThumbnail* t = s.thumbnail(place);
        QCOMPARE(t->geometry(), r(xs[(place - 1) % 5], ys[(place - 1) / 5], 97, 81));
        QCOMPARE(t->isEnabled(), place <= 3);
        QCOMPARE(t->picture(), place <= 3 ? Picture::bonus(place) : Picture::of(PictureKind::Locked));
    }
    QCOMPARE(s.saveButton()->geometry(), r(416, 368, 105, 25));
    QCOMPARE(s.backButton()->geometry(), r(296, 368, 105, 25));
    QVERIFY(!s.saveButton()->isEnabled());

    // Locked places take no click.
    QTest::mouseClick(s.thumbnail(4), Qt::LeftButton);
    QVERIFY(!s.saveButton()->isEnabled());
    QTest::mouseClick(s.thumbnail(2), Qt::LeftButton);
    QVERIFY(s.saveButton()->isEnabled());
    s.saveButton()->click();
    QCOMPARE(reports, std::vector<std::string>{});
    QCOMPARE(opened, std::vector<std::string>{"pictures"});
    const auto file = p.h.dir / std::filesystem::path(BonusProgress::exportPath(2));
    QImageReader reader(QString::fromStdString(file.string()));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(71, 96));

    std::filesystem::remove_all(p.h.dir / "pictures");
    s.saveButton()->click();
    QCOMPARE(reports, std::vector<std::string>{"Cannot create file pictures/Бонусная картинка_2.jpg"});
    QCOMPARE(opened.size(), std::size_t(1));
}

void DialogsTest::bonusRevealStepsCommitsAndShowsTheGallery()
{
    Program p;
    p.file.setLine(0, "17");
    p.file.setLine(1, "17");
    p.file.setLine(19, "18");
    QtTimers timers;
    BonusReveal reveal(timers, p.file, 6);
    BonusScreen s(
        reveal, p.h.dir, [](const std::string&) {}, [](const std::string&) {});
    QVERIFY(!s.revealPanel()->isHidden());
    QVERIFY(s.galleryPanel()->isHidden());
    QCOMPARE(s.revealPicture()->geometry(), r(224, 152, 71, 96));
    QCOMPARE(s.revealCover()->geometry(), r(224, 152, 71, 96));
    QCOMPARE(s.galleryButton()->geometry(), r(400, 368, 113, 25));
    QCOMPARE(s.revealPicture()->picture(), Picture::bonus(4));
    QCOMPARE(s.revealCover()->picture(), Picture::cover(0));

    for (int step = 1; step <= 13; ++step) {
        s.advanceReveal();
        QCOMPARE(s.revealCover()->picture(), Picture::cover(std::min(step, 9)));
        QVERIFY(!s.committed());
    }
    QCOMPARE(p.file.line(1), std::string("17"));
    s.advanceReveal();
    QVERIFY(s.committed());
    QVERIFY(!s.galleryPanel()->isHidden());
    QVERIFY(s.backButton()->isHidden());
    QCOMPARE(p.file.line(0), std::string("16"));
    QCOMPARE(p.file.line(1), std::string("20"));
    QCOMPARE(p.file.line(19), std::string("19"));
    // The new picture joins the gallery only with the refresh a moment later.
    QVERIFY(!s.thumbnail(4)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(s.thumbnail(4)->isEnabled(), 4000);
    // Further ticks after the commit change nothing.
    s.advanceReveal();
    QCOMPARE(p.file.line(1), std::string("20"));
}

void DialogsTest::bonusWinWithAllCompleteOnlyShowsTheGallery()
{
    Program p;
    p.file.setLine(0, "0");
    p.file.setLine(1, "24");
    p.file.setLine(19, "35");
    p.file.save();
    QtTimers timers;
    BonusReveal reveal(timers, p.file, 3);
    BonusScreen s(
        reveal, p.h.dir, [](const std::string&) {}, [](const std::string&) {});
    QVERIFY(!s.galleryPanel()->isHidden());
    QVERIFY(s.backButton()->isHidden());
    for (int place = 1; place <= 20; ++place)
        QVERIFY(s.thumbnail(place)->isEnabled());
    s.show();
    s.advanceReveal();
    QVERIFY(!s.committed());
    QCOMPARE(s.revealCover()->picture(), Picture::cover(0));
    SettingsFile again(p.h.dir);
    again.load();
    QCOMPARE(again.line(0), std::string("0"));
    QCOMPARE(again.line(1), std::string("24"));
    QCOMPARE(again.line(19), std::string("35"));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
