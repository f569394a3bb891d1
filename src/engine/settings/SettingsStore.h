// The per-user key-value store the settings persist in, and an in-memory store for tests.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quendra {

inline constexpr std::string_view SettingsSection = "Einstellungen";
inline constexpr std::string_view DataSection = "Daten";

// An ini-style store: values are strings under a section and a key. Reading a value that is not
// there gives nullopt; a value that cannot be written is lost without a report, as the settings
// never bother the user with store errors.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::optional<std::string> read(std::string_view section,
                                            std::string_view key) const = 0;
    virtual void write(std::string_view section, std::string_view key,
                       const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
    struct Write {
        std::string section;
        std::string key;
        std::string value;

        bool operator==(const Write&) const = default;
    };

    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    void write(std::string_view section, std::string_view key, const std::string& value) override;

    // Every write in the order it came, so that the order of a writer can be checked.
    const std::vector<Write>& writes() const { return writes_; }
    void clearWrites() { writes_.clear(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
    std::vector<Write> writes_;
};

} // namespace quendra
