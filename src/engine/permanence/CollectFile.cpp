// Reading names from collect load files.
#include "permanence/CollectFile.h"

#include "permanence/PermanenceSyntax.h"

namespace quendra {

std::string collectLineName(std::string_view line) {
    std::string text(line);
    const auto open = text.find("(*");
    if (open != std::string::npos) {
        const auto close = text.find("*)", open + 2);
        if (close != std::string::npos) {
            text.erase(open, close + 2 - open);
        }
    }
    return std::string(trimBlanks(text));
}

bool namesFolder(std::string_view name) {
    const bool drive = name.size() >= 2 && name[1] == ':';
    return drive || name.find_first_of("\\/") != std::string_view::npos;
}

std::filesystem::path resolveCollectName(const std::filesystem::path& collectFolder,
                                         std::string_view name) {
    if (namesFolder(name)) {
        return std::filesystem::path(name);
    }
    return collectFolder / std::filesystem::path(name);
}

std::optional<std::string> nextCollectLine(LineReader& lines) {
    std::string line;
    while (lines.next(line)) {
        if (line.find("//") != std::string::npos) {
            continue;
        }
        std::string name = collectLineName(line);
        if (!name.empty()) {
            return name;
        }
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> NextCollectName(LineReader& lines,
                                                     const std::filesystem::path& collectFolder) {
    auto name = nextCollectLine(lines);
    if (!name) {
        return std::nullopt;
    }
    return resolveCollectName(collectFolder, *name);
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.parent_path();
}

} // namespace quendra
