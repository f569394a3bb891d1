#include "sessions/SessionRunner.h"

#include "game/SuperShortPlay.h"
#include "sessions/SessionHost.h"

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

// Follows each system player's capital through the session. At the end of his turn his next
// stake has been charged: his capital plus what stands on the table is what he owns (a prisoner
// freed by the zero rule stands there without having been charged again), and a capital below
// zero means it did not pay that stake.
class CourseWatch : public GameHooks {
public:
    CourseWatch(Game& game, const std::vector<std::int64_t>& startCapitals,
                std::optional<std::int64_t> goal)
        : game_(game), inner_(game.hooks()), startCapitals_(startCapitals), goal_(goal),
          outcomes_(startCapitals.size()) {
        for (std::size_t i = 0; i < outcomes_.size(); ++i) {
            look(game.state(), static_cast<int>(i) + 1);
        }
        game.setHooks(*this);
    }
    ~CourseWatch() override { game_.setHooks(inner_); }
    CourseWatch(const CourseWatch&) = delete;
    CourseWatch& operator=(const CourseWatch&) = delete;

    bool mainLoadFileActive(const Game& game) const override {
        return inner_.mainLoadFileActive(game);
    }
    std::int32_t readLoadFileCoup(Game& game) override { return inner_.readLoadFileCoup(game); }
    void untickMainLoadFile(Game& game) override { inner_.untickMainLoadFile(game); }
    void writeProtocolLines(Game& game) override { inner_.writeProtocolLines(game); }
    void runSystemPlayer(Game& game, int player) override {
        inner_.runSystemPlayer(game, player);
        if (static_cast<std::size_t>(player) <= outcomes_.size()) {
            look(game.state(), player);
        }
    }
    void closeGameFiles(Game& game) override { inner_.closeGameFiles(game); }
    void reopenYearFile(Game& game) override { inner_.reopenYearFile(game); }

    // The outcomes at the end of the session.
    std::vector<PlayerSession> outcomes(const GameState& state) {
        for (std::size_t i = 0; i < outcomes_.size(); ++i) {
            const int p = static_cast<int>(i) + 1;
            look(state, p);
            PlayerSession& outcome = outcomes_[i];
            outcome.result = owned(state, p) - startCapitals_[i];
            outcome.turnover = state.player(p).TotalStaked;
            outcome.goalReached = goal_ && startCapitals_[i] + outcome.maximum >= *goal_;
        }
        return outcomes_;
    }

private:
    static std::int64_t owned(const GameState& state, int player) {
        return std::int64_t{state.player(player).Capital} + state.player(player).BetSum;
    }

    void look(const GameState& state, int player) {
        PlayerSession& outcome = outcomes_[static_cast<std::size_t>(player - 1)];
        const std::int64_t running =
            owned(state, player) - startCapitals_[static_cast<std::size_t>(player - 1)];
        outcome.minimum = std::min(outcome.minimum, running);
        outcome.maximum = std::max(outcome.maximum, running);
        outcome.ruined = outcome.ruined || state.player(player).Capital < 0;
    }

    Game& game_;
    GameHooks& inner_;
    const std::vector<std::int64_t>& startCapitals_;
    std::optional<std::int64_t> goal_;
    std::vector<PlayerSession> outcomes_;
};

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

SessionRecord playSession(const SessionBatch& batch, const SessionGameFactory& factory,
                          std::uint64_t index) {
    SessionRecord record;
    record.index = index;
    record.seed = sessionSeed(batch.seed, index);
    SessionHost host(batch.date);
    const std::unique_ptr<Game> game = factory(host, record.seed);
    if (game) {
        host.watch(*game);
        CourseWatch course(*game, batch.startCapitals, batch.goal);
        const GameState& state = game->state();
        const std::int32_t before = state.SpielerStatPos;
        // A session whose results are settled ends there; with a number of coups it still
        // counts them all, as played alone it would play them without a stake.
        const bool early = batch.coups.has_value();
        playSuperShortGame(*game, batch.coups, [&] { return !early || !settled(state); });
        record.coups = early && settled(state) ? *batch.coups : state.SpielerStatPos - before;
        record.players = course.outcomes(state);
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
