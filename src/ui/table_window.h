#pragma once
// The table: renders the engine's table state and forwards clicks. It decides nothing.

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <functional>

#include "engine/menu_tree.h"
#include "engine/table_state.h"
#include "ui/picture_label.h"

namespace liorna {

class TableCanvas;

// What the player's clicks on the table ask for.
struct TableInput {
    std::function<void(int slot, Qt::MouseButton button)> handCard;
    std::function<void(int pair)> ledCard;
    std::function<void(int pair)> coverCard;
    std::function<void()> play;
    std::function<void()> discard;
    std::function<void()> menuButton;
    std::function<void(MenuCommand)> command;
};

class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TableWindow(const TableState& state, QWidget* parent = nullptr);
    ~TableWindow() override;

    TableInput input;
    // Shows the table state; only what changed since the last call is touched.
    void render();

    // For tests: the widget that stands for a group's slot, 1-based.
    QWidget* humanSlot(int k) const { return humanSlots_[k - 1]; }
    PictureLabel* humanCard(int k) const { return humanCards_[k - 1]; }
    PictureLabel* overlay(int k) const { return overlays_[k - 1]; }
    QWidget* computerSlot(int k) const { return computerSlots_[k - 1]; }
    PictureLabel* ledCard(int k) const { return led_[k - 1]; }
    PictureLabel* coverCard(int k) const { return cover_[k - 1]; }
    PictureLabel* placeholder(bool human, int k) const { return placeholders_[(human ? 5 : 0) + k - 1]; }
    QWidget* playButton() const { return play_; }
    QWidget* discardButton() const { return discard_; }
    QLabel* actionCaption() const { return action_; }
    QWidget* stockPile() const { return piles_[0].box; }
    QWidget* humanPile() const { return piles_[1].box; }
    QWidget* computerPile() const { return piles_[2].box; }
    QLabel* pileCount(int pile) const { return piles_[pile].count; }
    PictureLabel* trumpSymbol() const { return trumpSymbol_; }
    QLabel* trumpAnnouncement() const { return trumpAnnouncement_; }
    QPushButton* menuButton() const { return menuButton_; }
    QWidget* scorePanel() const { return scorePanel_; }
    QLabel* scoreLabel(int i) const { return scoreLabels_[i]; }
    PictureLabel* flyingCard() const { return flying_; }
    // The widget whose client coordinates the layout uses.
    QWidget* table() const { return table_; }
    // The menu item with this caption, for tests.
    QAction* action(const QString& caption) const;
    QList<QMenu*> menus() const { return menus_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Pile {
        QWidget* box = nullptr;
        QLabel* background = nullptr;
        std::array<PictureLabel*, 3> backs{};
        QLabel* count = nullptr;
        Picture paintedTile;
    };
    void build();
    void buildMenus();
    void buildPile(Pile& pile, int countX);
    void renderPile(Pile& pile, const PileView& view);
    void centreTable();

    const TableState& state_;
    TableCanvas* canvas_ = nullptr;
    QWidget* table_ = nullptr;
    std::array<PictureLabel*, 10> placeholders_{};
    std::array<QWidget*, 5> humanSlots_{};
    std::array<PictureLabel*, 5> humanCards_{};
    std::array<PictureLabel*, 5> overlays_{};
    std::array<QWidget*, 5> computerSlots_{};
    std::array<PictureLabel*, 5> computerCards_{};
    std::array<PictureLabel*, 5> led_{};
    std::array<PictureLabel*, 5> cover_{};
    PictureLabel* play_ = nullptr;
    PictureLabel* discard_ = nullptr;
    QLabel* action_ = nullptr;
    std::array<Pile, 3> piles_{};
    PictureLabel* trumpSymbol_ = nullptr;
    QLabel* trumpAnnouncement_ = nullptr;
    QPushButton* menuButton_ = nullptr;
    QWidget* scorePanel_ = nullptr;
    std::array<QLabel*, 3> scoreLabels_{};
    PictureLabel* flying_ = nullptr;
    QList<QMenu*> menus_;
    QList<QAction*> actions_;
};

} // namespace liorna
