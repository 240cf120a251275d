// The settings, statistics, card back and bonus screens: their layout and what their buttons do.

#include <QAccessible>
#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "harness.h"
#include "ui/art/picture_art.h"
#include "ui/jpeg_picture_writer.h"
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
    void everyControlAndPictureIsNamedForAScreenReader();
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

// The engine's boundary as the dialogs see it: a UserError is reported, not thrown on.
struct Boundary {
    std::vector<std::string> reports;
    int events = 0;
    EventBoundary deliver()
    {
        return [this](const std::function<void()>& event) {
            ++events;
            try {
                event();
            } catch (const UserError& error) {
                reports.push_back(error.what());
            }
        };
    }
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
    const StatisticsModel model(p.file);
    StatisticsDialog d(model, nullptr, nullptr, nullptr);
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
    const StatisticsModel model(p.file);
    StatisticsDialog d(model, nullptr, nullptr, nullptr);
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
    Boundary b;
    // The question is answered later, as a box opened without a nested loop answers.
    std::vector<std::function<void(bool)>> questions;
    StatisticsModel model(p.file);
    StatisticsDialog d(
        model, b.deliver(),
        [&](QWidget* over, std::function<void(bool)> answer) {
            QCOMPARE(over, static_cast<QWidget*>(&d));
            questions.push_back(std::move(answer));
        },
        [&] { model.resetAll(); });
    int asked = 0;
    auto answer = [&](bool ok) {
        QCOMPARE(questions.size(), std::size_t(1));
        ++asked;
        auto pending = std::move(questions.back());
        questions.clear();
        pending(ok);
    };
    QSignalSpy accepted(&d, &QDialog::accepted);

    // Nothing happens until the answer comes; Cancel keeps the counts.
    d.resetButton()->click();
    QCOMPARE(p.file.line(8), std::string("4"));
    answer(false);
    QCOMPARE(p.file.line(8), std::string("4"));
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(b.events, 0);

    // A failed save is reported through the boundary and the dialog stays open.
    p.breakSaving();
    d.resetButton()->click();
    answer(true);
    QCOMPARE(b.reports, std::vector<std::string>{"Cannot create file Setting/XP.kvz"});
    QCOMPARE(accepted.count(), 0);

    writeProgramFolder(p.h.dir);
    d.resetButton()->click();
    answer(true);
    QCOMPARE(asked, 3);
    QCOMPARE(b.events, 2);
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
    int applied = 0;
    Boundary b;
    SettingsDialogModel model(p.file);
    SettingsDialog d(model, b.deliver(), [&] {
        model.save();
        ++applied;
    });
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
    QCOMPARE(b.reports, std::vector<std::string>{"Cannot create file Setting/XP.kvz"});
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
    bool okFails = true;
    std::vector<std::string> chosen;
    Boundary b;
    CardBackModel model("14", "15");
    CardBackDialog d(model, b.deliver(), [&] {
        chosen.push_back(model.candidate());
        if (okFails)
            throw UserError("Cannot create file Setting/XP.kvz");
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

    // Every step and hover ran in the core, through the boundary.
    QCOMPARE(b.events, 5);

    // A choice that cannot be saved is reported and the dialog stays open.
    QSignalSpy accepted(&d, &QDialog::accepted);
    d.okButton()->click();
    QCOMPARE(b.reports, std::vector<std::string>{"Cannot create file Setting/XP.kvz"});
    QCOMPARE(accepted.count(), 0);
    okFails = false;
    d.okButton()->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(chosen, (std::vector<std::string>{"15", "15"}));

    CardBackModel cancelledModel("3", "15");
    CardBackDialog cancelled(cancelledModel, b.deliver(),
                             [&] { chosen.push_back(cancelledModel.candidate()); });
    QSignalSpy rejected(&cancelled, &QDialog::rejected);
    cancelled.cancelButton()->click();
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(chosen.size(), std::size_t(2));
}

namespace {

// A bonus screen over the program's settings, exporting through the real JPEG writer.
struct Bonus {
    Program& p;
    QtTimers timers;
    JpegPictureWriter writer{p.h.dir};
    RecordingShell shell;
    std::vector<std::string> reports;
    BonusScreenModel model;
    BonusScreen screen;
    Bonus(Program& program, std::optional<int> revealMatchMode)
        : p(program), model(timers, p.file, revealMatchMode, writer, shell),
          screen(model, [this](const std::function<void()>& event) {
              try {
                  event();
              } catch (const UserError& error) {
                  reports.push_back(error.what());
              }
          })
    {
    }
};

// Mean difference per channel of two images of one size.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb u = x.pixel(col, row);
            const QRgb v = y.pixel(col, row);
            sum +=
                std::abs(qRed(u) - qRed(v)) + std::abs(qGreen(u) - qGreen(v)) + std::abs(qBlue(u) - qBlue(v));
        }
    return sum / (3.0 * x.width() * x.height());
}

// The picture on black, drawn at `ratio` and shown at 568 x 768.
QImage onBlack(const Picture& picture, qreal ratio)
{
    QImage image(568, 768, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(image.rect()), art::render(picture, ratio));
    return image;
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The shown controls and pictures of a window that a screen reader would announce with no name.
QStringList unnamed(QWidget* window)
{
    QStringList found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool speaks = qobject_cast<QAbstractButton*>(w) || qobject_cast<QSlider*>(w) ||
                            qobject_cast<PictureLabel*>(w) || qobject_cast<BonusThumbnail*>(w);
        // What is hidden is not announced.
        if (speaks && w->isVisibleTo(window) && accessibleName(w).isEmpty())
            found << QStringLiteral("%1 at %2,%3")
                         .arg(QString::fromLatin1(w->metaObject()->className()))
                         .arg(w->x())
                         .arg(w->y());
    }
    return found;
}

} // namespace

void DialogsTest::everyControlAndPictureIsNamedForAScreenReader()
{
    Program p;
    const StatisticsModel statistics(p.file);
    StatisticsDialog statisticsDialog(statistics, nullptr, nullptr, nullptr);
    QCOMPARE(unnamed(&statisticsDialog), QStringList());

    SettingsDialogModel settings(p.file);
    SettingsDialog settingsDialog(settings, nullptr, [] {});
    QCOMPARE(unnamed(&settingsDialog), QStringList());
    const QList<QSlider*> sliders = settingsDialog.findChildren<QSlider*>();
    QCOMPARE(sliders.size(), 2);
    for (QSlider* slider : sliders)
        QVERIFY(!accessibleName(slider).isEmpty());
    QVERIFY(accessibleName(sliders[0]) != accessibleName(sliders[1]));

    // The preview is named by the back it shows, as the arrows step it.
    Boundary boundary;
    CardBackModel backs("14", "15");
    CardBackDialog cardBack(backs, boundary.deliver(), [] {});
    QCOMPARE(unnamed(&cardBack), QStringList());
    QCOMPARE(accessibleName(cardBack.preview()), QStringLiteral("Рубашка 14"));
    QCOMPARE(accessibleName(cardBack.rightArrow()), QStringLiteral("Следующая рубашка"));
    QCOMPARE(accessibleName(cardBack.leftArrow()), QStringLiteral("Предыдущая рубашка"));
    hover(cardBack.rightArrow());
    QTest::mouseClick(cardBack.rightArrow(), Qt::LeftButton);
    QCOMPARE(accessibleName(cardBack.preview()), QStringLiteral("Рубашка 15"));

    // Three pictures complete, four pieces of the fourth won: the places say how far each is open.
    p.file.setLine(0, "17");
    p.file.setLine(1, "20");
    Bonus bonus(p, std::nullopt);
    QCOMPARE(unnamed(&bonus.screen), QStringList());
    const std::pair<int, const char*> places[] = {{1, "Картинка 1: открыто 9 из 9"},
                                                  {3, "Картинка 3: открыто 9 из 9"},
                                                  {4, "Картинка 4: открыто 4 из 9"},
                                                  {5, "Картинка 5: открыто 0 из 9"},
                                                  {20, "Картинка 20: открыто 0 из 9"}};
    for (const auto& [place, name] : places)
        QCOMPARE(accessibleName(bonus.screen.thumbnail(place)), QString::fromUtf8(name));
    // After a win, the picture being uncovered is read with the pieces the cover leaves open.
    Bonus reveal(p, 1);
    QCOMPARE(unnamed(&reveal.screen), QStringList());
    QCOMPARE(accessibleName(reveal.screen.findChildren<PictureLabel*>().at(1)),
             QStringLiteral("Картинка 4: открыто 0 из 9"));
}

void DialogsTest::bonusGalleryLayoutAndExport()
{
    Program p;
    p.file.setLine(0, "17");
    Bonus b(p, std::nullopt);
    BonusScreen& s = b.screen;
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
    QVERIFY(s.thumbnail(2)->selected());
    s.saveButton()->click();
    QCOMPARE(b.reports, std::vector<std::string>{});
    QCOMPARE(b.shell.opened, std::vector<std::string>{"pictures"});

    // A real JPEG of the picture drawn at eight times its size, not the small picture stretched.
    const auto file = p.h.dir / std::filesystem::path(BonusProgress::exportPath(2));
    QImageReader reader(QString::fromStdString(file.string()));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(568, 768));
    const QImage written = reader.read();
    const double toArt = meanDifference(written, onBlack(Picture::bonus(2), 8));
    const double toStretched = meanDifference(written, onBlack(Picture::bonus(2), 1));
    QVERIFY2(toArt < 3, qPrintable(QString::number(toArt)));
    QVERIFY2(toStretched > 2 * toArt, qPrintable(QStringLiteral("%1 %2").arg(toArt).arg(toStretched)));

    // A folder that is missing or marked read-only: the message names the file, no folder opens.
    const std::string expected = "Cannot create file pictures/Бонусная картинка_2.jpg";
    std::filesystem::remove(file);
    std::filesystem::permissions(p.h.dir / "pictures", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    s.saveButton()->click();
    std::filesystem::remove_all(p.h.dir / "pictures");
    s.saveButton()->click();
    QCOMPARE(b.reports, (std::vector<std::string>{expected, expected}));
    QCOMPARE(b.shell.opened.size(), std::size_t(1));
    QVERIFY(!std::filesystem::exists(file));
}

void DialogsTest::bonusRevealStepsCommitsAndShowsTheGallery()
{
    Program p;
    p.file.setLine(0, "17");
    p.file.setLine(1, "17");
    p.file.setLine(19, "18");
    Bonus b(p, 6);
    BonusScreen& s = b.screen;
    BonusReveal& reveal = s.model().reveal();
    QVERIFY(!s.revealPanel()->isHidden());
    QVERIFY(s.galleryPanel()->isHidden());
    QCOMPARE(s.revealPicture()->geometry(), r(224, 152, 71, 96));
    QCOMPARE(s.revealCover()->geometry(), r(224, 152, 71, 96));
    QCOMPARE(s.galleryButton()->geometry(), r(400, 368, 113, 25));
    QCOMPARE(s.revealPicture()->picture(), Picture::bonus(4));
    QCOMPARE(s.revealCover()->picture(), Picture::cover(0));

    // The page buttons switch between the uncovering and the gallery while it runs.
    s.galleryButton()->click();
    QVERIFY(!s.galleryPanel()->isHidden());
    QVERIFY(!s.backButton()->isHidden());
    s.backButton()->click();
    QVERIFY(!s.revealPanel()->isHidden());

    for (int step = 1; step <= 13; ++step) {
        reveal.step();
        QCOMPARE(s.revealCover()->picture(), Picture::cover(std::min(step, 9)));
        QVERIFY(!reveal.committed());
    }
    QCOMPARE(p.file.line(1), std::string("17"));
    reveal.step();
    QVERIFY(reveal.committed());
    QVERIFY(!s.galleryPanel()->isHidden());
    QVERIFY(s.backButton()->isHidden());
    QCOMPARE(p.file.line(0), std::string("16"));
    QCOMPARE(p.file.line(1), std::string("20"));
    QCOMPARE(p.file.line(19), std::string("19"));
    // The new picture joins the gallery only with the refresh a moment later.
    QVERIFY(!s.thumbnail(4)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(s.thumbnail(4)->isEnabled(), 4000);
    // Further ticks after the commit change nothing.
    reveal.step();
    QCOMPARE(p.file.line(1), std::string("20"));
}

void DialogsTest::bonusWinWithAllCompleteOnlyShowsTheGallery()
{
    Program p;
    p.file.setLine(0, "0");
    p.file.setLine(1, "24");
    p.file.setLine(19, "35");
    p.file.save();
    Bonus b(p, 3);
    BonusScreen& s = b.screen;
    QVERIFY(!s.galleryPanel()->isHidden());
    QVERIFY(s.backButton()->isHidden());
    for (int place = 1; place <= 20; ++place)
        QVERIFY(s.thumbnail(place)->isEnabled());
    s.show();
    s.model().reveal().step();
    QVERIFY(!s.model().reveal().committed());
    QCOMPARE(s.revealCover()->picture(), Picture::cover(0));
    SettingsFile again(p.h.dir);
    again.load();
    QCOMPARE(again.line(0), std::string("0"));
    QCOMPARE(again.line(1), std::string("24"));
    QCOMPARE(again.line(19), std::string("35"));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
