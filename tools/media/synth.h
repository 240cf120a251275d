#pragma once
// A small offline synthesiser: additive notes, filtered noise and a touch of room, mixed into one buffer.

#include <cstdint>
#include <vector>

namespace liorna::media {

constexpr int kSampleRate = 44100;

// Equal temperament, A4 = MIDI 69 = 440 Hz.
double midiToHz(double note);

// A deterministic generator of our own, so the cues come out the same with every standard library.
class NoiseSource {
public:
    explicit NoiseSource(std::uint64_t seed);
    double next(); // uniform in [-1, 1)

private:
    std::uint64_t state_;
};

struct Partial {
    double ratio;  // to the fundamental
    double weight; // relative amplitude
};

struct Timbre {
    std::vector<Partial> partials;
    double attack = 0.005;    // seconds to full level, raised-cosine shaped
    double decay = 0.3;       // exponential time constant of the fundamental, seconds
    double brightDecay = 0.0; // upper partials die faster by 1 + brightDecay * (ratio - 1)
    double release = 0.03;    // fade at the note's end, seconds
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0; // relative pitch swing, e.g. 0.003
    double glide = 0.0;        // relative pitch offset at the onset that settles within the attack
};

struct NoiseBurst {
    double start = 0.0;   // seconds
    double length = 0.05; // seconds, including the release
    double amplitude = 1.0;
    double attack = 0.001;
    double decay = 0.02;
    double release = 0.005;
    double centreHz = 3000.0; // band-pass centre at the onset
    double endCentreHz = 0.0; // when positive, the centre glides there over the burst
    double q = 1.0;
};

class Mix {
public:
    explicit Mix(double seconds);

    void note(double start, double length, double hz, double amplitude, const Timbre& timbre);
    void noise(const NoiseBurst& burst, NoiseSource& source);
    // Early reflections, so dry tones sound as if played in a room rather than in a box.
    void room(double amount);

    // Fades the edges, scales the peak to the given level in dBFS and rounds to 16 bits.
    std::vector<std::int16_t> render(double peakDbfs) const;

private:
    std::vector<double> buffer_;
};

} // namespace liorna::media
