#pragma once
// The sound module's one service: play a checked wave file without waiting, cutting off the cue still
// sounding. The module links Qt Multimedia and the sound system's libraries, so the program itself
// does not, and loads them only when the first cue is to play.

#include <QString>

namespace liorna {

class CueOutput {
public:
    virtual ~CueOutput() = default;
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

// The module's entry point, by this name.
using CueOutputFactory = CueOutput* (*)();
inline constexpr const char* CUE_OUTPUT_ENTRY = "liorna_cue_output";

} // namespace liorna
