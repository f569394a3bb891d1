// The results of `sessions` and `merge`: the players' figures as text or as one JSON object that
// also carries every session's record (which `merge` reads back), and the sessions as CSV rows.
#pragma once

#include "JsonReader.h"
#include "sessions/SessionRecord.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace quendra::cli {

void printSessionsText(std::ostream& out, const SessionRun& run);
void printSessionsJson(std::ostream& out, const SessionRun& run);

// One row per session and player: index, seed, player, result, turnover, minimum, maximum,
// coups, the stopping system message (0 for none), ruined, goal reached.
void writeSessionsCsv(std::ostream& out, const SessionRun& run);

// The run that printSessionsJson wrote; none when the value is not such a run.
std::optional<SessionRun> readSessionRun(const JsonValue& json);

} // namespace quendra::cli
