// A screen reader's view of the table: the tree of what a player sees, named in Russian, with states,
// press actions that play as a left click does, and the keyboard focus as the accessible focus.

#include <QAccessible>
#include <QtTest>

#include "harness.h"
#include "ui/table_accessible.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace liorna;

class TableAccessibleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cardsAreNamedByRankAndSuit_data();
    void cardsAreNamedByRankAndSuit();
    void treeShowsTheDealtTable();
    void pressSelectsAndTheStatesFollow();
    void arrowsMoveTheAccessibleFocus();
    void buttonsArePresentOnlyWhileShown();
    void lastTrickIsReadWhenShown();
};

namespace {

struct Heard {
    QAccessible::Event type;
    QString name;
    QAccessible::State changed;
};
std::vector<Heard> heard;

void listen(QAccessibleEvent* event)
{
    QAccessibleInterface* iface = event->accessibleInterface();
    Heard h{event->type(), iface ? iface->text(QAccessible::Name) : QString(), {}};
    if (event->type() == QAccessible::StateChanged)
        h.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    heard.push_back(h);
}

// The game at its first deal (the harness's seed makes it the same every run), its table window wired
// as the program wires it.
struct Game {
    Game()
    {
        h.start();
        h.advance(1);
        window = std::make_unique<TableWindow>(h.engine().table());
        TableWindow& w = *window;
        GameEngine& engine = h.engine();
        h.tableChanged = [&w] { w.render(); };
        w.input.handCard = [&engine](int k, Qt::MouseButton b) {
            engine.deliver([&] { engine.inputHandCard(k, b == Qt::RightButton); });
        };
        w.input.ledCard = [&engine](int k) { engine.deliver([&] { engine.inputLedCard(k); }); };
        w.input.coverCard = [&engine](int k) { engine.deliver([&] { engine.inputCoverCard(k); }); };
        w.input.play = [&engine] { engine.deliver([&] { engine.inputPlay(); }); };
        w.input.discard = [&engine] { engine.deliver([&] { engine.inputDiscard(); }); };
        w.input.key = [&engine](TableKey key) { engine.deliver([&] { engine.inputKey(key); }); };
        w.input.pile = [&engine] { engine.deliver([&] { engine.inputPile(); }); };
        w.input.lastTrick = [&engine] { engine.deliver([&] { engine.inputLastTrick(); }); };
        h.advance(1000);
        h.screens.start->press("Играть");
        h.idle();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    QAccessibleInterface* root() const { return QAccessible::queryAccessibleInterface(window->table()); }
    // The root's child with this role and name; with an empty name, the first of the role.
    QAccessibleInterface* find(QAccessible::Role role, const QString& name = {}) const
    {
        QAccessibleInterface* r = root();
        for (int i = 0; i < r->childCount(); ++i) {
            QAccessibleInterface* c = r->child(i);
            if (c->role() == role && (name.isEmpty() || c->text(QAccessible::Name) == name))
                return c;
        }
        return nullptr;
    }
    QAccessibleInterface* hand() const { return find(QAccessible::List, QStringLiteral("Ваши карты")); }
    QStringList handNames() const
    {
        QStringList names;
        QAccessibleInterface* list = hand();
        for (int i = 0; i < list->childCount(); ++i)
            names << list->child(i)->text(QAccessible::Name);
        return names;
    }
    void press(QAccessibleInterface* item)
    {
        QVERIFY(item->actionInterface());
        QCOMPARE(item->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        h.idle();
    }

    Harness h;
    std::unique_ptr<TableWindow> window;
};

} // namespace

void TableAccessibleTest::initTestCase()
{
    // As when a screen reader listens: events are sent, and here recorded.
    setTableAccessibilityListener(listen);
}

void TableAccessibleTest::cardsAreNamedByRankAndSuit_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QString>("name");
    QTest::addRow("six of hearts") << Picture::face(0) << QStringLiteral("шестёрка червей");
    QTest::addRow("ace of hearts") << Picture::face(8) << QStringLiteral("туз червей");
    QTest::addRow("ten of diamonds") << Picture::face(9 + 7) << QStringLiteral("десятка бубей");
    QTest::addRow("queen of spades") << Picture::face(18 + 5) << QStringLiteral("дама пик");
    QTest::addRow("selected jack of clubs")
        << Picture::selectedFace(27 + 4) << QStringLiteral("валет крестей");
    QTest::addRow("king of clubs") << Picture::face(35 - 2) << QStringLiteral("король крестей");
    QTest::addRow("a back") << Picture::back(1) << QString();
    QTest::addRow("nothing") << Picture::none() << QString();
}

void TableAccessibleTest::cardsAreNamedByRankAndSuit()
{
    QFETCH(Picture, picture);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(cardName(picture)), name);
}

void TableAccessibleTest::treeShowsTheDealtTable()
{
    Game g;
    const TableState& t = g.h.engine().table();
    QAccessibleInterface* root = g.root();
    QVERIFY(root && root->isValid());
    QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Игровой стол"));
    QAccessibleInterface* hand = g.hand();
    QVERIFY(hand);
    QCOMPARE(hand->parent(), root);
    QCOMPARE(g.handNames(),
             QStringList({QStringLiteral("шестёрка крестей"), QStringLiteral("десятка пик"),
                          QStringLiteral("шестёрка бубей"), QStringLiteral("восьмёрка крестей"),
                          QStringLiteral("валет бубей")}));
    for (int i = 0; i < 5; ++i) {
        QAccessibleInterface* card = hand->child(i);
        QCOMPARE(card->role(), QAccessible::ListItem);
        QCOMPARE(card->parent(), hand);
        QCOMPARE(hand->indexOfChild(card), i);
        QVERIFY(!card->state().selected && !card->state().disabled && card->state().focusable);
        // Where the card is drawn, so a magnifier or a click by the reader lands on it.
        const QPoint centre = g.window->table()->mapFromGlobal(card->rect().center());
        const scene::Hit hit = scene::hitTest(
            t, scene::toLogical(g.window->table()->mapping(), {double(centre.x()), double(centre.y())}));
        QCOMPARE(hit, (scene::Hit{scene::Target::HandCard, i + 1}));
    }
    QVERIFY(g.find(QAccessible::StaticText, QStringLiteral("Карты соперника: 5")));
    QCOMPARE(t.trumpSymbol, Picture::suitSymbol(3));
    QVERIFY(g.find(QAccessible::StaticText, QStringLiteral("Колода: 26, Козырь крести")));
    QVERIFY(g.find(QAccessible::StaticText, QStringLiteral("Ваши взятки, очков: 0")));
    QVERIFY(g.find(QAccessible::StaticText, QStringLiteral("Взятки соперника, очков: 0")));
    for (const std::string* line : {&t.humanScore, &t.computerScore, &t.matchTarget})
        QVERIFY2(g.find(QAccessible::StaticText, QString::fromStdString(*line)), line->c_str());
    QAccessibleInterface* hint = g.find(QAccessible::StatusBar);
    QVERIFY(hint);
    QCOMPARE(hint->text(QAccessible::Name), QString::fromStdString(t.hint));
    QVERIFY(!hint->text(QAccessible::Name).isEmpty());
    // Nothing is on the table yet.
    QVERIFY(!g.find(QAccessible::List, QStringLiteral("Карты на столе")));
}

void TableAccessibleTest::pressSelectsAndTheStatesFollow()
{
    Game g;
    heard.clear();
    // The six of clubs, then the eight of clubs: one suit, both selected.
    g.press(g.hand()->child(0));
    g.press(g.hand()->child(3));
    QVERIFY(g.hand()->child(0)->state().selected);
    QVERIFY(g.hand()->child(3)->state().selected);
    QVERIFY(!g.hand()->child(1)->state().selected);
    int selections = 0;
    for (const Heard& h : heard)
        selections += h.type == QAccessible::StateChanged && h.changed.selected ? 1 : 0;
    QCOMPARE(selections, 2);
    // A spade beside them is refused, as its click is.
    g.press(g.hand()->child(1));
    QVERIFY(!g.hand()->child(1)->state().selected);
    QCOMPARE(g.h.engine().table().refusal.place, RefusalPlace::HandCard);
    // «Пойти» leads them: they lie on the table, named as in the hand, and the hand holds three.
    QAccessibleInterface* play = g.find(QAccessible::Button, QStringLiteral("Пойти"));
    QVERIFY(play);
    heard.clear();
    play->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The cards fly to the table first.
    QAccessibleInterface* led = nullptr;
    for (int step = 0; step < 100 && !(led = g.find(QAccessible::List, QStringLiteral("Карты на столе")));
         ++step)
        g.h.advance(10);
    QVERIFY(led);
    QCOMPARE(led->childCount(), 2);
    QCOMPARE(led->child(0)->text(QAccessible::Name), QStringLiteral("шестёрка крестей"));
    QCOMPARE(led->child(1)->text(QAccessible::Name), QStringLiteral("восьмёрка крестей"));
    QCOMPARE(g.hand()->childCount(), 3);
    bool created = false;
    for (const Heard& h : heard)
        created =
            created || (h.type == QAccessible::ObjectCreated && h.name == QStringLiteral("Карты на столе"));
    QVERIFY(created);
}

void TableAccessibleTest::arrowsMoveTheAccessibleFocus()
{
    Game g;
    QCOMPARE(QApplication::focusWidget(), g.window->table());
    heard.clear();
    QTest::keyClick(g.window->table(), Qt::Key_Right);
    g.h.idle();
    const KeyboardFocus& focus = g.h.engine().table().focus;
    QVERIFY(focus.shown);
    QCOMPARE(focus.row, FocusRow::Hand);
    QAccessibleInterface* focused = g.hand()->child(focus.slot - 1);
    QVERIFY(focused->state().focused);
    QCOMPARE(g.root()->focusChild(), focused);
    QCOMPARE(g.hand()->focusChild(), focused);
    std::vector<QString> focusNames;
    for (const Heard& h : heard)
        if (h.type == QAccessible::Focus)
            focusNames.push_back(h.name);
    QCOMPARE(focusNames, std::vector<QString>{focused->text(QAccessible::Name)});
    // Moving on moves the focus event with it; Space selects what it stands on.
    heard.clear();
    QTest::keyClick(g.window->table(), Qt::Key_Right);
    g.h.idle();
    QAccessibleInterface* next = g.hand()->child(g.h.engine().table().focus.slot - 1);
    QVERIFY(next != focused);
    QVERIFY(!focused->state().focused && next->state().focused);
    QVERIFY(std::any_of(heard.begin(), heard.end(), [&](const Heard& h) {
        return h.type == QAccessible::Focus && h.name == next->text(QAccessible::Name);
    }));
    QTest::keyClick(g.window->table(), Qt::Key_Space);
    g.h.idle();
    QVERIFY(next->state().selected);
}

void TableAccessibleTest::buttonsArePresentOnlyWhileShown()
{
    Game g;
    auto buttons = [&] {
        QStringList names;
        QAccessibleInterface* r = g.root();
        for (int i = 0; i < r->childCount(); ++i)
            if (r->child(i)->role() == QAccessible::Button)
                names << r->child(i)->text(QAccessible::Name);
        return names;
    };
    QCOMPARE(buttons(), QStringList{QStringLiteral("Пойти")});
    // Through a whole trick: whatever the table shows, the tree has, and nothing else.
    g.press(g.hand()->child(2));
    g.find(QAccessible::Button, QStringLiteral("Пойти"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    for (int step = 0; step < 200; ++step) {
        const TableState& t = g.h.engine().table();
        QStringList expected;
        if (t.playShown)
            expected << QStringLiteral("Пойти");
        if (t.discardShown)
            expected << QStringLiteral("Сбросить");
        if (t.menuButtonShown)
            expected << QStringLiteral("Меню");
        QCOMPARE(buttons(), expected);
        g.h.advance(50);
    }
}

void TableAccessibleTest::lastTrickIsReadWhenShown()
{
    Game g;
    // Before a trick of the deal has been cleared a pile has nothing to show.
    QVERIFY(g.find(QAccessible::StaticText, QStringLiteral("Ваши взятки, очков: 0"))
                ->actionInterface()
                ->actionNames()
                .isEmpty());
    const QString lead = g.handNames().at(0);
    g.press(g.hand()->child(0));
    g.find(QAccessible::Button, QStringLiteral("Пойти"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    // The answer, the pause and the refill: the trick has left the table.
    g.h.advance(3000);
    g.h.idle();
    QVERIFY(!g.h.engine().table().lastTrick.shown);
    // A pile's press shows it, as a click on it does, and a second press closes it again.
    QAccessibleInterface* pile =
        g.find(QAccessible::StaticText, QStringLiteral("Ваши взятки, очков: ") +
                                            QString::fromStdString(g.h.engine().table().humanPile.count));
    QVERIFY(pile);
    g.press(pile);
    QVERIFY(g.h.engine().table().lastTrick.shown);
    g.press(g.find(QAccessible::List, QString::fromStdString(g.h.engine().table().lastTrick.caption)));
    QVERIFY(!g.h.engine().table().lastTrick.shown);
    heard.clear();
    QTest::keyClick(g.window->table(), Qt::Key_Tab);
    const TableState& t = g.h.engine().table();
    QVERIFY(t.lastTrick.shown);
    QAccessibleInterface* trick = g.find(QAccessible::List, QString::fromStdString(t.lastTrick.caption));
    QVERIFY(trick);
    QVERIFY(trick->text(QAccessible::Name).startsWith(QStringLiteral("Последняя взятка: ")));
    // It is what the screen reader speaks now.
    QVERIFY(trick->state().focused);
    QVERIFY(std::any_of(heard.begin(), heard.end(), [&](const Heard& h) {
        return h.type == QAccessible::Focus && h.name == trick->text(QAccessible::Name);
    }));
    // The led card, then what lay on it: the cover that beat it, or a card given face down.
    QCOMPARE(trick->childCount(), 2);
    QCOMPARE(trick->child(0)->text(QAccessible::Name), lead);
    const QString on = trick->child(1)->text(QAccessible::Name);
    if (t.lastTrick.humanTook) {
        QCOMPARE(on, QStringLiteral("карта рубашкой вверх"));
        QCOMPARE(trick->child(1)->text(QAccessible::Description), QStringLiteral("Отдана против: ") + lead);
    } else {
        QVERIFY(on != lead && !on.isEmpty() && on != QStringLiteral("карта рубашкой вверх"));
        QCOMPARE(trick->child(1)->text(QAccessible::Description), QStringLiteral("Покрывает: ") + lead);
    }
    // Each card lies on the plate, where it is drawn.
    QVERIFY(trick->rect().contains(trick->child(0)->rect()));
    QVERIFY(trick->rect().contains(trick->child(1)->rect()));
    // Pressing it closes it, as a click does; then it is gone from the tree.
    const QString caption = trick->text(QAccessible::Name);
    g.press(trick);
    QVERIFY(!g.h.engine().table().lastTrick.shown);
    QVERIFY(!g.find(QAccessible::List, caption));
}

QTEST_MAIN(TableAccessibleTest)
#include "table_accessible_test.moc"
