// What one session leaves behind for each player, and the description of a batch of sessions
// that the figures and a merge of partial batches need.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quendra {

struct PlayerSession {
    // What the player owns at the end (capital and what stands on the table) less the start
    // capital.
    std::int64_t result = 0;
    // The stakes of the coups played.
    std::int64_t turnover = 0;
    // The lowest and highest running result after a coup (when the next stake has been charged),
    // 0 (the start) included.
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    // At some point the capital was below the stake the system was about to place.
    bool ruined = false;
    // The capital reached the goal after some coup (always false without a goal).
    bool goalReached = false;
    // The number of the system message that stopped the player's system; 0 when none did.
    int stopMessage = 0;

    bool operator==(const PlayerSession&) const = default;
};

struct SessionRecord {
    std::uint64_t index = 0;
    std::uint64_t seed = 0;
    std::int64_t coups = 0;
    // The number of the first error message of the session; 0 when none was shown.
    int error = 0;
    std::vector<PlayerSession> players; // players 1 … n in order

    bool operator==(const SessionRecord&) const = default;
};

// What every session of a batch shares. Two partial batches can be merged only when these agree.
struct SessionBatch {
    std::uint64_t seed = 0;
    std::uint64_t first = 0; // the index of the first session
    std::uint64_t count = 0;
    std::optional<std::int64_t> coups; // none: to the end of the load files
    std::optional<std::int64_t> goal;  // a capital to reach
    bool americanTable = false;
    // The day the games see: the ball starts in the pocket of the day's number.
    std::chrono::sys_days date{};
    // The start capital and whether the player plays a system, per player.
    std::vector<std::int64_t> startCapitals;
    std::vector<bool> systemPlayers;
    // Anything else that makes sessions of one batch differ from those of another (the system
    // files and settings), compared as it stands.
    std::string setup;

    bool operator==(const SessionBatch&) const = default;
};

// A batch with the records of its sessions in index order.
struct SessionRun {
    SessionBatch batch;
    std::vector<SessionRecord> sessions;

    bool operator==(const SessionRun&) const = default;
};

} // namespace quendra
