#pragma once
// What the player's clicks and keys on the table ask for. The table only forwards them.

#include <Qt>
#include <functional>

#include "engine/menu_tree.h"
#include "engine/table_state.h"

namespace liorna {

struct TableInput {
    std::function<void(int slot, Qt::MouseButton button)> handCard;
    std::function<void(int pair)> ledCard;
    std::function<void(int pair)> coverCard;
    std::function<void()> play;
    std::function<void()> discard;
    // A click on either pile of taken cards, and on the last trick shown again.
    std::function<void()> pile;
    std::function<void()> lastTrick;
    std::function<void()> menuButton;
    std::function<void(MenuCommand)> command;
    std::function<void(TableKey)> key;
};

} // namespace liorna
