// A host for engine tests: records every box, wait and change notice, answers questions from a
// queue the test fills, and tells the time the test sets.
#pragma once

#include "game/Host.h"

#include <deque>
#include <vector>

namespace quendra::testing {

class RecordingHost : public Host {
public:
    void showMessage(const MessageBoxData& box) override { messages.push_back(box); }
    bool askQuestion(const MessageBoxData& box) override;
    void wait(int milliseconds) override { waits.push_back(milliseconds); }
    void changed(Change what) override { changes.push_back(what); }
    std::chrono::system_clock::time_point now() const override { return clock; }

    // Sets the clock to local midnight of the given day plus `millisecondsOfDay`.
    void setDate(int year, unsigned month, unsigned day, long long millisecondsOfDay = 0);

    // The number of the last box shown or asked, 0 when there was none.
    int lastNumber() const { return messages.empty() ? 0 : messages.back().number; }

    std::vector<MessageBoxData> messages; // every box, questions included, in order
    std::deque<bool> answers;             // answers to the next questions; No when empty
    std::vector<int> waits;
    std::vector<Change> changes;
    std::chrono::system_clock::time_point clock{};
};

} // namespace quendra::testing
