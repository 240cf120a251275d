// The clip decoder as a module the program loads only when the about box opens: FFmpeg's libraries
// are many, and loading them at start-up would cost the player a third of a second every time.

#include <string>
#include <vector>

#include "ui/clip/clip_decoder.h"

extern "C" __attribute__((visibility("default"))) bool
liorna_decode_clip(const char* path, std::vector<QImage>* frames, int* intervalMs, std::string* error)
{
    liorna::ClipDecoder decoder;
    if (!decoder.open(path)) {
        *error = decoder.errorText();
        return false;
    }
    *frames = decoder.frames();
    *intervalMs = decoder.frameIntervalMs();
    return true;
}
