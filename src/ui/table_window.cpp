#include "ui/table_window.h"

#include <QAction>
#include <QFrame>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>

#include "ui/fonts.h"
#include "ui/qt_ports.h"
#include "ui/table_layout.h"

namespace liorna {

// The table canvas: the background tile repeated over the whole client area, aligned to the table.
class TableCanvas : public QWidget {
public:
    explicit TableCanvas(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    void setTile(const Picture& tile)
    {
        if (tile == tile_ && !pixmap_.isNull() && pixmap_.devicePixelRatio() == devicePixelRatioF())
            return;
        tile_ = tile;
        pixmap_ = picturePixmap(tile, devicePixelRatioF());
        update();
    }
    void setOrigin(QPoint origin)
    {
        origin_ = origin;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        if (pixmap_.isNull()) {
            p.fillRect(event->rect(), QColor(0, 96, 0));
            return;
        }
        const QSizeF size = pixmap_.deviceIndependentSize();
        const int w = static_cast<int>(size.width());
        const int h = static_cast<int>(size.height());
        // Offset so that a tile starts exactly at the table's corner.
        const QPoint offset((w - origin_.x() % w) % w, (h - origin_.y() % h) % h);
        p.drawTiledPixmap(rect(), pixmap_, offset);
    }

private:
    Picture tile_;
    QPixmap pixmap_;
    QPoint origin_;
};

namespace {

void place(QWidget* w, const layout::Rect& r)
{
    w->setGeometry(r.x, r.y, r.w, r.h);
}

QLabel* textLabel(QWidget* parent, const QFont& font, const QColor& colour, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void setShown(QWidget* w, bool shown)
{
    if (w->isVisibleTo(w->parentWidget()) != shown)
        w->setVisible(shown);
}

void setText(QLabel* label, const std::string& text)
{
    const QString t = QString::fromStdString(text);
    if (label->text() != t)
        label->setText(t);
}

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TableWindow::TableWindow(const TableState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    setWindowTitle(qs(PRODUCT_TITLE));
    setGeometry(layout::DESIGN_WINDOW.x, layout::DESIGN_WINDOW.y, layout::DESIGN_WINDOW.w,
                layout::DESIGN_WINDOW.h);
    build();
    buildMenus();
    render();
}

void TableWindow::buildMenus()
{
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    for (const MenuItem& item : MENU_TREE) {
        const QString caption = QString::fromUtf8(item.caption);
        if (item.depth == 0) {
            menu = menuBar()->addMenu(caption);
            menus_.push_back(menu);
            submenu = nullptr;
            continue;
        }
        if (item.command == MenuCommand::None) {
            submenu = menu->addMenu(caption);
            continue;
        }
        QMenu* parent = item.depth == 2 ? submenu : menu;
        if (item.depth == 1)
            submenu = nullptr;
        // Parented to the window and added to it, so that its shortcut works with the menus hidden.
        auto* action = new QAction(caption, this);
        if (*item.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        const MenuCommand command = item.command;
        connect(action, &QAction::triggered, this, [this, command] {
            if (input.command)
                input.command(command);
        });
        parent->addAction(action);
        addAction(action);
        actions_.push_back(action);
    }
}

QAction* TableWindow::action(const QString& caption) const
{
    for (QAction* a : actions_)
        if (a->text() == caption)
            return a;
    return nullptr;
}

TableWindow::~TableWindow() = default;

void TableWindow::build()
{
    canvas_ = new TableCanvas(this);
    setCentralWidget(canvas_);
    table_ = new QWidget(canvas_);
    table_->setFixedSize(layout::TABLE_W, layout::TABLE_H);
    table_->setAttribute(Qt::WA_TranslucentBackground);

    // Creation order is stacking order: placeholders, then the free pictures and labels, then every
    // container, so the trump announcement lies beneath any table card.
    for (int k = 1; k <= 5; ++k) {
        for (bool human : {false, true}) {
            auto* outline = new PictureLabel(table_);
            place(outline, human ? layout::humanSlot(k) : layout::computerSlot(k));
            outline->setPicture(Picture::of(PictureKind::SlotOutline));
            outline->setAttribute(Qt::WA_TransparentForMouseEvents);
            placeholders_[(human ? 5 : 0) + k - 1] = outline;
        }
    }

    action_ = textLabel(table_, serifFont(15, true, false), Qt::white);
    place(action_, layout::ACTION_CAPTION);
    action_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    action_->resize(80, layout::ACTION_CAPTION.h + 4); // room for "Сбросить" in our font

    trumpSymbol_ = new PictureLabel(table_);
    place(trumpSymbol_, layout::TRUMP_SYMBOL);
    trumpSymbol_->setAlignment(Qt::AlignCenter);

    flying_ = new PictureLabel(table_);
    flying_->setGeometry(56, 24, layout::CARD_W, layout::CARD_H);
    flying_->setAttribute(Qt::WA_TransparentForMouseEvents);

    trumpAnnouncement_ = textLabel(table_, serifFont(64, false, true), Qt::white);
    place(trumpAnnouncement_, layout::TRUMP_ANNOUNCEMENT);
    trumpAnnouncement_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    trumpAnnouncement_->resize(520, layout::TRUMP_ANNOUNCEMENT.h); // the longest text in our serif

    for (int k = 1; k <= 5; ++k) {
        auto* slot = new QWidget(table_);
        place(slot, layout::humanSlot(k));
        slot->setAutoFillBackground(false);
        // Button-face grey: what shows through a card that cannot be chosen.
        QPalette grey = slot->palette();
        grey.setColor(QPalette::Window, QColor(212, 208, 200));
        slot->setPalette(grey);
        auto* card = new PictureLabel(slot);
        card->setGeometry(0, 0, layout::CARD_W, layout::CARD_H);
        auto* veil = new PictureLabel(slot);
        veil->setGeometry(0, 0, layout::CARD_W, layout::CARD_H);
        connect(card, &PictureLabel::clicked, this, [this, k](Qt::MouseButton b) {
            if (input.handCard)
                input.handCard(k, b);
        });
        // The veil takes the card's clicks while it is shown.
        connect(veil, &PictureLabel::clicked, this, [](Qt::MouseButton) {});
        humanSlots_[k - 1] = slot;
        humanCards_[k - 1] = card;
        overlays_[k - 1] = veil;
    }
    for (int k = 1; k <= 5; ++k) {
        auto* slot = new QWidget(table_);
        place(slot, layout::computerSlot(k));
        auto* card = new PictureLabel(slot);
        card->setGeometry(0, 0, layout::CARD_W, layout::CARD_H);
        computerSlots_[k - 1] = slot;
        computerCards_[k - 1] = card;
    }
    for (int k = 1; k <= 5; ++k) {
        led_[k - 1] = new PictureLabel(table_);
        place(led_[k - 1], layout::ledCard(k));
        connect(led_[k - 1], &PictureLabel::clicked, this, [this, k](Qt::MouseButton b) {
            if (b == Qt::LeftButton && input.ledCard)
                input.ledCard(k);
        });
    }
    for (int k = 1; k <= 5; ++k) {
        cover_[k - 1] = new PictureLabel(table_);
        place(cover_[k - 1], layout::coverCard(k));
        connect(cover_[k - 1], &PictureLabel::clicked, this, [this, k](Qt::MouseButton b) {
            if (b == Qt::LeftButton && input.coverCard)
                input.coverCard(k);
        });
    }

    play_ = new PictureLabel(table_);
    place(play_, layout::PLAY_BUTTON);
    play_->setPicture(Picture::of(PictureKind::PlayEmblem));
    play_->setCursor(Qt::PointingHandCursor);
    connect(play_, &PictureLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton && input.play)
            input.play();
    });
    discard_ = new PictureLabel(table_);
    place(discard_, layout::PLAY_BUTTON);
    discard_->setPicture(Picture::of(PictureKind::DiscardEmblem));
    discard_->setCursor(Qt::PointingHandCursor);
    connect(discard_, &PictureLabel::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton && input.discard)
            input.discard();
    });

    buildPile(piles_[0], layout::STOCK_COUNT_X);
    place(piles_[0].box, layout::STOCK_PILE);
    buildPile(piles_[1], layout::PILE_COUNT_X);
    place(piles_[1].box, layout::HUMAN_PILE);
    buildPile(piles_[2], layout::PILE_COUNT_X);
    place(piles_[2].box, layout::COMPUTER_PILE);

    menuButton_ = new QPushButton(QStringLiteral("Меню"), table_);
    menuButton_->setFont(sansFont(11, true));
    place(menuButton_, layout::MENU_BUTTON);
    connect(menuButton_, &QPushButton::clicked, this, [this] {
        if (input.menuButton)
            input.menuButton();
    });

    auto* panel = new QFrame(table_);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    panel->setPalette(pal);
    place(panel, layout::SCORE_PANEL);
    for (int i = 0; i < 3; ++i) {
        scoreLabels_[i] = textLabel(panel, serifFont(15, true, true), Qt::black);
        scoreLabels_[i]->setGeometry(layout::SCORE_X, layout::SCORE_Y[i], layout::SCORE_PANEL.w - 12, 20);
    }
    scorePanel_ = panel;
}

void TableWindow::buildPile(Pile& pile, int countX)
{
    pile.box = new QWidget(table_);
    pile.background = new QLabel(pile.box);
    pile.background->setGeometry(0, 0, layout::STOCK_PILE.w, layout::STOCK_PILE.h);
    for (int i = 0; i < 3; ++i) {
        pile.backs[i] = new PictureLabel(pile.box);
        pile.backs[i]->setGeometry(i * layout::PILE_BACK_OFFSET, i * layout::PILE_BACK_OFFSET, layout::CARD_W,
                                   layout::CARD_H);
        pile.backs[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    pile.count = textLabel(pile.box, serifFont(32, true, true), Qt::white);
    pile.count->setGeometry(countX, layout::PILE_COUNT_Y, layout::STOCK_PILE.w - countX, 40);
}

void TableWindow::renderPile(Pile& pile, const PileView& view)
{
    if (view.background != pile.paintedTile && view.background.kind != PictureKind::None) {
        // The tile restarts at the pile's own corner, not aligned with the table's.
        const qreal dpr = devicePixelRatioF();
        QPixmap painted(QSize(layout::STOCK_PILE.w, layout::STOCK_PILE.h) * dpr);
        painted.setDevicePixelRatio(dpr);
        QPainter p(&painted);
        p.drawTiledPixmap(QRect(0, 0, layout::STOCK_PILE.w, layout::STOCK_PILE.h),
                          picturePixmap(view.background, dpr));
        p.end();
        pile.background->setPixmap(painted);
        pile.paintedTile = view.background;
    }
    for (int i = 0; i < 3; ++i) {
        pile.backs[i]->setPicture(view.backs[i].picture);
        setShown(pile.backs[i], view.backs[i].shown);
    }
    setText(pile.count, view.count);
    setShown(pile.count, view.countShown);
}

void TableWindow::render()
{
    const TableState& s = state_;
    canvas_->setTile(s.canvas);
    for (std::size_t i = 0; i < 5; ++i) {
        const CardView& h = s.humanHand[i];
        humanCards_[i]->setPicture(h.picture, h.seeThrough);
        humanCards_[i]->setClickable(h.clickable && !h.seeThrough);
        // The slot's button-face grey shows only through a see-through card.
        humanSlots_[i]->setAutoFillBackground(h.seeThrough);
        setShown(humanSlots_[i], h.shown);
        overlays_[i]->setPicture(s.overlay[i].picture);
        setShown(overlays_[i], s.overlay[i].shown);

        computerCards_[i]->setPicture(s.computerHand[i].picture);
        setShown(computerSlots_[i], s.computerHand[i].shown);

        led_[i]->setPicture(s.led[i].picture);
        led_[i]->setClickable(s.led[i].clickable);
        setShown(led_[i], s.led[i].shown);
        cover_[i]->setPicture(s.cover[i].picture);
        cover_[i]->setClickable(s.cover[i].clickable);
        setShown(cover_[i], s.cover[i].shown);
    }
    setShown(play_, s.playShown);
    setShown(discard_, s.discardShown);
    setText(action_, s.actionCaption);

    renderPile(piles_[0], s.stock);
    renderPile(piles_[1], s.humanPile);
    renderPile(piles_[2], s.computerPile);

    trumpSymbol_->setPicture(s.trumpSymbol);
    setText(trumpAnnouncement_, s.trumpAnnouncement);
    setShown(trumpAnnouncement_, s.trumpAnnouncementShown);

    setShown(menuButton_, s.menuButtonShown);
    // With the menus hidden the bar goes too; the shortcuts live on the window and still work.
    for (QMenu* menu : menus_)
        if (menu->menuAction()->isVisible() != s.menusShown)
            menu->menuAction()->setVisible(s.menusShown);
    if (menuBar()->isVisibleTo(this) != s.menusShown)
        menuBar()->setVisible(s.menusShown);
    setText(scoreLabels_[0], s.humanScore);
    setText(scoreLabels_[1], s.computerScore);
    setText(scoreLabels_[2], s.matchTarget);

    flying_->setPicture(s.flyingCard.picture);
    if (flying_->pos() != QPoint(s.flyingCard.x, s.flyingCard.y))
        flying_->move(s.flyingCard.x, s.flyingCard.y);
    setShown(flying_, s.flyingCard.shown);
}

void TableWindow::centreTable()
{
    // On a screen larger than the table's design, the table sits in the middle of the window and the
    // background fills the rest.
    const QSize area = canvas_->size();
    const int x = std::max(0, (area.width() - layout::TABLE_W) / 2);
    const int y = std::max(0, (area.height() - 700) / 2);
    table_->move(x, y);
    canvas_->setOrigin(QPoint(x, y));
}

void TableWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    centreTable();
}

} // namespace liorna
