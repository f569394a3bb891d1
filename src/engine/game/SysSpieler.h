// `TSysSpieler`: a player's system-play assignment — system file, protocol file, flags, counters.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quendra {

struct SysSpieler {
    std::string SystemFile;
    // Modification time of the system file when it last passed the pre-check; 0 when none.
    double RecordedTime = 0.0;
    std::string ProtocolFile;
    bool TimeUpdated = false;
    bool HeaderWritten = false;
    bool SystemActive = false;
    bool ProtocolActive = false;
    // Only the second (stake of the last coup), fourth (coups won) and fifth (coups lost or
    // even) are kept by the program.
    std::array<std::int32_t, 5> Counters{};
};

} // namespace quendra
