// The two wheels: the order of their pockets and where everything lies on the wheel picture.
#pragma once

#include "table/BetField.h"

#include <compare>
#include <cstdint>
#include <span>

namespace quendra {

// The numbers in pocket order, pocket 1 first (37 is 00). Pockets run counter-clockwise as seen
// on the picture, which shows the wheel from above with its numbers in the standard clockwise
// sequence.
//
// French: the standard single-zero wheel starting at 10, so that pocket 1 holds 10, pocket 2
// holds 23, pocket 19 holds 0 and pocket 37 holds 5.
// American: the standard double-zero wheel starting at 00, so that pocket 1 holds 00 and
// pocket 20 holds 0. As on the French wheel, pocket 1 lies at the bottom of the picture and the
// zero at the top, and the nine-pocket quadrants of the wheel distribution are consecutive
// pockets (quadrant 3 is pockets 2-10, quadrant 1 is pockets 21-29).
std::span<const int> wheelOrder(TableType table);

// The wheel pictures (one per table, drawn by the program with the numbers below).
inline constexpr int WheelPictureWidth = 246;
inline constexpr int WheelPictureHeight = 244;
inline constexpr int WheelCentreX = 123;
inline constexpr int WheelCentreY = 122;

// Rings of the picture, from the outside in (radii in pixels from the centre):
// the wooden rim with the ball track, the ring of the number labels, the pockets, the cone.
inline constexpr int WheelRimRadius = 121;
inline constexpr int NumberRingOuterRadius = 108;
inline constexpr int NumberTextRadius = 100; // centre of each number label
inline constexpr int PocketRingOuterRadius = 92;
inline constexpr int BallRadius = 83; // centre of the ball lying in a pocket
inline constexpr int PocketRingInnerRadius = 74;
inline constexpr int TurretRadius = 18;

// The ball sprite: one 13 × 13 frame; a ball position is the frame's top-left corner.
inline constexpr int BallFrameSize = 13;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

inline constexpr Rgb PocketRed{200, 16, 16};
inline constexpr Rgb PocketBlack{16, 16, 16};
inline constexpr Rgb PocketGreen{0, 128, 0};
inline constexpr Rgb NumberTextColour{255, 255, 255};
inline constexpr Rgb RimColour{96, 52, 20};
inline constexpr Rgb BallTrackColour{150, 96, 48};
inline constexpr Rgb ConeColour{176, 128, 64};
inline constexpr Rgb FretColour{212, 175, 55}; // the metal separators between the pockets
inline constexpr Rgb BallColour{240, 240, 240};

Rgb pocketRgb(Colour colour);

// Angles are measured from the downward vertical towards the right: the point at angle a and
// radius r from a centre (cx, cy) is (cx + r·sin a, cy + r·cos a), so growing angles run
// counter-clockwise on the screen. Every pocket spans 2π / pocketCount. Pocket 1 (1-based)
// starts at angle 0 on the French wheel and at −π / 38 on the American wheel, so the French
// pocket 1 lies just right of the bottom and the American pocket 1 is centred on it.
double pocketAngleStep(TableType table);
double pocketStartAngle(TableType table, int pocket);
double pocketEndAngle(TableType table, int pocket);
double pocketCentreAngle(TableType table, int pocket);

struct WheelPoint {
    int x = 0;
    int y = 0;

    auto operator<=>(const WheelPoint&) const = default;
};

// The point at the given angle and radius, each coordinate rounded to the nearest pixel.
WheelPoint pointOnWheel(double centreX, double centreY, double radius, double angle);

// Top-left corner of the ball frame when the ball lies in the pocket (1-based): the frame is
// centred on the pocket's centre angle at BallRadius.
WheelPoint ballPosition(TableType table, int pocket);

// Whether a ball frame at this top-left corner lies wholly inside the wheel picture.
bool ballInsidePicture(WheelPoint position);

} // namespace quendra
