#include "ui/table_accessible.h"
#include "platform/texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>
#include <array>
#include <vector>

#include "ui/table_layout.h"
#include "ui/table_view.h"

namespace liorna {

namespace {

// Everything of the table a player can hear of. `slot` is 1..5 for a card, 0..2 for a score line.
enum class Part : std::uint8_t {
    Root,
    ComputerHand,
    ComputerPile,
    Stock,
    LedList,
    LedCard,
    Cover,
    HandList,
    HandCard,
    HumanPile,
    Play,
    Discard,
    MenuButton,
    Score,
    Hint,
    // The last trick shown again, and its cards: the led ones and what lay on each.
    LastTrick,
    LastLed,
    LastCover
};

struct Id {
    Part part = Part::Root;
    int slot = 0;
    bool operator==(const Id&) const = default;
};

quint32 keyOf(Id id)
{
    return quint32(id.part) << 8 | quint32(id.slot);
}

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

const CardView& cardOf(const TableState& t, Id id)
{
    const auto i = std::size_t(id.slot - 1);
    switch (id.part) {
    case Part::LedCard: return t.led[i];
    case Part::Cover: return t.cover[i];
    default: return t.humanHand[i];
    }
}

bool isCard(Part part)
{
    return part == Part::HandCard || part == Part::LedCard || part == Part::Cover;
}

bool anyShown(const std::array<CardView, 5>& row)
{
    for (const CardView& c : row)
        if (c.shown)
            return true;
    return false;
}

// The picture of a card of the last trick shown again.
const Picture& lastTrickCard(const TableState& t, Id id)
{
    const auto i = std::size_t(id.slot - 1);
    return id.part == Part::LastLed ? t.lastTrick.led[i] : t.lastTrick.cover[i];
}

bool present(const TableState& t, Id id)
{
    switch (id.part) {
    case Part::LastTrick: return t.lastTrick.shown;
    case Part::LastLed:
    case Part::LastCover: return t.lastTrick.shown && lastTrickCard(t, id).kind != PictureKind::None;
    case Part::LedList: return anyShown(t.led) || anyShown(t.cover);
    case Part::HandCard:
    case Part::LedCard:
    case Part::Cover: return cardOf(t, id).shown && cardName(cardOf(t, id).picture) != "";
    case Part::Play: return t.playShown;
    case Part::Discard: return t.discardShown;
    case Part::MenuButton: return t.menuButtonShown;
    default: return true;
    }
}

std::vector<Id> childrenOf(const TableState& t, Id parent)
{
    std::vector<Id> ids;
    auto add = [&](Part part, int slot = 0) {
        if (present(t, {part, slot}))
            ids.push_back({part, slot});
    };
    switch (parent.part) {
    case Part::Root:
        // It lies over everything while it shows.
        add(Part::LastTrick);
        for (Part p : {Part::ComputerHand, Part::ComputerPile, Part::Stock, Part::LedList, Part::HandList,
                       Part::HumanPile, Part::Play, Part::Discard, Part::MenuButton})
            add(p);
        for (int i = 0; i < 3; ++i)
            add(Part::Score, i);
        add(Part::Hint);
        break;
    case Part::LedList:
        // Each cover follows the card it lies on, as the eye reads the pairs.
        for (int k = 1; k <= 5; ++k) {
            add(Part::LedCard, k);
            add(Part::Cover, k);
        }
        break;
    case Part::HandList:
        for (int k = 1; k <= 5; ++k)
            add(Part::HandCard, k);
        break;
    case Part::LastTrick:
        for (int k = 1; k <= 5; ++k) {
            add(Part::LastLed, k);
            add(Part::LastCover, k);
        }
        break;
    default: break;
    }
    return ids;
}

// Every item there can be, in a fixed order: what notifications compare.
std::vector<Id> everyItem()
{
    std::vector<Id> ids;
    for (Part p : {Part::ComputerHand, Part::ComputerPile, Part::Stock, Part::LedList, Part::HandList,
                   Part::HumanPile, Part::Play, Part::Discard, Part::MenuButton, Part::Hint, Part::LastTrick})
        ids.push_back({p, 0});
    for (int k = 1; k <= 5; ++k)
        for (Part p : {Part::LedCard, Part::Cover, Part::HandCard, Part::LastLed, Part::LastCover})
            ids.push_back({p, k});
    for (int i = 0; i < 3; ++i)
        ids.push_back({Part::Score, i});
    return ids;
}

Id parentOf(Id id)
{
    switch (id.part) {
    case Part::HandCard: return {Part::HandList, 0};
    case Part::LedCard:
    case Part::Cover: return {Part::LedList, 0};
    case Part::LastLed:
    case Part::LastCover: return {Part::LastTrick, 0};
    default: return {Part::Root, 0};
    }
}

QString trumpText(const Picture& symbol)
{
    if (symbol.kind != PictureKind::SuitSymbol)
        return {};
    const char* const names[4] = {text::TRUMP_HEARTS, text::TRUMP_DIAMONDS, text::TRUMP_SPADES,
                                  text::TRUMP_CLUBS};
    return symbol.index >= 0 && symbol.index < 4 ? QString::fromUtf8(names[symbol.index]) : QString();
}

QString nameOf(const TableState& t, Id id)
{
    switch (id.part) {
    case Part::Root: return QString::fromUtf8(text::ACCESSIBLE_TABLE);
    case Part::ComputerHand: {
        int n = 0;
        for (const CardView& c : t.computerHand)
            n += c.shown ? 1 : 0;
        return QString::fromUtf8(text::ACCESSIBLE_COMPUTER_HAND) + QString::number(n);
    }
    case Part::ComputerPile:
        return QString::fromUtf8(text::ACCESSIBLE_COMPUTER_PILE) + qs(t.computerPile.count);
    case Part::HumanPile: return QString::fromUtf8(text::ACCESSIBLE_HUMAN_PILE) + qs(t.humanPile.count);
    case Part::Stock: {
        QString name = QString::fromUtf8(text::ACCESSIBLE_STOCK) +
                       (t.stock.countShown ? qs(t.stock.count) : QStringLiteral("0"));
        const QString trump = trumpText(t.trumpSymbol);
        return trump.isEmpty() ? name : name + QStringLiteral(", ") + trump;
    }
    case Part::LedList: return QString::fromUtf8(text::ACCESSIBLE_LED);
    case Part::HandList: return QString::fromUtf8(text::ACCESSIBLE_HAND);
    case Part::HandCard:
    case Part::LedCard:
    case Part::Cover: return qs(cardName(cardOf(t, id).picture));
    case Part::Play: return QString::fromUtf8(text::ACTION_PLAY);
    case Part::Discard: return QString::fromUtf8(text::ACTION_DISCARD);
    case Part::MenuButton: return QString::fromUtf8(text::MENU_BUTTON);
    case Part::Score: {
        const std::string* lines[3] = {&t.humanScore, &t.computerScore, &t.matchTarget};
        return qs(*lines[id.slot]);
    }
    case Part::Hint: return qs(t.hint);
    case Part::LastTrick: return qs(t.lastTrick.caption);
    case Part::LastLed:
    case Part::LastCover: {
        const std::string name = cardName(lastTrickCard(t, id));
        return name.empty() ? QString::fromUtf8(text::ACCESSIBLE_FACE_DOWN) : qs(name);
    }
    }
    return {};
}

QString descriptionOf(const TableState& t, Id id)
{
    if (id.part == Part::LastCover) {
        const bool faceDown = cardName(lastTrickCard(t, id)).empty();
        return QString::fromUtf8(faceDown ? text::ACCESSIBLE_GIVEN_AGAINST : text::ACCESSIBLE_COVERS) +
               qs(cardName(t.lastTrick.led[std::size_t(id.slot - 1)]));
    }
    if (id.part == Part::LastTrick)
        return QString::fromUtf8(text::LAST_TRICK_CLOSE);
    if (id.part != Part::Cover)
        return {};
    return QString::fromUtf8(text::ACCESSIBLE_COVERS) + qs(cardName(t.led[std::size_t(id.slot - 1)].picture));
}

// Where a click on it would do something: the same conditions the hit test keeps.
std::optional<scene::Hit> pressOf(const TableState& t, Id id)
{
    using scene::Target;
    const auto i = std::size_t(id.slot - 1);
    switch (id.part) {
    case Part::HandCard: {
        const CardView& c = t.humanHand[i];
        if (c.shown && c.clickable && !c.seeThrough && !t.overlay[i].shown)
            return scene::Hit{Target::HandCard, id.slot};
        return std::nullopt;
    }
    case Part::LedCard:
        if (t.led[i].shown && t.led[i].clickable)
            return scene::Hit{Target::LedCard, id.slot};
        return std::nullopt;
    case Part::Cover:
        if (t.cover[i].shown && t.cover[i].clickable)
            return scene::Hit{Target::Cover, id.slot};
        return std::nullopt;
    case Part::Play: return t.playShown ? std::optional(scene::Hit{Target::Play, 0}) : std::nullopt;
    case Part::Discard: return t.discardShown ? std::optional(scene::Hit{Target::Discard, 0}) : std::nullopt;
    case Part::MenuButton:
        return t.menuButtonShown ? std::optional(scene::Hit{Target::MenuButton, 0}) : std::nullopt;
    // Either pile shows the last trick again, once there is one.
    case Part::HumanPile:
    case Part::ComputerPile:
        return t.lastTrick.available ? std::optional(scene::Hit{Target::Pile, 0}) : std::nullopt;
    // Pressing it closes it, as a click does.
    case Part::LastTrick:
        return t.lastTrick.shown ? std::optional(scene::Hit{Target::LastTrick, 0}) : std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<Id> focusedItem(const TableState& t)
{
    // Shown again, the last trick takes the keys: it is what the player is reading.
    if (t.lastTrick.shown)
        return Id{Part::LastTrick, 0};
    if (!t.focus.shown)
        return std::nullopt;
    const Id id{t.focus.row == FocusRow::Hand ? Part::HandCard : Part::LedCard, t.focus.slot};
    if (id.slot < 1 || id.slot > 5 || !present(t, id))
        return std::nullopt;
    return id;
}

QAccessible::State stateOf(const TableView& view, Id id)
{
    const TableState& t = view.shown();
    QAccessible::State s;
    if (id.part == Part::LastTrick) {
        s.focusable = true;
        s.focused = view.hasFocus() && focusedItem(t) == std::optional(id);
        return s;
    }
    if (!isCard(id.part))
        return s;
    const CardView& c = cardOf(t, id);
    s.selectable = true;
    s.focusable = id.part != Part::Cover;
    s.selected = c.picture.kind == PictureKind::SelectedFace;
    // A hand card already placed as a cover shows through and takes no clicks.
    s.disabled = c.seeThrough;
    s.focused = view.hasFocus() && focusedItem(t) == std::optional(id);
    return s;
}

// Where the k-th card of the last trick lies: its pairs are centred by how many there are.
layout::Rect lastTrickArea(const TableState& t, Id id)
{
    int n = 0;
    int k = 0;
    for (std::size_t i = 0; i < t.lastTrick.led.size(); ++i) {
        if (t.lastTrick.led[i].kind == PictureKind::None)
            continue;
        ++n;
        if (int(i) < id.slot)
            k = n;
    }
    return id.part == Part::LastLed ? layout::lastTrickLed(k, n) : layout::lastTrickCover(k, n);
}

layout::Rect areaOf(const TableState& t, Id id)
{
    const auto unite = [](const layout::Rect& a, const layout::Rect& b) {
        const int x = std::min(a.x, b.x);
        const int y = std::min(a.y, b.y);
        return layout::Rect{x, y, std::max(a.x + a.w, b.x + b.w) - x, std::max(a.y + a.h, b.y + b.h) - y};
    };
    switch (id.part) {
    case Part::Root: return {0, 0, 1024, 768};
    case Part::ComputerHand: return unite(layout::computerSlot(1), layout::computerSlot(5));
    case Part::ComputerPile: return layout::COMPUTER_PILE;
    case Part::Stock: return unite(layout::STOCK_PILE, layout::TRUMP_SYMBOL);
    case Part::LedList: return unite(layout::ledCard(1), layout::coverCard(5));
    case Part::LedCard: return layout::ledCard(id.slot);
    case Part::Cover: return layout::coverCard(id.slot);
    case Part::HandList: return unite(layout::humanSlot(1), layout::humanSlot(5));
    case Part::HandCard: return layout::humanSlot(id.slot);
    case Part::HumanPile: return layout::HUMAN_PILE;
    case Part::Play:
    case Part::Discard: return layout::PLAY_BUTTON;
    case Part::MenuButton: return layout::MENU_BUTTON;
    case Part::Score: {
        const layout::Rect p = layout::SCORE_PANEL;
        return {p.x, p.y + layout::SCORE_Y[id.slot], p.w, 20};
    }
    case Part::Hint: return layout::HINT_AREA;
    case Part::LastTrick: return layout::LAST_TRICK_PLATE;
    case Part::LastLed:
    case Part::LastCover: return lastTrickArea(t, id);
    }
    return {};
}

QRect screenRect(const TableView& view, Id id)
{
    const scene::Box b = scene::windowBox(view.mapping(), areaOf(view.shown(), id));
    const QRect local = QRectF(b.x, b.y, b.w, b.h).toAlignedRect();
    return QRect(view.mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role roleOf(Part part)
{
    switch (part) {
    case Part::Root: return QAccessible::Client;
    case Part::LedList:
    case Part::HandList:
    case Part::LastTrick: return QAccessible::List;
    case Part::HandCard:
    case Part::LedCard:
    case Part::Cover:
    case Part::LastLed:
    case Part::LastCover: return QAccessible::ListItem;
    case Part::Play:
    case Part::Discard:
    case Part::MenuButton: return QAccessible::Button;
    case Part::Hint: return QAccessible::StatusBar;
    default: return QAccessible::StaticText;
    }
}

class TableRoot;

TableRoot* rootOf(TableView* view);

// One thing of the table. It keeps no copy of the table: each answer is read from the view.
class TableItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TableItem(TableView* view, Id id) : view_(view), id_(id) {}

    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return view_ ? int(childrenOf(view_->shown(), id_).size()) : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override
    {
        if (!view_)
            return {};
        if (t == QAccessible::Name)
            return nameOf(view_->shown(), id_);
        if (t == QAccessible::Description)
            return descriptionOf(view_->shown(), id_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return view_ ? screenRect(*view_, id_) : QRect(); }
    QAccessible::Role role() const override { return roleOf(id_.part); }
    QAccessible::State state() const override { return view_ ? stateOf(*view_, id_) : QAccessible::State(); }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override
    {
        if (view_ && pressOf(view_->shown(), id_))
            return {pressAction()};
        return {};
    }
    void doAction(const QString& name) override
    {
        if (!view_ || name != pressAction())
            return;
        // The press is the left click: the same path, the same refusals.
        if (const auto hit = pressOf(view_->shown(), id_))
            view_->activate(*hit);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    Id id() const { return id_; }

private:
    QPointer<TableView> view_;
    Id id_;
};

class TableRoot : public QAccessibleWidget {
public:
    explicit TableRoot(TableView* view)
        : QAccessibleWidget(view, QAccessible::Client, QString::fromUtf8(text::ACCESSIBLE_TABLE)), view_(view)
    {
    }
    ~TableRoot() override
    {
        for (QAccessibleInterface* item : std::as_const(items_))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }

    // The interface of a part, made and registered the first time it is asked for.
    QAccessibleInterface* item(Id id)
    {
        if (id.part == Part::Root)
            return this;
        const quint32 key = keyOf(id);
        auto it = items_.constFind(key);
        if (it != items_.constEnd())
            return *it;
        auto* made = new TableItem(view_, id);
        QAccessible::registerAccessibleInterface(made);
        items_.insert(key, made);
        return made;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QString::fromUtf8(text::ACCESSIBLE_TABLE)
                                      : QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(childrenOf(view_->shown(), {}).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const std::vector<Id> ids = childrenOf(view_->shown(), {});
        return index >= 0 && index < int(ids.size())
                   ? const_cast<TableRoot*>(this)->item(ids[std::size_t(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const TableItem*>(child);
        if (!item)
            return -1;
        const std::vector<Id> ids = childrenOf(view_->shown(), {});
        for (std::size_t i = 0; i < ids.size(); ++i)
            if (ids[i] == item->id())
                return int(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const auto id = focusedItem(view_->shown());
        return id && view_->hasFocus() ? const_cast<TableRoot*>(this)->item(*id) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* c = child(i);
            if (c && c->rect().contains(x, y))
                return c;
        }
        return nullptr;
    }

private:
    TableView* view_;
    QHash<quint32, QAccessibleInterface*> items_;
};

TableRoot* rootOf(TableView* view)
{
    return static_cast<TableRoot*>(QAccessible::queryAccessibleInterface(view));
}

QAccessibleInterface* TableItem::parent() const
{
    return view_ ? rootOf(view_)->item(parentOf(id_)) : nullptr;
}

QAccessibleInterface* TableItem::child(int index) const
{
    if (!view_)
        return nullptr;
    const std::vector<Id> ids = childrenOf(view_->shown(), id_);
    return index >= 0 && index < int(ids.size()) ? rootOf(view_)->item(ids[std::size_t(index)]) : nullptr;
}

int TableItem::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* item = dynamic_cast<const TableItem*>(child);
    if (!view_ || !item)
        return -1;
    const std::vector<Id> ids = childrenOf(view_->shown(), id_);
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == item->id())
            return int(i);
    return -1;
}

QAccessibleInterface* TableItem::focusChild() const
{
    if (!view_ || !view_->hasFocus())
        return nullptr;
    const auto id = focusedItem(view_->shown());
    return id && parentOf(*id) == id_ ? rootOf(view_)->item(*id) : nullptr;
}

QAccessibleInterface* TableItem::childAt(int x, int y) const
{
    for (int i = childCount() - 1; i >= 0; --i) {
        QAccessibleInterface* c = child(i);
        if (c && c->rect().contains(x, y))
            return c;
    }
    return nullptr;
}

std::function<void(QAccessibleEvent*)>& listener()
{
    static std::function<void(QAccessibleEvent*)> l;
    return l;
}

void send(QAccessibleEvent& event)
{
    if (listener())
        listener()(&event);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* tableFactory(const QString& className, QObject* object)
{
    auto* view = qobject_cast<TableView*>(object);
    if (view && className == QLatin1String(TableView::staticMetaObject.className()))
        return new TableRoot(view);
    return nullptr;
}

} // namespace

void installTableAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(tableFactory);
        return true;
    }();
    (void)installed;
}

std::string cardName(const Picture& picture)
{
    if ((picture.kind != PictureKind::Face && picture.kind != PictureKind::SelectedFace) ||
        picture.index < 0 || picture.index > 35)
        return {};
    return std::string(text::RANK_NAMES[picture.index % 9]) + " " + text::SUIT_NAMES[picture.index / 9];
}

bool tableAccessibilityListening()
{
    return QAccessible::isActive() || listener();
}

void setTableAccessibilityListener(std::function<void(QAccessibleEvent*)> l)
{
    listener() = std::move(l);
}

void notifyTableChanged(TableView& view, const TableState& before, const TableState& after)
{
    if (!tableAccessibilityListening())
        return;
    TableRoot* root = rootOf(&view);
    if (!root)
        return;
    bool reordered = false;
    for (const Id id : everyItem()) {
        const bool was = present(before, id);
        const bool is = present(after, id);
        if (was != is) {
            QAccessibleEvent event(root->item(id),
                                   is ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
            send(event);
            reordered = true;
            continue;
        }
        if (!is)
            continue;
        if (nameOf(before, id) != nameOf(after, id)) {
            QAccessibleEvent event(root->item(id), QAccessible::NameChanged);
            send(event);
        }
        if (isCard(id.part)) {
            const CardView& a = cardOf(before, id);
            const CardView& b = cardOf(after, id);
            QAccessible::State changed;
            changed.selected = (a.picture.kind == PictureKind::SelectedFace) !=
                               (b.picture.kind == PictureKind::SelectedFace);
            changed.disabled = a.seeThrough != b.seeThrough;
            if (changed.selected || changed.disabled) {
                QAccessibleStateChangeEvent event(root->item(id), changed);
                send(event);
            }
        }
    }
    if (reordered) {
        QAccessibleEvent event(root, QAccessible::ObjectReorder);
        send(event);
    }
    // The focus follows the arrows, and is spoken again when the card under it changes.
    const auto focus = focusedItem(after);
    if (focus && view.hasFocus() &&
        (focusedItem(before) != focus || nameOf(before, *focus) != nameOf(after, *focus))) {
        QAccessibleEvent event(root->item(*focus), QAccessible::Focus);
        send(event);
    }
}

} // namespace liorna
