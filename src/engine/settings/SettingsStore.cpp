// The in-memory settings store.
#include "settings/SettingsStore.h"

namespace quendra {

std::optional<std::string> MemorySettingsStore::read(std::string_view section,
                                                     std::string_view key) const {
    const auto found = values_.find(std::pair{std::string(section), std::string(key)});
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void MemorySettingsStore::write(std::string_view section, std::string_view key,
                                const std::string& value) {
    values_[std::pair{std::string(section), std::string(key)}] = value;
    writes_.push_back({std::string(section), std::string(key), value});
}

} // namespace quendra
