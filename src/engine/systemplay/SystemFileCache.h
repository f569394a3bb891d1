// The system files as last examined: each file's modification time, looked at no more than once
// per round (the spin cycle starts a round per coup), and its lines as the run reads them, read
// again only when the modification time has changed. So every coup still notices a changed file,
// while an unchanged one costs a single look at the file system however many players use it. (The
// size is not looked at: it would cost a second look per coup, and every write of the file gives it
// a new modification time anyway.)
#pragma once

#include "systemplay/SystemReader.h"

#include <cstdint>
#include <filesystem>
#include <list>
#include <optional>
#include <string>

namespace quendra {

struct SystemFileStamp {
    // The modification time as the player object records it (see systemFileTime).
    double time = 0.0;

    bool operator==(const SystemFileStamp&) const = default;
};

class SystemFileCache {
public:
    // The file's stamp, examined at most once per round; none when it cannot be examined.
    std::optional<SystemFileStamp> stamp(const std::string& file);
    // The lines of the file when it has this stamp, read at their first use; none when the file
    // cannot be read. They stay valid until the file is read again.
    const SystemSteps* steps(const std::string& file, const SystemFileStamp& stamp);
    // A new round: each file is examined again at its next use.
    void nextRound() { ++round_; }
    // The program changed the file (the pre-check rewrote it): examined again at its next use.
    void forget(const std::string& file);

private:
    struct Entry {
        std::string file;
        std::filesystem::path path; // the same, made once
        std::uint64_t round = 0;    // the round of `stamp`; 0 when never examined
        std::optional<SystemFileStamp> stamp;
        std::optional<SystemFileStamp> stepsStamp; // the stamp `steps` were read at
        SystemSteps steps;
    };
    Entry& entry(const std::string& file);

    // A handful of files at most: a list is searched faster than a map. A linked list keeps every
    // entry's steps in place while other entries are added or dropped.
    std::list<Entry> entries_;
    std::uint64_t round_ = 1;
};

} // namespace quendra
