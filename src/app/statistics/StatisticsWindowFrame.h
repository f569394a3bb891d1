// What the statistics windows share around their figures: a row of OK, print and copy buttons
// below them, the window sized to hold both, and the line that says what the analysis' figures
// count.
#pragma once

#ifndef Q_MOC_RUN
#include "game/GameState.h"
#include "statistics/StatisticsView.h"
#endif

#include <QPushButton>
#include <QRect>
#include <QString>
#include <initializer_list>

class QDialog;
class QLabel;

namespace quendra::app {

inline constexpr int WindowMargin = 12;
inline constexpr QSize StatisticsButtonSize{90, 25};
inline constexpr int StatisticsButtonSpacing = 8;

// A button of the row, named and not taking Enter unless it is the default.
QPushButton* statisticsButton(QDialog* window, const char* objectName);

// Places the buttons in a row centred below `figures` and fixes the window's size around both.
void placeButtonRow(QDialog* window, const QRect& figures, std::initializer_list<QPushButton*> row);

// The line "AnalysisDescription" of a window of the analysis' figures: the files, their info
// line and the coups counted. The game's figures need none: null for them.
QLabel* makeAnalysisLine(QWidget* window, StatisticsSource source);

// Shows the description as the game state has it now, `width` wide, and returns the height the
// line takes; the window places it. 0 without a line.
int showAnalysisLine(QLabel* line, const GameState& state, int width);

// Shows the line below `figures`, as wide as they are, and returns the figures with the line.
QRect placeAnalysisLineBelow(QLabel* line, const GameState& state, const QRect& figures);

// Puts a window's figures as text on the clipboard; the analysis' say what they count.
void putOnClipboard(const std::string& text, const GameState& state, StatisticsSource source);

} // namespace quendra::app
