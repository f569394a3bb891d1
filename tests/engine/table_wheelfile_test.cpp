// The wheel data files: what the generated files hold, where the ball is drawn, and which files
// the reader refuses.
#include "table/Table.h"
#include "table/WheelGeometry.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace quendra {
namespace {

const TableType BothTables[] = {TableType::French, TableType::American};

std::filesystem::path generatedFile(TableType table) {
    return std::filesystem::path(QUENDRA_BIN_DIR) / wheelFileName(table);
}

std::vector<PocketRecord> generatedPockets(TableType table) {
    auto pockets = readWheelFile(generatedFile(table), table);
    EXPECT_TRUE(pockets.has_value()) << generatedFile(table);
    return pockets.value_or(std::vector<PocketRecord>{});
}

std::vector<int> numbersOf(const std::vector<PocketRecord>& pockets) {
    std::vector<int> numbers;
    for (const PocketRecord& pocket : pockets) {
        numbers.push_back(pocket.number);
    }
    return numbers;
}

// The record's list for a kind; plein is the number itself.
std::vector<int> listed(const PocketRecord& record, BetKind kind) {
    auto list = [](std::span<const std::uint8_t> bytes) {
        return std::vector<int>(bytes.begin(), bytes.end());
    };
    switch (kind) {
    case BetKind::Plein:
        return {record.number};
    case BetKind::Cheval:
        return list(record.chevals);
    case BetKind::TransversalePlein:
        return list(record.transversales);
    case BetKind::TransversaleSimple:
        return list(record.simples);
    case BetKind::Carre:
        return list(record.carres);
    case BetKind::Column:
        return {record.column};
    case BetKind::Dozen:
        return {record.dozen};
    case BetKind::EvenChance:
        return list(record.evenChances);
    }
    return {};
}

TEST(WheelFile, GeneratedMembershipsAgreeWithTheCatalogue) {
    for (TableType table : BothTables) {
        const auto pockets = generatedPockets(table);
        ASSERT_EQ(pockets, standardPocketTable(table));
        for (const PocketRecord& pocket : pockets) {
            SCOPED_TRACE(numberText(pocket.number));
            EXPECT_EQ(pocket.colour, colourLetter(colourOf(pocket.number)));
            for (int k = 0; k < BetKindCount; ++k) {
                const auto kind = static_cast<BetKind>(k);
                const std::vector<int> list = listed(pocket, kind);
                // Filled from the front, ascending, nothing after the first 0.
                const auto end = std::find(list.begin(), list.end(), 0);
                EXPECT_TRUE(kind == BetKind::Plein || std::is_sorted(list.begin(), end));
                EXPECT_TRUE(kind == BetKind::Plein ||
                            std::all_of(end, list.end(), [](int i) { return i == 0; }));
                for (int index = firstIndex(kind); index <= lastIndex(kind); ++index) {
                    if (!fieldPresent(table, {kind, index})) {
                        continue;
                    }
                    const bool inList = std::find(list.begin(), list.end(), index) != list.end();
                    EXPECT_EQ(fieldCovers(table, {kind, index}, pocket.number), inList)
                        << fieldCode({kind, index});
                }
            }
        }
    }
}

TEST(WheelFile, FrenchRecordsStartCounterClockwiseAtTen) {
    const auto numbers = numbersOf(generatedPockets(TableType::French));
    ASSERT_EQ(numbers.size(), 37u);
    EXPECT_EQ(numbers[0], 10);
    EXPECT_EQ(numbers[1], 23);
    EXPECT_EQ(numbers[18], 0);
    EXPECT_EQ(numbers[36], 5);
}

// The wheels as they are usually listed, clockwise from the zero.
TEST(WheelFile, WheelsAreTheStandardWheelsReadCounterClockwise) {
    const std::vector<int> singleZero{0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                      36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                      31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
    const std::vector<int> doubleZero{0,  28, 9,  26, 30, 11, 7,  20, 32, 17, 5,  22, 34,
                                      15, 3,  24, 36, 13, 1,  37, 27, 10, 25, 29, 12, 8,
                                      19, 31, 18, 6,  21, 33, 16, 4,  23, 35, 14, 2};
    struct Case {
        TableType table;
        const std::vector<int>& clockwise;
        int firstNumber;
    };
    for (const Case& c : {Case{TableType::French, singleZero, 10},
                          Case{TableType::American, doubleZero, DoubleZero}}) {
        std::vector<int> numbers = numbersOf(generatedPockets(c.table));
        std::reverse(numbers.begin(), numbers.end());
        const auto zero = std::find(numbers.begin(), numbers.end(), 0);
        std::rotate(numbers.begin(), zero, numbers.end());
        EXPECT_EQ(numbers, c.clockwise);
        EXPECT_EQ(generatedPockets(c.table).front().number, c.firstNumber);
    }
}

TEST(WheelFile, BallLiesInsideItsPocketOnThePicture) {
    for (TableType table : BothTables) {
        const auto pockets = generatedPockets(table);
        std::set<std::pair<int, int>> positions;
        for (std::size_t i = 0; i < pockets.size(); ++i) {
            const int pocket = static_cast<int>(i) + 1;
            SCOPED_TRACE(pocket);
            const int x = pockets[i].ballX, y = pockets[i].ballY;
            EXPECT_TRUE(x >= 0 && y >= 0 && x + BallFrameSize <= WheelPictureWidth &&
                        y + BallFrameSize <= WheelPictureHeight);
            positions.insert({x, y});
            // The frame's centre lies in the pocket ring and within the pocket's arc.
            const double dx = x + BallFrameSize / 2 - WheelCentreX;
            const double dy = y + BallFrameSize / 2 - WheelCentreY;
            const double radius = std::hypot(dx, dy);
            EXPECT_GE(radius, PocketRingInnerRadius + BallFrameSize / 2);
            EXPECT_LE(radius, PocketRingOuterRadius - BallFrameSize / 2);
            double angle = std::atan2(dx, dy);
            const double start = pocketStartAngle(table, pocket);
            while (angle < start) {
                angle += 2 * std::numbers::pi;
            }
            EXPECT_LT(angle, pocketEndAngle(table, pocket));
        }
        EXPECT_EQ(positions.size(), pockets.size());
    }
}

// Angles grow from the bottom of the picture towards the right, so pocket 1 lies at the
// bottom, the numbers run counter-clockwise on the screen and the zero sits at the top.
TEST(WheelFile, ZeroAtTheTopAndPocketsCounterClockwise) {
    for (TableType table : BothTables) {
        const auto pockets = generatedPockets(table);
        const auto topmost = std::min_element(
            pockets.begin(), pockets.end(),
            [](const PocketRecord& a, const PocketRecord& b) { return a.ballY < b.ballY; });
        EXPECT_EQ(topmost->number, 0);
        const auto lowest = std::max_element(
            pockets.begin(), pockets.end(),
            [](const PocketRecord& a, const PocketRecord& b) { return a.ballY < b.ballY; });
        const auto lowestIndex = static_cast<std::size_t>(lowest - pockets.begin());
        EXPECT_TRUE(lowestIndex == 0 || lowestIndex == pockets.size() - 1);
        const WheelPoint quarter = ballPosition(table, pocketCount(table) / 4 + 1);
        EXPECT_GT(quarter.x, WheelCentreX); // a quarter turn on, the ball is on the right
    }
    EXPECT_EQ(generatedPockets(TableType::American).front().number, DoubleZero);
}

TEST(WheelFile, RecordLayoutIsLittleEndianAtFixedOffsets) {
    PocketRecord record = pocketRecordFor(TableType::American, 2);
    record.ballX = 0x01020304;
    record.ballY = -2;
    std::ostringstream out;
    ASSERT_TRUE(writeWheelFile(out, {record}));
    const std::string bytes = out.str();
    ASSERT_EQ(bytes.size(), 36u);
    const std::string expected{
        2, 'S', 1,  2,  4,      1,      2,              // number, colour, EC, DZ, KL
        1, 3,   15, 16,                                 // TP
        1, 0,                                           // TS
        1, 2,   3,  0,                                  // CA
        2, 5,   37, 38, 62,                             // CH
        0, 0,   0,  0,  0,      0,                      // reserved
        4, 3,   2,  1,  '\xfe', '\xff', '\xff', '\xff', // ball x, y
    };
    EXPECT_EQ(bytes, expected);
}

class WheelFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("quendra_wheel_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

TEST_F(WheelFileOnDisk, WrittenFileReadsBackAndLoadsTheTable) {
    for (TableType table : BothTables) {
        const auto pockets = standardPocketTable(table);
        ASSERT_TRUE(writeWheelFile(folder_ / wheelFileName(table), pockets));
        EXPECT_EQ(readWheelFile(folder_ / wheelFileName(table), table), pockets);
        EXPECT_EQ(std::filesystem::file_size(folder_ / wheelFileName(table)),
                  static_cast<std::uintmax_t>(36 * pocketCount(table)));
    }
    const auto french = loadTable(folder_, TableType::French, 31);
    ASSERT_TRUE(french.has_value());
    EXPECT_TRUE(french->FrenchTable);
    EXPECT_EQ(french->HighestNumber, 36);
    EXPECT_EQ(french->PocketCount, 37);
    EXPECT_EQ(french->BallPocket, 30);
    EXPECT_EQ(french->ballNumber(), 31);
    EXPECT_EQ(french->RecentPockets, (std::array<std::uint8_t, 3>{NoPocket, NoPocket, NoPocket}));
    EXPECT_EQ(french->pocketOf(0), 19);
    EXPECT_EQ(french->pocketOf(DoubleZero), 0);

    const auto american = loadTable(folder_, TableType::American, 1);
    ASSERT_TRUE(american.has_value());
    EXPECT_FALSE(american->FrenchTable);
    EXPECT_EQ(american->PocketCount, 38);
    EXPECT_EQ(american->ballNumber(), 1);
    EXPECT_EQ(american->pocketOf(DoubleZero), 1);
    EXPECT_EQ(loadTable(folder_, TableType::American, 45).value().BallPocket, 1);
}

TEST_F(WheelFileOnDisk, MissingOrEmptyFileIsRefused) {
    EXPECT_FALSE(loadTable(folder_, TableType::French, 1).has_value());
    EXPECT_FALSE(readWheelFile(folder_ / "EIGENPR.VER", TableType::French).has_value());
    std::ofstream(folder_ / "EIGENPR.VER").close();
    EXPECT_FALSE(loadTable(folder_, TableType::French, 1).has_value());
    EXPECT_FALSE(writeWheelFile(folder_ / "no such folder" / "EIGENPR.VER",
                                standardPocketTable(TableType::French)));
}

std::string fileBytes(const std::vector<PocketRecord>& pockets) {
    std::ostringstream out;
    writeWheelFile(out, pockets);
    return out.str();
}

TEST(WheelFile, DamagedFilesAreRefusedAndHarmlessDifferencesAccepted) {
    using Bytes = std::string;
    const Bytes french = fileBytes(standardPocketTable(TableType::French));
    struct Case {
        const char* name;
        TableType table;
        Bytes bytes;
        bool accepted;
    };
    auto changed = [&](std::size_t at, char value) {
        Bytes bytes = french;
        bytes[at] = value;
        return bytes;
    };
    const std::size_t second = 36; // first byte of record 2
    const Case cases[] = {
        {"intact", TableType::French, french, true},
        {"reserved bytes set", TableType::French, changed(second + 24, 'x'), true},
        {"records rotated", TableType::French, french.substr(36) + french.substr(0, 36), true},
        {"empty", TableType::French, "", false},
        {"one byte short", TableType::French, french.substr(0, french.size() - 1), false},
        {"one record too many", TableType::French, french + french.substr(0, 36), false},
        {"French file on the American table", TableType::American, french, false},
        {"00 on the French table", TableType::French, changed(second, 37), false},
        {"number out of range", TableType::French, changed(second, '\xc8'), false},
        {"a number twice", TableType::French,
         french.substr(0, 36) + french.substr(0, 36) + french.substr(72), false},
        {"unknown colour letter", TableType::French, changed(second + 1, 'X'), false},
        {"wrong colour", TableType::French, changed(second + 1, 'S'), false},
        {"cheval missing", TableType::French, changed(second + 17, 0), false},
        {"dozen wrong", TableType::French, changed(second + 5, 3), false},
        {"ball outside the picture", TableType::French, changed(second + 29, 1), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.bytes);
        EXPECT_EQ(readWheelFile(in, c.table).has_value(), c.accepted);
    }
}

} // namespace
} // namespace quendra
