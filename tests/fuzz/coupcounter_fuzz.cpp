// libFuzzer target: arbitrary bytes as a permanence file, counted by the coup counter and, as
// the reference, split into lines and tokens the way the readers take them; both counts must
// agree, for a small held-line limit too.
#include "permanence/CoupCounter.h"
#include "permanence/PermanenceSyntax.h"
#include "support/FuzzSupport.h"
#include "table/Table.h"

#include <sstream>
#include <string>

namespace {

using namespace quendra;

std::int64_t coupsByTokens(const std::string& text, int highest, std::size_t heldLineLimit) {
    std::istringstream in(text);
    LineReader lines(in, heldLineLimit);
    std::int64_t coups = 0;
    std::string line;
    while (lines.next(line)) {
        if (!lines.numberRow()) {
            continue;
        }
        std::string_view rest = trimBlanks(line);
        while (!rest.empty()) {
            coups += tokenNumber(readToken(takeToken(rest)), highest) >= 0 ? 1 : 0;
        }
    }
    return coups;
}

} // namespace

// Layout: byte 0 the table (bit 0) and the held-line limit (the other bits, 1 to 128), then
// the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const int highest = highestNumber((data[0] & 1) ? TableType::American : TableType::French);
    const std::size_t limit = static_cast<std::size_t>(data[0] >> 1) + 1;
    const std::string text(fuzz::textOf(data + 1, size - 1));

    std::istringstream limited(text);
    fuzz::require(countCoups(limited, highest, limit) == coupsByTokens(text, highest, limit),
                  "the count within a held-line limit equals the tokens the readers take");

    const auto file = fuzz::writeScratchFile("COUNT.INP", text);
    const auto counted = CountCupsonFile(file, highest);
    fuzz::require(counted && *counted == coupsByTokens(text, highest, HeldLineLimit),
                  "the count of a file equals the tokens the readers take");
    return 0;
}
