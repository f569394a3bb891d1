// Conversion of permanence files in the layout of the casino Hamburg into load files, with a
// backup of the originals and a collect file listing the results (window `TKonvertierung`).
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace quendra {

class Game;

// The folder's entries that are not folders, names only, in name order; empty when the folder
// cannot be read.
std::vector<std::string> listConversionFolder(const std::filesystem::path& folder);

// The load file a source becomes: its name up to the first "." (all of it without one) + ".inp".
std::string convertedName(const std::string& sourceName);

// Converts one Hamburg file: lines 1-3 joined, each followed by a blank, as the first line;
// line 4 dropped; then one entry per line, trimmed, up to "====" or the end of the file: a whole
// number from 0 to highestNumber as it stands ("0" for both "0" and "00" with a French
// permanence), "--" for "----", and "Error" for anything else. Lines end in CR LF. Returns the
// number of "Error" lines written.
int convertHamburgFile(std::istream& in, std::ostream& out, int highestNumber,
                       bool frenchPermanence);

struct ConversionRequest {
    std::filesystem::path folder;   // `DirInfo`
    std::vector<std::string> files; // the listed names
    bool saveOriginals = true;      // `OriginalSAV`
    bool frenchPermanence = true;   // `Franz_Tisch`; false: `Ami_Tisch`
    bool createCollectFile = true;  // `SammelfileCreate`
    std::string collectName;        // `SammelNamenText`; empty: "SA1.SNP"
    std::string collectInfo;        // `SammelInfoText`
};

struct ConversionResult {
    std::vector<std::string> files; // converted names in place of their sources
    int remaining = 0;              // `Label3`: files not converted
    bool stopped = false;           // cancelled, or stopped by a file that failed
};

// `Convert_BU`. The originals are first copied into the folder's "sav" subfolder (question 2
// when it exists, error 20 when it cannot be created, error 21 when a copy fails; each cancels
// the conversion). Every listed file is converted and deleted once its output is written; an
// entry that is no number, "----" or "====" shows info 12 once for its file. A file is skipped,
// with info 12 and left as it is, when its output would overwrite itself, another listed file
// or an output of this run. A file that cannot be read or written shows info 12 and stops the
// conversion, keeping the file. Info 11 ends a conversion that ran through. The collect file
// (error 22 when it cannot be written) lists the converted names and the names of the files not
// converted, after a "//" line with the info text when there is one; it is written also after a
// cancel.
ConversionResult Convert_BU(Game& game, const ConversionRequest& request);

} // namespace quendra
