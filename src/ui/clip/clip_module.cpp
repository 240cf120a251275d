// The clip decoder as a module the program loads only when the about box is near: FFmpeg's libraries
// are many, and loading them at start-up would cost the player that time every time.

#include <string>

#include "ui/clip/clip_decoder.h"

extern "C" {

// A reader of the clip at path, or null with the reason in `error`.
__attribute__((visibility("default"))) void* liorna_clip_open(const char* path, int* intervalMs,
                                                              std::string* error)
{
    auto* reader = new liorna::ClipReader;
    if (!reader->open(path)) {
        *error = reader->errorText();
        delete reader;
        return nullptr;
    }
    *intervalMs = reader->frameIntervalMs();
    return reader;
}

// 1 and the next frame, 0 after the last, -1 with the reason in `error`.
__attribute__((visibility("default"))) int liorna_clip_next(void* reader, QImage* frame, std::string* error)
{
    auto* r = static_cast<liorna::ClipReader*>(reader);
    const int got = r->next(*frame);
    if (got < 0)
        *error = r->errorText();
    return got;
}

__attribute__((visibility("default"))) void liorna_clip_close(void* reader)
{
    delete static_cast<liorna::ClipReader*>(reader);
}
}
