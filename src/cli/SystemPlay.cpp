#include "SystemPlay.h"

namespace quendra::cli {

std::optional<UsageError> systemPlayUsage(const SimulateOptions& options) {
    if (!options.systems.empty() || !options.protocols.empty()) {
        return UsageError{"system play not available"};
    }
    return std::nullopt;
}

void activateSystems(Game&, const SimulateOptions&) {}

} // namespace quendra::cli
