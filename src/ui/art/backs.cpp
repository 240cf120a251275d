// Card backs 1..15 and bonus pictures 1..20: a scene inside a card frame.
#include "ui/art/scenes.h"

namespace liorna::art::detail {

namespace {

// Ornaments and landscapes alternate, so neighbours in the chooser never look alike.
constexpr Scene BACKS[15] = {
    backLattice,  backMountains,    backRosette,      backSeascape, backMosaic,
    backNightSky, backKaleidoscope, backFlowers,      backWaves,    backPineForest,
    backOrnament, backAutumnLeaves, backStainedGlass, backSunburst, backTartan,
};

constexpr Scene BONUS[20] = {
    bonusSunsetSea,  bonusSnowPeaks,     bonusLighthouse, bonusAurora,     bonusNightCity,
    bonusAutumnTree, bonusWinterCottage, bonusPyramids,   bonusPalmIsland, bonusWaterfall,
    bonusBalloons,   bonusWindmill,      bonusGalaxy,     bonusCoralReef,  bonusBlossomMoon,
    bonusVolcano,    bonusCastle,        bonusRainbow,    bonusFireworks,  bonusSailingShip,
};

} // namespace

void drawBack(QPainter& p, int number)
{
    drawFramedCard(p, FrameStyle::Plain, BACKS[(number - 1) % 15]);
}

void drawBonus(QPainter& p, int number)
{
    drawFramedCard(p, FrameStyle::Gilded, BONUS[(number - 1) % 20]);
}

} // namespace liorna::art::detail
