#pragma once
// The small ports through which the core reaches the outside: messages, sound, the shell, randomness.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/mersenne_twister.h"
#include "platform/remainder.h"

namespace liorna {

// A file or device error; its text is what the player is shown.
class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showError(const std::string& text) = 0;
};

class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Plays the wave file (relative to the program folder) without waiting, cutting off the cue still
    // sounding. Throws UserError when the file cannot be opened.
    virtual void play(const std::string& file) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document or folder (relative to the program folder) with the desktop's viewer.
    // The result is ignored by callers: a missing viewer is not an error worth a message.
    virtual void open(const std::string& target) = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // A pseudo-random integer in [0, bound).
    virtual std::uint32_t below(std::uint32_t bound) = 0;
    // Numbers below `bound`, exactly those that as many calls of below() in a row would give.
    virtual void fillBelow(std::uint32_t bound, std::span<std::uint32_t> numbers)
    {
        for (auto& n : numbers)
            n = below(bound);
    }
};

// A seeded Mersenne Twister (the numbers of std::mt19937); production seeds it from the system.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    std::uint32_t below(std::uint32_t bound) override
    {
        // The tiny modulo bias is of no account for pacing digits.
        return engine_() % bound;
    }
    void fillBelow(std::uint32_t bound, std::span<std::uint32_t> numbers) override
    {
        const Remainder remainder(bound);
        for (auto& n : numbers)
            n = remainder.of(engine_());
    }
    void reseed(std::uint32_t seed) { engine_.reseed(seed); }

private:
    MersenneTwister engine_;
};

} // namespace liorna
