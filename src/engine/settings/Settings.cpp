// Defaults of the settings record and the time-bar delay rule.
#include "settings/Settings.h"

namespace quendra {

void SetDefaults(Settings& settings, bool clearFiles) {
    const Settings defaults;
    settings.PlayerCount = defaults.PlayerCount;
    settings.InitialCapital = defaults.InitialCapital;
    settings.StatComment = defaults.StatComment;
    settings.ClickSound = defaults.ClickSound;
    settings.YearStatistics = defaults.YearStatistics;
    settings.ExtendedStatistics = defaults.ExtendedStatistics;
    settings.WinPiecesToProfit = defaults.WinPiecesToProfit;
    settings.TipRule = defaults.TipRule;
    settings.TimeBarDelay = defaults.TimeBarDelay;
    settings.Language = defaults.Language;
    settings.ManualTimeBar = defaults.ManualTimeBar;
    settings.StartScreenOff = defaults.StartScreenOff;
    settings.ReplayStop = defaults.ReplayStop;
    settings.ShowSyntax = defaults.ShowSyntax;
    settings.ShowDolly = defaults.ShowDolly;
    settings.ShowSelection = defaults.ShowSelection;
    if (clearFiles) {
        settings.PlayerFiles = defaults.PlayerFiles;
        settings.MainLoadFile.clear();
        settings.FollowLoadFiles = defaults.FollowLoadFiles;
    }
}

int timeBarDelayInUse(int storedDelay) {
    constexpr int fallbackDelay = 50;
    return storedDelay >= 0 && storedDelay <= 100 ? storedDelay : fallbackDelay;
}

int timeBarLimit(int storedDelay) {
    constexpr int ticksPerPercent = 30;
    const int limit = ticksPerPercent * timeBarDelayInUse(storedDelay);
    return limit == 0 ? 1 : limit;
}

} // namespace quendra
