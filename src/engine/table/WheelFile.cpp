// Wheel data files: the 36-byte little-endian pocket records, read with every record checked.
#include "table/Table.h"
#include "table/WheelGeometry.h"

#include <array>
#include <cstddef>
#include <fstream>
#include <span>
#include <system_error>

namespace quendra {
namespace {

using RecordBytes = std::array<std::uint8_t, PocketRecordSize>;

// Byte offsets of the record layout.
constexpr std::size_t NumberAt = 0;
constexpr std::size_t ColourAt = 1;
constexpr std::size_t EvenChancesAt = 2;
constexpr std::size_t DozenAt = 5;
constexpr std::size_t ColumnAt = 6;
constexpr std::size_t TransversalesAt = 7;
constexpr std::size_t SimplesAt = 11;
constexpr std::size_t CarresAt = 13;
constexpr std::size_t ChevalsAt = 17;
constexpr std::size_t BallXAt = 28;
constexpr std::size_t BallYAt = 32;

template <std::size_t N>
void putBytes(RecordBytes& bytes, std::size_t at, const std::array<std::uint8_t, N>& values) {
    for (std::size_t i = 0; i < N; ++i) {
        bytes[at + i] = values[i];
    }
}

template <std::size_t N>
void getBytes(const RecordBytes& bytes, std::size_t at, std::array<std::uint8_t, N>& values) {
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = bytes[at + i];
    }
}

void putInt32(RecordBytes& bytes, std::size_t at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::int32_t getInt32(const RecordBytes& bytes, std::size_t at) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= std::uint32_t{bytes[at + i]} << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

RecordBytes encode(const PocketRecord& record) {
    RecordBytes bytes{}; // the reserved bytes stay 0
    bytes[NumberAt] = record.number;
    bytes[ColourAt] = static_cast<std::uint8_t>(record.colour);
    putBytes(bytes, EvenChancesAt, record.evenChances);
    bytes[DozenAt] = record.dozen;
    bytes[ColumnAt] = record.column;
    putBytes(bytes, TransversalesAt, record.transversales);
    putBytes(bytes, SimplesAt, record.simples);
    putBytes(bytes, CarresAt, record.carres);
    putBytes(bytes, ChevalsAt, record.chevals);
    putInt32(bytes, BallXAt, record.ballX);
    putInt32(bytes, BallYAt, record.ballY);
    return bytes;
}

PocketRecord decode(const RecordBytes& bytes) {
    PocketRecord record;
    record.number = bytes[NumberAt];
    record.colour = static_cast<char>(bytes[ColourAt]);
    getBytes(bytes, EvenChancesAt, record.evenChances);
    record.dozen = bytes[DozenAt];
    record.column = bytes[ColumnAt];
    getBytes(bytes, TransversalesAt, record.transversales);
    getBytes(bytes, SimplesAt, record.simples);
    getBytes(bytes, CarresAt, record.carres);
    getBytes(bytes, ChevalsAt, record.chevals);
    record.ballX = getInt32(bytes, BallXAt);
    record.ballY = getInt32(bytes, BallYAt);
    return record;
}

// Settlement and statistics read the records without further tests, so a record must say
// exactly what the catalogue says about its number.
bool recordsSound(const std::vector<PocketRecord>& pockets, TableType table) {
    std::array<bool, DoubleZero + 1> seen{};
    for (const PocketRecord& pocket : pockets) {
        if (pocket.number > highestNumber(table) || seen[pocket.number]) {
            return false;
        }
        seen[pocket.number] = true;
        PocketRecord expected = pocketRecordFor(table, pocket.number);
        expected.ballX = pocket.ballX;
        expected.ballY = pocket.ballY;
        if (pocket != expected || !ballInsidePicture({pocket.ballX, pocket.ballY})) {
            return false;
        }
    }
    return true;
}

bool writeWholeFile(const std::filesystem::path& path, const std::vector<PocketRecord>& pockets) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out || !writeWheelFile(out, pockets)) {
        return false;
    }
    out.close();
    return !out.fail();
}

} // namespace

std::optional<std::vector<PocketRecord>> readWheelFile(std::istream& in, TableType table) {
    const auto count = static_cast<std::size_t>(pocketCount(table));
    std::vector<PocketRecord> pockets;
    pockets.reserve(count);
    RecordBytes bytes{};
    for (std::size_t i = 0; i < count; ++i) {
        if (!in.read(reinterpret_cast<char*>(bytes.data()), PocketRecordSize)) {
            return std::nullopt;
        }
        pockets.push_back(decode(bytes));
    }
    char extra = 0;
    if (in.get(extra)) { // the file is longer than the table's wheel
        return std::nullopt;
    }
    if (!recordsSound(pockets, table)) {
        return std::nullopt;
    }
    return pockets;
}

std::optional<std::vector<PocketRecord>> readWheelFile(const std::filesystem::path& path,
                                                       TableType table) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return readWheelFile(in, table);
}

bool writeWheelFile(std::ostream& out, const std::vector<PocketRecord>& pockets) {
    for (const PocketRecord& pocket : pockets) {
        const RecordBytes bytes = encode(pocket);
        out.write(reinterpret_cast<const char*>(bytes.data()), PocketRecordSize);
    }
    return static_cast<bool>(out.flush());
}

bool writeWheelFile(const std::filesystem::path& path, const std::vector<PocketRecord>& pockets) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::error_code error;
    if (!writeWholeFile(temporary, pockets)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace quendra
