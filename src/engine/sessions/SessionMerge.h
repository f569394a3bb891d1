// Joining the runs of parts of one batch, played apart (other processes, other machines), into
// the run of the whole batch. The runs keep every session's record, so the join is exact: the
// figures of the merged run are those of one run over all its sessions.
#pragma once

#include "sessions/SessionRecord.h"

#include <string>
#include <variant>
#include <vector>

namespace quendra {

// The whole run, or why the parts do not make one: they differ in seed, coups, goal, table,
// players or set-up; a part is incomplete; two parts hold the same session; or sessions between
// them are missing.
std::variant<SessionRun, std::string> mergeSessionRuns(std::vector<SessionRun> parts);

} // namespace quendra
