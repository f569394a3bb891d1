// Where the program keeps its files.
#include "game/ProgramFolder.h"

#include "game/StartUp.h"

#include <cstdlib>
#include <fstream>

namespace quendra {
namespace fs = std::filesystem;

namespace {

bool isDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Copies the regular files of `from` into `to` where missing.
bool copyMissingFiles(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::create_directories(to, error);
    bool ok = isDirectory(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(from, error)) {
        if (!entry.is_regular_file(error)) {
            continue;
        }
        const fs::path target = to / entry.path().filename();
        if (fs::exists(target, error)) {
            continue;
        }
        ok = fs::copy_file(entry.path(), target, error) && ok;
    }
    return ok && !error;
}

} // namespace

fs::path installedShareFolder(const fs::path& executableFolder) {
    return executableFolder.parent_path() / "share" / "quendra";
}

bool folderWritable(const fs::path& folder) {
    const fs::path probe = folder / ".quendra-write-test";
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary);
        written = out.is_open() && static_cast<bool>(out << 'x' << std::flush);
    }
    std::error_code ignored;
    fs::remove(probe, ignored);
    return written;
}

fs::path resolveProgramFolder(const fs::path& executableFolder, std::string_view homeVariable,
                              const fs::path& userDataFolder) {
    if (!homeVariable.empty()) {
        return fs::path(homeVariable);
    }
    if (!userDataFolder.empty() && (isDirectory(installedShareFolder(executableFolder)) ||
                                    !folderWritable(executableFolder))) {
        return userDataFolder;
    }
    return executableFolder;
}

fs::path userDataFolderFromEnvironment() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (dataHome && *dataHome) {
        base = dataHome;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return base / "Quendra" / "Quendra";
}

bool fillProgramFolder(const fs::path& programFolder, const fs::path& shareFolder) {
    if (!isDirectory(shareFolder)) {
        return true;
    }
    const bool files = copyMissingFiles(shareFolder, programFolder);
    const bool systems = !isDirectory(shareFolder / "SYSTEM") ||
                         copyMissingFiles(shareFolder / "SYSTEM", programFolder / "SYSTEM");
    return files && systems;
}

fs::path prepareProgramFolder(const fs::path& executableFolder, std::string_view homeVariable,
                              const fs::path& userDataFolder) {
    const fs::path folder = resolveProgramFolder(executableFolder, homeVariable, userDataFolder);
    if (homeVariable.empty() && !userDataFolder.empty() && folder == userDataFolder) {
        ensureWorkFolders(folder);
        fillProgramFolder(folder, installedShareFolder(executableFolder));
    }
    return folder;
}

} // namespace quendra
