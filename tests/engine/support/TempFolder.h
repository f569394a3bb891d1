// A temporary folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quendra::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes `content` byte for byte to a file below the folder and returns its full name.
    std::filesystem::path write(std::string_view name, std::string_view content) const;
    // Copies the generated wheel data files of the build into the folder.
    void copyWheelFiles() const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);

} // namespace quendra::testing
