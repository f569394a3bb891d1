// The <pre> blocks of the manual's chapters that tests run: their text, HTML entities undone,
// and their data attributes.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quendra::testing {

struct ManualBlock {
    std::string where; // the chapter file and the block's first line
    std::string text;
    std::map<std::string, std::string> data; // data-x="v" as {"x", "v"}
};

// The text with &lt; &gt; &quot; and &amp; turned back into their characters.
std::string unescapeHtml(std::string text);

// Every <pre class="`cls`" ...> block of the chapter, in order.
std::vector<ManualBlock> manualBlocks(const std::filesystem::path& chapter, std::string_view cls);

} // namespace quendra::testing
