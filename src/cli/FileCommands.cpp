#include "FileCommands.h"

#include "CliHost.h"
#include "GameSetup.h"
#include "Help.h"
#include "JsonWriter.h"
#include "Options.h"
#include "permanence/Conversion.h"
#include "permanence/CoupCounter.h"

#include <ostream>

namespace quendra::cli {

int runCount(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    auto parsed = parseCountOptions(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        return reportUsage(err, "count", *usage);
    }
    const CountOptions& options = std::get<CountOptions>(parsed);
    if (options.help) {
        out << CountHelp;
        return 0;
    }
    JsonWriter json(out);
    if (options.json) {
        json.beginObject();
        json.key("files");
        json.beginArray();
    }
    int status = 0;
    for (const std::string& file : options.files) {
        const auto coups = CountCupsonFile(file, highestNumber(options.table));
        if (!coups) {
            err << "quendra-cli count: " << file << ": cannot be opened\n";
            status = 1;
        } else if (options.json) {
            json.beginObject();
            json.field("file", file);
            json.field("coups", *coups);
            json.endObject();
        } else {
            out << file << ": " << *coups << '\n';
        }
    }
    if (options.json) {
        json.endArray();
        json.endObject();
        out << '\n';
    }
    return status;
}

int runConvert(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    auto parsed = parseConvertOptions(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        return reportUsage(err, "convert", *usage);
    }
    const ConvertOptions& options = std::get<ConvertOptions>(parsed);
    if (options.help) {
        out << ConvertHelp;
        return 0;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(options.folder, error)) {
        return reportUsage(err, "convert", {options.folder + " is not a folder"});
    }
    CliHost host(err, options.answerYes);
    auto game = newGame(host, programFolderFor(options.home), std::nullopt, options.language);
    ConversionRequest request;
    request.folder = options.folder;
    request.files = listConversionFolder(request.folder);
    request.saveOriginals = options.backup;
    request.frenchPermanence = !options.american;
    request.collectName = options.collectName.value_or("");
    request.collectInfo = options.collectInfo;
    const ConversionResult result = Convert_BU(*game, request);
    for (const std::string& file : result.files) {
        out << file << '\n';
    }
    out << "not converted: " << result.remaining << '\n';
    return host.errorShown() ? 1 : 0;
}

} // namespace quendra::cli
