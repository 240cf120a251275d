#pragma once
// The PictureWriter port on Qt: the picture drawn by the project's art, on black, saved as a JPEG.

#include <filesystem>

#include "platform/picture_writer.h"

namespace liorna {

class JpegPictureWriter : public PictureWriter {
public:
    explicit JpegPictureWriter(std::filesystem::path programDir) : programDir_(std::move(programDir)) {}
    void write(const Picture& picture, int scale, const std::string& relativePath) override;

private:
    std::filesystem::path programDir_;
};

} // namespace liorna
