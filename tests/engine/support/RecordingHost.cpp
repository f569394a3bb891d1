// The recording test host.
#include "support/RecordingHost.h"

#include <numeric>

namespace quendra::testing {

bool RecordingHost::askQuestion(const MessageBoxData& box) {
    messages.push_back(box);
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<int> RecordingHost::requestNumber(const NumberRequest& request, Language language) {
    numberRequests.push_back(request);
    numberRequestCaptions.emplace_back(request.caption[language]);
    if (numberAnswers.empty()) {
        return std::nullopt;
    }
    const auto answer = numberAnswers.front();
    numberAnswers.pop_front();
    return answer;
}

std::vector<int> RecordingHost::numbersOf(MessageKind kind) const {
    std::vector<int> found;
    for (const MessageBoxData& box : messages) {
        if (box.kind == kind) {
            found.push_back(box.number);
        }
    }
    return found;
}

bool RecordingHost::changedAny(Change flag) const {
    for (Change change : changes) {
        if (any(change, flag)) {
            return true;
        }
    }
    return false;
}

int RecordingHost::totalWaitMs() const {
    return std::accumulate(waits.begin(), waits.end(), 0);
}

void RecordingHost::setDate(int year, unsigned month, unsigned day, long long millisecondsOfDay) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    clock = system_clock::time_point{date} + milliseconds{millisecondsOfDay};
}

} // namespace quendra::testing
