// Pocket orders of the two wheels and the geometry of the wheel picture.
#include "table/WheelGeometry.h"

#include <array>
#include <cmath>
#include <numbers>

namespace quendra {
namespace {

// The standard single-zero wheel, read counter-clockwise from 10.
constexpr std::array<int, 37> FrenchWheel{10, 23, 8,  30, 11, 36, 13, 27, 6,  34, 17, 25, 2,
                                          21, 4,  19, 15, 32, 0,  26, 3,  35, 12, 28, 7,  29,
                                          18, 22, 9,  31, 14, 20, 1,  33, 16, 24, 5};

// The standard double-zero wheel, read counter-clockwise from 00 (37).
constexpr std::array<int, 38> AmericanWheel{37, 1,  13, 36, 24, 3,  15, 34, 22, 5,  17, 32, 20,
                                            7,  11, 30, 26, 9,  28, 0,  2,  14, 35, 23, 4,  16,
                                            33, 21, 6,  18, 31, 19, 8,  12, 29, 25, 10, 27};

double firstPocketStart(TableType table) {
    return table == TableType::French ? 0.0 : -pocketAngleStep(table) / 2.0;
}

} // namespace

std::span<const int> wheelOrder(TableType table) {
    if (table == TableType::French) {
        return FrenchWheel;
    }
    return AmericanWheel;
}

Rgb pocketRgb(Colour colour) {
    switch (colour) {
    case Colour::Red:
        return PocketRed;
    case Colour::Black:
        return PocketBlack;
    case Colour::Zero:
        break;
    }
    return PocketGreen;
}

double pocketAngleStep(TableType table) {
    return 2.0 * std::numbers::pi / pocketCount(table);
}

double pocketStartAngle(TableType table, int pocket) {
    return firstPocketStart(table) + (pocket - 1) * pocketAngleStep(table);
}

double pocketEndAngle(TableType table, int pocket) {
    return pocketStartAngle(table, pocket) + pocketAngleStep(table);
}

double pocketCentreAngle(TableType table, int pocket) {
    return pocketStartAngle(table, pocket) + pocketAngleStep(table) / 2.0;
}

WheelPoint pointOnWheel(double centreX, double centreY, double radius, double angle) {
    return {static_cast<int>(std::lround(centreX + radius * std::sin(angle))),
            static_cast<int>(std::lround(centreY + radius * std::cos(angle)))};
}

WheelPoint ballPosition(TableType table, int pocket) {
    const WheelPoint centre =
        pointOnWheel(WheelCentreX, WheelCentreY, BallRadius, pocketCentreAngle(table, pocket));
    return {centre.x - BallFrameSize / 2, centre.y - BallFrameSize / 2};
}

bool ballInsidePicture(WheelPoint position) {
    return position.x >= 0 && position.y >= 0 && position.x + BallFrameSize <= WheelPictureWidth &&
           position.y + BallFrameSize <= WheelPictureHeight;
}

} // namespace quendra
