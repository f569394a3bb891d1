// For the statistics windows' tests: coups counted through the engine on the real wheel, and a
// look into the PDF files the windows print.
#pragma once

#include "AppTestGame.h"
#include "spin/CoupRecords.h"
#include "statistics/StatisticsStore.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <initializer_list>

namespace quendra::apptest {

// Counts the numbers as coups of the game, as the spin cycle does.
inline void countCoups(GameState& state, std::initializer_list<int> numbers,
                       bool extendedStatistics = true) {
    for (int number : numbers) {
        for (const PocketRecord& pocket : state.table.PocketTable) {
            if (pocket.number == number) {
                Stat_RecordCoup(state.statistics, pocket, extendedStatistics);
                break;
            }
        }
    }
}

// One coup of the players: each stakes and wins what the lists say (missing players neither
// stake nor win), as the settlement leaves it, then the coup is recorded and counted.
inline void playPlayerCoup(GameState& state, std::initializer_list<std::int32_t> stakes,
                           std::initializer_list<std::int32_t> wins) {
    int p = 1;
    for (Player& player : state.players) {
        const auto index = static_cast<std::size_t>(p - 1);
        const std::int32_t stake = index < stakes.size() ? *(stakes.begin() + index) : 0;
        const std::int32_t win = index < wins.size() ? *(wins.begin() + index) : 0;
        player.BetSum = stake;
        player.CoupWin = win;
        player.CoupNet = win - stake;
        player.Capital += win - stake;
        ++p;
    }
    RecordPlayerCoups(state);
    countCoups(state, {7});
    for (Player& player : state.players) {
        player.BetSum = 0;
    }
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages of a PDF file: its page objects, not the page tree that holds them.
inline int pdfPageCount(const QString& path) {
    static const QRegularExpression page(R"(/Type\s*/Page(?![s\w]))");
    int count = 0;
    auto matches = page.globalMatch(QString::fromLatin1(fileBytes(path)));
    while (matches.hasNext()) {
        matches.next();
        ++count;
    }
    return count;
}

// The document title a PDF file carries, as Qt writes it: UTF-16 big-endian with its mark.
inline bool pdfHasTitle(const QString& path, const QString& title) {
    QByteArray utf16("\xFE\xFF", 2);
    for (QChar c : title) {
        utf16.append(static_cast<char>(c.unicode() >> 8));
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
    }
    const QByteArray bytes = fileBytes(path);
    // Parentheses and backslashes in a PDF string are escaped.
    QByteArray escaped;
    for (char b : utf16) {
        if (b == '(' || b == ')' || b == '\\') {
            escaped.append('\\');
        }
        escaped.append(b);
    }
    return bytes.contains(escaped);
}

} // namespace quendra::apptest
