// Reads a normalised system file for execution.
#include "systemplay/SystemReader.h"

#include "systemplay/SystemMessages.h"
#include "systemplay/SystemStatements.h"

namespace quendra {

LineKind SystemReader::next() {
    if (error_) {
        return LineKind::EndOfFile;
    }
    while (const std::optional<std::string_view> raw = lines_.next()) {
        const bool endsSection = section_ && raw->find(':') != std::string_view::npos;
        LastLine_.assign(normalisedForExecution(*raw));
        if (section_ && !endsSection) {
            if (!LastLine_.empty()) {
                return LineKind::Statement;
            }
            continue;
        }
        if (isLabelLine(LastLine_)) {
            return judgeLabel();
        }
        if (endsSection) {
            section_.reset();
            return LineKind::SectionBreak;
        }
    }
    return LineKind::EndOfFile;
}

LineKind SystemReader::judgeLabel() {
    section_ = sectionOfLabel(LastLine_);
    if (section_) {
        return LineKind::Label;
    }
    LineScanner label(LastLine_, LineNumber());
    label.fail(SystemMessage::InvalidSection, labelText(label.CurrentLine()));
    error_ = label.error();
    return LineKind::InvalidLabel;
}

void SystemReader::rewind() {
    lines_.rewind();
    section_.reset();
    LastLine_.clear();
    error_.reset();
}

SystemSteps readSystemSteps(std::string_view text, TableType table) {
    SystemReader reader(text);
    SystemSteps steps;
    for (;;) {
        SystemStep& step = steps.emplace_back();
        step.kind = reader.next();
        step.section = reader.section();
        step.LineNumber = reader.LineNumber();
        step.LastLine = reader.LastLine();
        step.error = reader.error();
        if (step.kind == LineKind::Statement) {
            step.prepared = prepareStatementLine(step.LastLine, table);
        }
        if (step.kind == LineKind::EndOfFile) {
            break;
        }
    }
    for (std::size_t i = steps.size(); i-- > 0;) {
        const bool lastOrBeforeOther =
            i + 1 == steps.size() || steps[i + 1].kind != LineKind::Statement;
        steps[i].sectionEnd = lastOrBeforeOther ? i + 1 : steps[i + 1].sectionEnd;
    }
    return steps;
}

} // namespace quendra
