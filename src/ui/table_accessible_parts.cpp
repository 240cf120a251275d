#include "ui/table_accessible_parts.h"

#include <array>

#include "platform/texts.h"
#include "ui/table_accessible.h"
#include "ui/table_layout.h"

namespace liorna::tableparts {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
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

QString trumpText(const Picture& symbol)
{
    if (symbol.kind != PictureKind::SuitSymbol)
        return {};
    const char* const names[4] = {text::TRUMP_HEARTS, text::TRUMP_DIAMONDS, text::TRUMP_SPADES,
                                  text::TRUMP_CLUBS};
    return symbol.index >= 0 && symbol.index < 4 ? QString::fromUtf8(names[symbol.index]) : QString();
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

} // namespace

quint32 keyOf(Id id)
{
    return quint32(id.part) << 8 | quint32(id.slot);
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

} // namespace liorna::tableparts
