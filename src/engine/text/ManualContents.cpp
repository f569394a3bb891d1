#include "text/ManualContents.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

namespace quendra {
namespace {

struct Tag {
    std::string name; // lower case
    bool closing = false;
    std::string_view attributes;
};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

Tag readTag(std::string_view inside) {
    Tag tag;
    std::size_t at = 0;
    if (at < inside.size() && inside[at] == '/') {
        tag.closing = true;
        ++at;
    }
    while (at < inside.size() && (std::isalnum(static_cast<unsigned char>(inside[at])) != 0)) {
        tag.name += lower(inside[at++]);
    }
    tag.attributes = inside.substr(at);
    return tag;
}

// Calls onText for every run of text and onTag for every tag, skipping comments.
template <typename OnText, typename OnTag>
void scan(std::string_view html, OnText onText, OnTag onTag) {
    std::size_t at = 0;
    while (at < html.size()) {
        const std::size_t open = html.find('<', at);
        if (open == std::string_view::npos) {
            onText(html.substr(at));
            return;
        }
        if (open > at) {
            onText(html.substr(at, open - at));
        }
        if (html.substr(open, 4) == "<!--") {
            const std::size_t end = html.find("-->", open + 4);
            at = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const std::size_t close = html.find('>', open);
        if (close == std::string_view::npos) {
            return;
        }
        onTag(readTag(html.substr(open + 1, close - open - 1)));
        at = close + 1;
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == y; });
}

// The value of the attribute `name` (lower case) of a tag, quoted or not.
std::optional<std::string> attribute(std::string_view attributes, std::string_view name) {
    std::size_t at = 0;
    while (at < attributes.size()) {
        while (at < attributes.size() && (isBlank(attributes[at]) || attributes[at] == '/')) {
            ++at;
        }
        const std::size_t nameStart = at;
        while (at < attributes.size() && !isBlank(attributes[at]) && attributes[at] != '=') {
            ++at;
        }
        const std::string_view found = attributes.substr(nameStart, at - nameStart);
        while (at < attributes.size() && isBlank(attributes[at])) {
            ++at;
        }
        std::string_view value;
        if (at < attributes.size() && attributes[at] == '=') {
            ++at;
            while (at < attributes.size() && isBlank(attributes[at])) {
                ++at;
            }
            const char quote = at < attributes.size() ? attributes[at] : ' ';
            const bool quoted = quote == '"' || quote == '\'';
            const std::size_t valueStart = quoted ? at + 1 : at;
            std::size_t end = valueStart;
            while (end < attributes.size() &&
                   (quoted ? attributes[end] != quote : !isBlank(attributes[end]))) {
                ++end;
            }
            value = attributes.substr(valueStart, end - valueStart);
            at = quoted && end < attributes.size() ? end + 1 : end;
        }
        if (!found.empty() && sameName(found, name)) {
            return std::string(value);
        }
        if (found.empty() && at == nameStart) {
            ++at; // a stray character
        }
    }
    return std::nullopt;
}

// Tags inside a line of text; every other tag separates words.
bool isInline(const std::string& name) {
    static constexpr std::array<std::string_view, 10> names{"a",    "b",    "i",  "em",   "strong",
                                                            "code", "span", "tt", "font", "u"};
    return std::find(names.begin(), names.end(), name) != names.end();
}

int headingLevel(const Tag& tag) {
    if (tag.name.size() == 2 && tag.name[0] == 'h' && tag.name[1] >= '1' && tag.name[1] <= '3') {
        return tag.name[1] - '0';
    }
    return 0;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::optional<std::uint32_t> entityCode(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 17> named{{
        {"lt", '<'},
        {"gt", '>'},
        {"amp", '&'},
        {"quot", '"'},
        {"apos", '\''},
        {"nbsp", ' '},
        {"auml", 0xE4},
        {"ouml", 0xF6},
        {"uuml", 0xFC},
        {"Auml", 0xC4},
        {"Ouml", 0xD6},
        {"Uuml", 0xDC},
        {"szlig", 0xDF},
        {"ndash", 0x2013},
        {"mdash", 0x2014},
        {"hellip", 0x2026},
        {"times", 0xD7},
    }};
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits(name.substr(hex ? 2 : 1));
        if (digits.empty() ||
            digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
                std::string::npos ||
            digits.size() > 6) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(std::stoul(digits, nullptr, hex ? 16 : 10));
    }
    for (const auto& [entity, code] : named) {
        if (entity == name) {
            return code;
        }
    }
    return std::nullopt;
}

// Entities decoded and white space collapsed to single blanks, none at the ends.
std::string cleanText(std::string_view raw) {
    std::string decoded;
    for (std::size_t at = 0; at < raw.size(); ++at) {
        if (raw[at] == '&') {
            const std::size_t end = raw.find(';', at);
            if (end != std::string_view::npos && end - at <= 8) {
                if (const auto code = entityCode(raw.substr(at + 1, end - at - 1))) {
                    appendUtf8(decoded, *code);
                    at = end;
                    continue;
                }
            }
        }
        decoded += raw[at];
    }
    std::string text;
    for (const char c : decoded) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!blank) {
            text += c;
        } else if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
    }
    if (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// "http:", "mailto:", ...: a link out of the manual.
bool hasScheme(std::string_view href) {
    const std::size_t colon = href.find(':');
    if (colon == std::string_view::npos || colon == 0) {
        return false;
    }
    return std::all_of(href.begin(), href.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '.' || c == '-';
    });
}

} // namespace

std::vector<ManualSection> manualSections(std::string_view html) {
    std::vector<ManualSection> sections;
    std::string title;
    std::string body;
    bool inTitle = false;
    const auto finish = [&] {
        if (!sections.empty()) {
            sections.back().title = cleanText(title);
            sections.back().text = cleanText(body);
        }
        title.clear();
        body.clear();
    };
    scan(
        html, [&](std::string_view text) { (inTitle ? title : body).append(text); },
        [&](const Tag& tag) {
            const int level = headingLevel(tag);
            if (level != 0 && !tag.closing) {
                std::string id = attribute(tag.attributes, "id").value_or("");
                if (level == 1 || !id.empty()) {
                    finish();
                    sections.push_back({level, std::move(id), {}, {}});
                    inTitle = true;
                    return;
                }
            }
            if (level != 0 && tag.closing) {
                inTitle = false;
            }
            if (!isInline(tag.name)) {
                (inTitle ? title : body) += ' ';
            }
        });
    finish();
    return sections;
}

std::vector<ManualLink> manualLinks(std::string_view html) {
    std::vector<ManualLink> links;
    scan(
        html, [](std::string_view) {},
        [&](const Tag& tag) {
            if (tag.closing || tag.name != "a") {
                return;
            }
            const auto href = attribute(tag.attributes, "href");
            if (!href || hasScheme(*href)) {
                return;
            }
            const std::size_t hash = href->find('#');
            if (hash == std::string::npos) {
                links.push_back({*href, {}});
            } else {
                links.push_back({href->substr(0, hash), href->substr(hash + 1)});
            }
        });
    return links;
}

std::vector<std::string> manualAnchors(std::string_view html) {
    std::vector<std::string> anchors;
    scan(
        html, [](std::string_view) {},
        [&](const Tag& tag) {
            if (tag.closing) {
                return;
            }
            if (auto id = attribute(tag.attributes, "id")) {
                anchors.push_back(std::move(*id));
            }
            if (tag.name == "a") {
                if (auto name = attribute(tag.attributes, "name")) {
                    anchors.push_back(std::move(*name));
                }
            }
        });
    return anchors;
}

std::vector<std::string> manualChapters(std::string_view contentsHtml,
                                        std::string_view contentsPage) {
    std::vector<std::string> chapters{std::string(contentsPage)};
    for (const ManualLink& link : manualLinks(contentsHtml)) {
        if (link.file.ends_with(".html") &&
            std::find(chapters.begin(), chapters.end(), link.file) == chapters.end()) {
            chapters.push_back(link.file);
        }
    }
    return chapters;
}

} // namespace quendra
