// The data display of the MESSAGE statement: the items as evaluated, and the text the host
// shows for them.
#pragma once

#include "text/Language.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

struct DataDisplayItem {
    enum class Kind {
        Text,      // a quoted text, shown without its quotes on a line of its own
        Value,     // a coup, counter, unit or single argument entry: `value`, "--" when none
        RiseTable, // `step`, and the table value at it unless the step is 0
        Arguments, // a range of argument entries, "--" for an empty one
    };

    Kind kind = Kind::Value;
    std::string written; // the item as written ("CO01", "AG(1..5)"); the text of a Text item
    std::string value;
    int step = 0;
    std::optional<int> stake;
    std::vector<std::string> entries;

    bool operator==(const DataDisplayItem&) const = default;
};

struct DataDisplay {
    std::vector<DataDisplayItem> items;

    bool operator==(const DataDisplay&) const = default;
};

// "Datenanzeige - Quendra" / "Data display - Quendra".
std::string dataDisplayCaption(Language language);

// The text of the box, lines separated by "\r": the player line, the file line with the system
// file's name without its folder, an empty line, then one line per item ("CO01 :  5"). A text
// item stands alone with an empty line before it (unless it comes first) and after it. A range
// of argument entries lists them separated by ",", with a line break after every tenth entry,
// and starts on a new line when it holds more than ten.
std::string dataDisplayText(const DataDisplay& display, int player, std::string_view systemFile,
                            Language language);

} // namespace quendra
