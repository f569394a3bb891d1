// The manual's chapters read as the help window needs them: the headings that make up the
// contents tree, the text under each heading for the search, and the links and anchors of a
// page. The pages are the plain HTML the manual is written in: one h1 per chapter, h2 and h3
// with an id for sections and entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quendra {

// A heading and the text up to the next one. Level 1 is the chapter title (its id may be
// empty); levels 2 and 3 carry the id they are linked by.
struct ManualSection {
    int level = 1;
    std::string id;
    std::string title;
    std::string text;

    bool operator==(const ManualSection&) const = default;
};

// The headings h1 (with or without an id), h2 and h3 (with an id) in the order of the page,
// each with the plain text below it. Text before the first heading belongs to none.
std::vector<ManualSection> manualSections(std::string_view html);

// A link of a page to a page of the manual: the file ("" for the page itself) and the anchor
// ("" for the top).
struct ManualLink {
    std::string file;
    std::string anchor;

    bool operator==(const ManualLink&) const = default;
};

// Every href of the page that stays inside the manual (no scheme such as "http:").
std::vector<ManualLink> manualLinks(std::string_view html);

// Every anchor the page defines: the id attributes and the names of <a name="...">.
std::vector<std::string> manualAnchors(std::string_view html);

// The chapters in the order the contents page links them, each once, the contents page
// (`contentsPage`) first.
std::vector<std::string> manualChapters(std::string_view contentsHtml,
                                        std::string_view contentsPage);

} // namespace quendra
