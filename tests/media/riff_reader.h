#pragma once
// A RIFF reader written apart from the generator's writer, so the tests check the files, not the writer
// against itself. Also where the tests find the generated files.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace liorna::test {

using Bytes = std::vector<std::uint8_t>;

// ctest passes the paths in the environment; the compiled defaults serve a direct run of the binary.
inline std::filesystem::path fromEnvironment(const char* name, const char* fallback)
{
    const char* env = std::getenv(name);
    return std::filesystem::path(env != nullptr && *env != '\0' ? env : fallback);
}

inline std::filesystem::path mediaDir()
{
    return fromEnvironment("LIORNA_MEDIA_DIR", LIORNA_MEDIA_DIR);
}

inline std::filesystem::path generatorPath()
{
    return fromEnvironment("LIORNA_MEDIA_GEN", LIORNA_MEDIA_GEN);
}

inline std::filesystem::path cuePath(int n)
{
    return mediaDir() / "Melodies" / ("A" + std::to_string(n) + ".wav");
}

inline std::filesystem::path clipPath()
{
    return mediaDir() / "Orvel.avi";
}

inline Bytes readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& path, const Bytes& data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

inline std::uint16_t le16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}

inline std::uint32_t le32(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint32_t>(le16(b, at)) | (static_cast<std::uint32_t>(le16(b, at + 2)) << 16);
}

inline std::string fourcc(const Bytes& b, std::size_t at)
{
    return std::string(reinterpret_cast<const char*>(b.data() + at), 4);
}

struct Chunk {
    std::string id;         // "RIFF", "LIST" or a leaf id such as "avih"
    std::string listType;   // for RIFF and LIST: "AVI ", "hdrl", ...
    std::size_t offset = 0; // of the id in the file
    std::size_t data = 0;   // of the payload; for lists, after the type
    std::uint32_t size = 0; // as stored: the payload, the list type included
    std::vector<Chunk> children;

    const Chunk* find(const std::string& name) const
    {
        for (const Chunk& c : children) {
            if (c.id == name || (c.id == "LIST" && c.listType == name)) {
                return &c;
            }
        }
        return nullptr;
    }
};

struct RiffParse {
    Chunk root;
    std::string error; // empty when the whole file parsed
};

namespace detail {

inline bool parseChildren(const Bytes& b, Chunk& parent, std::size_t begin, std::size_t end,
                          std::string& error)
{
    std::size_t pos = begin;
    while (pos < end) {
        if (end - pos < 8) {
            error = "a chunk header runs past its parent at " + std::to_string(pos);
            return false;
        }
        Chunk c;
        c.id = fourcc(b, pos);
        c.offset = pos;
        c.size = le32(b, pos + 4);
        c.data = pos + 8;
        if (c.size > end - c.data) {
            error = "chunk " + c.id + " at " + std::to_string(pos) + " runs past its parent";
            return false;
        }
        if (c.id == "LIST") {
            if (c.size < 4) {
                error = "a LIST without a type at " + std::to_string(pos);
                return false;
            }
            c.listType = fourcc(b, c.data);
            if (!parseChildren(b, c, c.data + 4, c.data + c.size, error)) {
                return false;
            }
            c.data += 4;
        }
        pos = c.offset + 8 + c.size + (c.size % 2);
        parent.children.push_back(std::move(c));
    }
    if (pos != end) {
        error = "the last chunk's pad byte runs past its parent";
        return false;
    }
    return true;
}

} // namespace detail

inline RiffParse parseRiff(const Bytes& b)
{
    RiffParse p;
    if (b.size() < 12 || fourcc(b, 0) != "RIFF") {
        p.error = "no RIFF header";
        return p;
    }
    p.root.id = "RIFF";
    p.root.size = le32(b, 4);
    p.root.listType = fourcc(b, 8);
    p.root.data = 12;
    if (static_cast<std::size_t>(p.root.size) + 8 != b.size()) {
        p.error = "the RIFF size " + std::to_string(p.root.size) + " does not match the file size " +
                  std::to_string(b.size());
        return p;
    }
    detail::parseChildren(b, p.root, 12, b.size(), p.error);
    return p;
}

} // namespace liorna::test
