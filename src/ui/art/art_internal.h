#pragma once
// Shared drawing vocabulary of the art library: card shapes, suit pips, fonts, colours, a repeatable
// random source, and the drawing entry points of each picture family.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>
#include <functional>

#include "ui/art/picture_art.h"

namespace liorna::art::detail {

inline constexpr qreal CARD_W = 71.0;
inline constexpr qreal CARD_H = 96.0;
inline constexpr qreal CARD_RADIUS = 4.5;
inline const QRectF CARD_RECT{0.0, 0.0, CARD_W, CARD_H};

// The table green that shows under a turned-down corner and on the blank card.
inline const QColor TABLE_GREEN{0, 128, 0};

enum Suit { Hearts = 0, Diamonds = 1, Spades = 2, Clubs = 3 };

// Deep red for hearts and diamonds, near black for spades and clubs; in four colours diamonds are
// blue and clubs green.
QColor suitColor(int suit, DeckPalette palette);
bool isRed(int suit);

// Rounded card outline; the default is the whole card.
QPainterPath cardPath(const QRectF& rect = CARD_RECT, qreal radius = CARD_RADIUS);

// Width / height of a suit pip's natural shape.
qreal pipAspect(int suit);
// The pip outline fitted exactly into the box.
QPainterPath pipPath(int suit, const QRectF& box);
// A pip of the given height centred at c, with its natural width.
QPainterPath pipAt(int suit, QPointF c, qreal height);
// Fills a pip with its suit colour and a faint sheen, upside down when flipped.
void drawPip(QPainter& p, int suit, QPointF c, qreal height, DeckPalette palette, bool flipped = false);

// Liberation fonts first (Cyrillic, metric-stable), DejaVu when they are missing.
QFont serifFont(qreal pixelSize, bool bold = false, bool italic = false);
QFont sansFont(qreal pixelSize, bool bold = false, bool italic = false);
// Outline of a text line scaled into the box (keeps proportions unless it has to squeeze horizontally).
QPainterPath textPath(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment align);

// A small repeatable random source, so each picture looks the same on every run and at every dpr.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
    std::uint32_t next();
    qreal real(qreal lo = 0.0, qreal hi = 1.0) { return lo + (hi - lo) * (next() >> 8) * (1.0 / 16777216.0); }
    int integer(int lo, int hi)
    {
        return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1));
    }
    bool chance(qreal p) { return real() < p; }

private:
    std::uint32_t state_;
};

// Mixes two colours; t = 0 gives a.
QColor mix(const QColor& a, const QColor& b, qreal t);
QColor withAlpha(const QColor& c, int alpha);

// A painter on the image in logical coordinates, antialiased; the image carries its dpr.
void preparePainter(QPainter& p);

// Card frame around a scene: white margin, thin dark edge. The scene is clipped to the inner rect.
enum class FrameStyle { Plain, Gilded };
void drawFramedCard(QPainter& p, FrameStyle style,
                    const std::function<void(QPainter&, const QRectF&)>& scene);

// Picture families, each drawing into a painter whose logical size is the picture's size.
void drawFace(QPainter& p, int index, bool seeThrough, DeckPalette palette);
void drawTurnedCorner(QPainter& p);
void drawCourtPanel(QPainter& p, int suit, int court, const QRectF& panel, DeckPalette palette);
void drawBack(QPainter& p, int number);
void drawBonus(QPainter& p, int number);
void renderCover(QImage& image, int frame);
void renderTile(QImage& image, int number);
void drawBlank(QPainter& p);
void drawSuitSymbol(QPainter& p, int suit, QSizeF size, DeckPalette palette);
void drawSlotOutline(QPainter& p);
void drawEmblem(QPainter& p, bool play);
void drawArrow(QPainter& p, bool green, bool right);
void drawLocked(QPainter& p);
void drawAbout(QPainter& p, int number);

} // namespace liorna::art::detail
