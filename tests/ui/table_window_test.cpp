// The table window paints the table state scaled to its size, sends clicks, keys and commands back,
// and draws the keyboard focus, the sign of a refused action and the hint line.

#include <QActionGroup>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariantAnimation>
#include <QtTest>

#include "harness.h"
#include "ui/art/picture_art_detail.h"
#include "ui/preferences.h"
#include "ui/table_layout.h"
#include "ui/table_marks.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace liorna;

class TableWindowTest : public QObject {
    Q_OBJECT
private slots:
    void dealtTableIsPaintedAtTheWindowsScale();
    void picturesAreRenderedOncePerSize();
    void clicksReachTheInputAtEverySize();
    void menusAndShortcutsWorkWithTheMenusHidden();
    void keysReachTheInput();
    void backgroundItemsMarkTheCurrentOne();
    void announcementLiesBeneathTheTableCards();
    void focusRingReadsOnEveryBackground();
    void refusalShowsBrieflyWhereItHappened();
    void hintLineFitsItsBand();
    void pileCountsStayInsideThePile();
    void trumpSymbolStandsOnALightBadge();
    void windowSizeAndFullScreen();
    void fourColourDeckIsKeptInThePreferences();
};

namespace {

// The table window shown at `size` (the table is that less the menu bar, if shown) and painted, once
// the pictures for that size have replaced the stand-ins of the size before.
QImage paint(TableWindow& w, QSize size)
{
    if (!w.isVisible())
        w.show();
    w.resize(size);
    QCoreApplication::processEvents();
    w.table()->grab();
    QElapsedTimer t;
    t.start();
    while (!w.table()->pictures().crisp() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return w.table()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QPoint devicePoint(const TableWindow& w, QPointF logical, qreal dpr)
{
    return (w.table()->toWindow(logical) * dpr).toPoint();
}

QRgb at(const TableWindow& w, const QImage& image, QPointF logical)
{
    return image.pixel(devicePoint(w, logical, image.devicePixelRatio()));
}

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

QPointF centre(const layout::Rect& r)
{
    return {r.x + r.w / 2.0, r.y + r.h / 2.0};
}

TableState dealt()
{
    TableState t;
    t.canvas = Picture::tile(1);
    for (int i = 0; i < 5; ++i) {
        t.humanHand[i] = {true, Picture::face(i * 7), false, true};
        t.computerHand[i] = {true, Picture::back(1), false, true};
        t.led[i] = {true, Picture::face(i + 1), false, true};
    }
    t.trumpSymbol = Picture::suitSymbol(2);
    t.stock.count = "26";
    t.menusShown = false;
    return t;
}

} // namespace

void TableWindowTest::dealtTableIsPaintedAtTheWindowsScale()
{
    Harness h;
    h.start();
    h.advance(1);
    TableWindow w(h.engine().table());
    h.tableChanged = [&w] { w.render(); };
    h.advance(1000);
    h.screens.start->press("Играть");
    QVERIFY(h.idle());
    QCOMPARE(w.table()->shown(), h.engine().table());
    // At every scale each hand card shows the card's picture rendered for that scale, pixel for pixel.
    for (QSize size : {QSize(1024, 768), QSize(683, 405), QSize(1536, 1152), QSize(2048, 1500)}) {
        const QImage image = paint(w, size);
        const qreal dpr = image.devicePixelRatio();
        const qreal ratio = w.table()->mapping().scale * dpr;
        for (int k = 1; k <= 5; ++k) {
            const Picture card =
                lookUpCardPicture(h.engine().cards().slot(Row::Human, static_cast<std::size_t>(k - 1)));
            const scene::DeviceRect d = scene::toDevice(w.table()->mapping(), dpr, layout::humanSlot(k));
            if (ratio >= 1) {
                QImage picture =
                    art::detail::renderUncached(card, ratio, false).convertToFormat(QImage::Format_RGB32);
                picture.setDevicePixelRatio(dpr);
                // Inside the rounded corners, where the picture is opaque.
                const int corner = int(std::ceil(5 * ratio));
                const QRect inner(corner, corner, picture.width() - 2 * corner,
                                  picture.height() - 2 * corner);
                QCOMPARE(image.copy(inner.translated(d.x, d.y)), picture.copy(inner));
            } else {
                // Smaller than designed: the whole card at its design size, reduced, not a cut-off part.
                const QImage reference = art::detail::renderUncached(card, 1, false)
                                             .scaled(qRound(71 * ratio), qRound(96 * ratio),
                                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                             .convertToFormat(QImage::Format_RGB32);
                const QRect inner(4, 4, reference.width() - 8, reference.height() - 8);
                const QImage drawn = image.copy(inner.translated(d.x, d.y));
                qint64 diff = 0;
                for (int y = 0; y < inner.height(); ++y)
                    for (int x = 0; x < inner.width(); ++x)
                        diff += distance(drawn.pixel(x, y), reference.pixel(x + 4, y + 4));
                const double perPixel = double(diff) / (inner.width() * inner.height());
                QVERIFY2(perPixel < 3, qPrintable(QString::number(perPixel)));
            }
        }
    }
}

void TableWindowTest::picturesAreRenderedOncePerSize()
{
    const TableState state = dealt();
    TableWindow w(state);
    paint(w, QSize(1366, 660));
    const int rendered = w.table()->pictures().rendered();
    QVERIFY(rendered > 5);
    w.table()->repaint();
    paint(w, QSize(1366, 660));
    QCOMPARE(w.table()->pictures().rendered(), rendered);
    paint(w, QSize(1920, 1080));
    QCOMPARE(w.table()->pictures().rendered(), rendered);
    QVERIFY(w.table()->pictures().scale() > 1.3);
}

void TableWindowTest::clicksReachTheInputAtEverySize()
{
    TableState state = dealt();
    state.cover[3].shown = true;
    state.cover[3].picture = Picture::face(20);
    state.menuButtonShown = true;
    TableWindow w(state);
    w.show();
    QStringList got;
    w.input.handCard = [&](int k, Qt::MouseButton b) {
        got << QStringLiteral("hand %1 %2").arg(k).arg(b == Qt::RightButton ? "right" : "left");
    };
    w.input.ledCard = [&](int k) { got << QStringLiteral("led %1").arg(k); };
    w.input.coverCard = [&](int k) { got << QStringLiteral("cover %1").arg(k); };
    w.input.play = [&] { got << QStringLiteral("play"); };
    w.input.discard = [&] { got << QStringLiteral("discard"); };
    w.input.menuButton = [&] { got << QStringLiteral("menu"); };
    for (QSize size : {QSize(640, 420), QSize(1366, 660), QSize(2048, 1500)}) {
        w.table()->resize(size);
        w.render();
        auto click = [&](QPointF logical, Qt::MouseButton b = Qt::LeftButton) {
            QTest::mouseClick(w.table(), b, {}, w.table()->toWindow(logical).toPoint());
        };
        got.clear();
        click(centre(layout::humanSlot(2)));
        click(centre(layout::humanSlot(5)), Qt::RightButton);
        click(centre(layout::ledCard(1)));
        click(centre(layout::ledCard(1)), Qt::RightButton); // only the left button plays a led card
        click(centre(layout::ledCard(4)));                  // the cover lies over it
        click(centre(layout::PLAY_BUTTON));
        click(centre(layout::MENU_BUTTON));
        click({5, 760}); // bare table
        QCOMPARE(got, QStringList({"hand 2 left", "hand 5 right", "led 1", "cover 4", "play", "menu"}));
    }
    // A press on one card and a release on another is no click.
    got.clear();
    QTest::mousePress(w.table(), Qt::LeftButton, {},
                      w.table()->toWindow(centre(layout::humanSlot(1))).toPoint());
    QTest::mouseRelease(w.table(), Qt::LeftButton, {},
                        w.table()->toWindow(centre(layout::humanSlot(2))).toPoint());
    QVERIFY(got.isEmpty());
    // A shown veil takes the card's clicks; the discard button lies over the play button.
    state.overlay[2] = {true, Picture::blank(), false, true};
    state.discardShown = true;
    w.render();
    QTest::mouseClick(w.table(), Qt::LeftButton, {},
                      w.table()->toWindow(centre(layout::humanSlot(3))).toPoint());
    QTest::mouseClick(w.table(), Qt::LeftButton, {},
                      w.table()->toWindow(centre(layout::PLAY_BUTTON)).toPoint());
    QCOMPARE(got, QStringList({"discard"}));
}

void TableWindowTest::menusAndShortcutsWorkWithTheMenusHidden()
{
    TableState state;
    TableWindow w(state);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    std::vector<MenuCommand> commands;
    w.input.command = [&](MenuCommand c) { commands.push_back(c); };
    QCOMPARE(w.windowTitle(), QStringLiteral("Лиорна"));
    QCOMPARE(w.menus().size(), 3);
    QAction* newGame = w.action(QStringLiteral("Новая игра"));
    QVERIFY(newGame);
    QCOMPARE(newGame->shortcuts(),
             QList<QKeySequence>({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)}));
    QCOMPARE(w.action(QStringLiteral("... шести баллов"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F3));
    w.action(QStringLiteral("Статистика игр"))->trigger();
    QCOMPARE(commands, std::vector<MenuCommand>({MenuCommand::Statistics}));

    state.menusShown = false;
    w.render();
    QVERIFY(!w.menuBar()->isVisible());
    commands.clear();
    QTest::keyClick(&w, Qt::Key_F2);
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_F6);
    QCOMPARE(commands, std::vector<MenuCommand>({MenuCommand::NewGame, MenuCommand::NewGame,
                                                 MenuCommand::NewGameTo6, MenuCommand::Statistics}));
    state.menusShown = true;
    w.render();
    QVERIFY(w.menuBar()->isVisible());
    // Ctrl+Q closes the window, which ends the program.
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!w.isVisible());
}

void TableWindowTest::keysReachTheInput()
{
    TableState state;
    TableWindow w(state);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The table has the keyboard.
    QCOMPARE(QApplication::focusWidget(), w.table());
    // No callback: nothing happens, nothing breaks.
    QTest::keyClick(w.table(), Qt::Key_Left);
    std::vector<TableKey> keys;
    w.input.key = [&](TableKey k) { keys.push_back(k); };
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Press presses[] = {
        {Qt::Key_Left, {}},
        {Qt::Key_Right, {}},
        {Qt::Key_Up, {}},
        {Qt::Key_Down, {}},
        {Qt::Key_Space, {}},
        {Qt::Key_Return, {}},
        {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_Backspace, {}},
        {Qt::Key_1, {}},
        {Qt::Key_2, {}},
        {Qt::Key_3, Qt::KeypadModifier},
        {Qt::Key_4, {}},
        {Qt::Key_5, Qt::KeypadModifier},
        {Qt::Key_6, {}},
        {Qt::Key_A, {}},
        {Qt::Key_1, Qt::ControlModifier},
        {Qt::Key_Left, Qt::AltModifier},
    };
    for (const Press& p : presses)
        QTest::keyClick(w.table(), p.key, p.modifiers);
    using K = TableKey;
    QCOMPARE(keys,
             std::vector<TableKey>({K::Left, K::Right, K::Up, K::Down, K::Space, K::Enter, K::Enter,
                                    K::Backspace, K::Digit1, K::Digit2, K::Digit3, K::Digit4, K::Digit5}));
    // A held arrow walks on; a held Enter acts once.
    keys.clear();
    QTest::keyPress(w.table(), Qt::Key_Right);
    QTest::keyEvent(QTest::Press, w.table(), Qt::Key_Right, {}, -1);
    QKeyEvent repeatRight(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QKeyEvent repeatEnter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(w.table(), &repeatRight);
    QCoreApplication::sendEvent(w.table(), &repeatEnter);
    QCOMPARE(keys, std::vector<TableKey>({K::Right, K::Right, K::Right}));
}

void TableWindowTest::backgroundItemsMarkTheCurrentOne()
{
    TableState state;
    TableWindow w(state);
    const QStringList items{"Зелёный", "Синий", "Красный", "Трава"};
    auto checked = [&] {
        QStringList out;
        for (const QString& item : items) {
            QAction* a = w.action(item);
            if (!a->isCheckable() || !a->actionGroup())
                return QStringList{"not a radio item: " + item};
            if (a->isChecked())
                out << item;
        }
        return out;
    };
    QCOMPARE(checked(), QStringList());
    for (int tile = 1; tile <= 4; ++tile) {
        state.canvas = Picture::tile(tile);
        w.render();
        QCOMPARE(checked(), QStringList({items[tile - 1]}));
    }
    // A command the core does not carry out leaves the mark on the current background.
    w.action(QStringLiteral("Зелёный"))->trigger();
    QCOMPARE(checked(), QStringList({"Трава"}));
    w.input.command = [&](MenuCommand) { state.canvas = Picture::tile(2); };
    w.action(QStringLiteral("Синий"))->trigger();
    QCOMPARE(checked(), QStringList({"Синий"}));
}

void TableWindowTest::announcementLiesBeneathTheTableCards()
{
    TableState state = dealt();
    TableWindow w(state);
    const QImage plain = paint(w, QSize(1024, 768));
    state.trumpAnnouncementShown = true;
    state.trumpAnnouncement = "Козырь бубны";
    w.render();
    const QImage announced = paint(w, QSize(1024, 768));
    QVERIFY(plain != announced);
    for (int k = 1; k <= 5; ++k) {
        const layout::Rect r = layout::ledCard(k);
        QCOMPARE(announced.copy(r.x, r.y, r.w, r.h), plain.copy(r.x, r.y, r.w, r.h));
    }
}

void TableWindowTest::focusRingReadsOnEveryBackground()
{
    TableState state = dealt();
    TableWindow w(state);
    for (int tile = 1; tile <= 4; ++tile) {
        state.canvas = Picture::tile(tile);
        state.focus = {};
        w.render();
        const QImage plain = paint(w, QSize(1366, 660));
        for (auto [row, slot] : {std::pair{FocusRow::Hand, 2}, std::pair{FocusRow::Led, 5}}) {
            state.focus = {true, row, slot};
            w.render();
            const QImage ring = paint(w, QSize(1366, 660));
            const layout::Rect card = row == FocusRow::Hand ? layout::humanSlot(slot) : layout::ledCard(slot);
            // Just outside the card's left edge, halfway down: the ring, far from the background.
            const QPointF edge(card.x - 2.5, card.y + card.h / 2.0);
            QVERIFY2(distance(at(w, ring, edge), at(w, plain, edge)) > 150,
                     qPrintable(QString::number(tile)));
            // Nowhere else: the other hand card is untouched.
            const QPointF other(layout::humanSlot(4).x - 2.5, layout::humanSlot(4).y + 48.0);
            QCOMPARE(at(w, ring, other), at(w, plain, other));
        }
    }
    // Not drawn while hidden, even if it names a slot.
    state.focus = {false, FocusRow::Hand, 2};
    w.render();
    state.canvas = Picture::tile(1);
    w.render();
    const QImage hidden = paint(w, QSize(1366, 660));
    state.focus = {};
    w.render();
    QCOMPARE(hidden, paint(w, QSize(1366, 660)));
}

void TableWindowTest::refusalShowsBrieflyWhereItHappened()
{
    TableState state = dealt();
    state.refusal = {RefusalPlace::HandCard, 3, 7}; // a refusal already there before the first paint
    TableWindow w(state);
    QVERIFY(!w.table()->refusalShowing());
    const QImage plain = paint(w, QSize(1024, 768));
    const QPointF edge(layout::humanSlot(3).x - 2.5, layout::humanSlot(3).y + 48.0);

    state.refusal.serial = 8;
    w.render();
    QVERIFY(w.table()->refusalShowing());
    const QRgb sign = at(w, paint(w, QSize(1024, 768)), edge);
    QVERIFY2(qRed(sign) > 180 && qGreen(sign) < 80 && qBlue(sign) < 80,
             qPrintable(QString::number(sign, 16)));
    // It goes by itself and leaves no timer running.
    QTRY_VERIFY_WITH_TIMEOUT(!w.table()->refusalShowing(), 1000);
    for (auto* animation : w.table()->findChildren<QAbstractAnimation*>())
        QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
    QCOMPARE(at(w, paint(w, QSize(1024, 768)), edge), at(w, plain, edge));
    // Rendering the same refusal again is no new refusal; a button's refusal shows at the button.
    w.render();
    QVERIFY(!w.table()->refusalShowing());
    state.refusal = {RefusalPlace::PlayButton, 0, 9};
    w.render();
    const QRgb button =
        at(w, paint(w, QSize(1024, 768)), {layout::PLAY_BUTTON.x - 2.5, layout::PLAY_BUTTON.y + 20.0});
    QVERIFY(qRed(button) > 180 && qGreen(button) < 80);
}

void TableWindowTest::hintLineFitsItsBand()
{
    const char* texts[] = {"Ваш ход: выберите карты одной масти и нажмите «Пойти»", "Соперник думает…",
                           "Покройте карты соперника или сбросьте столько же карт",
                           "Партия окончена. Новая игра — F2"};
    TableState state = dealt();
    TableWindow w(state);
    for (int tile = 1; tile <= 4; ++tile) {
        state.canvas = Picture::tile(tile);
        state.hint.clear();
        w.render();
        for (QSize size : {QSize(640, 420), QSize(1366, 660), QSize(3840, 2160)}) {
            const QImage empty = paint(w, size);
            for (const char* text : texts) {
                state.hint = text;
                w.render();
                const QImage shown = paint(w, size);
                // On a dark plate, whatever the background: the middle of the band is dark or text.
                const QRgb middle = at(w, shown, centre(layout::HINT_AREA) + QPointF(0, 12));
                QVERIFY(qGray(middle) < 80);
                QVERIFY(shown != empty);
                // Clear of the play button's caption and of the hand: nothing changes outside its band.
                const layout::Rect band = layout::HINT_AREA;
                for (QPointF outside :
                     {QPointF(band.x - 2, band.y + 14), QPointF(band.x + band.w + 2, band.y + 14),
                      QPointF(band.x + band.w / 2, band.y - 2),
                      QPointF(band.x + band.w / 2, band.y + band.h + 2)})
                    QCOMPARE(at(w, shown, outside), at(w, empty, outside));
            }
            state.hint.clear();
            w.render();
        }
    }
    // The longest text keeps a readable size.
    QVERIFY(marks::hintPixelSize(QString::fromUtf8(texts[0])) >= 15);
    QVERIFY(marks::hintPixelSize(QString::fromUtf8(texts[2])) >= 15);
}

void TableWindowTest::pileCountsStayInsideThePile()
{
    // Drawn unclipped on a larger canvas: the ink of the count must lie inside the pile.
    for (qreal scale : {1.0, 2.0}) {
        for (const char* count : {"110", "109", "36", "0"}) {
            for (auto [pile, countX] : {std::pair{layout::STOCK_PILE, layout::STOCK_COUNT_X},
                                        std::pair{layout::HUMAN_PILE, layout::PILE_COUNT_X}}) {
                QImage image(QSize(1024, 768) * scale, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                QPainter p(&image);
                p.scale(scale, scale);
                marks::pileCount(p, QString::fromUtf8(count), pile, countX);
                p.end();
                QRect ink;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (qAlpha(image.pixel(x, y)) > 0)
                            ink |= QRect(x, y, 1, 1);
                const QRect inside =
                    QRectF(pile.x * scale, pile.y * scale, pile.w * scale, pile.h * scale).toRect();
                QVERIFY2(inside.contains(ink), qPrintable(QStringLiteral("%1 at %2").arg(count).arg(scale)));
                // Readable: at least two thirds of the full height.
                QVERIFY(ink.height() > 16 * scale);
            }
        }
    }
}

void TableWindowTest::trumpSymbolStandsOnALightBadge()
{
    TableState state = dealt();
    TableWindow w(state);
    for (int tile = 1; tile <= 4; ++tile) {
        for (int suit = 0; suit < 4; ++suit) {
            state.canvas = Picture::tile(tile);
            state.trumpSymbol = Picture::suitSymbol(suit);
            w.render();
            const QImage image = paint(w, QSize(2048, 1536));
            const layout::Rect badge = layout::TRUMP_SYMBOL;
            // Inside the badge's corner, where no suit has ink.
            QVERIFY(qGray(at(w, image, {badge.x + 3.5, badge.y + 3.5})) > 200);
            // The symbol's own ink is in the middle, darker or redder than the badge.
            QVERIFY(distance(at(w, image, centre(badge)), qRgb(250, 247, 236)) > 100);
        }
    }
    state.trumpSymbol = Picture::none();
    w.render();
    const QImage none = paint(w, QSize(2048, 1536));
    QVERIFY(qGray(at(w, none, {layout::TRUMP_SYMBOL.x + 3.5, layout::TRUMP_SYMBOL.y + 3.5})) < 200);
}

void TableWindowTest::windowSizeAndFullScreen()
{
    TableState state;
    TableWindow w(state);
    const QSize free = w.screen()->availableGeometry().size();
    if (free.width() >= 708 && free.height() >= 445)
        QCOMPARE(w.geometry().size(), QSize(708, 445));
    QVERIFY(w.geometry().width() <= free.width());
    QVERIFY(w.minimumSize().width() <= 640 && w.minimumSize().height() <= 445);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F11);
    QTRY_VERIFY(w.isFullScreen());
    QTest::keyClick(&w, Qt::Key_Escape);
    QTRY_VERIFY(!w.isFullScreen());
    QTest::keyClick(&w, Qt::Key_F11);
    QTRY_VERIFY(w.isFullScreen());
    QTest::keyClick(&w, Qt::Key_F11);
    QTRY_VERIFY(!w.isFullScreen());
}

void TableWindowTest::fourColourDeckIsKeptInThePreferences()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QString::fromLatin1(Preferences::FILE));
    const QString caption = QStringLiteral("Четырёхцветная колода");
    const TableState state = dealt();
    // The queen of diamonds in the third slot, as the art draws her in that palette.
    auto drawnAs = [&](TableWindow& w, art::DeckPalette palette) {
        const QImage image = paint(w, QSize(1024, 768));
        const qreal dpr = image.devicePixelRatio();
        const qreal ratio = w.table()->mapping().scale * dpr;
        const QImage card = art::detail::renderUncached(Picture::face(14), ratio, false, palette)
                                .convertToFormat(QImage::Format_RGB32);
        const scene::DeviceRect d = scene::toDevice(w.table()->mapping(), dpr, layout::humanSlot(3));
        const int corner = int(std::ceil(5 * ratio));
        const QRect inner(corner, corner, card.width() - 2 * corner, card.height() - 2 * corner);
        return image.copy(inner.translated(d.x, d.y)) == card.copy(inner);
    };
    {
        Preferences preferences(file);
        TableWindow w(state);
        w.usePreferences(preferences);
        QAction* item = w.action(caption);
        QVERIFY(item && item->isCheckable() && !item->isChecked());
        QCOMPARE(w.menus()[1]->title(), QStringLiteral("Параметры"));
        QVERIFY(w.menus()[1]->actions().contains(item));
        QVERIFY(drawnAs(w, art::DeckPalette::TwoColour));
        item->trigger();
        QVERIFY(drawnAs(w, art::DeckPalette::FourColour));
    }
    QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("Cards/fourColourDeck")).toString(),
             QStringLiteral("true"));
    {
        // The next start draws the deck as it was left, and turning it off is kept too.
        Preferences preferences(file);
        TableWindow w(state);
        w.usePreferences(preferences);
        QVERIFY(w.action(caption)->isChecked());
        QVERIFY(drawnAs(w, art::DeckPalette::FourColour));
        w.action(caption)->trigger();
        QVERIFY(drawnAs(w, art::DeckPalette::TwoColour));
    }
    QVERIFY(!Preferences(file).fourColourDeck());
    // Only the words the program writes count: anything else leaves the deck in two colours.
    for (const char* text : {"yes", "1", "TRUE", ""}) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("[Cards]\nfourColourDeck=") + text + "\n");
        f.close();
        QVERIFY2(!Preferences(file).fourColourDeck(), text);
    }
}

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
