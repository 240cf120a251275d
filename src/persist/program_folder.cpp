#include "persist/program_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#include "persist/safe_file.h"

namespace liorna {

namespace fs = std::filesystem;

namespace {

std::string quoted(const fs::path& path)
{
    return "\"" + path.string() + "\"";
}

bool writable(const fs::path& dir)
{
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

// The folder the player's data goes to, following the XDG rule that a relative $XDG_DATA_HOME is ignored.
fs::path userDataDir(const FolderEnvironment& env, std::string& error)
{
    if (env.xdgDataHome && !env.xdgDataHome->empty() && fs::path(*env.xdgDataHome).is_absolute())
        return fs::path(*env.xdgDataHome) / "liorna";
    if (!env.home || env.home->empty() || !fs::path(*env.home).is_absolute()) {
        error = "Cannot find the folder for the game's settings: neither XDG_DATA_HOME nor HOME is set";
        return {};
    }
    return fs::path(*env.home) / ".local" / "share" / "liorna";
}

// Why the folder cannot be made or written to, or an empty text. It is either there and writable, or
// its nearest existing ancestor is a writable folder in which it can be made.
std::string checkWritableFolder(const fs::path& dir)
{
    std::error_code ec;
    fs::path existing = dir;
    while (!fs::exists(existing, ec) && existing.has_relative_path())
        existing = existing.parent_path();
    if (!fs::is_directory(existing, ec))
        return "Cannot create the folder " + quoted(dir) + ": " + quoted(existing) + " is not a folder";
    if (!writable(existing))
        return "Cannot write to the folder " + quoted(existing) + ": " + std::strerror(errno);
    return {};
}

// Why the settings template cannot be copied, or an empty text.
std::string checkTemplate(const fs::path& file)
{
    std::error_code ec;
    std::ifstream in(file, std::ios::binary);
    if (!fs::is_regular_file(file, ec) || !in)
        return "Cannot read the settings template " + quoted(file);
    if (fs::file_size(file, ec) == 0 || ec)
        return "The settings template " + quoted(file) + " is empty";
    return {};
}

// Copies under a fresh temporary name created exclusively, then puts the copy in place only if nothing
// is there yet: an interrupted start never leaves half a settings file, and nothing planted in the
// folder (a link at any name) is followed, overwritten or replaced.
void copySettings(const fs::path& from, const fs::path& to)
{
    const auto failed = [&](const char* what) {
        return fs::filesystem_error(what, from, to, std::error_code(errno, std::generic_category()));
    };
    const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw failed("cannot read the settings template");
    TemporaryFile temporary(to);
    const bool copied = temporary.copyFrom(fd);
    ::close(fd);
    if (!copied)
        throw failed("cannot copy the settings template");
    if (!temporary.createTarget() && errno != EEXIST)
        throw failed("cannot create the settings file");
}

// Points link at target unless something of the player's own is there. A link to anywhere else (an
// older installation) is replaced in one rename, so the entry is never missing.
void linkShared(const fs::path& target, const fs::path& link)
{
    const fs::file_status status = fs::symlink_status(link);
    if (!fs::exists(status)) {
        fs::create_symlink(target, link);
        return;
    }
    if (!fs::is_symlink(status) || fs::read_symlink(link) == target)
        return;
    const fs::path temporary = link.parent_path() / ("." + link.filename().string() + ".link");
    fs::remove(temporary);
    fs::create_symlink(target, temporary);
    fs::rename(temporary, link);
}

} // namespace

ProgramFolder prepareProgramFolder(const FolderEnvironment& env)
{
    std::error_code ec;
    const fs::path shared = fs::weakly_canonical(env.executableDir / SHARED_DATA_FROM_EXECUTABLE, ec);
    fs::path source;
    if (!ec && fs::is_directory(shared, ec))
        source = shared;
    else if (writable(env.executableDir))
        return {env.executableDir, false, {}}; // the build tree: play where the build staged everything
    else
        source = env.executableDir; // a read-only copy of the program folder: take it as the shared one

    ProgramFolder result;
    const fs::path user = userDataDir(env, result.error);
    if (!result.error.empty())
        return result;
    const fs::path settings = user / SETTINGS_PATH;
    const fs::path settingsTemplate = source / SETTINGS_PATH;
    // A link there, even one that leads nowhere, is the player's: it is not replaced by the template.
    const bool needsSettings = !fs::exists(fs::symlink_status(settings, ec));

    // Check first: a refusal must leave the home folder as it was.
    for (const fs::path& dir : {user, settings.parent_path()}) {
        if (std::string problem = checkWritableFolder(dir); !problem.empty())
            return {{}, false, problem};
    }
    if (needsSettings) {
        if (std::string problem = checkTemplate(settingsTemplate); !problem.empty())
            return {{}, false, problem};
    }

    try {
        fs::create_directories(settings.parent_path());
        fs::create_directories(user / PICTURES_DIR);
        if (needsSettings)
            copySettings(settingsTemplate, settings);
        for (const char* entry : SHARED_ENTRIES)
            linkShared(source / entry, user / entry);
    } catch (const fs::filesystem_error& error) {
        return {{}, false, "Cannot prepare the game's folder " + quoted(user) + ": " + error.what()};
    }
    return {user, true, {}};
}

ProgramFolder prepareProgramFolder(const fs::path& executableDir)
{
    FolderEnvironment env{executableDir, std::nullopt, std::nullopt};
    if (const char* value = std::getenv("XDG_DATA_HOME"))
        env.xdgDataHome = value;
    if (const char* value = std::getenv("HOME"))
        env.home = value;
    return prepareProgramFolder(env);
}

} // namespace liorna
