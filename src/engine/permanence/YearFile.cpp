// Writing and showing the year statistics file.
#include "permanence/YearFile.h"

#include "game/Game.h"
#include "game/PauseProtocol.h"
#include "permanence/PermanenceTexts.h"
#include "statistics/StatisticsStore.h"
#include "text/FileLine.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace quendra {

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr int EntriesPerLine = 20;

int yearOf(std::chrono::system_clock::time_point time) {
    const auto days = std::chrono::floor<std::chrono::days>(time);
    return static_cast<int>(std::chrono::year_month_day{days}.year());
}

int currentYear(Game& game) {
    return yearOf(game.host().now());
}

const CalendarNames& calendarNames(YearFileState& year) {
    if (!year.calendarNames) {
        year.calendarNames = systemCalendarNames();
    }
    return *year.calendarNames;
}

std::string currentHeader(Game& game) {
    GameState& state = game.state();
    YearFileState& year = state.permanence.year;
    return yearBlockHeader(year.ProgramStartTime, game.host().now(), state.settings.Language,
                           state.statistics.YearCups, calendarNames(year));
}

// Code points up to U+00FF as single bytes; anything else as "?".
std::string latin1FromUtf8(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            result += static_cast<char>(byte);
        } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[++i]);
            result += static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F));
        } else if (byte >= 0xC0) {
            result += '?';
            while (i + 1 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
                ++i;
            }
        }
    }
    return result;
}

std::string formatted(const std::locale& locale, const std::tm& time, const char* pattern) {
    std::ostringstream out;
    out.imbue(locale);
    const auto& facet = std::use_facet<std::time_put<char>>(locale);
    facet.put(out, out, ' ', &time, pattern, pattern + std::char_traits<char>::length(pattern));
    return latin1FromUtf8(out.str());
}

} // namespace

std::filesystem::path yearFileName(const GameState& state, int year) {
    char name[32];
    std::snprintf(name, sizeof name, "STAT%04d.TXT", year);
    return state.ProgramFolder / name;
}

bool OpenYearFile(Game& game) {
    GameState& state = game.state();
    YearFileState& year = state.permanence.year;
    closeYearFile(state);
    const auto name = yearFileName(state, currentYear(game));
    auto file =
        std::make_unique<std::ofstream>(name, std::ios::out | std::ios::binary | std::ios::app);
    if (!file->is_open()) {
        game.showError(6, FileSelector::YearStatistics);
        state.settings.YearStatistics = false;
        return false;
    }
    year.file = std::move(file);
    year.name = name;
    return true;
}

void closeYearFile(GameState& state) {
    state.permanence.year.file.reset();
}

bool WriteYearBlock(Game& game) {
    GameState& state = game.state();
    YearFileState& year = state.permanence.year;
    if (!year.file) {
        return false;
    }
    const std::string text = yearBlockText(currentHeader(game), state.statistics.gameHistory());
    year.file->write(text.data(), static_cast<std::streamsize>(text.size()));
    year.file->flush();
    const bool written = year.file->good();
    closeYearFile(state);
    if (!written) {
        game.showError(6, FileSelector::YearStatistics);
    }
    return written;
}

CalendarNames systemCalendarNames() {
    std::locale locale = std::locale::classic();
    try {
        locale = std::locale("");
    } catch (const std::runtime_error&) {
        // An unknown locale in the environment: the names of the classic locale.
    }
    CalendarNames names;
    std::tm time{};
    for (int day = 0; day < 7; ++day) {
        time.tm_wday = day;
        names.days[static_cast<std::size_t>(day)] = formatted(locale, time, "%A");
    }
    for (int month = 0; month < 12; ++month) {
        time.tm_mon = month;
        names.months[static_cast<std::size_t>(month)] = formatted(locale, time, "%B");
    }
    return names;
}

std::string yearBlockTime(std::chrono::system_clock::time_point time, const CalendarNames& names) {
    using namespace std::chrono;
    const auto days = floor<std::chrono::days>(time);
    const year_month_day date{days};
    const hh_mm_ss clock{floor<minutes>(time - days)};
    char text[32];
    std::snprintf(text, sizeof text, ", %u.", static_cast<unsigned>(date.day()));
    std::string result = names.days[weekday{days}.c_encoding()] + text;
    result += names.months[static_cast<unsigned>(date.month()) - 1];
    std::snprintf(text, sizeof text, ".%04d %02d:%02d", static_cast<int>(date.year()),
                  static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()));
    return result + text;
}

std::string yearBlockHeader(std::chrono::system_clock::time_point start,
                            std::chrono::system_clock::time_point end, int language,
                            std::uint16_t coups, const CalendarNames& names) {
    return ":: " + yearBlockTime(start, names) + " " +
           std::string(PermanenceTexts::YearBlockTill[languageFromIndex(language)]) + " " +
           yearBlockTime(end, names) + "  Cups:: " + std::to_string(coups);
}

std::string yearEntryText(std::uint8_t code) {
    if (code == DaySeparatorCode) {
        return " --";
    }
    if (code == DoubleZero) {
        return " 00";
    }
    const int number = CoupNumber(code).value_or(0);
    if (number == 0) {
        return "  0";
    }
    char text[8];
    std::snprintf(text, sizeof text, " %02d", number % 100);
    return text;
}

std::string yearBlockLines(const std::string& header, std::span<const std::uint8_t> entries) {
    std::string text = header + LineEnd + LineEnd;
    int onLine = 0;
    for (std::uint8_t code : entries) {
        text += yearEntryText(code);
        if (++onLine == EntriesPerLine) {
            text += LineEnd;
            onLine = 0;
        }
    }
    return text + LineEnd;
}

std::string yearBlockText(const std::string& header, std::span<const std::uint8_t> entries) {
    return yearBlockLines(header, entries) + LineEnd;
}

YearFileView yearFileView(Game& game) {
    GameState& state = game.state();
    const auto name = yearFileName(state, currentYear(game));
    YearFileView view;
    view.caption = name.filename().string() + " - Browse only";
    std::ifstream in(name, std::ios::in | std::ios::binary);
    if (in.is_open()) {
        std::ostringstream content;
        content << in.rdbuf();
        view.text = content.str();
    }
    if (!view.text.empty() && view.text.back() != '\n' && view.text.back() != '\r') {
        view.text += LineEnd;
    }
    view.text += yearBlockLines(currentHeader(game), state.statistics.gameHistory());
    return view;
}

void ShowYearFile(Game& game, const std::function<void(const YearFileView&)>& show) {
    DialogPause pause(game);
    closeYearFile(game.state());
    show(yearFileView(game));
    if (game.state().settings.YearStatistics) {
        OpenYearFile(game);
    }
}

} // namespace quendra
