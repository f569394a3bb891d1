#include "JsonReader.h"

#include <charconv>

namespace quendra::cli {
namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::variant<JsonValue, std::string> document() {
        JsonValue value;
        if (!parseValue(value, 0)) {
            return error_;
        }
        skipBlanks();
        if (at_ != text_.size()) {
            fail("text after the value");
            return error_;
        }
        return value;
    }

private:
    // Deeper nesting than any file we write: a guard against a stack overflow on hostile input.
    static constexpr int DeepestNesting = 64;

    bool fail(std::string_view what) {
        if (error_.empty()) {
            error_ = "character " + std::to_string(at_ + 1) + ": " + std::string(what);
        }
        return false;
    }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' ||
                                      text_[at_] == '\r' || text_[at_] == '\t')) {
            ++at_;
        }
    }

    bool take(char c) {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool word(std::string_view w) {
        if (text_.substr(at_, w.size()) != w) {
            return fail("unknown word");
        }
        at_ += w.size();
        return true;
    }

    bool parseValue(JsonValue& value, int depth) {
        if (depth > DeepestNesting) {
            return fail("nested too deeply");
        }
        skipBlanks();
        if (at_ >= text_.size()) {
            return fail("value expected");
        }
        switch (text_[at_]) {
        case '{':
            return parseObject(value, depth);
        case '[':
            return parseArray(value, depth);
        case '"':
            value.kind = JsonValue::Kind::String;
            return parseString(value.text);
        case 't':
        case 'f':
            value.kind = JsonValue::Kind::Bool;
            value.flag = text_[at_] == 't';
            return word(value.flag ? "true" : "false");
        case 'n':
            value.kind = JsonValue::Kind::Null;
            return word("null");
        default:
            return parseNumber(value);
        }
    }

    bool parseNumber(JsonValue& value) {
        const std::size_t start = at_;
        while (at_ < text_.size() &&
               std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos) {
            ++at_;
        }
        double number = 0.0;
        const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + at_, number);
        if (at_ == start || error != std::errc() || end != text_.data() + at_) {
            return fail("number expected");
        }
        value.kind = JsonValue::Kind::Number;
        value.text = std::string(text_.substr(start, at_ - start));
        return true;
    }

    bool parseString(std::string& out) {
        ++at_; // the opening quote
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (c == '\\') {
                if (at_ >= text_.size()) {
                    break;
                }
                if (!escape(text_[at_++], out)) {
                    return false;
                }
                continue;
            }
            out += c;
        }
        if (at_ >= text_.size()) {
            return fail("string not closed");
        }
        ++at_;
        return true;
    }

    // The escapes the writer produces; \u only below 0x80, which is all it writes.
    bool escape(char c, std::string& out) {
        switch (c) {
        case '"':
        case '\\':
        case '/':
            out += c;
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'u': {
            unsigned code = 0;
            const auto digits = text_.substr(at_, 4);
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), code, 16);
            if (digits.size() != 4 || error != std::errc() || end != digits.data() + 4 ||
                code >= 0x80) {
                return fail("unsupported \\u escape");
            }
            at_ += 4;
            out += static_cast<char>(code);
            return true;
        }
        default:
            return fail("unknown escape");
        }
    }

    bool parseArray(JsonValue& value, int depth) {
        ++at_;
        value.kind = JsonValue::Kind::Array;
        if (take(']')) {
            return true;
        }
        do {
            value.items.emplace_back();
            if (!parseValue(value.items.back(), depth + 1)) {
                return false;
            }
        } while (take(','));
        return take(']') || fail("',' or ']' expected");
    }

    bool parseObject(JsonValue& value, int depth) {
        ++at_;
        value.kind = JsonValue::Kind::Object;
        if (take('}')) {
            return true;
        }
        do {
            skipBlanks();
            std::string name;
            if (at_ >= text_.size() || text_[at_] != '"' || !parseString(name)) {
                return fail("name expected");
            }
            if (!take(':')) {
                return fail("':' expected");
            }
            value.members.emplace_back(std::move(name), JsonValue{});
            if (!parseValue(value.members.back().second, depth + 1)) {
                return false;
            }
        } while (take(','));
        return take('}') || fail("',' or '}' expected");
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string error_;
};

template <typename T>
std::optional<T> wholeNumber(const JsonValue& value) {
    if (value.kind != JsonValue::Kind::Number) {
        return std::nullopt;
    }
    T number{};
    const char* end = value.text.data() + value.text.size();
    const auto [stop, error] = std::from_chars(value.text.data(), end, number);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

} // namespace

const JsonValue* JsonValue::find(std::string_view name) const {
    for (const auto& [key, member] : members) {
        if (key == name) {
            return &member;
        }
    }
    return nullptr;
}

std::optional<std::int64_t> JsonValue::integer() const {
    return wholeNumber<std::int64_t>(*this);
}

std::optional<std::uint64_t> JsonValue::unsignedInteger() const {
    return wholeNumber<std::uint64_t>(*this);
}

std::variant<JsonValue, std::string> parseJson(std::string_view text) {
    return Parser(text).document();
}

} // namespace quendra::cli
