// libFuzzer target: arbitrary bytes as the values of a settings store, read back into the
// settings record; the record read must survive being written and read again unchanged.
#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"
#include "settings/StoredValue.h"
#include "support/FuzzSupport.h"

#include <string>
#include <vector>

namespace {

using namespace quendra;

constexpr std::chrono::year_month_day Today{std::chrono::year{2024}, std::chrono::month{3},
                                            std::chrono::day{5}};

// The keys the settings are written under, taken from the writer itself.
const std::vector<std::string>& settingsKeys() {
    static const std::vector<std::string> keys = [] {
        MemorySettingsStore store;
        WriteSettings(store, Settings{});
        std::vector<std::string> names;
        for (const auto& write : store.writes()) {
            names.push_back(write.key);
        }
        return names;
    }();
    return keys;
}

// A file counts as existing when its name is even in length: a fixed answer per name keeps
// each input's result the same, without touching the disk.
bool evenNameExists(const std::string& name) {
    return name.size() % 2 == 0;
}

// Each line is one value: its first byte picks the key (one past the last: "DisplayCol" of
// section "Daten"), the rest is the value as stored.
MemorySettingsStore storeOf(std::string_view text) {
    MemorySettingsStore store;
    const auto& keys = settingsKeys();
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty()) {
            continue;
        }
        const auto pick = static_cast<unsigned char>(line.front()) % (keys.size() + 1);
        const std::string value(line.substr(1));
        if (pick == keys.size()) {
            store.write(DataSection, "DisplayCol", value);
        } else {
            store.write(SettingsSection, keys[pick], value);
        }
    }
    return store;
}

void requireStoredValuesRoundTrip(std::string_view text) {
    if (const auto number = parseStoredInt(text)) {
        fuzz::require(parseStoredInt(std::to_string(*number)) == number,
                      "a stored integer reads back as itself");
    }
    if (const auto date = parseShortDate(text)) {
        fuzz::require(parseShortDate(shortDateText(*date)) == date,
                      "a stored date reads back as itself");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::textOf(data, size);
    requireStoredValuesRoundTrip(text);

    const MemorySettingsStore store = storeOf(text);
    Settings read;
    ReadSettings(store, read, Today, evenNameExists);
    readDisplayCol(store);
    fuzz::require(read.PlayerCount >= 1 && read.PlayerCount <= SettingsPlayerCount,
                  "the player count is one the game can index");
    fuzz::require(read.PieceValue >= 1, "the piece value can be divided by");

    MemorySettingsStore written;
    WriteSettings(written, read);
    Settings again;
    ReadSettings(written, again, Today, evenNameExists);
    fuzz::require(again == read, "settings written and read back are unchanged");
    return 0;
}
