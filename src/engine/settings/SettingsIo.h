// Reading the settings record from its store and writing it back.
#pragma once

#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <chrono>
#include <functional>
#include <string>

namespace quendra {

// Whether a stored file name still names a file.
using FileExistsCheck = std::function<bool(const std::string& fileName)>;

// A regular file (a link to one counts) that exists now; never throws. A name holding a NUL
// byte names no file.
bool isExistingFile(const std::string& fileName);

// Fills every persisted field of section "Einstellungen" from the store. A missing value, an
// integer that does not parse and a number outside the 32-bit range take the field's default.
// Beyond that:
//  - "SpracheVar" other than 0 reads as 1 (English); "Tisch" 0 is the French table, any other
//    value the American one;
//  - "AuUp_NeDat" that is "0" or no valid "dd.mm.yyyy" date gives `today`;
//  - values the game indexes, divides or reckons money with take their defaults outside the
//    range the options dialog allows: `PlayerCount` 1-4, `InitialCapital` 0-5000000, `TipRule`
//    0-2, `PieceValue` 1-1000, `UpdateInterval` 0-4; every other integer is kept as stored
//    (`ResolutionIndex` names a display mode of this machine: its user checks it);
//  - strings are kept whole, however long;
//  - `TimeBarDelay` is kept as stored: the game runs with timeBarDelayInUse;
//  - `MainLoadFile` and each follow slot are emptied when their file no longer exists
//    (`CollectLoadFile` is kept as stored).
// `DisplayCol` and the fields that are not persisted keep their values.
//
// The caller, which owns the game state, then still has to:
//  1. set every player's `StartCapital` to `InitialCapital`;
//  2. show or hide the dolly according to `ShowDolly`;
//  3. for each player with a `SystemFile`: hand it to that player's system slot and check it,
//     dropping the name when the check fails; when it passes and an `OutputFile` is set, check
//     that the same way.
void ReadSettings(const SettingsStore& store, Settings& settings, std::chrono::year_month_day today,
                  const FileExistsCheck& fileExists = isExistingFile);

// Writes every persisted field to section "Einstellungen", ending with "Tisch" (0 French,
// 1 American). Booleans are "0" or "1", integers decimal, `Language` 0 or 1, the date
// "dd.mm.yyyy" ("0" while it is not a valid date, which reads back as today).
void WriteSettings(SettingsStore& store, const Settings& settings);

// Section "Daten", value "DisplayCol": whether the colour-depth check at start-up has run.
bool readDisplayCol(const SettingsStore& store);
void writeDisplayCol(SettingsStore& store, bool displayCol);

} // namespace quendra
