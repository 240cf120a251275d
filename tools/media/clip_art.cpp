#include "clip_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace liorna::media {

namespace {

struct Colour {
    double r;
    double g;
    double b;
};

enum class Suit { Hearts, Diamonds, Spades, Clubs };

constexpr int kSubsamples = 4; // per axis: 16 samples a pixel smooth the edges of the turned cards

// The fan turns about a point below the frame, so the cards spread like a hand of cards.
constexpr double kPivotX = 64.5;
constexpr double kPivotY = 77.0;
constexpr double kCardLift = 18.0; // from the pivot to the card's lower edge
constexpr double kCardW = 32.0;
constexpr double kCardH = 44.0;
constexpr double kCornerRadius = 3.5;
constexpr double kClosedStepDeg = 2.0; // even closed the cards stand a little apart, so five show
constexpr double kOpenStepDeg = 15.0;

constexpr Colour kFace{250, 248, 238};
constexpr Colour kEdge{120, 120, 112};
constexpr Colour kRed{196, 28, 40};
constexpr Colour kBlack{24, 24, 30};
constexpr std::array<Suit, 5> kSuits{Suit::Hearts, Suit::Spades, Suit::Diamonds, Suit::Clubs, Suit::Hearts};

bool inCircle(double x, double y, double cx, double cy, double r)
{
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// Pip shapes in a unit box, x right and y up, both within [-1, 1].
bool inHeart(double x, double y)
{
    if (inCircle(x, y, -0.47, 0.3, 0.5) || inCircle(x, y, 0.47, 0.3, 0.5)) {
        return true;
    }
    return y <= 0.4 && y >= -0.95 && std::abs(x) <= 0.95 * (y + 0.95) / 1.35;
}

bool inStem(double x, double y)
{
    return y <= -0.2 && y >= -1.0 && std::abs(x) <= 0.08 + 0.3 * (-0.2 - y) / 0.8;
}

bool inSpade(double x, double y)
{
    return inHeart(x * 1.05, -(y - 0.25) * 1.1) || inStem(x, y);
}

bool inClub(double x, double y)
{
    return inCircle(x, y, 0.0, 0.5, 0.36) || inCircle(x, y, -0.44, -0.08, 0.36) ||
           inCircle(x, y, 0.44, -0.08, 0.36) || inCircle(x, y, 0.0, 0.1, 0.2) || inStem(x, y);
}

bool inDiamond(double x, double y)
{
    return std::abs(x) / 0.72 + std::abs(y) <= 1.0;
}

bool inPip(Suit s, double x, double y)
{
    switch (s) {
    case Suit::Hearts: return inHeart(x, y);
    case Suit::Diamonds: return inDiamond(x, y);
    case Suit::Spades: return inSpade(x, y);
    case Suit::Clubs: return inClub(x, y);
    }
    return false;
}

Colour pipColour(Suit s)
{
    return (s == Suit::Hearts || s == Suit::Diamonds) ? kRed : kBlack;
}

// Signed distance to the card's rounded outline, negative inside; u across, v up from the card's centre.
double cardDistance(double u, double v)
{
    const double qx = std::abs(u) - kCardW / 2 + kCornerRadius;
    const double qy = std::abs(v) - kCardH / 2 + kCornerRadius;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - kCornerRadius;
}

struct Card {
    double cosA;
    double sinA;
    Suit suit;

    // Local coordinates of a frame point: u across the card, v up along it, both from its centre.
    void toLocal(double x, double y, double& u, double& v) const
    {
        const double dx = x - kPivotX;
        const double dy = kPivotY - y;
        u = dx * cosA - dy * sinA;
        v = dx * sinA + dy * cosA - (kCardLift + kCardH / 2);
    }

    bool covers(double x, double y) const
    {
        double u = 0;
        double v = 0;
        toLocal(x, y, u, v);
        return cardDistance(u, v) <= 0.0;
    }

    Colour colourAt(double x, double y) const
    {
        double u = 0;
        double v = 0;
        toLocal(x, y, u, v);
        if (cardDistance(u, v) > -0.9) {
            return kEdge;
        }
        constexpr double bigPip = 8.0;
        constexpr double smallPip = 3.2;
        const double cornerU = kCardW / 2 - 5.0;
        const double cornerV = kCardH / 2 - 6.0;
        // A large pip in the middle, small ones in two corners, the lower one turned round as on a real card.
        const bool centre = inPip(suit, u / bigPip, v / bigPip);
        const bool upperCorner = inPip(suit, (u + cornerU) / smallPip, (v - cornerV) / smallPip);
        const bool lowerCorner = inPip(suit, -(u - cornerU) / smallPip, -(v + cornerV) / smallPip);
        if (centre || upperCorner || lowerCorner) {
            return pipColour(suit);
        }
        // A faint warm shading towards the lower edge keeps the faces from looking flat.
        const double shade = 1.0 - 0.05 * (0.5 - v / kCardH);
        return {kFace.r * shade, kFace.g * shade, kFace.b * shade};
    }
};

// A fixed per-pixel grain: the baize looks woven, and stays still from frame to frame.
double grain(int x, int y)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xFF) / 255.0 - 0.5;
}

Colour baize(int x, int y)
{
    const double dx = (x + 0.5 - kClipWidth / 2.0) / (kClipWidth / 2.0);
    const double dy = (y + 0.5 - kClipHeight / 2.0) / (kClipHeight / 2.0);
    const double light = 1.0 - 0.3 * (dx * dx + dy * dy) / 2.0 + 0.04 * grain(x, y);
    return {14 * light, 84 * light, 46 * light};
}

std::uint8_t toByte(double v)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

} // namespace

RgbImage drawFanFrame(double spread)
{
    std::array<Card, 5> cards{};
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const double stepDeg = kClosedStepDeg + (kOpenStepDeg - kClosedStepDeg) * spread;
        const double a = (static_cast<double>(i) - 2.0) * stepDeg * std::numbers::pi / 180.0;
        cards[i] = {std::cos(a), std::sin(a), kSuits[i]};
    }

    RgbImage img;
    img.width = kClipWidth;
    img.height = kClipHeight;
    img.rgb.resize(static_cast<std::size_t>(kClipWidth) * kClipHeight * 3);
    constexpr double shadowShift = 1.3;
    constexpr double shadowDepth = 0.55;
    for (int y = 0; y < kClipHeight; ++y) {
        for (int x = 0; x < kClipWidth; ++x) {
            const Colour ground = baize(x, y);
            Colour sum{0, 0, 0};
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSubsamples;
                    const double py = y + (sy + 0.5) / kSubsamples;
                    // Painter's order per sample: each card first darkens what lies under its shadow.
                    Colour c = ground;
                    for (const Card& card : cards) {
                        if (card.covers(px - shadowShift, py - shadowShift)) {
                            c = {c.r * shadowDepth, c.g * shadowDepth, c.b * shadowDepth};
                        }
                        if (card.covers(px, py)) {
                            c = card.colourAt(px, py);
                        }
                    }
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            constexpr double n = kSubsamples * kSubsamples;
            const auto at = (static_cast<std::size_t>(y) * kClipWidth + static_cast<std::size_t>(x)) * 3;
            img.rgb[at] = toByte(sum.r / n);
            img.rgb[at + 1] = toByte(sum.g / n);
            img.rgb[at + 2] = toByte(sum.b / n);
        }
    }
    return img;
}

std::vector<RgbImage> drawFanClip(int frameCount)
{
    std::vector<RgbImage> frames;
    frames.reserve(static_cast<std::size_t>(frameCount));
    for (int f = 0; f < frameCount; ++f) {
        const double spread = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * f / frameCount);
        frames.push_back(drawFanFrame(spread));
    }
    return frames;
}

} // namespace liorna::media
