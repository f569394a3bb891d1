// The system editor `TSystemEDForm`: a modal text editor for system files with the statement
// keywords highlighted and, after a system-play error, the error shown above the text.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "systemplay/SystemEditor.h"
#endif

#include <QDialog>
#include <QString>

class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QSyntaxHighlighter;

namespace quendra::app {

// `Errorfield`: the message line and the faulty line with the offending token in red.
class ErrorField : public QWidget {
    Q_OBJECT
public:
    explicit ErrorField(QWidget* parent = nullptr);
    void setDisplay(const SystemEditorErrorDisplay& display);
    const SystemEditorErrorDisplay& display() const { return display_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SystemEditorErrorDisplay display_;
};

class TSystemEDForm : public QDialog {
    Q_OBJECT
public:
    TSystemEDForm(Game& game, const SystemEditorRequest& request, QWidget* parent = nullptr);

    // A text that is no file (the year permanence with the current game added), shown plain
    // and read-only under its caption.
    void showText(const QString& caption, const QString& text);

    QPlainTextEdit* editor() const { return EDmemo1m_; }
    // The keywords are highlighted: `ShowSyntax` is on and the text is a system file.
    bool highlighting() const;
    ErrorField* errorField() const { return Errorfield_; }
    const QString& fileName() const { return fileName_; }
    bool isModified() const;

public slots:
    void EDneuClick();
    void EDoeffnenClick();
    void EDSpeichernClick();
    void EDSpeichernunterClick();
    void EDBeendenClick();
    // F1: the manual at the keyword or section label at the caret.
    void keywordHelp();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus(bool browseOnly);
    void showFile(const QString& file);
    bool Fileload(const QString& file);
    bool Filesave(const QString& file);
    void scrollToLine(int line);
    void showTopLine();
    bool save();
    bool saveAs();
    // Asks to save unsaved changes; false keeps the window open (the save failed or was
    // cancelled).
    bool mayClose();
    Language language() const { return game_.state().language(); }

    Game& game_;
    bool browseOnly_;
    QString fileName_;
    int topLine_ = 1;
    QMenuBar* menuBar_;
    QAction* EDneu_ = nullptr;
    ErrorField* Errorfield_;
    QPlainTextEdit* EDmemo1m_;
    QSyntaxHighlighter* highlighter_ = nullptr;
};

} // namespace quendra::app
