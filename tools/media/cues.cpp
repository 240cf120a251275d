#include "cues.h"

#include "synth.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace liorna::media {

namespace {

constexpr double kPeakDbfs = -3.0;

Timbre timbre(std::vector<Partial> partials, double attack, double decay, double brightDecay, double release)
{
    Timbre t;
    t.partials = std::move(partials);
    t.attack = attack;
    t.decay = decay;
    t.brightDecay = brightDecay;
    t.release = release;
    return t;
}

// Plucked string: bright onset that mellows as the upper partials die.
Timbre pluck()
{
    return timbre({{1, 1.0}, {2, 0.35}, {3, 0.15}, {4, 0.07}, {5, 0.03}}, 0.004, 0.28, 0.8, 0.04);
}

// Flute-like and gentle, for the phrases that must not sound harsh.
Timbre soft()
{
    return timbre({{1, 1.0}, {2, 0.22}, {3, 0.08}, {4, 0.03}}, 0.014, 0.45, 0.5, 0.06);
}

// Reedy and low: enough upper partials to read as a buzz, few enough to stay soft.
Timbre buzz()
{
    Timbre t = timbre({{1, 1.0}, {2, 0.55}, {3, 0.42}, {4, 0.28}, {5, 0.2}, {6, 0.12}, {7, 0.08}}, 0.016, 0.6,
                      0.3, 0.045);
    t.glide = 0.03; // each syllable leans in from a little above, like a spoken "uh"
    return t;
}

Timbre brass()
{
    Timbre t = timbre({{1, 1.0}, {2, 0.7}, {3, 0.5}, {4, 0.35}, {5, 0.25}, {6, 0.16}, {7, 0.1}, {8, 0.06}},
                      0.02, 0.9, 0.25, 0.05);
    t.vibratoHz = 5.5;
    t.vibratoDepth = 0.003;
    t.glide = -0.012; // a player scoops up into the note
    return t;
}

// Struck metal bar: slightly stretched upper partials that ring out quickly.
Timbre bell(double decay)
{
    return timbre({{1, 1.0}, {2.0, 0.45}, {3.0, 0.2}, {4.16, 0.1}, {5.43, 0.05}}, 0.002, decay, 1.2, 0.08);
}

Mix newDeal()
{
    Mix m(0.8);
    NoiseSource n(0xA1);
    // A quick riffle of cards, then the rising arpeggio C5 E5 G5 C6.
    for (int i = 0; i < 6; ++i) {
        NoiseBurst tap;
        tap.start = 0.026 * i;
        tap.length = 0.04;
        tap.amplitude = 0.45 - 0.04 * i;
        tap.decay = 0.008;
        tap.centreHz = (i % 2 == 0) ? 3800.0 : 2700.0;
        tap.q = 1.1;
        m.noise(tap, n);
    }
    const double notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        const double start = 0.17 + 0.085 * i;
        m.note(start, 0.79 - start, midiToHz(notes[i]), i == 3 ? 0.6 : 0.5, pluck());
    }
    m.room(0.25);
    return m;
}

Mix refused()
{
    Mix m(0.45);
    // "Uh-uh": two low syllables falling a minor third.
    m.note(0.0, 0.15, midiToHz(52), 0.8, buzz());
    m.note(0.2, 0.22, midiToHz(49), 0.8, buzz());
    m.room(0.1);
    return m;
}

Mix humanGivesUp()
{
    Mix m(0.65);
    m.note(0.0, 0.24, midiToHz(69), 0.8, soft());
    m.note(0.19, 0.45, midiToHz(64), 0.8, soft());
    m.room(0.2);
    return m;
}

Mix humanWonDeal()
{
    Mix m(0.95);
    const Timbre b = brass();
    m.note(0.0, 0.13, midiToHz(67), 0.55, b);
    m.note(0.11, 0.13, midiToHz(72), 0.55, b);
    m.note(0.22, 0.13, midiToHz(76), 0.55, b);
    // The final G5 over a C major chord, with a bell on top for sparkle.
    m.note(0.33, 0.6, midiToHz(79), 0.7, b);
    m.note(0.33, 0.6, midiToHz(72), 0.3, b);
    m.note(0.33, 0.6, midiToHz(76), 0.3, b);
    m.note(0.33, 0.6, midiToHz(96), 0.1, bell(0.3));
    m.room(0.25);
    return m;
}

Mix humanLostDeal()
{
    Mix m(0.95);
    Timbre t = soft();
    t.attack = 0.03;
    t.vibratoHz = 4.5;
    t.vibratoDepth = 0.004;
    // C minor, falling: G4, E-flat4, C4 over a quiet G3.
    m.note(0.0, 0.3, midiToHz(67), 0.7, t);
    m.note(0.26, 0.3, midiToHz(63), 0.7, t);
    m.note(0.52, 0.42, midiToHz(60), 0.7, t);
    m.note(0.52, 0.42, midiToHz(55), 0.25, t);
    m.room(0.25);
    return m;
}

Mix humanTakesTrick()
{
    Mix m(0.85);
    m.note(0.0, 0.84, midiToHz(88), 0.6, bell(0.32));
    m.note(0.085, 0.76, midiToHz(95), 0.5, bell(0.3));
    m.room(0.35);
    return m;
}

Mix computerGivesUp()
{
    Mix m(0.65);
    NoiseSource n(0xA7);
    // A soft swish under a flutter of card edges that speeds up and slows down again.
    NoiseBurst swish;
    swish.length = 0.62;
    swish.amplitude = 0.45;
    swish.attack = 0.12;
    swish.decay = 0.5;
    swish.release = 0.25;
    swish.centreHz = 700.0;
    swish.endCentreHz = 2800.0;
    swish.q = 0.7;
    m.noise(swish, n);
    constexpr int flicks = 16;
    double t = 0.03;
    for (int k = 0; k < flicks; ++k) {
        NoiseBurst flick;
        flick.start = t;
        flick.length = 0.025;
        flick.amplitude = 0.15 + 0.7 * std::pow(std::sin(std::numbers::pi * (k + 0.5) / flicks), 0.7);
        flick.decay = 0.006;
        flick.centreHz = 1500.0 + 150.0 * k;
        flick.q = 1.2;
        m.noise(flick, n);
        t += 0.022 + 0.018 * std::abs(k - flicks / 2) / (flicks / 2.0);
    }
    m.room(0.15);
    return m;
}

Mix humanPlays()
{
    Mix m(0.16);
    NoiseSource n(0xA8);
    NoiseBurst snap;
    snap.length = 0.06;
    snap.attack = 0.0006;
    snap.decay = 0.010;
    snap.release = 0.01;
    snap.centreHz = 4200.0;
    snap.q = 0.9;
    m.noise(snap, n);
    // The card's body meeting the table.
    const Timbre thock = timbre({{1, 1.0}, {2.3, 0.2}}, 0.001, 0.025, 1.0, 0.02);
    m.note(0.0, 0.1, 190.0, 0.35, thock);
    m.room(0.08);
    return m;
}

Mix computerLeads()
{
    Mix m(0.42);
    NoiseSource n(0xA9);
    NoiseBurst tap;
    tap.length = 0.08;
    tap.amplitude = 0.8;
    tap.attack = 0.002;
    tap.decay = 0.02;
    tap.release = 0.02;
    tap.centreHz = 1300.0;
    tap.q = 1.6;
    m.noise(tap, n);
    const Timbre ping = timbre({{1, 1.0}, {2, 0.12}}, 0.006, 0.14, 0.5, 0.06);
    m.note(0.045, 0.36, midiToHz(86), 0.35, ping);
    m.room(0.15);
    return m;
}

Mix computerTakesTrick()
{
    Mix m(0.9);
    m.note(0.0, 0.5, midiToHz(79), 0.6, bell(0.45));
    m.note(0.17, 0.72, midiToHz(72), 0.65, bell(0.45));
    m.room(0.3);
    return m;
}

} // namespace

std::vector<std::int16_t> renderCue(int number)
{
    switch (number) {
    case 1: return newDeal().render(kPeakDbfs);
    case 2: return refused().render(kPeakDbfs);
    case 3: return humanGivesUp().render(kPeakDbfs);
    case 4: return humanWonDeal().render(kPeakDbfs);
    case 5: return humanLostDeal().render(kPeakDbfs);
    case 6: return humanTakesTrick().render(kPeakDbfs);
    case 7: return computerGivesUp().render(kPeakDbfs);
    case 8: return humanPlays().render(kPeakDbfs);
    case 9: return computerLeads().render(kPeakDbfs);
    case 10: return computerTakesTrick().render(kPeakDbfs);
    default: throw std::out_of_range("cues are numbered 1 to 10");
    }
}

} // namespace liorna::media
