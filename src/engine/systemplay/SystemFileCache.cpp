// The system files as last examined.
#include "systemplay/SystemFileCache.h"

#include "systemplay/SystemFile.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace quendra {
namespace {

// Far more files than four players use; beyond it the files not looked at in this round are
// dropped, so the steps handed out in this round stay valid.
constexpr std::size_t EntryLimit = 32;

std::optional<SystemFileStamp> examine(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_time_type time = std::filesystem::last_write_time(file, error);
    if (error) {
        return std::nullopt;
    }
    return SystemFileStamp{systemTimeValue(time)};
}

} // namespace

SystemFileCache::Clock::time_point SystemFileCache::coarseNow() {
#ifdef CLOCK_MONOTONIC_COARSE
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC_COARSE, &now) == 0) {
        return Clock::time_point(std::chrono::seconds(now.tv_sec) +
                                 std::chrono::nanoseconds(now.tv_nsec));
    }
#endif
    return Clock::now();
}

SystemFileCache::Entry& SystemFileCache::entry(const std::string& file) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&file](const Entry& e) { return e.file == file; });
    if (found != entries_.end()) {
        return *found;
    }
    if (entries_.size() >= EntryLimit) {
        entries_.remove_if([this](const Entry& e) { return e.round != round_; });
    }
    Entry& added = entries_.emplace_back();
    added.file = file;
    added.path = file;
    return added;
}

bool SystemFileCache::lookedAtRecently(const Entry& e, Clock::time_point now) const {
    return throttled_ && e.round != 0 && e.batch == batch_ && now - e.examinedAt < ThrottleInterval;
}

std::optional<SystemFileStamp> SystemFileCache::stamp(const std::string& file) {
    Entry& e = entry(file);
    if (e.round != round_) {
        const Clock::time_point now = now_();
        if (!lookedAtRecently(e, now)) {
            e.stamp = examine(e.path);
            e.examinedAt = now;
            e.batch = batch_;
        }
        e.round = round_;
    }
    return e.stamp;
}

const SystemSteps* SystemFileCache::steps(const std::string& file, const SystemFileStamp& stamp,
                                          TableType table) {
    Entry& e = entry(file);
    if (e.stepsStamp != stamp || e.stepsTable != table) {
        const std::optional<std::string> text = readSystemFile(file);
        if (!text) {
            e.stepsStamp.reset();
            return nullptr;
        }
        e.steps = readSystemSteps(*text, table);
        e.stepsStamp = stamp;
        e.stepsTable = table;
    }
    return &e.steps;
}

void SystemFileCache::forget(const std::string& file) {
    Entry& e = entry(file);
    e.round = 0;
    e.stepsStamp.reset();
}

} // namespace quendra
