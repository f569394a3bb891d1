// The manual as the help window reads it: the anchor for the keyword at the editor's caret and
// for a numbered message, the headings and text of a chapter, and the links between chapters.
#include "support/TempFolder.h"
#include "text/ManualAnchor.h"
#include "text/ManualContents.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quendra {
namespace {

namespace fs = std::filesystem;

TEST(ManualAnchor, TheWordAtTheCaretNamesItsKeywordOrSection) {
    struct Case {
        std::string_view line;
        std::size_t caret;
        std::optional<std::string> anchor;
    };
    const std::vector<Case> cases{
        {"SZ PL17;", 0, "kw-SZ"},         // caret before the word
        {"SZ PL17;", 1, "kw-SZ"},         // inside
        {"SZ PL17;", 2, "kw-SZ"},         // right after it
        {"SZ PL17;", 5, "kw-PL"},         // letters of a bet item with its number
        {"IF EI12 > 3 THEN", 4, "kw-EI"}, //
        {"IF EC03 IN 1", 7, "kw-EC"},     // at the end of the word
        {"STMAX A,B;", 3, "kw-STMAX"},    // the longest keyword, not ST
        {"stmax a;", 2, "kw-STMAX"},      // lower case
        {"ST:", 1, "sec-ST"},             // a section label
        {"ST:", 3, "sec-ST"},             // right after its colon
        {"  gw:  ", 3, "sec-GW"},         //
        {"SZ PL17;", 6, "kw-PL"},         // on the number of an item
        {"SZ 17;", 4, std::nullopt},      // a bare number
        {"SZ  PL;", 3, std::nullopt},     // between two blanks
        {"", 0, std::nullopt},            // an empty line
        {"   ", 9, std::nullopt},         // a caret beyond the line
        {"SZ;", 3, std::nullopt},         // after the semicolon
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keywordAnchor(c.line, c.caret), c.anchor) << "'" << c.line << "' at " << c.caret;
    }
}

TEST(ManualAnchor, ANumberedMessageHasTheAnchorOfItsListAndNumber) {
    EXPECT_EQ(messageAnchor(MessageKind::Error, 3), "error-3");
    EXPECT_EQ(messageAnchor(MessageKind::Question, 1), "question-1");
    EXPECT_EQ(messageAnchor(MessageKind::Info, 12), "info-12");
    EXPECT_EQ(messageAnchor(MessageKind::Warning, 18), "warning-18");
    EXPECT_EQ(messageAnchor(MessageKind::System, 0), "system-0");     // "Ungültige Sektion!"
    EXPECT_EQ(messageAnchor(MessageKind::Question, 0), std::nullopt); // an unnumbered question
    EXPECT_EQ(messageAnchor(MessageKind::Error, -1), std::nullopt);
    EXPECT_EQ(messageAnchor(MessageKind::ProgramError, 7), std::nullopt);
    EXPECT_EQ(messageAnchor(MessageKind::DataDisplay, 0), std::nullopt);
    EXPECT_EQ(manualTarget("messages.html", messageAnchor(MessageKind::System, 33)),
              "messages.html#system-33");
    EXPECT_EQ(manualTarget("index.html", std::nullopt), "index.html");
}

TEST(ManualContents, HeadingsWithIdsMakeTheSectionsAndCarryTheTextBelowThem) {
    const std::string page = R"(<html><head><title>T</title></head><body>
<h1>The <b>system</b> language</h1>
<p>Intro &amp; more.</p>
<h2 id="sections">Sections</h2><p>Labels
 end with&nbsp;a colon.</p>
<h3>Without id</h3><p>belongs above</p>
<h3 id='sec-ST'>ST: <code>&lt;start&gt;</code></h3>
<!-- <h2 id="hidden">commented out</h2> -->
<pre>ST:
SZ PL17;</pre>
<h2 id="gruen">Gr&uuml;n</h2>
</body></html>)";
    const std::vector<ManualSection> expected{
        {1, "", "The system language", "Intro & more."},
        {2, "sections", "Sections", "Labels end with a colon. Without id belongs above"},
        {3, "sec-ST", "ST: <start>", "ST: SZ PL17;"},
        {2, "gruen", "Grün", ""},
    };
    EXPECT_EQ(manualSections(page), expected);
}

TEST(ManualContents, LinksAnchorsAndTheOrderOfTheChapters) {
    const std::string index = R"(<h1 id="top">Contents</h1>
<a href="start.html">Start</a> <A HREF="language.html#kw-SZ">SZ</a>
<a href="#top">up</a> <a href="https://example.org/x.html">web</a>
<a name="old"></a> <a href="start.html#first">again</a> <a href="examples.html">Ex</a>)";
    const std::vector<ManualLink> links{{"start.html", ""},
                                        {"language.html", "kw-SZ"},
                                        {"", "top"},
                                        {"start.html", "first"},
                                        {"examples.html", ""}};
    EXPECT_EQ(manualLinks(index), links);
    EXPECT_EQ(manualAnchors(index), (std::vector<std::string>{"top", "old"}));
    EXPECT_EQ(
        manualChapters(index, "index.html"),
        (std::vector<std::string>{"index.html", "start.html", "language.html", "examples.html"}));
}

// Chapters still being written elsewhere may be missing; once there, links into them count.
const std::set<std::string> ChaptersInProgress{"messages.html", "windows.html", "files.html"};

TEST(ManualContents, EveryLinkOfTheManualReachesAPageAndAnchorThatExist) {
    const fs::path manual = QUENDRA_MANUAL_DIR;
    for (const char* language : {"de", "en"}) {
        std::map<std::string, std::set<std::string>> anchors;
        for (const auto& entry : fs::directory_iterator(manual / language)) {
            if (entry.path().extension() == ".html") {
                const std::vector<std::string> ids = manualAnchors(testing::readFile(entry.path()));
                anchors[entry.path().filename().string()] = {ids.begin(), ids.end()};
            }
        }
        ASSERT_TRUE(anchors.contains("index.html")) << language;
        for (const auto& [page, ignored] : anchors) {
            for (const ManualLink& link :
                 manualLinks(testing::readFile(manual / language / page))) {
                const std::string file = link.file.empty() ? page : link.file;
                const std::string where = std::string(language) + "/" + page + " -> " + file +
                                          (link.anchor.empty() ? "" : "#" + link.anchor);
                const auto target = anchors.find(file);
                if (target == anchors.end()) {
                    EXPECT_TRUE(ChaptersInProgress.contains(file)) << where;
                    continue;
                }
                EXPECT_TRUE(link.anchor.empty() || target->second.contains(link.anchor)) << where;
            }
        }
        // Both languages have the same chapters, and the contents page links every chapter.
        const std::vector<std::string> chapters =
            manualChapters(testing::readFile(manual / language / "index.html"), "index.html");
        for (const auto& [page, ignored] : anchors) {
            EXPECT_NE(std::find(chapters.begin(), chapters.end(), page), chapters.end())
                << language << "/index.html does not link " << page;
            EXPECT_TRUE(fs::exists(manual / (language == std::string("de") ? "en" : "de") / page))
                << page << " only in " << language;
        }
    }
}

} // namespace
} // namespace quendra
