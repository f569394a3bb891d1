// The STMAX item: the abort and reset settings of a system, set in its start section.
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

namespace quendra::statements {
namespace {

// The value of V, G, C or I: "(" n ")" with n in 1 to `maximum`.
std::optional<std::int32_t> letterValue(LineScanner& line, std::int32_t maximum) {
    if (!line.accept("(")) {
        line.fail(SystemMessage::InvalidAbortSyntax, line.take(1));
        return std::nullopt;
    }
    const std::string_view text = line.takeUntil(")");
    line.accept(")");
    const std::optional<std::int32_t> value = toInteger(text);
    if (!value || *value < 1 || *value > maximum) {
        line.fail(SystemMessage::InvalidAbortValue, text);
        return std::nullopt;
    }
    return value;
}

// One entry of the S list: "ST" t "(" "CO" nn ")" flags counter nn for rise table t (1-10).
bool resetFlag(StatementRun& run) {
    LineScanner& line = run.line;
    line.skipBlanks();
    if (!line.accept("ST")) {
        return line.fail(SystemMessage::RiseTableExpected, line.take(2));
    }
    const std::string_view tableText = line.takeUntil("(,)");
    const std::optional<std::int32_t> table = toInteger(tableText);
    if (!table || *table < 1 || *table > RiseTableLimit) {
        return line.fail(SystemMessage::InvalidRiseTable, tableText);
    }
    if (!line.accept("(CO")) {
        return line.fail(SystemMessage::CounterExpected, line.takeUntil(",)"));
    }
    const std::optional<int> counter = line.counterNumber();
    if (!counter) {
        return false;
    }
    if (!line.accept(")")) {
        return line.fail(SystemMessage::InvalidAbortSyntax, line.takeUntil(",)"));
    }
    run.state()
        .StmaxResetFlags[static_cast<std::size_t>(*table)][static_cast<std::size_t>(*counter)] =
        true;
    return true;
}

// "S" "(" entries ")".
bool resetFlags(StatementRun& run) {
    LineScanner& line = run.line;
    if (!line.accept("(")) {
        return line.fail(SystemMessage::InvalidAbortSyntax, line.take(1));
    }
    do {
        if (!resetFlag(run)) {
            return false;
        }
        line.skipBlanks();
    } while (line.accept(","));
    if (!line.accept(")")) {
        return line.fail(SystemMessage::InvalidAbortSyntax, line.takeUntil(",)"));
    }
    return true;
}

// A letter whose setting excludes one already made raises 31.
bool conflicts(const AbortSettings& a, char letter) {
    switch (letter) {
    case 'A':
        return a.ResetTableAtMaximum || a.StopAtMaximum;
    case 'E':
        return a.ResetTableAtMaximum || a.ResetAllAtMaximum;
    case 'S':
        return a.ResetAllAtMaximum || a.StopAtMaximum;
    case 'R':
        return a.ResetSilently;
    case 'N':
        return a.SkipToFollowFile;
    default:
        return false;
    }
}

constexpr std::string_view AbortLetters = "ACEGHILNPRSV";

// One letter of AbortLetters with its value; false when the statement ends here.
bool abortLetter(StatementRun& run, char letter, std::string_view token) {
    LineScanner& line = run.line;
    AbortSettings& a = run.state().abort;
    if (conflicts(a, letter)) {
        return line.fail(SystemMessage::InvalidAbortCombination, token);
    }
    std::optional<std::int32_t> value;
    switch (letter) {
    case 'A':
        a.ResetAllAtMaximum = true;
        return true;
    case 'E':
        a.StopAtMaximum = true;
        return true;
    case 'S':
        a.ResetTableAtMaximum = true;
        return resetFlags(run);
    case 'V':
    case 'G':
        value = letterValue(line, 9999);
        if (value) {
            (letter == 'V' ? a.LossLimit : a.ProfitLimit) = *value;
            run.state().ReferenceCapital = run.context.capital;
        }
        return value.has_value();
    case 'C':
        value = letterValue(line, 9999);
        a.CoupLimit = value.value_or(a.CoupLimit);
        return value.has_value();
    case 'I':
        value = letterValue(line, 100);
        if (value && !a.WaitingActive) {
            a.WaitingActive = true;
            a.WaitingLeft = *value;
        }
        return value.has_value();
    case 'L':
        a.AtPermanenceEnd = true;
        return true;
    case 'H':
        a.ResetAtDaySeparator = true;
        return true;
    case 'R':
        a.SkipToFollowFile = true;
        return true;
    case 'N':
        a.ResetSilently = true;
        return true;
    case 'P':
        a.PauseOnEvent = true;
        return true;
    default:
        return false;
    }
}

} // namespace

// "STMAX" "(" letters ")", start section only; like every assignment it counts as made there
// while the start is not done. An unknown letter takes back every setting of the item.
bool stmaxItem(StatementRun& run) {
    LineScanner& line = run.line;
    const std::string_view keyword = line.take(5);
    if (!run.context.inStartSection && !run.context.settingStartValues) {
        return line.fail(SystemMessage::AbortInWrongSection, keyword);
    }
    if (!line.accept("(")) {
        return line.fail(SystemMessage::InvalidAbortSyntax, line.take(1));
    }
    const AbortSettings before = run.state().abort;
    for (;;) {
        line.skipBlanks();
        const std::string_view token = line.take(1);
        if (token.empty() || AbortLetters.find(token.front()) == std::string_view::npos) {
            run.state().abort = before;
            return line.fail(SystemMessage::InvalidAbortCondition, token);
        }
        if (!abortLetter(run, token.front(), token)) {
            return false;
        }
        line.skipBlanks();
        if (line.accept(")")) {
            return true;
        }
        if (!line.accept(",")) {
            run.state().abort = before;
            return line.fail(SystemMessage::InvalidAbortCondition, line.takeUntil(",)"));
        }
    }
}

} // namespace quendra::statements
