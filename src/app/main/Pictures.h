// The program's pictures: board, wheel, ball, start picture and program picture, drawn from the
// engine's geometry when first asked for and looked up by their resource names.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "table/BetField.h"
#include "table/WheelGeometry.h"
#endif

#include <QColor>
#include <QImage>
#include <QStringView>

class QPainter;

namespace quendra::app {

// Resource names, as the program's windows ask for them (case does not matter).
inline constexpr const char* FrenchBoardName = "TABLEV3F";
inline constexpr const char* AmericanBoardName = "TABLEV3A";
inline constexpr const char* FrenchWheelName = "KESSEL4F";
inline constexpr const char* AmericanWheelName = "KESSEL4A";
inline constexpr const char* BallSheetName = "KUGEL1";
inline constexpr const char* StartPictureName = "SETUP";
inline constexpr const char* ProgramPictureName = "PROGRAMM";

// The picture of that resource name, drawn once per process; a null image for an unknown name.
QImage loadPicture(QStringView name);

const char* boardPictureName(TableType table);
const char* wheelPictureName(TableType table);

// The drawings themselves (each call draws afresh; loadPicture keeps the results).
QImage drawBoardPicture(TableType table); // 420 × 637
QImage drawWheelPicture(TableType table); // 246 × 244
QImage drawBallSheet();                   // 15 × 15, black is transparent
QImage drawStartPicture();                // 520 × 316
QImage drawProgramPicture();              // 123 × 99

// The wheel in the coordinates of the wheel picture, without the picture's corners: the other
// pictures scale it onto their own canvas.
void paintWheel(QPainter& painter, TableType table);

// The cloth of board and wheel corners.
inline constexpr QColor ClothColour{0, 104, 52};
void paintCloth(QPainter& painter, const QRect& area);

inline QColor toQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace quendra::app
