#include "sessions/SessionMerge.h"

#include <algorithm>

namespace quendra {
namespace {

// The batch without its range, for comparing the parts.
SessionBatch shared(SessionBatch batch) {
    batch.first = 0;
    batch.count = 0;
    return batch;
}

std::string range(const SessionBatch& batch) {
    return std::to_string(batch.first) + "-" + std::to_string(batch.first + batch.count - 1);
}

} // namespace

std::variant<SessionRun, std::string> mergeSessionRuns(std::vector<SessionRun> parts) {
    if (parts.empty()) {
        return std::string("nothing to merge");
    }
    for (const SessionRun& part : parts) {
        if (shared(part.batch) != shared(parts.front().batch)) {
            return "the part of sessions " + range(part.batch) +
                   " was played with other options than the part of sessions " +
                   range(parts.front().batch);
        }
        if (part.sessions.size() != part.batch.count) {
            return "the part of sessions " + range(part.batch) + " is incomplete";
        }
    }
    std::sort(parts.begin(), parts.end(), [](const SessionRun& a, const SessionRun& b) {
        return a.batch.first < b.batch.first;
    });
    SessionRun whole{parts.front().batch, {}};
    whole.batch.count = 0;
    for (SessionRun& part : parts) {
        const std::uint64_t expected = whole.batch.first + whole.batch.count;
        if (part.batch.first < expected) {
            return "sessions " + range(part.batch) + " overlap an earlier part";
        }
        if (part.batch.first > expected) {
            return "sessions " + std::to_string(expected) + "-" +
                   std::to_string(part.batch.first - 1) + " are missing";
        }
        whole.batch.count += part.batch.count;
        std::move(part.sessions.begin(), part.sessions.end(), std::back_inserter(whole.sessions));
    }
    return whole;
}

} // namespace quendra
