// The tournament's dialogs: the rules with "Start" and "Cancel" (`TRoulette_Turnier`), the
// result to send in (`TTurnierende`) and the lost round (`TTurnierverloren`). Fixed, centred,
// captioned "Quendra Turnier".
#pragma once

#ifndef Q_MOC_RUN
#include "tournament/Tournament.h"
#endif

#include <QDialog>

namespace quendra::app {

class TRoulette_Turnier : public QDialog {
    Q_OBJECT
public:
    explicit TRoulette_Turnier(QWidget* parent = nullptr);
    // Shown modally: true for "Start".
    static bool ask(QWidget* parent);
};

class TTurnierende : public QDialog {
    Q_OBJECT
public:
    TTurnierende(const TournamentResult& result, QWidget* parent = nullptr);
};

class TTurnierverloren : public QDialog {
    Q_OBJECT
public:
    explicit TTurnierverloren(QWidget* parent = nullptr);
};

} // namespace quendra::app
