#pragma once
// The ten sound cues of play, A1 to A10, each synthesised from a fixed recipe.

#include <cstdint>
#include <vector>

namespace liorna::media {

constexpr int kCueCount = 10;

// Mono 16-bit samples at kSampleRate of cue number 1..10, peaking at about -3 dBFS.
std::vector<std::int16_t> renderCue(int number);

} // namespace liorna::media
