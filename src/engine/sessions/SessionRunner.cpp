#include "sessions/SessionRunner.h"

#include "game/SuperShortPlay.h"
#include "sessions/SessionHost.h"
#include "spin/CoupRecords.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace quendra {
namespace {

std::uint64_t splitMix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// The player's course of net results as the player statistics keep it: the result is where it
// ends, with its extremes; ruin is a capital below the stake that came next.
PlayerSession playerOutcome(const GameState& state, int p, std::int64_t startCapital,
                            std::optional<std::int64_t> goal) {
    const Player& player = state.player(p);
    PlayerSession outcome;
    outcome.turnover = player.TotalStaked;
    std::int64_t running = 0;
    for (const PlayerCoup& coup : playerCourse(state, p)) {
        // The capital before this coup's stake was charged.
        outcome.ruined = outcome.ruined || startCapital + running < coup.stake;
        running = coup.cumulative;
        outcome.minimum = std::min(outcome.minimum, running);
        outcome.maximum = std::max(outcome.maximum, running);
    }
    outcome.result = running;
    // The stake standing for the coup after the last.
    outcome.ruined = outcome.ruined || startCapital + running < player.BetSum;
    outcome.goalReached = goal && startCapital + outcome.maximum >= *goal;
    return outcome;
}

// No later coup could change a result: no system plays and nothing stands on the table or in
// prison. (Systems stop through a message box, which ends the super-short game, so this is asked
// right after every stop.)
bool settled(const GameState& state) {
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        if (state.player(p).isSystemPlayer() || state.player(p).BetSum > 0) {
            return false;
        }
    }
    return !state.bets.prison.any();
}

} // namespace

std::uint64_t sessionSeed(std::uint64_t seed, std::uint64_t index) {
    return splitMix(seed ^ splitMix(index));
}

std::vector<PlayerSession> sessionOutcomes(const Game& game,
                                           const std::vector<std::int64_t>& startCapitals,
                                           std::optional<std::int64_t> goal) {
    std::vector<PlayerSession> outcomes;
    for (std::size_t i = 0; i < startCapitals.size(); ++i) {
        outcomes.push_back(
            playerOutcome(game.state(), static_cast<int>(i) + 1, startCapitals[i], goal));
    }
    return outcomes;
}

SessionRecord playSession(const SessionBatch& batch, const SessionGameFactory& factory,
                          std::uint64_t index) {
    SessionRecord record;
    record.index = index;
    record.seed = sessionSeed(batch.seed, index);
    SessionHost host(batch.date);
    const std::unique_ptr<Game> game = factory(host, record.seed);
    if (game) {
        host.watch(*game);
        const GameState& state = game->state();
        const std::int32_t before = state.SpielerStatPos;
        // A session whose results are settled ends there; with a number of coups it still
        // counts them all, as played alone it would play them without a stake.
        const bool early = batch.coups.has_value();
        playSuperShortGame(*game, batch.coups, [&] { return !early || !settled(state); });
        record.coups = early && settled(state) ? *batch.coups : state.SpielerStatPos - before;
        record.players = sessionOutcomes(*game, batch.startCapitals, batch.goal);
        for (std::size_t i = 0; i < record.players.size(); ++i) {
            record.players[i].stopMessage = host.stopMessage(static_cast<int>(i) + 1);
        }
    } else {
        record.players.resize(batch.startCapitals.size());
    }
    record.error = host.firstError();
    return record;
}

SessionRun runSessions(const SessionBatch& batch, const SessionGameFactory& factory,
                       const SessionRunControl& control) {
    std::vector<std::optional<SessionRecord>> slots(batch.count);
    std::atomic<std::uint64_t> next{0};
    std::atomic<std::uint64_t> done{0};
    std::mutex mutex;
    std::condition_variable finished;
    int running = std::max(1, control.threads);
    const auto cancelled = [&] { return control.cancel && control.cancel->load(); };
    const auto work = [&] {
        for (std::uint64_t i = next++; i < batch.count && !cancelled(); i = next++) {
            slots[i] = playSession(batch, factory, batch.first + i);
            ++done;
        }
        const std::lock_guard lock(mutex);
        --running;
        finished.notify_all();
    };
    std::vector<std::jthread> workers;
    const int threadCount = running;
    for (int t = 0; t < threadCount; ++t) {
        workers.emplace_back(work);
    }
    {
        std::unique_lock lock(mutex);
        while (!finished.wait_for(lock, control.interval, [&] { return running == 0; })) {
            if (control.progress) {
                lock.unlock();
                control.progress(done.load());
                lock.lock();
            }
        }
    }
    workers.clear();
    if (control.progress) {
        control.progress(done.load());
    }
    SessionRun run{batch, {}};
    for (auto& slot : slots) {
        if (slot) {
            run.sessions.push_back(std::move(*slot));
        }
    }
    return run;
}

} // namespace quendra
