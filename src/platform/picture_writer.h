#pragma once
// Writes a picture to an image file. The core decides what is exported and where; only the platform
// can draw the picture.

#include <string>

#include "platform/picture.h"

namespace liorna {

class PictureWriter {
public:
    virtual ~PictureWriter() = default;
    // Draws `picture` at `scale` times its size and writes it to `relativePath` (relative to the
    // program folder, `/` separated), replacing a file already there. Throws
    // UserError("Cannot create file " + relativePath) when the file cannot be written.
    virtual void write(const Picture& picture, int scale, const std::string& relativePath) = 0;
};

} // namespace liorna
