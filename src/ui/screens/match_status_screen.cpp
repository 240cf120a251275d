#include "ui/screens/match_status_screen.h"
#include "platform/texts.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

#include "ui/fonts.h"
#include "ui/picture_label.h"

namespace liorna {

namespace {

QLabel* statusLabel(QWidget* parent, const QString& text, int height, QPoint at)
{
    auto* label = new QLabel(text, parent);
    QFont font = serifFont(height, true, true);
    font.setUnderline(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

MatchStatusScreen::MatchStatusScreen(const MatchStatusState& state, std::function<void()> onClick,
                                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), state_(state), onClick_(std::move(onClick))
{
    setFixedSize(361, 289);
    setModal(true);
    // Never shown (the screen has no border), but lets the desktop and its tools name the window.
    setWindowTitle(QString::fromUtf8(text::STATUS_TITLE));
    auto* panel = new QFrame(this);
    panel->setGeometry(0, 0, 361, 289);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::black);
    panel->setPalette(pal);
    panel->setAttribute(Qt::WA_TransparentForMouseEvents);

    statusLabel(this, QString::fromUtf8(text::STATUS_ON_HUMAN), 16, {24, 40});
    statusLabel(this, QString::fromUtf8(text::STATUS_ON_COMPUTER), 16, {24, 80});
    statusLabel(this, QString::fromUtf8(text::STATUS_TARGET), 16, {24, 152});
    result_ = statusLabel(this, QString::fromUtf8(text::MATCH_LOST), 21, {16, 216});
    humanTotal_ = statusLabel(this, QStringLiteral("00"), 27, {192, 32});
    computerTotal_ = statusLabel(this, QStringLiteral("00"), 27, {200, 72});
    target_ = statusLabel(this, QStringLiteral("00"), 27, {160, 144});

    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            auto* tile = new PictureLabel(this);
            tile->setGeometry(2 + 72 * c, 1 + 96 * r, 71, 96);
            connect(tile, &PictureLabel::clicked, this, [this](Qt::MouseButton) { onClick_(); });
            tiles_[static_cast<std::size_t>(r * 5 + c)] = tile;
        }
    render();
}

void MatchStatusScreen::render()
{
    const MatchStatusState& s = state_;
    auto show = [](QLabel* label, bool shown, const std::string& text) {
        label->setText(QString::fromStdString(text));
        label->adjustSize();
        label->setVisible(shown);
    };
    show(humanTotal_, s.humanTotalShown, s.humanTotal);
    show(computerTotal_, s.computerTotalShown, s.computerTotal);
    show(target_, s.targetShown, s.target);
    show(result_, s.resultShown, s.result);
    for (auto* tile : tiles_) {
        tile->setPicture(s.frame);
        tile->setVisible(s.tilesShown);
    }
}

void MatchStatusScreen::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    onClick_();
}

void MatchStatusScreen::keyPressEvent(QKeyEvent* event)
{
    // The screen closes by itself; Escape would leave the match undecided.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace liorna
