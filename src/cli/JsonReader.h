// Reading back the JSON the commands write: a value tree with numbers kept as their text, so
// that 64-bit integers come back exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quendra::cli {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool flag = false;
    std::string text; // a number as written, or a string's characters
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member of an object; nullptr when there is none or this is no object.
    const JsonValue* find(std::string_view name) const;
    std::optional<std::int64_t> integer() const;
    std::optional<std::uint64_t> unsignedInteger() const;
};

// The value the text holds, or why it holds none ("line 1, character 17: ...").
std::variant<JsonValue, std::string> parseJson(std::string_view text);

} // namespace quendra::cli
