#include "planted_files.h"

#include <fstream>

#include "runner.h"

namespace liorna::scenario {

namespace {

std::string littleEndian(std::uint32_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
}

// A 16-bit PCM mono wave of `size` bytes in all, its samples silent.
void writeWave(const std::filesystem::path& path, std::uintmax_t size)
{
    constexpr std::uintmax_t HEADER = 44;
    if (size < HEADER || size > 0xffffffffu)
        throw Failure{"wave: a wave file has 44 to 4294967295 bytes"};
    const auto data = static_cast<std::uint32_t>(size - HEADER);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << "RIFF" << littleEndian(data + 36, 4) << "WAVEfmt " << littleEndian(16, 4) << littleEndian(1, 2)
            << littleEndian(1, 2) << littleEndian(44100, 4) << littleEndian(88200, 4) << littleEndian(2, 2)
            << littleEndian(16, 2) << "data" << littleEndian(data, 4);
        if (!out)
            throw Failure{"wave: cannot write " + path.string()};
    }
    std::filesystem::resize_file(path, size);
}

} // namespace

bool plantFile(const std::filesystem::path& dir, const std::vector<std::string>& w)
{
    if (w[0] != "plant" && w[0] != "link" && w[0] != "wave")
        return false;
    needWords(w, w[0] == "plant" ? 2 : 3);
    const auto path = dir / w[1];
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::filesystem::remove(path, error);
    if (w[0] == "plant") {
        std::ofstream(path, std::ios::binary) << "planted\n";
    } else if (w[0] == "link") {
        std::filesystem::create_symlink(dir / w[2], path, error);
        if (error)
            throw Failure{"link: cannot make " + w[1] + ": " + error.message()};
    } else {
        const int bytes = parseInt(w[2]);
        if (bytes < 0)
            throw Failure{"wave: the size is a number of bytes"};
        writeWave(path, static_cast<std::uintmax_t>(bytes));
    }
    return true;
}

} // namespace liorna::scenario
