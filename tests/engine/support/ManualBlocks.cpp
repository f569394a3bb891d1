#include "support/ManualBlocks.h"

#include "support/TempFolder.h"

#include <regex>

namespace quendra::testing {

std::string unescapeHtml(std::string text) {
    for (const auto& [entity, plain] : {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"},
                                        std::pair{"&quot;", "\""}, std::pair{"&amp;", "&"}}) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1)) {
            text.replace(at, std::string_view(entity).size(), plain);
        }
    }
    return text;
}

std::vector<ManualBlock> manualBlocks(const std::filesystem::path& chapter, std::string_view cls) {
    const std::regex block("<pre class=\"" + std::string(cls) + "\"([^>]*)>([\\s\\S]*?)</pre>");
    static const std::regex attribute(R"re(data-([a-z]+)="([^"]*)")re");
    const std::string html = readFile(chapter);
    std::vector<ManualBlock> blocks;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), block);
         it != std::sregex_iterator(); ++it) {
        ManualBlock found;
        found.text = unescapeHtml((*it)[2].str());
        const std::string attributes = (*it)[1].str();
        for (auto a = std::sregex_iterator(attributes.begin(), attributes.end(), attribute);
             a != std::sregex_iterator(); ++a) {
            found.data[(*a)[1].str()] = (*a)[2].str();
        }
        found.where = chapter.parent_path().filename().string() + "/" +
                      chapter.filename().string() + ", block \"" +
                      found.text.substr(0, found.text.find('\n')) + "\"";
        blocks.push_back(std::move(found));
    }
    return blocks;
}

} // namespace quendra::testing
