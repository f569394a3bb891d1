// The submenus of the statistics entries: "Tabelle" and "Grafik" below "Statistik", and the
// analysis menu's "Statistik" with its own table and graphs. Each leaf names the table view or the
// graph kind it opens; the app hangs the submenus below the main menu's entries.
#pragma once

#include "statistics/StatisticsView.h"
#include "text/Language.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quendra {

enum class StatisticsMenuAction : std::uint8_t {
    Submenu,
    Table, // opens the table window; tag: the view (1-3)
    Graph, // opens the graph window; tag: the graph kind (1-5, 11-15, 21-25)
    // The other statistics windows; tag: the statistics shown, 1 the game's, 2 the analysis'.
    Frequency,
    FollowNumbers,
    ExtendedBets, // the game's only
    WheelDistribution,
    DynamicWheelDistribution,
    DayPermanence,
};

inline constexpr int GameStatisticsTag = 1;
inline constexpr int AnalysisStatisticsTag = 2;

constexpr StatisticsSource statisticsSourceOfTag(int tag) {
    return tag == AnalysisStatisticsTag ? StatisticsSource::Analysis : StatisticsSource::Game;
}
constexpr int statisticsTagOf(StatisticsSource source) {
    return source == StatisticsSource::Analysis ? AnalysisStatisticsTag : GameStatisticsTag;
}

struct StatisticsMenuEntry {
    std::string_view parent; // a main menu entry or a submenu of this table
    std::string_view objectName;
    BilingualText caption;
    StatisticsMenuAction action;
    int tag = 0;
};

inline constexpr BilingualText HowOftenMenuCaption{"Wie oft?", "How often?"};
inline constexpr BilingualText SinceNotMenuCaption{"Seit wann nicht?", "Since which time not?"};
inline constexpr BilingualText TableMenuCaption{"Tabelle", "Table"};
inline constexpr BilingualText GraphMenuCaption{"Grafik", "Graphic"};
inline constexpr BilingualText WheelDistributionMenuCaption{"Kesselverteilung",
                                                            "Wheeldistribution"};
inline constexpr BilingualText DynamicWheelDistributionMenuCaption{"dyn. Kesselverteilung",
                                                                   "dyn. Wheeldistribution"};
inline constexpr BilingualText ExtendedBetsMenuCaption{"Erw. Setzmöglichkeiten", "Extended bets"};
inline constexpr BilingualText FrequencyMenuCaption{"Häufigkeit", "Frequency"};
inline constexpr BilingualText FollowNumbersMenuCaption{"Folgezahlen", "Following numbers"};

// The five sections of a graph submenu, in the order of their kinds' last digit.
inline constexpr std::array<BilingualText, 5> GraphSectionCaptions{{
    {"Einfache Chancen", "Even Money Bets"},
    {"Plein", "Plein"},
    {"Cheval", "Cheval"},
    {"Carre", "Carre"},
    {"Transversale Plein/Simple", "Transversale Plein/Simple"},
}};

namespace detail {
constexpr StatisticsMenuEntry graphEntry(std::string_view parent, std::string_view name, int kind) {
    return {parent, name, GraphSectionCaptions[static_cast<std::size_t>(kind % 10 - 1)],
            StatisticsMenuAction::Graph, kind};
}
} // namespace detail

inline constexpr std::array StatisticsMenuEntries{
    StatisticsMenuEntry{"Tabelle1", "Wieoft1", HowOftenMenuCaption, StatisticsMenuAction::Table, 1},
    StatisticsMenuEntry{"Tabelle1", "Seitwannnicht1", SinceNotMenuCaption,
                        StatisticsMenuAction::Table, 2},
    StatisticsMenuEntry{"Tabelle1", "Erw_Setzmoeglichkeit1", ExtendedBetsMenuCaption,
                        StatisticsMenuAction::ExtendedBets, GameStatisticsTag},
    StatisticsMenuEntry{"Tabelle1", "Haeufigkeit1", FrequencyMenuCaption,
                        StatisticsMenuAction::Frequency, GameStatisticsTag},
    StatisticsMenuEntry{"Tabelle1", "Folgezahlen1", FollowNumbersMenuCaption,
                        StatisticsMenuAction::FollowNumbers, GameStatisticsTag},
    StatisticsMenuEntry{"Grafik1", "GrafikWieoft1", HowOftenMenuCaption,
                        StatisticsMenuAction::Submenu},
    detail::graphEntry("GrafikWieoft1", "Diagramm1", 1),
    detail::graphEntry("GrafikWieoft1", "Diagramm2", 2),
    detail::graphEntry("GrafikWieoft1", "Diagramm3", 3),
    detail::graphEntry("GrafikWieoft1", "Diagramm4", 4),
    detail::graphEntry("GrafikWieoft1", "Diagramm5", 5),
    StatisticsMenuEntry{"Grafik1", "GrafikSeitwannnicht1", SinceNotMenuCaption,
                        StatisticsMenuAction::Submenu},
    detail::graphEntry("GrafikSeitwannnicht1", "Diagramm11", 11),
    detail::graphEntry("GrafikSeitwannnicht1", "Diagramm12", 12),
    detail::graphEntry("GrafikSeitwannnicht1", "Diagramm13", 13),
    detail::graphEntry("GrafikSeitwannnicht1", "Diagramm14", 14),
    detail::graphEntry("GrafikSeitwannnicht1", "Diagramm15", 15),
    StatisticsMenuEntry{"AStatistik1", "ATabelle1", TableMenuCaption,
                        StatisticsMenuAction::Submenu},
    StatisticsMenuEntry{"ATabelle1", "Wieoft3", HowOftenMenuCaption, StatisticsMenuAction::Table,
                        3},
    StatisticsMenuEntry{"ATabelle1", "AHaeufigkeit1", FrequencyMenuCaption,
                        StatisticsMenuAction::Frequency, AnalysisStatisticsTag},
    StatisticsMenuEntry{"ATabelle1", "AFolgezahlen1", FollowNumbersMenuCaption,
                        StatisticsMenuAction::FollowNumbers, AnalysisStatisticsTag},
    StatisticsMenuEntry{"AStatistik1", "AGrafik1", GraphMenuCaption, StatisticsMenuAction::Submenu},
    StatisticsMenuEntry{"AStatistik1", "AKesselverteilung1", WheelDistributionMenuCaption,
                        StatisticsMenuAction::WheelDistribution, AnalysisStatisticsTag},
    StatisticsMenuEntry{"AStatistik1", "ADynKesselverteilung1", DynamicWheelDistributionMenuCaption,
                        StatisticsMenuAction::DynamicWheelDistribution, AnalysisStatisticsTag},
    StatisticsMenuEntry{"AGrafik1", "AGrafikWieoft1", HowOftenMenuCaption,
                        StatisticsMenuAction::Submenu},
    detail::graphEntry("AGrafikWieoft1", "Diagramm21", 21),
    detail::graphEntry("AGrafikWieoft1", "Diagramm22", 22),
    detail::graphEntry("AGrafikWieoft1", "Diagramm23", 23),
    detail::graphEntry("AGrafikWieoft1", "Diagramm24", 24),
    detail::graphEntry("AGrafikWieoft1", "Diagramm25", 25),
};

// The main menu's own entries that open a statistics window.
struct StatisticsWindowEntry {
    std::string_view objectName; // an entry of the main menu
    StatisticsMenuAction action;
    int tag = 0;
};

inline constexpr std::array StatisticsWindowEntries{
    StatisticsWindowEntry{"Tag1", StatisticsMenuAction::DayPermanence, GameStatisticsTag},
    StatisticsWindowEntry{"APermanenz1", StatisticsMenuAction::DayPermanence,
                          AnalysisStatisticsTag},
    StatisticsWindowEntry{"Kesselverteilung1", StatisticsMenuAction::WheelDistribution,
                          GameStatisticsTag},
    StatisticsWindowEntry{"DynKesselverteilung1", StatisticsMenuAction::DynamicWheelDistribution,
                          GameStatisticsTag},
};

} // namespace quendra
