#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace liorna::media {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::size_t toSamples(double seconds)
{
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kSampleRate));
}

// How many samples of a sound of the given length fit in a buffer from first on.
std::size_t fitting(std::size_t first, double length, std::size_t bufferSize)
{
    return first < bufferSize ? std::min(toSamples(length), bufferSize - first) : 0;
}

// 0 at x <= 0, 1 at x >= 1, a smooth half cosine between: no corner, so no click.
double raisedCosine(double x)
{
    if (x <= 0.0) {
        return 0.0;
    }
    if (x >= 1.0) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

double edgeEnvelope(double t, double length, double attack, double release)
{
    const double rise = attack > 0.0 ? raisedCosine(t / attack) : 1.0;
    const double fall = release > 0.0 ? raisedCosine((length - t) / release) : 1.0;
    return rise * fall;
}

} // namespace

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

NoiseSource::NoiseSource(std::uint64_t seed) : state_(seed == 0 ? 0x9E3779B97F4A7C15ull : seed) {}

double NoiseSource::next()
{
    // xorshift64*: tiny, fast and fully specified, unlike the standard distributions.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t r = state_ * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(r >> 11) / static_cast<double>(1ull << 52) - 1.0;
}

Mix::Mix(double seconds) : buffer_(toSamples(seconds), 0.0) {}

void Mix::note(double start, double length, double hz, double amplitude, const Timbre& timbre)
{
    const std::size_t first = toSamples(start);
    const std::size_t count = fitting(first, length, buffer_.size());
    const double nyquistGuard = 0.45 * kSampleRate;

    for (const Partial& p : timbre.partials) {
        if (hz * p.ratio >= nyquistGuard) {
            continue;
        }
        const double tau = timbre.decay / (1.0 + timbre.brightDecay * (p.ratio - 1.0));
        double phase = 0.0;
        for (std::size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double settle = timbre.attack > 0.0 ? raisedCosine(t / timbre.attack) : 1.0;
            // Vibrato grows in after the attack, as a player's would.
            const double wobble = timbre.vibratoDepth * settle * std::sin(kTwoPi * timbre.vibratoHz * t);
            const double bend = timbre.glide * (1.0 - settle);
            const double f = hz * p.ratio * (1.0 + wobble + bend);
            const double env = edgeEnvelope(t, length, timbre.attack, timbre.release) * std::exp(-t / tau);
            buffer_[first + i] += amplitude * p.weight * env * std::sin(phase);
            phase += kTwoPi * f / kSampleRate;
            if (phase > kTwoPi) {
                phase -= kTwoPi;
            }
        }
    }
}

void Mix::noise(const NoiseBurst& burst, NoiseSource& source)
{
    const std::size_t first = toSamples(burst.start);
    const std::size_t count = fitting(first, burst.length, buffer_.size());
    const double k = 1.0 / burst.q;
    // A topology-preserving state-variable filter: stable while its centre glides.
    double ic1 = 0.0;
    double ic2 = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double centre = burst.centreHz;
        if (burst.endCentreHz > 0.0 && burst.length > 0.0) {
            centre = burst.centreHz * std::pow(burst.endCentreHz / burst.centreHz, t / burst.length);
        }
        const double g = std::tan(std::numbers::pi * std::min(centre, 0.45 * kSampleRate) / kSampleRate);
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double x = source.next();
        const double v3 = x - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        const double band = v1 * k; // unity gain at the centre
        const double edges = edgeEnvelope(t, burst.length, burst.attack, burst.release);
        const double env = edges * std::exp(-t / burst.decay);
        buffer_[first + i] += burst.amplitude * env * band;
    }
}

void Mix::room(double amount)
{
    struct Tap {
        double delay;
        double gain;
    };
    constexpr std::array<Tap, 6> taps{{
        {0.019, 0.50},
        {0.029, 0.38},
        {0.041, 0.30},
        {0.057, 0.22},
        {0.073, 0.15},
        {0.097, 0.09},
    }};
    const std::vector<double> dry = buffer_;
    for (const Tap& tap : taps) {
        const std::size_t d = toSamples(tap.delay);
        double smooth = 0.0; // a wall absorbs the highs: a one-pole low-pass on each reflection
        for (std::size_t i = d; i < buffer_.size(); ++i) {
            smooth += 0.35 * (dry[i - d] - smooth);
            buffer_[i] += amount * tap.gain * smooth;
        }
    }
}

std::vector<std::int16_t> Mix::render(double peakDbfs) const
{
    std::vector<double> s = buffer_;
    const std::size_t fade = std::min(toSamples(0.003), s.size() / 2);
    for (std::size_t i = 0; i < fade; ++i) {
        const double g = raisedCosine(static_cast<double>(i) / static_cast<double>(fade));
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
    double peak = 0.0;
    for (double v : s) {
        peak = std::max(peak, std::abs(v));
    }
    if (peak <= 0.0) {
        throw std::logic_error("a cue must not be silent");
    }
    const double scale = std::pow(10.0, peakDbfs / 20.0) * 32767.0 / peak;
    std::vector<std::int16_t> out(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double v = std::clamp(std::round(s[i] * scale), -32767.0, 32767.0);
        out[i] = static_cast<std::int16_t>(v);
    }
    return out;
}

} // namespace liorna::media
