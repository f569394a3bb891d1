// The captions of the conversion window `TKonvertierung` and the filter of its file dialog.
#pragma once

#include "text/FileDialogFilter.h"
#include "text/Language.h"

#include <array>

namespace quendra {

inline constexpr BilingualText ConversionCaption{"Konvertierung", "Conversion"};
inline constexpr BilingualText CasinoGroupCaption{"Casino", "Casino"};
inline constexpr BilingualText HamburgCaption{"Hamburg", "Hamburg"};
inline constexpr BilingualText DelimitedCaption{"Textdatei mit Trennzeichen",
                                                "Text file with separators"};
inline constexpr BilingualText FolderCaption{"Permanenz Verzeichnis", "Permanence folder"};
inline constexpr BilingualText FilesFoundCaption{"Files gefunden:", "Files found:"};
inline constexpr BilingualText SaveOriginalsCaption{"Originale sichern", "Save originals"};
inline constexpr BilingualText FrenchPermanenceCaption{"Franz. Permanenz", "French permanence"};
inline constexpr BilingualText AmericanPermanenceCaption{"Amer. Permanenz", "American permanence"};
inline constexpr BilingualText CreateCollectFileCaption{"Sammelladefile anlegen",
                                                        "Create collect load file"};
inline constexpr BilingualText CollectNameCaption{"Sammelladedatei Namen",
                                                  "Collect load file name"};
inline constexpr BilingualText CollectInfoCaption{"Sammelladedatei Info", "Collect load file info"};
inline constexpr BilingualText TextFileCaption{"Textdatei (Coups durch , ; Tab oder Leerzeichen "
                                               "getrennt)",
                                               "Text file (coups separated by , ; tab or blank)"};
inline constexpr BilingualText InfoLineCaption{"Info-Zeile der Ladedatei (leer: Dateiname)",
                                               "Info line of the load file (empty: file name)"};
inline constexpr BilingualText ConvertCaption{"Convert", "Convert"};
inline constexpr BilingualText ConversionCancelCaption{"Cancel", "Cancel"};

inline constexpr std::array<FileDialogFilter, 2> DelimitedFileFilters{{
    {"Textfile", "*.txt *.TXT *.csv *.CSV"},
    {"ALL", "*.*"},
}};

} // namespace quendra
