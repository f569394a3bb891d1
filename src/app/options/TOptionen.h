// The options dialog `TOptionen`: the settings record's copy in its controls, the live
// reactions, the checks on leaving a field, OK, Cancel and Default, all decided by the engine's
// options model. The game pauses while the dialog is open.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "game/OptionsDialog.h"
#include "game/PauseProtocol.h"
#endif

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quendra::app {

class TOptionen : public QDialog {
    Q_OBJECT
public:
    explicit TOptionen(Game& game, QWidget* parent = nullptr);

    const OptionsDialog& model() const { return dialog_; }

public slots:
    // Esc, the close button and "Cancel": only the language goes back.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* checkBox(QWidget* parent, const char* name);
    QLabel* label(QWidget* parent, const char* name);
    QSpinBox* spinBox(QWidget* parent, const char* name);
    QWidget* buildPlayerCount();
    QGroupBox* buildGeneral();
    QGroupBox* buildPlayerOptions();
    QGroupBox* buildEditor();
    QGroupBox* buildUpdate();
    QWidget* buildButtons();
    void connectControls();

    // The captions in the current language.
    void setCaptions();
    // Every control from the model; signals blocked so that loading does not count as input.
    void showModel();
    // Takes the controls' plain values (check boxes, radios) into the model.
    void takeControls();
    bool leaveField(QObject* field);
    // Digits and backspace edit, "+" and "-" step, other keys are swallowed.
    bool numberFieldKey(QSpinBox* field, int step, QKeyEvent* key);

    void OKoptionClick();
    void DefaultoptionClick();

    Game& game_;
    DialogPause pause_;
    OptionsDialog dialog_;

    QGroupBox* playerCount_ = nullptr;
    std::array<QRadioButton*, 4> players_{};
    QGroupBox* general_ = nullptr;
    QLabel* languageLabel_ = nullptr;
    QComboBox* language_ = nullptr;
    QLabel* delayLabel_ = nullptr;
    QSpinBox* delay_ = nullptr;
    QCheckBox* manualTimeBar_ = nullptr;
    QCheckBox* startScreenOff_ = nullptr;
    QCheckBox* showDolly_ = nullptr;
    QCheckBox* showSelection_ = nullptr;
    QLabel* tableLabel_ = nullptr;
    QRadioButton* french_ = nullptr;
    QRadioButton* american_ = nullptr;
    QGroupBox* playerOptions_ = nullptr;
    QLabel* capitalLabel_ = nullptr;
    QSpinBox* capital_ = nullptr;
    QRadioButton* pieces_ = nullptr;
    QRadioButton* real_ = nullptr;
    QLabel* pieceValueLabel_ = nullptr;
    QSpinBox* pieceValue_ = nullptr;
    QCheckBox* chipLimitOn_ = nullptr;
    QLabel* chipLimitLabel_ = nullptr;
    QSpinBox* chipLimit_ = nullptr;
    QCheckBox* replayStop_ = nullptr;
    QLabel* tipRuleLabel_ = nullptr;
    QComboBox* tipRule_ = nullptr;
    QCheckBox* statComment_ = nullptr;
    QCheckBox* clickSound_ = nullptr;
    QCheckBox* winPieces_ = nullptr;
    QCheckBox* extendedStatistics_ = nullptr;
    QCheckBox* yearStatistics_ = nullptr;
    QCheckBox* zeroHandling_ = nullptr;
    QCheckBox* singleColour_ = nullptr;
    QGroupBox* editor_ = nullptr;
    QCheckBox* showSyntax_ = nullptr;
    QGroupBox* update_ = nullptr;
    QCheckBox* autoUpdate_ = nullptr;
    QComboBox* updateInterval_ = nullptr;
    QLabel* nextDateLabel_ = nullptr;
    QLineEdit* nextDate_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* default_ = nullptr;
};

} // namespace quendra::app
