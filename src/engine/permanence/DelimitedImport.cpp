// The delimited import: one pass over the text in memory, the load file built as one string and
// written beside its target before it replaces it.
#include "permanence/DelimitedImport.h"

#include "game/Game.h"
#include "permanence/PermanenceSyntax.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace quendra {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view LineEnd = "\r\n";
constexpr int HighestCoup = 36;
// The fields named in the report box; the rest are counted.
constexpr std::size_t FieldsShown = 10;

constexpr bool isSeparator(char c) {
    return c == ',' || c == ';' || c == '\t' || c == ' ';
}

constexpr bool isLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0x80;
}

std::string_view unquoted(std::string_view field) {
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = field.substr(1, field.size() - 2);
    }
    return field;
}

struct Field {
    std::string_view text;
    std::size_t column; // 1-based, of the field as it stands in the line
};

// The fields of one line, without its line break.
std::vector<Field> fieldsOf(std::string_view line) {
    std::vector<Field> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || isSeparator(line[i])) {
            if (i > start) {
                fields.push_back({line.substr(start, i - start), start + 1});
            }
            start = i + 1;
        }
    }
    return fields;
}

constexpr int DoubleZero = HighestCoup + 1;

// The coup a field names (DoubleZero for "00"), -1 when it names none.
int coupOf(std::string_view field) {
    const Token token = readToken(unquoted(field));
    return token.doubleZero ? DoubleZero : tokenNumber(token, HighestCoup);
}

// A line of words (a title, column names) rather than coups: a field begins with a letter and
// the fields that are no coups outnumber the coups, so a row of coups with a stray letter in it
// is still read as coups.
bool looksLikeHeader(const std::vector<Field>& fields) {
    bool words = false;
    std::size_t coups = 0;
    for (const Field& field : fields) {
        const std::string_view text = unquoted(field.text);
        words = words || (!text.empty() && isLetter(text.front()));
        coups += coupOf(field.text) >= 0 ? 1 : 0;
    }
    return words && fields.size() - coups > coups;
}

// Appends the coup a field names; false when it names none.
bool appendCoup(std::string_view field, std::string& load) {
    const int coup = coupOf(field);
    if (coup < 0) {
        return false;
    }
    if (coup == DoubleZero) {
        load += "00";
    } else {
        if (coup >= 10) {
            load += static_cast<char>('0' + coup / 10);
        }
        load += static_cast<char>('0' + coup % 10);
    }
    load += LineEnd;
    return true;
}

void reportBadField(DelimitedText& result, std::size_t line, const Field& field) {
    if (result.badFields.size() < ReportedBadFields) {
        result.badFields.push_back({line, field.column, std::string(field.text)});
    }
    ++result.badFieldCount;
}

bool readWhole(const fs::path& file, std::string& text) {
    std::ifstream in(file, std::ios::in | std::ios::binary);
    if (!in.is_open()) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeReplacing(const fs::path& target, const std::string& text) {
    fs::path temporary = target;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::out | std::ios::binary | std::ios::trunc);
        if (!out.is_open()) {
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (out.fail()) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

std::string pathText(const fs::path& path) {
    return path.string();
}

} // namespace

std::string delimitedInfoLine(std::string_view info) {
    std::string line;
    for (char c : info) {
        line += c == '\r' || c == '\n' ? ' ' : c;
    }
    const bool numberRow = line.find_first_not_of(" -0123456789") == std::string::npos;
    return numberRow ? "//" + line : line;
}

DelimitedText convertDelimitedText(std::string_view text, std::string_view info) {
    DelimitedText result;
    // A coup takes three or four characters; a field with its separator at least two.
    result.load.reserve(text.size() * 2 + info.size() + 8);
    result.load += delimitedInfoLine(info);
    result.load += LineEnd;
    bool firstFields = true;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::vector<Field> fields = fieldsOf(line);
        if (fields.empty()) {
            continue;
        }
        if (firstFields) {
            firstFields = false;
            if (looksLikeHeader(fields)) {
                result.header = true;
                continue;
            }
        }
        for (const Field& field : fields) {
            if (appendCoup(field.text, result.load)) {
                ++result.coups;
            } else {
                reportBadField(result, lineNumber, field);
            }
        }
    }
    return result;
}

fs::path delimitedTarget(const fs::path& source) {
    fs::path target = source;
    target.replace_extension(".INP");
    return target;
}

DelimitedImport importDelimitedFile(const fs::path& source, std::string_view info, bool overwrite) {
    DelimitedImport import;
    import.source = source;
    import.target = delimitedTarget(source);
    std::error_code ec;
    if (fs::exists(import.target, ec)) {
        if (fs::equivalent(source, import.target, ec)) {
            import.status = DelimitedStatus::SameFile;
            return import;
        }
        if (!overwrite) {
            import.status = DelimitedStatus::TargetExists;
            return import;
        }
    }
    std::string text;
    if (!readWhole(source, text)) {
        import.status = DelimitedStatus::CannotRead;
        return import;
    }
    const std::string name = source.stem().string();
    DelimitedText converted = convertDelimitedText(text, info.empty() ? name : info);
    import.coups = converted.coups;
    import.header = converted.header;
    import.badFields = std::move(converted.badFields);
    import.badFieldCount = converted.badFieldCount;
    if (converted.coups == 0) {
        import.status = DelimitedStatus::NoCoups;
    } else if (!writeReplacing(import.target, converted.load)) {
        import.status = DelimitedStatus::CannotWrite;
    } else {
        import.status = DelimitedStatus::Written;
    }
    return import;
}

MessageBoxData delimitedOverwriteQuestion(const fs::path& target, Language language) {
    MessageBoxData box;
    box.kind = MessageKind::Question;
    box.title = language == Language::German ? "Frage" : "Question";
    box.icon = MessageIcon::Question;
    box.buttons = MessageButtons::YesNo;
    box.defaultNo = true;
    box.text =
        pathText(target) + (language == Language::German
                                ? "\rDie Datei besteht bereits - soll sie überschrieben werden?"
                                : "\rThe file exists already - shall it be overwritten?");
    return box;
}

namespace {

std::string badFieldLines(const DelimitedImport& import, bool german) {
    std::string text;
    for (std::size_t i = 0; i < import.badFields.size() && i < FieldsShown; ++i) {
        const BadField& field = import.badFields[i];
        text += "\r" + std::string(german ? "Zeile " : "line ") + std::to_string(field.line) +
                (german ? ", Spalte " : ", column ") + std::to_string(field.column) + ": \"" +
                field.text + "\"";
    }
    if (import.badFieldCount > FieldsShown) {
        text += "\r" + std::string(german ? "und " : "and ") +
                std::to_string(import.badFieldCount - FieldsShown) +
                (german ? " weitere" : " more");
    }
    return text;
}

std::string outcomeText(const DelimitedImport& import, bool german) {
    const std::string source = pathText(import.source);
    const std::string target = pathText(import.target);
    switch (import.status) {
    case DelimitedStatus::Written:
        return target + "\r" + std::to_string(import.coups) +
               (german ? " Coups geschrieben." : " coups written.");
    case DelimitedStatus::TargetExists:
        return target + (german ? "\rDie Datei besteht bereits - nichts geschrieben."
                                : "\rThe file exists already - nothing written.");
    case DelimitedStatus::SameFile:
        return source + (german ? "\rDie Ladedatei wäre die Quelldatei selbst - nichts geschrieben."
                                : "\rThe load file would be the source itself - nothing written.");
    case DelimitedStatus::NoCoups:
        return source + (german ? "\rKeine gültigen Coups gefunden - nichts geschrieben."
                                : "\rNo valid coups found - nothing written.");
    case DelimitedStatus::CannotRead:
        return source +
               (german ? "\rDie Datei kann nicht gelesen werden." : "\rThe file cannot be read.");
    case DelimitedStatus::CannotWrite:
        return target + (german ? "\rDie Datei kann nicht geschrieben werden."
                                : "\rThe file cannot be written.");
    }
    return {};
}

} // namespace

MessageBoxData delimitedReport(const DelimitedImport& import, Language language) {
    const bool german = language == Language::German;
    const bool written = import.status == DelimitedStatus::Written;
    MessageBoxData box;
    box.kind = written ? MessageKind::Info : MessageKind::Error;
    box.title = written ? (german ? "Information" : "Information") : (german ? "Fehler" : "Error");
    box.icon = written ? MessageIcon::Information : MessageIcon::Error;
    box.text = outcomeText(import, german);
    if (import.badFieldCount > 0) {
        box.text += "\r" + std::to_string(import.badFieldCount) +
                    (german ? " Felder sind keine Zahlen von 0 bis 36 oder 00:"
                            : " fields are no numbers from 0 to 36 or 00:") +
                    badFieldLines(import, german);
    }
    return box;
}

DelimitedImport ImportDelimitedClick(Game& game, const fs::path& source, std::string_view info) {
    const Language language = game.state().language();
    DelimitedImport import = importDelimitedFile(source, info, false);
    if (import.status == DelimitedStatus::TargetExists &&
        game.askQuestion(delimitedOverwriteQuestion(import.target, language))) {
        import = importDelimitedFile(source, info, true);
    }
    game.host().showMessage(delimitedReport(import, language));
    return import;
}

} // namespace quendra
