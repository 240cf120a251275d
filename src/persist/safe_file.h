#pragma once
// Writing a file without ever leaving half of it, and without following anything planted in its way:
// the new content goes into a fresh temporary file created exclusively beside the target, is flushed to
// disk, and is then renamed into place. A crash at any moment leaves the old file or the new one whole.

#include <filesystem>
#include <string>
#include <string_view>

namespace liorna {

// Temporary files are named "NAME.tmp-PID-XXXXXX" for a target NAME: unique, and telling which program
// made them, so that the leftovers of a program that is gone can be told from a save running now.
std::string temporaryPrefix(const std::filesystem::path& target);

class TemporaryFile {
public:
    // Creates the temporary beside `target`; ok() tells whether that worked.
    explicit TemporaryFile(const std::filesystem::path& target);
    // A temporary that was not put in place is removed.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool ok() const { return fd_ >= 0; }
    bool write(std::string_view data);
    // Appends everything that can still be read from `fd`.
    bool copyFrom(int fd);
    // Flushes and renames over the target, whatever is there (a link there is replaced, not followed).
    bool replaceTarget();
    // Flushes and puts the file at the target only when nothing is there; false when something is
    // (errno EEXIST), which is then left as it was.
    bool createTarget();

private:
    bool finish();
    void syncFolder() const;

    std::filesystem::path target_;
    std::string path_;
    int fd_ = -1;
    bool created_ = false;
    bool placed_ = false;
};

// Removes the plain files named `prefix` + PID + ... in `folder` whose program is no longer running.
// A link or folder of that name is not ours and stays.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& prefix);

// Removes `path` when it is a plain file of this user's, never following a link.
void removeOwnPlainFile(const std::filesystem::path& path);

} // namespace liorna
