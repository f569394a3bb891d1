// What the smaller statistics windows share around their figures: a row of OK, print and copy
// buttons below them, and the window sized to hold both.
#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>
#include <initializer_list>

class QDialog;

namespace quendra::app {

inline constexpr int WindowMargin = 12;
inline constexpr QSize StatisticsButtonSize{90, 25};
inline constexpr int StatisticsButtonSpacing = 8;

// A button of the row, named and not taking Enter unless it is the default.
QPushButton* statisticsButton(QDialog* window, const char* objectName);

// Places the buttons in a row centred below `figures` and fixes the window's size around both.
void placeButtonRow(QDialog* window, const QRect& figures, std::initializer_list<QPushButton*> row);

} // namespace quendra::app
