// The host of the command line: every message box is one line on the error stream, every
// question is answered the same way, waits return at once and nothing is drawn.
#pragma once

#include "game/Host.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace quendra::cli {

// "error 8: text", "system 51: text", "display: text", each line break of the text written as
// " | ".
std::string messageLine(const MessageBoxData& box);

class CliHost : public Host {
public:
    // With a date the game sees noon of that day instead of the time of the clock.
    CliHost(std::ostream& err, bool answerYes,
            std::optional<std::chrono::sys_days> date = std::nullopt)
        : err_(err), answerYes_(answerYes), date_(date) {}

    void showMessage(const MessageBoxData& box) override;
    bool askQuestion(const MessageBoxData& box) override;
    void wait(int) override {}
    void changed(Change) override {}
    std::chrono::system_clock::time_point now() const override;

    // An error box has been shown.
    bool errorShown() const { return errorShown_; }

private:
    std::ostream& err_;
    bool answerYes_;
    std::optional<std::chrono::sys_days> date_;
    bool errorShown_ = false;
};

} // namespace quendra::cli
