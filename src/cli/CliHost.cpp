#include "CliHost.h"

#include "text/Windows1252.h"

#include <ctime>
#include <ostream>

namespace quendra::cli {
namespace {

std::string_view kindWord(MessageKind kind) {
    switch (kind) {
    case MessageKind::Question:
        return "question";
    case MessageKind::Info:
        return "info";
    case MessageKind::Warning:
        return "warning";
    case MessageKind::System:
        return "system";
    case MessageKind::DataDisplay:
        return "display";
    case MessageKind::Error:
    case MessageKind::ProgramError:
        break;
    }
    return "error";
}

// A message's line breaks ("\r", "\n" or both) as " | ", so that every box is one line.
std::string oneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            line += " | ";
        } else {
            line += c;
        }
    }
    return line;
}

} // namespace

std::string messageLine(const MessageBoxData& box) {
    std::string line(kindWord(box.kind));
    // The data display of MESSAGE has no number.
    if (box.kind != MessageKind::DataDisplay) {
        line += " " + std::to_string(box.number);
    }
    // A data display shows texts of the system file, which is Windows-1252.
    const std::string text =
        box.kind == MessageKind::DataDisplay ? utf8OrWindows1252(box.text) : box.text;
    return line + ": " + oneLine(text);
}

void CliHost::showMessage(const MessageBoxData& box) {
    if (box.kind == MessageKind::Error || box.kind == MessageKind::ProgramError) {
        errorShown_ = true;
    }
    err_ << messageLine(box) << '\n';
}

bool CliHost::askQuestion(const MessageBoxData& box) {
    err_ << messageLine(box) << '\n';
    return answerYes_;
}

std::chrono::system_clock::time_point CliHost::now() const {
    if (date_) {
        return *date_ + std::chrono::hours{12};
    }
    // The engine reads the calendar of the time point as it stands: the local reading is given
    // as if it were UTC.
    const auto current = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(current);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return current;
    }
    const auto day = std::chrono::sys_days{std::chrono::year{local.tm_year + 1900} /
                                           std::chrono::month{unsigned(local.tm_mon + 1)} /
                                           std::chrono::day{unsigned(local.tm_mday)}};
    const auto subsecond = current - std::chrono::floor<std::chrono::seconds>(current);
    return day + std::chrono::hours{local.tm_hour} + std::chrono::minutes{local.tm_min} +
           std::chrono::seconds{local.tm_sec} +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(subsecond);
}

} // namespace quendra::cli
