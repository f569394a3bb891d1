// libFuzzer target: arbitrary bytes as a Hamburg permanence file, converted in memory and, on
// request, through the conversion of a folder; the result must be a sound load file.
#include "permanence/Conversion.h"
#include "permanence/LineReader.h"
#include "permanence/PermanenceSyntax.h"
#include "support/FuzzSupport.h"
#include "table/Table.h"

#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace quendra;

// The first line is the header; every later line is an entry of the table, a day separator or
// "Error", and the "Error" lines are as many as reported.
void requireSoundLoadFile(const std::string& converted, int highest, int errors) {
    std::istringstream in(converted);
    LineReader lines(in);
    std::string line;
    fuzz::require(lines.next(line), "the converted file has its header line");
    int errorLines = 0;
    while (lines.next(line)) {
        if (line == "Error") {
            ++errorLines;
            continue;
        }
        fuzz::require(line == "--" || tokenNumber(readToken(line), highest) >= 0,
                      "each converted entry is a coup or a separator");
    }
    fuzz::require(errorLines == errors, "the errors reported are the Error lines written");
}

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void convertInFolder(const std::string& source, const std::string& expected, TableType table,
                     bool french) {
    const std::filesystem::path folder = fuzz::scratchFolder() / "convert";
    std::filesystem::create_directories(folder);
    {
        std::ofstream out(folder / "HAMBURG.TXT", std::ios::binary | std::ios::trunc);
        out << source;
    }
    fuzz::FuzzGame g(table);
    ConversionRequest request;
    request.folder = folder;
    request.files = listConversionFolder(folder);
    request.saveOriginals = false;
    request.frenchPermanence = french;
    const ConversionResult result = Convert_BU(g.game, request);
    fuzz::require(result.remaining == 0 && !result.stopped, "a readable file is converted");
    fuzz::require(readWhole(folder / convertedName("HAMBURG.TXT")) == expected,
                  "the folder's conversion writes what the file's conversion gives");
    std::filesystem::remove_all(folder);
}

} // namespace

// Layout: byte 0 the table (bit 0), French permanence (bit 1), and whether the folder's
// conversion runs too (bit 2); then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const TableType table = (data[0] & 1) ? TableType::American : TableType::French;
    const bool french = (data[0] & 2) != 0;
    const std::string source(fuzz::textOf(data + 1, size - 1));
    std::istringstream in(source);
    std::ostringstream out;
    const int errors = convertHamburgFile(in, out, highestNumber(table), french);
    requireSoundLoadFile(out.str(), highestNumber(table), errors);
    if ((data[0] & 4) != 0) {
        convertInFolder(source, out.str(), table, french);
    }
    return 0;
}
