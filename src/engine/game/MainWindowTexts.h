// The captions of the main window's buttons and labels beside the menu.
#pragma once

#include "bets/ExtendedBets.h"
#include "text/Language.h"

#include <array>
#include <string_view>

namespace quendra {

struct ExtendedBetButton {
    ExtendedBet tag;
    std::string_view objectName;
    BilingualText caption;
};

// The eight extended-bet buttons in tag order.
inline constexpr std::array<ExtendedBetButton, ExtendedBetCount> ExtendedBetButtons{{
    {ExtendedBet::GrosseSerie, "BoGSSerie", {"große Serie", "big series"}},
    {ExtendedBet::KleineSerie, "BoKSSerie", {"kleine Serie", "small series"}},
    {ExtendedBet::Orphelins, "BoOrphelins", {"Orphelins", "Orphelins"}},
    {ExtendedBet::Finale, "BoFinale", {"Finale", "Finale"}},
    {ExtendedBet::Zerospiel, "BoZeroS", {"Zerospiel", "Zerogame"}},
    {ExtendedBet::OneNeighbour, "BoENachbarn", {"ein Nachbar", "one neighbour"}},
    {ExtendedBet::TwoNeighbours, "BoZNachbarn", {"zwei Nachbarn", "two neighbours"}},
    {ExtendedBet::ThreeNeighbours, "BoDNachbarn", {"drei Nachbarn", "three neighbours"}},
}};

// The buttons `BU_Replay` and `BU_Superkurzspiel` carry the captions of their menu entries.
inline constexpr BilingualText ReplayActiveText{"Replay aktiv!", "Replay active!"};
inline constexpr BilingualText SuperShortActiveText{"Superkurzspiel aktiv!",
                                                    "Supershortgame active!"};

} // namespace quendra
