// File lines of the error messages and their shortening to under 50 characters.
#include "text/FileLine.h"

#include <algorithm>
#include <cstdio>

namespace quendra {
namespace {

constexpr char LineEnd = '\r';
constexpr std::size_t ShortLineLimit = 50;

// The program folder may come with or without its closing separator; a missing one is added in
// the style the folder already uses.
std::string inFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != '/') {
        path += path.find('\\') != std::string::npos ? '\\' : '/';
    }
    path += name;
    return path;
}

// The internal control file is the wheel data file of the table type.
std::string_view controlFileName(TableType table) {
    return table == TableType::French ? "EIGENPR.VER" : "EIGENPRA.VER";
}

std::string yearStatisticsFileName(int year) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", year);
    return std::string("STAT") + digits + ".TXT";
}

// The stored name a selector picks out of a numbered group, or nullptr outside the group.
template <std::size_t N>
const std::string* inGroup(int selector, int first, const std::array<std::string, N>& files) {
    if (selector < first || selector >= first + static_cast<int>(N)) {
        return nullptr;
    }
    return &files[static_cast<std::size_t>(selector - first)];
}

std::string fileName(int selector, const FileLineNames& names) {
    using namespace FileSelector;
    switch (selector) {
    case ControlFile:
        return inFolder(names.programFolder, controlFileName(names.table));
    case YearStatistics:
        return inFolder(names.programFolder, yearStatisticsFileName(names.year));
    case MainLoadFile:
        return names.mainLoadFile;
    case AnalysedFile:
        return names.analysedFile;
    case CollectFile:
        return names.collectFile;
    case EditorFile:
        return names.editorFile;
    default:
        break;
    }
    for (const auto* file : {inGroup(selector, FirstSystemFile, names.systemFiles),
                             inGroup(selector, FirstProtocolFile, names.protocolFiles),
                             inGroup(selector, FirstFollowFile, names.followFiles)}) {
        if (file != nullptr) {
            return *file;
        }
    }
    return {};
}

} // namespace

std::optional<std::string> fileLine(int selector, const FileLineNames& names) {
    std::string name = fileName(selector, names);
    if (name.empty()) {
        return std::nullopt;
    }
    return name + LineEnd;
}

std::string shortenFileLine(std::string_view line) {
    const auto first = line.find_first_of("\\/");
    if (line.size() < ShortLineLimit || first == std::string_view::npos) {
        return std::string(line);
    }
    const char separator = line[first];
    const auto last = line.rfind(separator);
    const std::string_view drive = line.substr(0, first);
    std::string_view folders = line.substr(first, last - first + 1); // "\A\B\C\"
    const std::string_view name = line.substr(last + 1);

    std::string shortened(line);
    // Three separators mean two folders: only then may the first go and the last remain.
    while (shortened.size() >= ShortLineLimit && std::ranges::count(folders, separator) >= 3) {
        folders.remove_prefix(folders.find(separator, 1));
        shortened =
            std::string(drive) + separator + "..." + std::string(folders) + std::string(name);
    }
    return shortened;
}

} // namespace quendra
