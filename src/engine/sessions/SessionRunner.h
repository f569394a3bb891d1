// Many independent sessions of the super-short game, each from the start capital with its own
// seed, played on worker threads. Every session is a game of its own on the thread that plays
// it, so the threads share nothing they change; the records come back in index order, the same
// for any number of threads.
#pragma once

#include "game/Game.h"
#include "sessions/SessionRecord.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace quendra {

// The seed of session `index` of a batch seeded with `seed`. Neighbouring indices and seeds give
// unrelated seeds, so session i of seed S can be played alone with this one number.
std::uint64_t sessionSeed(std::uint64_t seed, std::uint64_t index);

// Makes the game of one session, seeded with `seed` and talking to `host`, set up and started as
// a user would, ready for its first coup; nullptr when that failed (the host has seen why). It
// runs on the worker threads, so it may change nothing but what it creates.
using SessionGameFactory = std::function<std::unique_ptr<Game>(Host& host, std::uint64_t seed)>;

// Plays session `index` of the batch alone.
SessionRecord playSession(const SessionBatch& batch, const SessionGameFactory& factory,
                          std::uint64_t index);

struct SessionRunControl {
    int threads = 1;
    // Called on the calling thread about every `interval` and once at the end with the number of
    // sessions done.
    std::function<void(std::uint64_t done)> progress;
    std::chrono::milliseconds interval{250};
    // Set from any thread to stop: the sessions under way are finished, no new one is begun.
    const std::atomic<bool>* cancel = nullptr;
};

// Plays the sessions `first` … `first + count - 1` of the batch. A cancelled run holds the
// sessions finished by then, in index order.
SessionRun runSessions(const SessionBatch& batch, const SessionGameFactory& factory,
                       const SessionRunControl& control);

} // namespace quendra
