// The load menu `TLademenu`: the main, follow and collect load files with their coup counts,
// the start options with their signal lamps, and OK. The engine's load-menu rules decide every
// change; the window shows the state they leave and passes the user's input in. The game
// pauses while the menu is open.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "game/PauseProtocol.h"
#include "permanence/PermanenceState.h"
#endif

#include "common/FileDialogs.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quendra::app {

class SignalLamp;

// What the file dialog is opened with.
using LoadFileRequest = FileDialogRequest;

class TLademenu : public QDialog {
    Q_OBJECT
public:
    using FileChooser = app::FileChooser;

    explicit TLademenu(Game& game, QWidget* parent = nullptr);

    // The file dialog `HLadeopenfile` by default; a test puts its own chooser in.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildMainGroup();
    QGroupBox* buildFollowGroup();
    QGroupBox* buildCollectGroup();
    QGroupBox* buildOptionGroup();
    QLineEdit* fileField(QWidget* parent, const QString& name);
    QLineEdit* countField(QWidget* parent, const QString& name);
    QLineEdit* digitField(QWidget* parent, const char* name);
    void connectControls();

    // The captions in the current language.
    void setCaptions();
    // Every control from the engine's state. A field's text is set only when the state's text
    // changed, so a name being typed elsewhere stays.
    void showModel();
    // Runs an engine rule on the user's input and shows what it left.
    template <typename Rule>
    void handle(Rule&& rule);

    QString chooseLoadFile(std::size_t filter);
    void HaLafileDblClick();
    void FoLaFileDblClick(int slot);
    void SaLaFileDblClick();
    // Follow slot 1-6 of a name field, 0 for another control.
    int followSlotOf(const QObject* field) const;
    bool isFileField(const QObject* field) const;
    void fileFieldDblClick(const QObject* field);
    // Enter in a name field takes the name typed; Escape closes the menu.
    void fileFieldEntered(const QObject* field);
    bool fileFieldKey(const QObject* field, const QKeyEvent& key);

    // The start mode of a number field, chosen when the field is entered.
    LoadStartMode modeOfField(const QObject* field) const;
    bool isNumberField(const QObject* field) const;
    void numberFieldEntered(QObject* field);
    // Enter or leaving the field applies its value.
    void applyNumberField(QObject* field);
    // Digits and backspace edit; other characters are refused.
    bool numberFieldKey(QObject* field, const QKeyEvent& key);

    void LaFileMenuOKClick();

    Game& game_;
    DialogPause pause_;
    FileChooser chooseFile_;
    // Set while a rule runs: its question box takes the focus away and gives it back.
    bool handling_ = false;

    QGroupBox* mainGroup_ = nullptr;
    QLineEdit* HaLafile_ = nullptr;
    QLineEdit* CupCounterHaupt_ = nullptr;
    QPushButton* HaLaReset_ = nullptr;
    QCheckBox* HaLaAktiv_ = nullptr;
    QCheckBox* ChB_PauseonEnde_ = nullptr;
    QGroupBox* followGroup_ = nullptr;
    std::array<QLabel*, FollowSlots> followLabels_{};
    std::array<QLineEdit*, FollowSlots> FoLaFile_{};
    std::array<QLineEdit*, FollowSlots> CupFolge_{};
    QGroupBox* collectGroup_ = nullptr;
    QLineEdit* SaLaFile_ = nullptr;
    QPushButton* SaLaReset_ = nullptr;
    QCheckBox* SaLaAktiv1_ = nullptr;
    QGroupBox* optionGroup_ = nullptr;
    QRadioButton* NormalRaBu_ = nullptr;
    QRadioButton* FixRaBu_ = nullptr;
    QRadioButton* RandomRaBu_ = nullptr;
    QRadioButton* RandomAngBu_ = nullptr;
    QLineEdit* FixRando_ = nullptr;
    QLineEdit* MinRando_ = nullptr;
    QLineEdit* MaxRando_ = nullptr;
    QSpinBox* maxAngRand_ = nullptr;
    QLineEdit* maxDauRand_ = nullptr;
    QLabel* rangeToLabel_ = nullptr;
    QLabel* attackCountLabel_ = nullptr;
    QLabel* attackLengthLabel_ = nullptr;
    SignalLamp* FixLed_ = nullptr;
    SignalLamp* ZuRaLed_ = nullptr;
    SignalLamp* ZuAnLed_ = nullptr;
    QCheckBox* ShortCup_ = nullptr;
    QPushButton* LaFileMenuOK_ = nullptr;
};

} // namespace quendra::app
