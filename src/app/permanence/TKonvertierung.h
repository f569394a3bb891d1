// The conversion window `TKonvertierung`: a folder of Hamburg permanence files, or one text file
// of delimited coups, turned into load files by the engine's conversion. The window holds the
// user's choices and shows what the engine left; the game pauses while it is open.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "game/PauseProtocol.h"
#endif

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quendra::app {

class TKonvertierung : public QDialog {
    Q_OBJECT
public:
    // Runs the folder dialog `BrowseDirectory` (or the file dialog of a text file) from the
    // given start and returns the choice, empty when there is none.
    using Chooser = std::function<QString(QWidget* parent, const QString& start)>;

    explicit TKonvertierung(Game& game, QWidget* parent = nullptr);

    // Tests put their own dialogs in.
    void setFolderChooser(Chooser chooser) { chooseFolder_ = std::move(chooser); }
    void setFileChooser(Chooser chooser) { chooseFile_ = std::move(chooser); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSourceGroup();
    QWidget* buildHamburgPart();
    QWidget* buildDelimitedPart();
    QLineEdit* pathField(QWidget* parent, const char* name);
    void setCaptions();
    // Enables what the source kind and the collect-file box allow.
    void showState();

    void DirInfoDblClick();
    void TextFileDblClick();
    QString loadFolder() const;
    void SammelfileCreateClick();
    void Convert_BUClick();
    void showFiles();

    Game& game_;
    DialogPause pause_;
    Chooser chooseFolder_;
    Chooser chooseFile_;
    QString folder_;                 // with a trailing separator
    std::vector<std::string> files_; // names only
    int remaining_ = 0;
    bool converted_ = false; // a run converted files: the folder is to be chosen again
    QString textFile_;

    QRadioButton* Hamburg_ = nullptr;
    QRadioButton* Trennzeichen_ = nullptr;
    QLabel* DirInfoLabel_ = nullptr;
    QLineEdit* DirInfo_ = nullptr;
    QLabel* Label3Caption_ = nullptr;
    QLabel* Label3_ = nullptr;
    QCheckBox* OriginalSAV_ = nullptr;
    QRadioButton* Franz_Tisch_ = nullptr;
    QRadioButton* Ami_Tisch_ = nullptr;
    QCheckBox* SammelfileCreate_ = nullptr;
    QLabel* SammelNamen_ = nullptr;
    QLineEdit* SammelNamenText_ = nullptr;
    QLabel* SammelInfo_ = nullptr;
    QLineEdit* SammelInfoText_ = nullptr;
    QWidget* hamburgPart_ = nullptr;
    QWidget* delimitedPart_ = nullptr;
    QLabel* TextDateiLabel_ = nullptr;
    QLineEdit* TextDatei_ = nullptr;
    QLabel* LadeInfoLabel_ = nullptr;
    QLineEdit* LadeInfoText_ = nullptr;
    QPushButton* Convert_BU_ = nullptr;
    QPushButton* Button2_ = nullptr;
};

} // namespace quendra::app
