// The statistics functions RZ and UZ: hits of a field, or of every field of a kind, over the
// last 2-11 coups, newest first at position 1.
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quendra::statements {
namespace {

constexpr int ShortestWindow = 2;
constexpr int LongestWindow = 11;
constexpr int LowestCount = 1;
constexpr int HighestCount = 11;

// Which field a choosing function takes: the first whose count passes the test, the one that
// came most often (H), or the one that came least often (N); the lowest index wins ties.
enum class Choice { ByTest, Highest, Lowest };

struct FunctionHead {
    int window = 0;
    Choice choice = Choice::ByTest;
    Comparison comparison = Comparison::Equal;
    int count = 0;
    bool forward = false; // UZ direction F: choose during the count, as soon as a field passes
};

constexpr std::array<ComparisonToken, 5> CountComparisons{{
    {">=", Comparison::GreaterEqual},
    {">", Comparison::Greater},
    {"=", Comparison::Equal},
    {"<=", Comparison::LessEqual},
    {"<", Comparison::Less},
}};

// The count test: c (meaning "= c"), or ">=", ">", "=", "<=", "<" followed by c, c in 1-11;
// or "H" or "N", with anything after the letter ignored.
bool readCountTest(LineScanner& line, FunctionHead& head) {
    const std::string_view text = line.takeUntil("/)");
    if (text.starts_with("H") || text.starts_with("N")) {
        head.choice = text.front() == 'H' ? Choice::Highest : Choice::Lowest;
        return true;
    }
    std::string_view number = text;
    const std::size_t operatorLength = std::min(text.find_first_not_of("<>="), text.size());
    if (operatorLength > 0) {
        const std::string_view written = text.substr(0, operatorLength);
        const auto found =
            std::find_if(CountComparisons.begin(), CountComparisons.end(),
                         [written](const ComparisonToken& t) { return t.text == written; });
        if (found == CountComparisons.end()) {
            return line.fail(SystemMessage::RzCountConditionExpected, written);
        }
        head.comparison = found->comparison;
        number.remove_prefix(operatorLength);
    } else if (!text.empty() && text.front() != ' ' && (text.front() < '0' || text.front() > '9')) {
        return line.fail(SystemMessage::RzCountConditionExpected, text.substr(0, 1));
    }
    const std::optional<std::int32_t> count = toInteger(number);
    if (!count || *count < LowestCount || *count > HighestCount) {
        return line.fail(SystemMessage::RzCountExpected, number);
    }
    head.count = *count;
    return true;
}

// "(" n "/" count-test [ "/" direction ] ")" "IN". A direction is required after UZ and
// ignored after RZ.
std::optional<FunctionHead> readHead(LineScanner& line, bool search) {
    if (!line.accept("(")) {
        line.fail(SystemMessage::RzBracketExpected, line.take(1));
        return std::nullopt;
    }
    if (line.CurrentLine().find('/') == std::string_view::npos) {
        line.fail(SystemMessage::RzSlashExpected, line.takeUntil(")"));
        return std::nullopt;
    }
    FunctionHead head;
    const std::string_view windowText = line.takeUntil("/");
    line.accept("/");
    const std::optional<std::int32_t> window = toInteger(windowText);
    if (!window || *window < ShortestWindow || *window > LongestWindow) {
        line.fail(SystemMessage::RzInvalidWindow, windowText);
        return std::nullopt;
    }
    head.window = *window;
    if (!readCountTest(line, head)) {
        return std::nullopt;
    }
    const bool third = line.accept("/");
    const std::string_view direction = line.takeUntil(")");
    if (search && !third) {
        line.fail(SystemMessage::RzSyntaxIncomplete, direction);
        return std::nullopt;
    }
    if (search && !direction.starts_with("F") && !direction.starts_with("A")) {
        line.fail(SystemMessage::RzDirectionExpected, direction);
        return std::nullopt;
    }
    head.forward = search && direction.starts_with("F");
    if (!line.accept(")")) {
        line.fail(SystemMessage::RzSyntax, line.take(1));
        return std::nullopt;
    }
    line.skipBlanks();
    if (!line.accept("IN")) {
        line.fail(SystemMessage::RzSyntax, line.takeUntil(" ;"));
        return std::nullopt;
    }
    line.skipBlanks();
    return head;
}

// Plain RZ: counting from the newest coup, the action runs the first time the count of hits
// passes the test. So "= c" acts like ">= c", and "<" and "<=" hold at the first hit.
bool countHits(StatementRun& run, const FunctionHead& head) {
    const std::optional<BetItem> target = fieldTarget(run);
    if (!target) {
        return false;
    }
    const std::optional<Connection> next = connection(run);
    if (!next) {
        return false;
    }
    int hits = 0;
    for (int position = 1; position <= head.window; ++position) {
        const std::optional<int> number = run.context.history.numberAt(position);
        if (number && numberInField(run.context.table, *target, *number) &&
            compare(head.comparison, ++hits, head.count)) {
            return followConnection(run, *next);
        }
    }
    return false;
}

// The hits of every field of a kind that the table has, counted from the oldest coup of the
// window; with direction F the first field to pass the test is chosen at once.
std::optional<int> chooseField(const SystemContext& context, BetKind kind,
                               const FunctionHead& head) {
    const TableType table = context.table.type();
    std::vector<int> fields;
    for (int index = firstIndex(kind); index <= lastIndex(kind); ++index) {
        if (fieldPresent(table, BetField{kind, index})) {
            fields.push_back(index);
        }
    }
    std::vector<int> hits(fields.size(), 0);
    const auto firstPassing = [&]() -> std::optional<int> {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (compare(head.comparison, hits[i], head.count)) {
                return fields[i];
            }
        }
        return std::nullopt;
    };
    const bool chooseAtOnce = head.forward && head.choice == Choice::ByTest;
    for (int position = head.window; position >= 1; --position) {
        const std::optional<int> number = context.history.numberAt(position);
        for (std::size_t i = 0; number && i < fields.size(); ++i) {
            if (!fieldCovers(table, BetField{kind, fields[i]}, *number)) {
                continue;
            }
            ++hits[i];
            if (chooseAtOnce) {
                if (const std::optional<int> chosen = firstPassing()) {
                    return chosen;
                }
            }
        }
    }
    if (fields.empty() || chooseAtOnce) {
        return std::nullopt;
    }
    switch (head.choice) {
    case Choice::Highest:
        return fields[static_cast<std::size_t>(std::max_element(hits.begin(), hits.end()) -
                                               hits.begin())];
    case Choice::Lowest:
        return fields[static_cast<std::size_t>(std::min_element(hits.begin(), hits.end()) -
                                               hits.begin())];
    default:
        return firstPassing();
    }
}

bool twoDigitsFollow(const LineScanner& line) {
    const std::string_view next = line.CurrentLine().substr(0, 2);
    return next.size() == 2 &&
           std::all_of(next.begin(), next.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// kind "RESULT" "SZ" set, where set is the same kind code alone or "CO" nn: the chosen field is
// bet, or its number goes into counter nn. Only the kinds of the table's fields (1-8) count.
bool chooseAndSet(StatementRun& run, const FunctionHead& head) {
    LineScanner& line = run.line;
    const std::string_view kindText = line.take(2);
    const std::optional<BetCode> code = betCodeFromText(kindText);
    const std::optional<BetKind> kind = code ? fieldKindOf(*code) : std::nullopt;
    if (!kind) {
        return line.fail(SystemMessage::RzKindNotAllowed, kindText);
    }
    if (twoDigitsFollow(line)) {
        return line.fail(SystemMessage::UzDirectNotAllowed, line.take(2));
    }
    line.skipBlanks();
    if (!line.accept("RESULT")) {
        return line.fail(SystemMessage::ResultExpected, line.takeUntil(" ;"));
    }
    line.skipBlanks();
    if (!line.accept("SZ")) {
        return line.fail(SystemMessage::SzExpected, line.takeUntil(" ;"));
    }
    line.skipBlanks();
    const std::string_view setText = line.take(2);
    std::optional<int> counter;
    if (setText == "CO") {
        counter = line.counterNumber();
        if (!counter) {
            return false;
        }
    } else if (setText != kindText) {
        return line.fail(SystemMessage::ResultActionMismatch, setText);
    } else if (twoDigitsFollow(line)) {
        // Only a choice after the count ("A", "H", "N") can name the position it leaves out;
        // after "F" a field with digits is simply not the kind code alone.
        return line.fail(head.forward ? SystemMessage::ResultActionMismatch
                                      : SystemMessage::RzPositionNotAllowed,
                         line.take(2));
    }
    const std::optional<int> chosen = chooseField(run.context, *kind, head);
    if (!chosen) {
        return true;
    }
    if (counter) {
        assignCounter(run, *counter, *chosen);
        return true;
    }
    return placeBet(run, BetItem{*code, *chosen}, setText);
}

} // namespace

bool statisticsFunction(StatementRun& run, bool search) {
    const std::optional<FunctionHead> head = readHead(run.line, search);
    if (!head) {
        return false;
    }
    if (search || head->choice != Choice::ByTest) {
        return chooseAndSet(run, *head);
    }
    return countHits(run, *head);
}

} // namespace quendra::statements
