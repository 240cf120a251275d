#include "ui/table_marks.h"
#include "platform/texts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QWidget>
#include <qdrawutil.h>

#include "ui/fonts.h"

namespace liorna::marks {

namespace {

QRectF rectF(const layout::Rect& r)
{
    return QRectF(r.x, r.y, r.w, r.h);
}

// Where a label of this height puts the baseline of its vertically centred text.
qreal baseline(const QFontMetricsF& fm, qreal top, qreal height)
{
    return top + (height - fm.height()) / 2 + fm.ascent();
}

QFont hintFont(int pixels)
{
    return serifFont(pixels, true, false);
}

constexpr int HINT_PIXELS = 18;
constexpr int HINT_PADDING = 10;

} // namespace

void pileCount(QPainter& p, const QString& count, const layout::Rect& pile, int countX)
{
    // Two digits stand where the design puts them. Three would run past the pile's edge there: they
    // move left as far as needed, and only if they still do not fit, get smaller.
    QFont font = serifFont(32, true, true);
    QFontMetricsF fm(font);
    const qreal right = pile.w - 4;
    qreal width = fm.boundingRect(count).right();
    qreal x = countX;
    if (x + width > right) {
        x = std::max<qreal>(6, right - width);
        if (x + width > right) {
            font.setPixelSize(std::max(12, int(32 * (right - x) / width)));
            fm = QFontMetricsF(font);
        }
    }
    QPainterPath path;
    path.addText(pile.x + x, baseline(fm, pile.y + layout::PILE_COUNT_Y, 40), font, count);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(QColor(0, 0, 0, 190), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, Qt::white);
    p.restore();
}

void trumpBadge(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(250, 247, 236));
    p.drawRoundedRect(rectF(layout::TRUMP_SYMBOL).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.restore();
}

void actionCaption(QPainter& p, const QString& caption)
{
    p.setFont(serifFont(15, true, false));
    p.setPen(Qt::white);
    p.drawText(rectF(layout::ACTION_CAPTION_AREA), Qt::AlignLeft | Qt::AlignVCenter, caption);
}

void trumpAnnouncement(QPainter& p, const QString& text)
{
    p.setFont(serifFont(64, false, true));
    p.setPen(Qt::white);
    p.drawText(rectF(layout::TRUMP_ANNOUNCEMENT_AREA), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void scorePanel(QPainter& p, const QString (&lines)[3])
{
    const QRectF panel = rectF(layout::SCORE_PANEL);
    p.fillRect(panel, QColor(0, 128, 0));
    // A raised panel two pixels deep.
    QPalette bevel;
    bevel.setColor(QPalette::Light, QColor(255, 255, 255));
    bevel.setColor(QPalette::Dark, QColor(0, 64, 0));
    qDrawShadePanel(&p, panel.toRect(), bevel, false, 2);
    p.setFont(serifFont(15, true, true));
    p.setPen(Qt::black);
    for (int i = 0; i < 3; ++i)
        p.drawText(
            QRectF(panel.x() + layout::SCORE_X, panel.y() + layout::SCORE_Y[i], panel.width() - 12, 20),
            Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
}

void menuButton(QPainter& p, const QWidget* widget, bool pressed)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    option.rect = rectF(layout::MENU_BUTTON).toRect();
    option.text = QString::fromUtf8(text::MENU_BUTTON);
    option.state = QStyle::State_Enabled | (pressed ? QStyle::State_Sunken : QStyle::State_Raised);
    const QFont font = sansFont(11, true);
    option.fontMetrics = QFontMetrics(font);
    p.save();
    p.setFont(font);
    widget->style()->drawControl(QStyle::CE_PushButton, &option, &p, widget);
    p.restore();
}

int hintPixelSize(const QString& text)
{
    int pixels = HINT_PIXELS;
    while (pixels > 10 &&
           QFontMetricsF(hintFont(pixels)).horizontalAdvance(text) + 2 * HINT_PADDING > layout::HINT_AREA.w)
        --pixels;
    return pixels;
}

void hint(QPainter& p, const QString& text)
{
    if (text.isEmpty())
        return;
    const QFont font = hintFont(hintPixelSize(text));
    const QFontMetricsF fm(font);
    const QRectF area = rectF(layout::HINT_AREA);
    const qreal width = std::min(area.width(), fm.horizontalAdvance(text) + 2 * HINT_PADDING);
    const QRectF plate(area.center().x() - width / 2, area.y(), width, area.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Dark enough under white text on the green, blue, red and grass backgrounds alike.
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(plate, 7, 7);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(plate, Qt::AlignCenter, text);
    p.restore();
}

void focusRing(QPainter& p, const layout::Rect& area)
{
    // Dark under bright: one of the two stands out on every background and on every card.
    const QRectF ring = rectF(area).adjusted(2, 2, -2, -2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 220), 4.5));
    p.drawRoundedRect(ring, 6, 6);
    p.setPen(QPen(QColor(255, 214, 0), 2.5));
    p.drawRoundedRect(ring, 6, 6);
    p.restore();
}

void refusalEdge(QPainter& p, const layout::Rect& area, qreal level)
{
    if (level <= 0)
        return;
    const QRectF edge = rectF(area).adjusted(2, 2, -2, -2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 0, 0, int(255 * std::min<qreal>(1, level))), 4));
    p.drawRoundedRect(edge, 6, 6);
    p.restore();
}

void lastTrickPlate(QPainter& p, const QString& caption, const QString& foot)
{
    const QRectF plate = rectF(layout::LAST_TRICK_PLATE);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Opaque: a card led meanwhile lies under it and must not show through as part of the trick.
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.5));
    p.setBrush(QColor(14, 30, 20));
    p.drawRoundedRect(plate.adjusted(1, 1, -1, -1), 12, 12);
    p.setFont(hintFont(HINT_PIXELS + 2));
    p.setPen(Qt::white);
    p.drawText(rectF(layout::LAST_TRICK_CAPTION), Qt::AlignCenter, caption);
    p.setFont(hintFont(HINT_PIXELS - 4));
    p.setPen(QColor(255, 255, 255, 190));
    p.drawText(rectF(layout::LAST_TRICK_FOOT), Qt::AlignCenter, foot);
    p.restore();
}

} // namespace liorna::marks
