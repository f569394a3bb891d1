// A system file on disk and its pre-check.
#include "systemplay/SystemFile.h"

#include <array>
#include <chrono>
#include <fstream>

namespace quendra {
namespace {

namespace fs = std::filesystem;

// The date-time value of 1970-01-01 in days since 1899-12-30.
constexpr double UnixEpochDays = 25569.0;

// A link stays a link: the file it points to is the one replaced.
fs::path fileToReplace(const fs::path& file) {
    std::error_code error;
    if (fs::is_symlink(file, error)) {
        fs::path target = fs::canonical(file, error);
        if (!error) {
            return target;
        }
    }
    return file;
}

// A temporary file that could not be written completely is removed again.
bool writeWholeFile(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        return false;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (out.fail()) {
        std::error_code ignored;
        fs::remove(file, ignored);
        return false;
    }
    return true;
}

bool replaceFile(const fs::path& file, const std::string& text) {
    const fs::path target = fileToReplace(file);
    const fs::path temporary = temporaryFileFor(target);
    if (!writeWholeFile(temporary, text)) {
        return false;
    }
    // Keep the file's permissions; failing to copy them is no reason to refuse the check.
    std::error_code ignored;
    const fs::perms permissions = fs::status(target, ignored).permissions();
    if (permissions != fs::perms::unknown) {
        fs::permissions(temporary, permissions, ignored);
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace

std::optional<std::string> readSystemStream(std::istream& in) {
    std::string text;
    std::array<char, 4096> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> readSystemFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return readSystemStream(in);
}

std::optional<double> systemFileTime(const fs::path& file) {
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(file, error);
    if (error) {
        return std::nullopt;
    }
    return systemTimeValue(time);
}

double systemTimeValue(fs::file_time_type time) {
    using Days = std::chrono::duration<double, std::ratio<86400>>;
    const Days sinceUnixEpoch = std::chrono::file_clock::to_sys(time).time_since_epoch();
    return UnixEpochDays + sinceUnixEpoch.count();
}

fs::path temporaryFileFor(const fs::path& file) {
    fs::path temporary = file;
    temporary += ".quendra-tmp";
    return temporary;
}

bool systemFilePassesPrecheck(const fs::path& file) {
    const std::optional<std::string> text = readSystemFile(file);
    return text && precheckSystemText(*text).error == SystemFileError::None;
}

SystemFileCheck checkSystemFile(const fs::path& file, double recordedTime) {
    const std::optional<double> time = systemFileTime(file);
    if (!time) {
        return {SystemFileError::CannotRead};
    }
    if (*time == recordedTime) {
        return {SystemFileError::None, 0, *time, false};
    }
    const std::optional<std::string> text = readSystemFile(file);
    if (!text) {
        return {SystemFileError::CannotRead};
    }
    const PrecheckResult checked = precheckSystemText(*text);
    if (checked.error != SystemFileError::None) {
        return {checked.error, checked.line};
    }
    if (!checked.changed) {
        return {SystemFileError::None, 0, *time, false};
    }
    if (!replaceFile(file, checked.text)) {
        return {SystemFileError::CannotWrite};
    }
    const std::optional<double> newTime = systemFileTime(file);
    if (!newTime) {
        return {SystemFileError::CannotRead};
    }
    return {SystemFileError::None, 0, *newTime, true};
}

} // namespace quendra
