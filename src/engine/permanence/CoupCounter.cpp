// The coup counter: a table-driven scanner equal in its results to splitting each number row
// and reading its tokens, but with no branch per byte, so that files of hundreds of megabytes
// count at memory speed.
#include "permanence/CoupCounter.h"

#include "settings/SettingsIo.h"

#include <array>
#include <fstream>
#include <istream>
#include <memory>
#include <vector>

namespace quendra {

namespace {

constexpr std::size_t ChunkSize = std::size_t{1} << 20;

// The scanner's state is the token read so far; a state that holds a valid number says which.
enum State : std::uint8_t {
    Between,   // before a token: line start or after a blank
    Sign,      // "-"
    Bad,       // no number: waits for the blank that ends it
    NegZero,   // "-0", "-00", ...: the number 0
    TooLarge,  // digits naming a number beyond the table, or below 0
    Comment,   // the line holds a character no number row holds: nothing on it counts
    FirstValue // FirstValue + v: digits naming v, from 0 to the table's highest number
};

constexpr bool isLineEnd(int c) {
    return c == '\n' || c == '\r';
}

// 1 for the bytes that end a token: a blank or a line end.
constexpr std::array<std::uint8_t, 256> TokenEnd = [] {
    std::array<std::uint8_t, 256> ends{};
    ends[' '] = ends['\n'] = ends['\r'] = 1;
    return ends;
}();

// The transition table of one table type: next state = next[state][byte].
class CoupAutomaton {
public:
    explicit CoupAutomaton(int highestNumber) : states_(FirstValue + highestNumber + 1) {
        next_.resize(static_cast<std::size_t>(states_) * 256);
        valid_.assign(static_cast<std::size_t>(states_), 0);
        valid_[NegZero] = 1;
        for (int v = 0; v <= highestNumber; ++v) {
            valid_[static_cast<std::size_t>(FirstValue + v)] = 1;
        }
        for (int state = 0; state < states_; ++state) {
            for (int c = 0; c < 256; ++c) {
                next_[index(state, c)] = transition(state, c, highestNumber);
            }
        }
    }

    std::uint8_t next(std::uint8_t state, unsigned char c) const { return next_[index(state, c)]; }
    // 1 when the state holds a number of the table: the token counts where it ends.
    std::uint8_t valid(std::uint8_t state) const { return valid_[state]; }

private:
    static std::size_t index(int state, int c) {
        return static_cast<std::size_t>(state) * 256 + static_cast<std::size_t>(c);
    }

    static std::uint8_t transition(int state, int c, int highest) {
        if (isLineEnd(c)) {
            return Between;
        }
        if (state == Comment || !isNumberRowByte(static_cast<char>(c))) {
            return Comment;
        }
        if (c == ' ') {
            return Between;
        }
        if (c == '-') {
            return state == Between ? Sign : Bad;
        }
        const int digit = c - '0';
        switch (state) {
        case Between:
            return static_cast<std::uint8_t>(FirstValue + digit);
        case Sign:
        case NegZero:
            return digit == 0 ? NegZero : TooLarge;
        case Bad:
        case TooLarge:
            return static_cast<std::uint8_t>(state);
        default: {
            const int value = (state - FirstValue) * 10 + digit;
            return static_cast<std::uint8_t>(value <= highest ? FirstValue + value : TooLarge);
        }
        }
    }

    int states_;
    std::vector<std::uint8_t> next_;
    std::vector<std::uint8_t> valid_;
};

class CoupScanner {
public:
    CoupScanner(int highestNumber, std::size_t heldLineLimit)
        : automaton_(highestNumber), limit_(heldLineLimit) {}

    void scan(const unsigned char* begin, const unsigned char* end) {
        // A stretch in which no token can end beyond the held part of its line needs no offsets.
        if (offset_ + static_cast<std::size_t>(end - begin) <= limit_) {
            scanWithinLimit(begin, end);
        } else {
            scanWithOffsets(begin, end);
        }
    }

    std::int64_t finish() {
        const unsigned char lineEnd = '\n';
        scanWithOffsets(&lineEnd, &lineEnd + 1);
        return total_;
    }

private:
    void scanWithinLimit(const unsigned char* begin, const unsigned char* end) {
        std::uint8_t state = state_;
        std::int64_t lineCoups = lineCoups_;
        const unsigned char* lineStart = nullptr;
        for (const unsigned char* p = begin; p != end; ++p) {
            const unsigned char c = *p;
            // A blank or a line end ends the token before it.
            lineCoups += automaton_.valid(state) & TokenEnd[c];
            if (isLineEnd(c)) {
                total_ += state == Comment ? 0 : lineCoups;
                lineCoups = 0;
                lineStart = p + 1;
            }
            state = automaton_.next(state, c);
        }
        state_ = state;
        lineCoups_ = lineCoups;
        offset_ = lineStart != nullptr ? static_cast<std::size_t>(end - lineStart)
                                       : offset_ + static_cast<std::size_t>(end - begin);
    }

    void scanWithOffsets(const unsigned char* begin, const unsigned char* end) {
        std::uint8_t state = state_;
        std::int64_t lineCoups = lineCoups_;
        std::size_t offset = offset_;
        for (const unsigned char* p = begin; p != end; ++p) {
            const unsigned char c = *p;
            // The offset is where the token before this byte ends.
            lineCoups +=
                automaton_.valid(state) & TokenEnd[c] & static_cast<std::uint8_t>(offset <= limit_);
            ++offset;
            if (isLineEnd(c)) {
                total_ += state == Comment ? 0 : lineCoups;
                lineCoups = 0;
                offset = 0;
            }
            state = automaton_.next(state, c);
        }
        state_ = state;
        lineCoups_ = lineCoups;
        offset_ = offset;
    }

    CoupAutomaton automaton_;
    std::size_t limit_;
    std::int64_t total_ = 0;
    std::uint8_t state_ = Between;
    std::int64_t lineCoups_ = 0;
    std::size_t offset_ = 0; // bytes of the current line before the byte being read
};

} // namespace

std::int64_t countCoups(std::istream& in, int highestNumber, std::size_t heldLineLimit) {
    std::streambuf* source = in.rdbuf();
    if (source == nullptr) {
        return 0;
    }
    CoupScanner scanner(highestNumber, heldLineLimit);
    const auto chunk = std::make_unique<char[]>(ChunkSize);
    for (;;) {
        const std::streamsize got =
            source->sgetn(chunk.get(), static_cast<std::streamsize>(ChunkSize));
        if (got <= 0) {
            break;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(chunk.get());
        scanner.scan(bytes, bytes + got);
    }
    return scanner.finish();
}

std::optional<std::int64_t> CountCupsonFile(const std::filesystem::path& name, int highestNumber) {
    if (!isExistingFile(name.string())) {
        return std::nullopt;
    }
    std::ifstream in(name, std::ios::in | std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    return countCoups(in, highestNumber);
}

} // namespace quendra
