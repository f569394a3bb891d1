// A small streaming JSON writer for the command results: objects, arrays, strings and numbers,
// written compactly on one line.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendra::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next value inside an object.
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(std::int64_t number);
    void value(int number) { value(static_cast<std::int64_t>(number)); }
    void value(bool flag);
    // The shortest text that reads back as the same number.
    void value(double number);
    void value(std::uint64_t number);
    void null();

    // key(name) followed by value(v).
    template <typename T>
    void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }
    // key(name) followed by the value, or by null when there is none.
    template <typename T>
    void field(std::string_view name, const std::optional<T>& v) {
        key(name);
        if (v) {
            value(*v);
        } else {
            null();
        }
    }

private:
    void separate();

    std::ostream& out_;
    // One entry per open object or array: whether it holds a value yet.
    std::vector<bool> filled_;
    bool afterKey_ = false;
};

// The text as a JSON string literal, quotes included; the text is taken as UTF-8.
std::string jsonString(std::string_view text);

} // namespace quendra::cli
