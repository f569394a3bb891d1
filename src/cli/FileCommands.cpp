#include "FileCommands.h"

#include "CliHost.h"
#include "GameSetup.h"
#include "Help.h"
#include "JsonWriter.h"
#include "Options.h"
#include "permanence/Conversion.h"
#include "permanence/CoupCounter.h"
#include "permanence/DelimitedImport.h"

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

namespace {

// Why a file gave no load file, for stderr; empty when it gave one.
std::string importFailure(const DelimitedImport& import) {
    const std::string source = import.source.string();
    const std::string target = import.target.string();
    switch (import.status) {
    case DelimitedStatus::Written:
        return {};
    case DelimitedStatus::TargetExists:
        return target + ": exists already (--overwrite replaces it)";
    case DelimitedStatus::SameFile:
        return source + ": the load file would be the file itself";
    case DelimitedStatus::NoCoups:
        return source + ": no coup found, nothing written";
    case DelimitedStatus::CannotRead:
        return source + ": cannot be read";
    case DelimitedStatus::CannotWrite:
        return target + ": cannot be written";
    }
    return {};
}

int importDelimited(const ConvertOptions& options, std::ostream& out, std::ostream& err) {
    int status = 0;
    for (const std::string& file : options.files) {
        const DelimitedImport import =
            importDelimitedFile(file, options.collectInfo, options.overwrite);
        for (const BadField& field : import.badFields) {
            err << file << ':' << field.line << ':' << field.column << ": not a coup: \""
                << field.text << "\"\n";
        }
        if (import.badFieldCount > import.badFields.size()) {
            err << file << ": " << import.badFieldCount - import.badFields.size()
                << " more fields that are not coups\n";
        }
        if (const std::string failure = importFailure(import); !failure.empty()) {
            err << "quendra-cli convert: " << failure << '\n';
            status = 1;
        } else {
            out << import.target.string() << ": " << import.coups << " coups\n";
        }
    }
    return status;
}

} // namespace

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
    if (options.delimited) {
        return importDelimited(options, out, err);
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
