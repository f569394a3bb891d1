// A host for engine tests: records every box, wait, change notice, number request and dialog,
// answers questions, number requests and picker clicks from queues the test fills, and tells
// the time the test sets.
#pragma once

#include "game/Host.h"
#include "tournament/Tournament.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quendra::testing {

class RecordingHost : public Host {
public:
    void showMessage(const MessageBoxData& box) override {
        messages.push_back(box);
        if (whileShowing) {
            whileShowing(box);
        }
    }
    bool askQuestion(const MessageBoxData& box) override;
    void wait(int milliseconds) override { waits.push_back(milliseconds); }
    void changed(Change what) override { changes.push_back(what); }
    std::optional<int> requestNumber(const NumberRequest& request, Language language) override;
    std::optional<int> selectNumber(TableType table, std::optional<int> chosen) override;
    void beep() override { ++beeps; }
    bool confirmTournamentStart() override;
    void showTournamentLost() override { ++tournamentsLost; }
    void showTournamentResult(const TournamentResult& result) override {
        tournamentResults.push_back(result);
    }
    bool openWithSystem(const std::filesystem::path& file) override;
    void openSystemEditor(const SystemEditorRequest& request) override {
        editorRequests.push_back(request);
        if (whileEditing) {
            whileEditing(request);
        }
    }
    std::chrono::system_clock::time_point now() const override { return clock; }

    // Sets the clock to local midnight of the given day plus `millisecondsOfDay`.
    void setDate(int year, unsigned month, unsigned day, long long millisecondsOfDay = 0);

    // The number of the last box shown or asked, 0 when there was none.
    int lastNumber() const { return messages.empty() ? 0 : messages.back().number; }
    // The numbers of the boxes of one kind, in order.
    std::vector<int> numbersOf(MessageKind kind) const;
    // Whether any change notice named the flag.
    bool changedAny(Change flag) const;
    int totalWaitMs() const;

    std::vector<MessageBoxData> messages; // every box, questions included, in order
    std::deque<bool> answers;             // answers to the next questions; No when empty
    std::vector<NumberRequest> numberRequests;
    std::vector<std::string> numberRequestCaptions; // in the language each was asked in
    std::deque<std::optional<int>> numberAnswers;   // nullopt cancels; cancel when empty
    std::deque<std::optional<int>> pickerClicks;    // nullopt closes the picker; closed when empty
    std::vector<std::optional<int>> pickerChosen;   // the outlined number each time it opened
    int beeps = 0;
    std::deque<bool> tournamentStartAnswers; // "Start" or "Cancel"; Cancel when empty
    int tournamentsLost = 0;
    std::vector<TournamentResult> tournamentResults;
    bool openSucceeds = false;
    std::vector<std::filesystem::path> openedFiles;
    std::vector<SystemEditorRequest> editorRequests;
    std::function<void(const SystemEditorRequest&)> whileEditing; // what the "user" edits
    std::function<void(const MessageBoxData&)> whileShowing;      // a look while a box is open
    std::vector<int> waits;
    std::vector<Change> changes;
    std::chrono::system_clock::time_point clock{};
};

} // namespace quendra::testing
