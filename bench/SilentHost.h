// A host without windows for the benchmarks: no boxes, no waits, no drawing.
#pragma once

#include "game/Host.h"

namespace quendra::bench {

class SilentHost : public Host {
public:
    void showMessage(const MessageBoxData&) override {}
    bool askQuestion(const MessageBoxData&) override { return false; }
    void wait(int) override {}
    void changed(Change) override {}
    std::chrono::system_clock::time_point now() const override { return {}; }
};

} // namespace quendra::bench
