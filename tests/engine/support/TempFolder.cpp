#include "support/TempFolder.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace quendra::testing {

namespace {

std::filesystem::path uniqueFolder() {
    static std::atomic<int> counter{0};
    auto name = "quendra-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return std::filesystem::temp_directory_path() / name;
}

} // namespace

TempFolder::TempFolder() : path_(uniqueFolder()) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempFolder::write(std::string_view name, std::string_view content) const {
    const auto file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return file;
}

void TempFolder::copyWheelFiles() const {
    const std::filesystem::path bin = QUENDRA_BIN_DIR;
    for (const char* name : {"EIGENPR.VER", "EIGENPRA.VER"}) {
        std::filesystem::copy_file(bin / name, path_ / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace quendra::testing
