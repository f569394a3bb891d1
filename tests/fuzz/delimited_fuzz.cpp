// libFuzzer target: arbitrary bytes as a published record with separators, imported into a load
// file; the load file must hold exactly the coups reported, below an info line that never counts
// as coups, and every bad field reported must stand where the report says.
#include "permanence/CoupCounter.h"
#include "permanence/DelimitedImport.h"
#include "support/FuzzSupport.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quendra;

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool isCoupLine(std::string_view line) {
    if (line == "00") {
        return true;
    }
    if (line.empty() || line.size() > 2 || (line.size() == 2 && line[0] == '0')) {
        return false;
    }
    int number = 0;
    for (char c : line) {
        if (c < '0' || c > '9') {
            return false;
        }
        number = number * 10 + (c - '0');
    }
    return number <= 36;
}

// Below the info line, one coup per line, each ended by CR LF, as many as reported.
void requireLoadFile(const DelimitedText& result) {
    const std::string& load = result.load;
    const std::size_t infoEnd = load.find("\r\n");
    fuzz::require(infoEnd != std::string::npos, "the load file begins with its info line");
    std::size_t coups = 0;
    for (std::size_t start = infoEnd + 2; start < load.size();) {
        const std::size_t end = load.find("\r\n", start);
        fuzz::require(end != std::string::npos, "every coup line ends with CR LF");
        fuzz::require(isCoupLine(std::string_view(load).substr(start, end - start)),
                      "every line below the info line is one coup");
        ++coups;
        start = end + 2;
    }
    fuzz::require(coups == result.coups, "the load file holds the coups reported");
    std::istringstream in(load);
    fuzz::require(countCoups(in, 36) == static_cast<std::int64_t>(result.coups),
                  "the coup counter finds the coups reported, and none in the info line");
}

void requireBadFieldsWhereReported(std::string_view source, const DelimitedText& result) {
    fuzz::require(result.badFields.size() == std::min(result.badFieldCount, ReportedBadFields),
                  "the first bad fields are kept, all are counted");
    const std::vector<std::string_view> lines = linesOf(source);
    for (const BadField& bad : result.badFields) {
        fuzz::require(bad.line >= 1 && bad.line <= lines.size() && bad.column >= 1,
                      "a bad field's line and column lie in the file");
        const std::string_view line = lines[bad.line - 1];
        fuzz::require(bad.column - 1 < line.size(), "a bad field's column lies in its line");
        fuzz::require(!bad.text.empty() &&
                          line.substr(bad.column - 1).find(bad.text) != std::string_view::npos,
                      "a bad field's text stands at or after its column");
    }
}

} // namespace

// Layout: byte 0 the length of the info text (up to 15), then the info text, then the record.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::size_t infoLength = std::min<std::size_t>(data[0] & 15, size - 1);
    const std::string info(fuzz::textOf(data + 1, infoLength));
    const std::string source(fuzz::textOf(data + 1 + infoLength, size - 1 - infoLength));
    const DelimitedText result = convertDelimitedText(source, info);
    requireLoadFile(result);
    requireBadFieldsWhereReported(source, result);
    return 0;
}
