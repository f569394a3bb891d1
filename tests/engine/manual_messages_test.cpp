// The manual's chapter on messages has one entry for every numbered message of the program, in
// both languages, each quoting the text as the program shows it in that language; and it has no
// entry for a number the program does not have.
#include "support/TempFolder.h"
#include "systemplay/SystemMessages.h"
#include "text/MessageBox.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quendra {
namespace {

namespace fs = std::filesystem;

const fs::path Manual = QUENDRA_MANUAL_DIR;

struct KindName {
    MessageKind kind;
    std::string_view name; // the anchor's prefix: "error" for error-N
};

constexpr KindName Kinds[] = {
    {MessageKind::Error, "error"},   {MessageKind::Question, "question"},
    {MessageKind::Info, "info"},     {MessageKind::Warning, "warning"},
    {MessageKind::System, "system"},
};

// Placeholders are composed in as marks and cut out again: the manual writes a word of its own
// for each (a file name, a player, a number), so only the text around them is compared. A text
// argument holds a blank, since info 3 splits it there into two parts.
constexpr int ValueMark = 918273645;
constexpr std::string_view TextMark = "\x01 \x01";
constexpr char Cut = '\x01';

std::vector<int> catalogueNumbers(MessageKind kind) {
    if (kind != MessageKind::System) {
        return messageNumbers(kind);
    }
    std::vector<int> numbers;
    for (const SystemMessageText& message : systemMessages()) {
        numbers.push_back(message.number);
    }
    return numbers;
}

// The text of the box with every placeholder replaced by the cut mark.
std::string shownText(MessageKind kind, int number, Language language) {
    std::string text;
    switch (kind) {
    case MessageKind::Error:
        text = errorBox(number, language, ValueMark).text;
        break;
    case MessageKind::Question:
        text = questionBox(number, language).text;
        break;
    case MessageKind::Info:
        text = infoBox(number, language, TextMark).text;
        break;
    case MessageKind::Warning:
        text = warningBox(number, language, ValueMark).text;
        break;
    default:
        text = std::string(findSystemMessage(number)->text[language]);
        break;
    }
    const std::string value = std::to_string(ValueMark);
    for (std::size_t at = text.find(value); at != std::string::npos; at = text.find(value)) {
        text.replace(at, value.size(), 1, Cut);
    }
    return text;
}

// Line breaks and runs of blanks become one blank; no blank at either end.
std::string normalised(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!blank) {
            out += c;
        } else if (!out.empty() && out.back() != ' ') {
            out += ' ';
        }
    }
    if (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

// The parts of the text between its placeholders, each normalised; empty parts are dropped.
std::vector<std::string> textParts(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(Cut, begin);
        std::string part = normalised(std::string_view(text).substr(begin, end - begin));
        if (!part.empty()) {
            parts.push_back(std::move(part));
        }
        if (end == std::string::npos) {
            return parts;
        }
        begin = end + 1;
    }
}

// What a reader sees of a piece of HTML: tags removed (a line break is a blank), entities
// replaced, blanks normalised.
std::string readable(std::string_view html) {
    static const std::regex lineBreak(R"(<br\s*/?>)", std::regex::icase);
    static const std::regex tag(R"(<[^>]*>)");
    std::string text = std::regex_replace(std::string(html), lineBreak, " ");
    text = std::regex_replace(text, tag, "");
    for (const auto& [entity, plain] :
         {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"}, std::pair{"&quot;", "\""},
          std::pair{"&#39;", "'"}, std::pair{"&nbsp;", " "}, std::pair{"&amp;", "&"}}) {
        const std::string_view from(entity);
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + 1)) {
            text.replace(at, from.size(), plain);
        }
    }
    return normalised(text);
}

struct Entry {
    std::string tag;     // the element that carries the anchor
    std::string content; // readable text from the element to the next heading
};

// Every element whose id is a message anchor ("error-8", "system-100"), by anchor; an anchor
// that occurs twice has two entries.
std::multimap<std::string, Entry> messageEntries(const std::string& html) {
    static const std::regex anchor(
        R"re(<(\w+)[^>]*\sid="((?:error|question|info|warning|system)-\d+)")re");
    static const std::regex nextHeading(R"(<h[1-3][\s>]|</body)", std::regex::icase);
    std::multimap<std::string, Entry> entries;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), anchor);
         it != std::sregex_iterator(); ++it) {
        const auto start = html.begin() + it->position();
        std::smatch next;
        auto end = html.end();
        if (std::regex_search(start + it->length(), html.end(), next, nextHeading)) {
            end = next[0].first;
        }
        entries.emplace((*it)[2].str(), Entry{(*it)[1].str(), readable(std::string(start, end))});
    }
    return entries;
}

// The index of the first part the content lacks, reading the parts in order; none when it
// holds them all.
std::optional<std::size_t> missingPart(const std::string& content,
                                       const std::vector<std::string>& parts) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        at = content.find(parts[i], at);
        if (at == std::string::npos) {
            return i;
        }
        at += parts[i].size();
    }
    return std::nullopt;
}

struct ChapterFile {
    const char* folder;
    Language language;
};

constexpr ChapterFile Chapters[] = {{"de", Language::German}, {"en", Language::English}};

TEST(ManualMessages, EveryMessageHasOneEntryQuotingItsTextInEachLanguage) {
    for (const ChapterFile& chapter : Chapters) {
        const fs::path file = Manual / chapter.folder / "messages.html";
        ASSERT_TRUE(fs::exists(file)) << file;
        const auto entries = messageEntries(testing::readFile(file));
        for (const KindName& kind : Kinds) {
            for (const int number : catalogueNumbers(kind.kind)) {
                const std::string anchor = std::string(kind.name) + "-" + std::to_string(number);
                SCOPED_TRACE(std::string(chapter.folder) + "/messages.html, " + anchor);
                if (entries.count(anchor) != 1) {
                    ADD_FAILURE() << "has " << entries.count(anchor) << " entries, wants one";
                    continue;
                }
                const Entry& entry = entries.find(anchor)->second;
                EXPECT_EQ(entry.tag, "h3");
                const std::vector<std::string> parts =
                    textParts(shownText(kind.kind, number, chapter.language));
                const std::optional<std::size_t> missing = missingPart(entry.content, parts);
                EXPECT_FALSE(missing)
                    << "lacks \"" << parts[missing.value_or(0)]
                    << "\" of the program's text; the entry reads: \"" << entry.content << "\"";
            }
        }
    }
}

TEST(ManualMessages, NoEntryForANumberTheProgramDoesNotHave) {
    std::set<std::string> known;
    for (const KindName& kind : Kinds) {
        for (const int number : catalogueNumbers(kind.kind)) {
            known.insert(std::string(kind.name) + "-" + std::to_string(number));
        }
    }
    for (const ChapterFile& chapter : Chapters) {
        const fs::path file = Manual / chapter.folder / "messages.html";
        for (const auto& [anchor, entry] : messageEntries(testing::readFile(file))) {
            EXPECT_TRUE(known.contains(anchor)) << chapter.folder << "/messages.html describes "
                                                << anchor << ", which the program does not have";
        }
    }
}

} // namespace
} // namespace quendra
