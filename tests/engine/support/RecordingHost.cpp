#include "support/RecordingHost.h"

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

void RecordingHost::setDate(int year, unsigned month, unsigned day, long long millisecondsOfDay) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    clock = system_clock::time_point{date} + milliseconds{millisecondsOfDay};
}

} // namespace quendra::testing
