// The run of a player's system for one coup.
#include "systemplay/SystemRun.h"

#include "bets/Placement.h"
#include "game/PauseProtocol.h"
#include "permanence/LoadSet.h"
#include "systemplay/SystemContext.h"
#include "systemplay/SystemMessageBox.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemReader.h"
#include "systemplay/SystemStatements.h"

#include <algorithm>
#include <optional>

namespace quendra {
namespace {

void waitingCoupsOff(SystemState& state) {
    state.abort.WaitingActive = false;
    state.abort.WaitingLeft = 0;
}

// The run of one player; it answers the events its statements raise.
class Run final : public SystemEvents {
public:
    Run(Game& game, int player, const SystemSteps& steps)
        : game_(game), state_(game.state()), number_(player), player_(state_.player(player)),
          system_(player_.system), steps_(steps) {}

    bool run() {
        state_.ResetRequest = false;
        beginActions(system_);
        preRunEvents();
        if (!RunAborted_) {
            sectionLoop();
        }
        carryActionsOver(system_);
        if (state_.ResetRequest) {
            ReturnStakes(game_, number_);
            player_.StartDone = false;
        }
        ++player_.SystemCoups;
        return !RunAborted_;
    }

private:
    // ---- Events raised by statements ----

    RiseMaximumOutcome riseMaximum(int table) override {
        const AbortSettings settings = system_.abort;
        if (settings.ResetAllAtMaximum) {
            if (skipAllowed()) {
                skip();
            }
            player_.StartDone = false;
            waitingCoupsOff(system_);
            if (settings.PauseOnEvent) {
                EnterUserPause(game_);
                show(SystemMessage::CompleteStmaxReset);
            }
            RunEnd_ = state_.ResetRequest = true;
            riseMaximumReset(system_, table);
            return RiseMaximumOutcome::StepSetByEvent;
        }
        if (settings.StopAtMaximum) {
            pauseIfAsked();
            show(SystemMessage::StmaxReached);
            return RiseMaximumOutcome::SystemStopped;
        }
        if (settings.ResetTableAtMaximum) {
            if (skipAllowed()) {
                RunEnd_ = state_.ResetRequest = true;
                skip();
                waitingCoupsOff(system_);
                return RiseMaximumOutcome::KeepTopStep;
            }
            if (settings.PauseOnEvent) {
                EnterUserPause(game_);
                show(SystemMessage::SingleStmaxReset);
            }
            riseMaximumReset(system_, table);
            return RiseMaximumOutcome::StepSetByEvent;
        }
        return RiseMaximumOutcome::KeepTopStep;
    }

    void stop() override {
        if (skipAllowed()) {
            RunEnd_ = state_.ResetRequest = true;
            skip();
            waitingCoupsOff(system_);
            return;
        }
        pauseIfAsked();
        show(SystemMessage::StopByUser);
    }

    void restart() override { RunEnd_ = state_.ResetRequest = true; }

    void showDataDisplay(const DataDisplay& display) override {
        ShowDataDisplay(game_, number_, display);
    }

    void noUnitWarning() override { game_.showWarning(15); }

    // ---- Events before the run ----

    void preRunEvents() {
        LoadSet& load = state_.permanence.load;
        if (load.PermanenceEnd && system_.abort.AtPermanenceEnd) {
            pauseIfAsked();
            if (!system_.abort.ResetSilently) {
                show(SystemMessage::PermanenceEnd);
            }
            resetForEvent();
            load.PermanenceEnd = false;
        }
        if (!RunAborted_ && coupLimitReached()) {
            limitEvent(SystemMessage::CoupLimit);
        }
        if (!RunAborted_ && lossLimitReached()) {
            limitEvent(SystemMessage::LossLimit);
        } else if (!RunAborted_ && profitLimitReached()) {
            limitEvent(SystemMessage::ProfitLimit);
        }
        if (!RunAborted_ && player_.DaySeparatorSeen && system_.abort.ResetAtDaySeparator) {
            pauseIfAsked();
            resetForEvent();
        }
        // A separator counts for the run right after it: one that passed while the system did
        // not watch for separators must not reset it later.
        player_.DaySeparatorSeen = false;
    }

    bool coupLimitReached() const {
        return system_.abort.CoupLimit > 0 && player_.SystemCoups == system_.abort.CoupLimit;
    }
    bool lossLimitReached() const {
        const std::int32_t limit = system_.abort.LossLimit;
        return limit > 0 &&
               std::int64_t{player_.Capital} <= std::int64_t{system_.ReferenceCapital} - limit;
    }
    bool profitLimitReached() const {
        const std::int32_t limit = system_.abort.ProfitLimit;
        return limit > 0 &&
               std::int64_t{player_.Capital} >= std::int64_t{system_.ReferenceCapital} + limit;
    }

    // The loss, profit and coup limits: skip to the next follow file with R, stop with the
    // message unless N, and reset.
    void limitEvent(int message) {
        const AbortSettings settings = system_.abort;
        pauseIfAsked();
        if (settings.SkipToFollowFile && state_.permanence.load.FollowActive) {
            skip();
        } else if (!settings.ResetSilently) {
            show(message);
        }
        resetForEvent();
    }

    void resetForEvent() {
        ResetPlayerSystem(player_);
        player_.StartDone = false;
    }

    // ---- The sections ----

    void sectionLoop() {
        bool inStartRun = false; // the start section is being executed
        while (!RunEnd_ && !RunAborted_) {
            step_ = &steps_[next_];
            next_ = std::min(next_ + 1, steps_.size() - 1);
            switch (step_->kind) {
            case LineKind::EndOfFile:
                RunEnd_ = true;
                break;
            case LineKind::InvalidLabel:
                raise(*step_->error);
                break;
            case LineKind::Label:
            case LineKind::SectionBreak:
                if (inStartRun) {
                    // Any line with a colon ends the start section.
                    player_.StartDone = true;
                    RunEnd_ = true;
                } else if (step_->section == Section::Start && !player_.StartDone) {
                    ResetPlayerSystem(player_);
                    inStartRun = true;
                }
                break;
            case LineKind::Statement:
                statementLine(inStartRun);
                break;
            }
        }
    }

    // Whether the lines of the section the step stands in are executed in this run. It does
    // not change while a run passes over a section's lines.
    bool executesSection(bool inStartRun) const {
        switch (*step_->section) {
        case Section::Start:
            return inStartRun;
        case Section::Win:
            return player_.CoupNet > 0;
        case Section::Loss:
            return player_.CoupNet < 0;
        case Section::Always:
            return true;
        }
        return false;
    }

    void statementLine(bool inStartRun) {
        if (!executesSection(inStartRun)) {
            // The rest of the section's lines are passed over at once.
            next_ = std::min(step_->sectionEnd, steps_.size() - 1);
            return;
        }
        execute(inStartRun); // only start-section lines are executed in the start run
        if (inStartRun && !RunEnd_ && !RunAborted_) {
            waitAfterStartLine();
        }
    }

    // The waiting coups: while some are left, each run ends the start section after a line.
    void waitAfterStartLine() {
        AbortSettings& settings = system_.abort;
        if (settings.WaitingActive && settings.WaitingLeft > 0) {
            --settings.WaitingLeft;
            RunEnd_ = true;
        }
    }

    void execute(bool inStartSection) {
        SystemContext context{system_,      state_.bets.betList, number_,
                              state_.table, state_.coupHistory,  state_.MessageSwitch,
                              *this};
        context.inStartSection = inStartSection;
        context.settingStartValues = !player_.StartDone;
        context.capital = player_.Capital;
        const std::optional<SystemError> error =
            executeStatementLine(context, step_->LastLine, step_->LineNumber, step_->prepared);
        if (error && !RunAborted_) {
            raise(*error);
        }
    }

    // ---- Messages, pauses and skips ----

    void raise(const SystemError& error) {
        SystemMessagePlace place;
        place.LineNumber = error.LineNumber;
        place.LastLine = step_->LastLine;
        place.ErrorText = error.ErrorText;
        place.ErrorLength = error.ErrorLength;
        showAt(error.Message, place);
    }

    void show(int message) {
        SystemMessagePlace place;
        // Before the first line (the events before the run) there is no line to name.
        if (step_) {
            place.LineNumber = step_->LineNumber;
            place.LastLine = step_->LastLine;
        }
        showAt(message, place);
    }

    void showAt(int message, const SystemMessagePlace& place) {
        if (ShowSystemMessage(game_, number_, message, place)) {
            RunAborted_ = true;
        }
    }

    void pauseIfAsked() {
        if (system_.abort.PauseOnEvent) {
            EnterUserPause(game_);
        }
    }

    bool skipAllowed() const {
        return system_.abort.SkipToFollowFile && state_.permanence.load.FollowActive;
    }

    void skip() { skipRestOfMainLoadFile(game_); }

    Game& game_;
    GameState& state_;
    int number_;
    Player& player_;
    SystemState& system_;
    const SystemSteps& steps_;
    std::size_t next_ = 0;
    const SystemStep* step_ = nullptr; // the line last read
    bool RunEnd_ = false;
    bool RunAborted_ = false;
};

} // namespace

bool RunSystem(Game& game, int player, const SystemSteps& steps) {
    return Run(game, player, steps).run();
}

void ResetPlayerSystem(Player& player) {
    systemReset(player.system);
    player.SystemCoups = 0;
}

void PrepareSystemStart(Player& player) {
    player.StartDone = false;
    waitingCoupsOff(player.system);
    player.system.ReferenceCapital = 0;
}

} // namespace quendra
