#pragma once
// The about box's clip: five cards on green baize that fan out and close again, drawn by our own rasteriser.

#include "riff_writer.h"

#include <vector>

namespace liorna::media {

constexpr int kClipWidth = 129;
constexpr int kClipHeight = 69;
constexpr int kClipFrames = 48;
constexpr int kClipFramesPerSecond = 12;

// One frame with the fan opened by spread, 0 closed to 1 fully open.
RgbImage drawFanFrame(double spread);

// A seamless loop: the spread follows a full cosine period, so the last frame leads back into the first.
std::vector<RgbImage> drawFanClip(int frameCount);

} // namespace liorna::media
