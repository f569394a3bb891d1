// One filter of a file dialog: its name and the pattern of the files it shows.
#pragma once

#include <string_view>

namespace quendra {

struct FileDialogFilter {
    std::string_view name;
    std::string_view pattern;
};

} // namespace quendra
