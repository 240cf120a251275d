#include "ui/table_accessible.h"
#include "platform/texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>
#include <array>
#include <vector>

#include "ui/table_accessible_parts.h"
#include "ui/table_layout.h"
#include "ui/table_view.h"

namespace liorna {

using namespace tableparts;

namespace {

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

QRect screenRect(const TableView& view, Id id)
{
    const scene::Box b = scene::windowBox(view.mapping(), areaOf(view.shown(), id));
    const QRect local = QRectF(b.x, b.y, b.w, b.h).toAlignedRect();
    return QRect(view.mapToGlobal(local.topLeft()), local.size());
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
