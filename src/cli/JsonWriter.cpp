#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace quendra::cli {

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!filled_.empty()) {
        if (filled_.back()) {
            out_ << ',';
        }
        filled_.back() = true;
    }
}

void JsonWriter::beginObject() {
    separate();
    out_ << '{';
    filled_.push_back(false);
}

void JsonWriter::endObject() {
    filled_.pop_back();
    out_ << '}';
}

void JsonWriter::beginArray() {
    separate();
    out_ << '[';
    filled_.push_back(false);
}

void JsonWriter::endArray() {
    filled_.pop_back();
    out_ << ']';
}

void JsonWriter::key(std::string_view name) {
    separate();
    out_ << jsonString(name) << ':';
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    separate();
    out_ << jsonString(text);
}

void JsonWriter::value(std::int64_t number) {
    separate();
    out_ << number;
}

void JsonWriter::value(double number) {
    separate();
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, number);
    const bool written = std::isfinite(number) && error == std::errc();
    out_ << (written ? std::string_view(text, static_cast<std::size_t>(end - text))
                     : std::string_view("null"));
}

void JsonWriter::value(std::uint64_t number) {
    separate();
    out_ << number;
}

void JsonWriter::null() {
    separate();
    out_ << "null";
}

void JsonWriter::value(bool flag) {
    separate();
    out_ << (flag ? "true" : "false");
}

} // namespace quendra::cli
