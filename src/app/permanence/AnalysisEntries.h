// The analysis menu's entries "Datei laden ..." and "Datei addieren ..." in the main window: the
// file dialog `MCheckFile` and the hourglass while the chosen file is read. The engine decides
// what is loaded and which entries are ticked and enabled afterwards.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#endif

#include "common/FileDialogs.h"

class QWidget;

namespace quendra::app {

class AnalysisEntries {
public:
    // The dialog sits on `parent`.
    AnalysisEntries(Game& game, QWidget* parent);

    // The dialog `MCheckFile` by default; a test puts its own chooser in.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    void LadeADateiClick();
    void DateiaddierenClick();

private:
    void load(bool append);

    Game& game_;
    QWidget* parent_;
    FileChooser chooseFile_;
};

} // namespace quendra::app
