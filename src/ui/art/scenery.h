#pragma once
// Landscape pieces shared by the card backs and the bonus pictures.

#include <QGradientStops>

#include "ui/art/art_internal.h"

namespace liorna::art::detail {

// Vertical gradient over r; stops are (position 0..1, colour).
void fillVertical(QPainter& p, const QRectF& r, const QGradientStops& stops);

// A mountain or hill silhouette: a ridge line around baseY (peaks up to amplitude higher), closed down to
// r.bottom(). Jaggedness 0 gives rolling hills, 1 sharp peaks.
QPainterPath ridge(const QRectF& r, qreal baseY, qreal amplitude, std::uint32_t seed, qreal jaggedness);

// A glowing disc: core colour inside radius, halo fading out to glowRadius.
void glowDisc(QPainter& p, QPointF c, qreal radius, qreal glowRadius, const QColor& core, const QColor& glow);

// Scattered stars above maxY, a few of them with a four-point twinkle.
void stars(QPainter& p, const QRectF& r, qreal maxY, int count, std::uint32_t seed);

// Crescent moon facing right, with a soft halo.
void crescent(QPainter& p, QPointF c, qreal radius, const QColor& colour);

void pine(QPainter& p, QPointF base, qreal height, const QColor& colour);
void leafyTree(QPainter& p, QPointF base, qreal height, const QColor& foliage, const QColor& trunk);
void cloud(QPainter& p, QPointF c, qreal width, const QColor& colour);
void bird(QPainter& p, QPointF c, qreal span, const QColor& colour);

// Short horizontal glints on water between top and bottom.
void ripples(QPainter& p, const QRectF& water, const QColor& colour, int count, std::uint32_t seed);

// Mirrors what scene draws above waterY into the water below it, faded into the water colour.
void reflection(QPainter& p, const QRectF& r, qreal waterY, const std::function<void(QPainter&)>& scene,
                const QColor& water, int alpha);

// A path of glints on water under a low sun at x, widening towards the viewer.
void sunPath(QPainter& p, const QRectF& r, qreal x, qreal horizon, const QColor& colour, std::uint32_t seed);

// A lit window with a faint glow around it.
void litWindow(QPainter& p, const QRectF& w, const QColor& light);

} // namespace liorna::art::detail
