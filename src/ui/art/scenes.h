#pragma once
// The scenes inside card backs and bonus pictures; each fills the rect it is given (already clipped).

#include "ui/art/art_internal.h"

namespace liorna::art::detail {

using Scene = void (*)(QPainter&, const QRectF&);

// Ornamental backs (back_patterns.cpp).
void backLattice(QPainter& p, const QRectF& r);
void backRosette(QPainter& p, const QRectF& r);
void backMosaic(QPainter& p, const QRectF& r);
void backKaleidoscope(QPainter& p, const QRectF& r);
void backWaves(QPainter& p, const QRectF& r);
void backStainedGlass(QPainter& p, const QRectF& r);
void backOrnament(QPainter& p, const QRectF& r);
void backSunburst(QPainter& p, const QRectF& r);
void backTartan(QPainter& p, const QRectF& r);

// Landscape backs (back_scenes.cpp).
void backMountains(QPainter& p, const QRectF& r);
void backSeascape(QPainter& p, const QRectF& r);
void backNightSky(QPainter& p, const QRectF& r);
void backFlowers(QPainter& p, const QRectF& r);
void backPineForest(QPainter& p, const QRectF& r);
void backAutumnLeaves(QPainter& p, const QRectF& r);

// Bonus pictures 1..10 (bonus_land.cpp) and 11..20 (bonus_sky.cpp).
void bonusSunsetSea(QPainter& p, const QRectF& r);
void bonusSnowPeaks(QPainter& p, const QRectF& r);
void bonusLighthouse(QPainter& p, const QRectF& r);
void bonusAutumnTree(QPainter& p, const QRectF& r);
void bonusWinterCottage(QPainter& p, const QRectF& r);
void bonusPyramids(QPainter& p, const QRectF& r);
void bonusPalmIsland(QPainter& p, const QRectF& r);
void bonusWaterfall(QPainter& p, const QRectF& r);
void bonusWindmill(QPainter& p, const QRectF& r);
void bonusCastle(QPainter& p, const QRectF& r);
void bonusAurora(QPainter& p, const QRectF& r);
void bonusNightCity(QPainter& p, const QRectF& r);
void bonusBalloons(QPainter& p, const QRectF& r);
void bonusGalaxy(QPainter& p, const QRectF& r);
void bonusCoralReef(QPainter& p, const QRectF& r);
void bonusBlossomMoon(QPainter& p, const QRectF& r);
void bonusVolcano(QPainter& p, const QRectF& r);
void bonusRainbow(QPainter& p, const QRectF& r);
void bonusFireworks(QPainter& p, const QRectF& r);
void bonusSailingShip(QPainter& p, const QRectF& r);

} // namespace liorna::art::detail
