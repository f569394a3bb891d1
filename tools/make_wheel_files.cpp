// Writes the wheel data files of both tables into the folder given as the only argument.
#include "table/Table.h"

#include <filesystem>
#include <iostream>

namespace {

// Writes the table's file and reads it back, so a file the program would refuse never ships.
bool makeWheelFile(const std::filesystem::path& folder, quendra::TableType table) {
    const std::filesystem::path file = folder / quendra::wheelFileName(table);
    const auto pockets = quendra::standardPocketTable(table);
    if (!quendra::writeWheelFile(file, pockets)) {
        std::cerr << "make_wheel_files: cannot write " << file << '\n';
        return false;
    }
    if (quendra::readWheelFile(file, table) != pockets) {
        std::cerr << "make_wheel_files: " << file << " does not read back\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_wheel_files FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const bool french = makeWheelFile(folder, quendra::TableType::French);
    const bool american = makeWheelFile(folder, quendra::TableType::American);
    return french && american ? 0 : 1;
}
