// Reads a normalised system file for execution: counts the lines, strips comments, recognises
// label lines and tells which section each statement line stands in.
#pragma once

#include "systemplay/LineScanner.h"
#include "systemplay/PreparedStatement.h"
#include "systemplay/SystemLine.h"
#include "systemplay/SystemText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

// What the line just read is, as far as the run that executes the file is concerned.
enum class LineKind {
    Label,        // a valid label line; `section()` is the section it opens
    Statement,    // a line of the open section with something to execute, in `LastLine()`
    SectionBreak, // a line of a section with a colon that is no label: the section has ended,
                  // the lines up to the next label are passed over
    InvalidLabel, // a label with another name: message 0 is raised, see `error()`
    EndOfFile,
};

// Lines before the first label, and lines after a section break up to the next label, are
// passed over without a report; so are lines with nothing but blanks and comments. Inside a
// section the end of the section is recognised on the raw line: any colon, also one in a comment
// or in a quoted text, ends it. That line is then judged as a label on its normalised form.
class SystemReader {
public:
    // The text must outlive the reader.
    explicit SystemReader(std::string_view text) : lines_(text) {}

    // Reads up to the next line the run has to act on. After an invalid label the reader stays
    // at the end of the file.
    LineKind next();

    // The number of the line last read; 0 before the first.
    int LineNumber() const { return lines_.number(); }
    // The line last read as normalised for execution: comment and leading blanks removed.
    std::string_view LastLine() const { return LastLine_; }
    // The section the reader is in; none before the first label and after a section break.
    std::optional<Section> section() const { return section_; }
    // Message 0 with its place, after `InvalidLabel`.
    const std::optional<SystemError>& error() const { return error_; }

    // Back to the start of the file for the next run.
    void rewind();

private:
    LineKind judgeLabel();

    TextLines lines_;
    std::optional<Section> section_;
    std::string LastLine_;
    std::optional<SystemError> error_;
};

// One line the run acts on, as the reader gives it.
struct SystemStep {
    LineKind kind = LineKind::EndOfFile;
    std::optional<Section> section; // the section the reader is in after the line
    int LineNumber = 0;
    std::string LastLine;
    std::optional<SystemError> error; // message 0 for an invalid label
    PreparedStatement prepared;       // of a statement line
    // The index of the first step after this one that is no statement line: where a run that
    // does not execute this line's section goes on.
    std::size_t sectionEnd = 0;
};

// What a reader gives for the whole text, from its first line to the end of the file (the last
// step). A file that has not changed gives the same steps every run, so they are read once.
// The statement lines are prepared for the table they are executed on.
using SystemSteps = std::vector<SystemStep>;
SystemSteps readSystemSteps(std::string_view text, TableType table);

} // namespace quendra
