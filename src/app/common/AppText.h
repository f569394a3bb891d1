// The engine's texts on screen: its fixed texts are UTF-8.
#pragma once

#include <QString>
#include <string_view>

namespace quendra::app {

inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace quendra::app
