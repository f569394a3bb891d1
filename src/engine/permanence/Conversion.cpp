// The Hamburg conversion: per file a streaming rewrite, around it the backup, the guards against
// overwriting and the collect file.
#include "permanence/Conversion.h"

#include "game/Game.h"
#include "permanence/LineReader.h"
#include "permanence/PermanenceSyntax.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <system_error>

namespace quendra {

namespace {

namespace fs = std::filesystem;

constexpr const char* LineEnd = "\r\n";

// Blanks, tabs and other control characters around an entry are no part of it.
std::string_view trimEntry(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return text;
}

// Names compare without case: on the systems the files come from, "A.INP" and "a.inp" are one.
class NameSet {
public:
    void add(const std::string& name) { names_.insert(lowerCase(name)); }
    void remove(const std::string& name) {
        const auto it = names_.find(lowerCase(name));
        if (it != names_.end()) {
            names_.erase(it);
        }
    }
    bool holds(const std::string& name) const { return names_.count(lowerCase(name)) != 0; }

private:
    std::multiset<std::string> names_; // two sources may differ in case only
};

bool saveOriginals(Game& game, const ConversionRequest& request) {
    const fs::path backup = request.folder / "sav";
    std::error_code ec;
    if (fs::exists(backup, ec)) {
        if (!game.askQuestion(2)) {
            return false;
        }
    } else if (!fs::create_directory(backup, ec) || ec) {
        game.showError(20);
        return false;
    }
    for (const std::string& name : request.files) {
        fs::copy_file(request.folder / name, backup / name, fs::copy_options::overwrite_existing,
                      ec);
        if (ec) {
            game.showError(21);
            return false;
        }
    }
    return true;
}

enum class FileOutcome { Converted, Failed };

FileOutcome convertOne(Game& game, const ConversionRequest& request, const std::string& name,
                       const std::string& output) {
    std::ifstream in(request.folder / name, std::ios::in | std::ios::binary);
    if (!in.is_open()) {
        return FileOutcome::Failed;
    }
    std::ofstream out(request.folder / output, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        return FileOutcome::Failed;
    }
    const int errors =
        convertHamburgFile(in, out, game.state().table.HighestNumber, request.frenchPermanence);
    out.flush();
    const bool written = out.good();
    out.close();
    if (!written || out.fail()) {
        return FileOutcome::Failed;
    }
    if (errors > 0) {
        game.showInfo(12, name);
    }
    in.close();
    std::error_code ec;
    fs::remove(request.folder / name, ec);
    return FileOutcome::Converted;
}

void writeCollectFile(Game& game, const ConversionRequest& request,
                      const std::vector<std::string>& files) {
    const fs::path name = request.folder / (request.collectName.empty() ? std::string("SA1.SNP")
                                                                        : request.collectName);
    std::ofstream out(name, std::ios::out | std::ios::binary | std::ios::trunc);
    if (out.is_open()) {
        if (!request.collectInfo.empty()) {
            out << "//" << request.collectInfo << LineEnd;
        }
        for (const std::string& file : files) {
            out << file << LineEnd;
        }
        out.flush();
    }
    if (!out.is_open() || !out.good()) {
        game.showError(22);
    }
}

} // namespace

std::vector<std::string> listConversionFolder(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statusError;
        if (!it->is_directory(statusError)) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string convertedName(const std::string& sourceName) {
    return sourceName.substr(0, sourceName.find('.')) + ".inp";
}

int convertHamburgFile(std::istream& in, std::ostream& out, int highestNumber,
                       bool frenchPermanence) {
    LineReader lines(in);
    std::string line;
    std::string header;
    for (int i = 0; i < 3; ++i) {
        header += lines.next(line) ? line : std::string();
        header += ' ';
    }
    lines.next(line);
    out << header << LineEnd;
    int errors = 0;
    while (lines.next(line)) {
        const std::string_view entry = trimEntry(line);
        if (entry == "====") {
            break;
        }
        if (entry == "----") {
            out << "--" << LineEnd;
        } else if (tokenNumber(readToken(entry), highestNumber) >= 0) {
            const bool zero = entry == "0" || entry == "00";
            out << (frenchPermanence && zero ? std::string_view("0") : entry) << LineEnd;
        } else {
            out << "Error" << LineEnd;
            ++errors;
        }
    }
    return errors;
}

ConversionResult Convert_BU(Game& game, const ConversionRequest& request) {
    ConversionResult result;
    result.files = request.files;
    result.remaining = static_cast<int>(request.files.size());
    if (request.saveOriginals && !request.files.empty() && !saveOriginals(game, request)) {
        result.stopped = true;
    }
    // The names that must not be written over: every source still waiting and every output.
    NameSet taken;
    for (const std::string& name : request.files) {
        taken.add(name);
    }
    for (std::size_t i = 0; i < result.files.size() && !result.stopped; ++i) {
        const std::string name = request.files[i];
        const std::string output = convertedName(name);
        taken.remove(name);
        if (lowerCase(output) == lowerCase(name) || taken.holds(output)) {
            taken.add(name);
            game.showInfo(12, name);
            continue;
        }
        switch (convertOne(game, request, name, output)) {
        case FileOutcome::Converted:
            taken.add(output);
            result.files[i] = output;
            --result.remaining;
            break;
        case FileOutcome::Failed:
            game.showInfo(12, name);
            result.stopped = true;
            break;
        }
    }
    if (!result.stopped && !request.files.empty()) {
        game.showInfo(11);
    }
    if (request.createCollectFile) {
        writeCollectFile(game, request, result.files);
    }
    return result;
}

} // namespace quendra
