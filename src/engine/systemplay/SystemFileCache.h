// The system files as last examined: each file's modification time, looked at no more than once
// per round (the spin cycle starts a round per coup), and its lines as the run reads them, read
// again only when the modification time has changed. So every coup still notices a changed file,
// while an unchanged one costs a single look at the file system however many players use it. (The
// size is not looked at: it would cost a second look per coup, and every write of the file gives it
// a new modification time anyway.)
//
// In the super-short game, where coups follow each other without a pause, that look would cost
// half of a coup; there a file is looked at again only after `ThrottleInterval` of wall time, and
// at the first coup of every batch. A change on disk takes effect within that interval, which no
// user can tell from "the next coup". The program's own writes (`forget`) take effect at once.
#pragma once

#include "systemplay/SystemReader.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <utility>

namespace quendra {

struct SystemFileStamp {
    // The modification time as the player object records it (see systemFileTime).
    double time = 0.0;

    bool operator==(const SystemFileStamp&) const = default;
};

class SystemFileCache {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds ThrottleInterval{50};

    // The file's stamp, examined at most once per round; none when it cannot be examined.
    std::optional<SystemFileStamp> stamp(const std::string& file);
    // The lines of the file when it has this stamp, read at their first use and prepared for the
    // table; none when the file cannot be read. They stay valid until the file is read again.
    const SystemSteps* steps(const std::string& file, const SystemFileStamp& stamp,
                             TableType table);
    // A new round: each file is examined again at its next use; in a throttled round only when
    // its last look is `ThrottleInterval` old or was made before the current batch began.
    void nextRound(bool throttled = false) {
        ++round_;
        throttled_ = throttled;
    }
    // A batch of super-short coups begins: its first round looks at every file.
    void newBatch() { ++batch_; }
    // The clock the throttle reads (tests set their own).
    void setClock(std::function<Clock::time_point()> now) { now_ = std::move(now); }
    // The program changed the file (the pre-check rewrote it): examined again at its next use.
    void forget(const std::string& file);

private:
    struct Entry {
        std::string file;
        std::filesystem::path path; // the same, made once
        std::uint64_t round = 0;    // the round of `stamp`; 0 when never examined
        std::uint64_t batch = 0;    // the batch of the last look
        Clock::time_point examinedAt{};
        std::optional<SystemFileStamp> stamp;
        std::optional<SystemFileStamp> stepsStamp; // the stamp `steps` were read at
        TableType stepsTable = TableType::French;  // and the table they were prepared for
        SystemSteps steps;
    };
    Entry& entry(const std::string& file);
    // A throttled round may keep the stamp of a recent look.
    bool lookedAtRecently(const Entry& e, Clock::time_point now) const;

    // A handful of files at most: a list is searched faster than a map. A linked list keeps every
    // entry's steps in place while other entries are added or dropped.
    std::list<Entry> entries_;
    std::uint64_t round_ = 1;
    std::uint64_t batch_ = 0;
    bool throttled_ = false;
    std::function<Clock::time_point()> now_ = coarseNow;

    // The monotonic clock at a resolution of a few milliseconds, which is nothing against the
    // interval; where the system has it, it is read far faster than the precise one.
    static Clock::time_point coarseNow();
};

} // namespace quendra
