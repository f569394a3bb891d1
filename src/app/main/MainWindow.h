// The main window `THaupt`: the menu, the board, the wheel and the permanence strip, the player
// panel with its bars, the info panel, the command buttons and the game timer `Spieltimer`.
#pragma once

#include "common/QtHost.h"
#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/HowOftenTable.h"
#include "statistics/StatisticsMenu.h"
#endif

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class QPrinter;
class QPushButton;

namespace quendra {
class SettingsStore;
}

namespace quendra::app {

class AnalysisEntries;
class BoardView;
class InfoPanelWidget;
class MainMenu;
class PermanenceStrip;
class PlayerPanelWidget;
class TBalken;
class WheelView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The game state must be initialised for its program folder; the store outlives the window.
    MainWindow(SettingsStore& store, const std::filesystem::path& programFolder,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }
    QtHost& host() { return host_; }
    // "Datei laden ..." and "Datei addieren ..."; a test replaces their file dialog.
    AnalysisEntries& analysisEntries() { return *analysisEntries_; }
    // False until the start-up has loaded the settings and the table.
    bool started() const { return started_; }
    // Shows the start screen at start-up unless the settings switch it off; a test turns it off.
    void setStartScreenAllowed(bool allowed) { startScreenAllowed_ = allowed; }

    // Where the board, the wheel and the permanence strip sit: a view put in place of one of
    // them gets its refresh() slot called after every tick and command.
    BoardView* boardArea() const { return board_; }
    WheelView* wheelArea() const { return wheel_; }
    PermanenceStrip* stripArea() const { return strip_; }
    static constexpr QRect BoardGeometry{0, 12, 420, 637};
    static constexpr QRect WheelGeometry{708, 390, 246, 244};
    static constexpr QRect StripGeometry{428, 12, 64, 420};

    // The super-short game plays coups for this long per timer event.
    static constexpr int SuperShortBatchMilliseconds = 20;

public slots:
    // Every control reads the game state again: captions in the language, enabled commands,
    // bars, panels and the views; the game timer runs when the game says it does.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void SpieltimerTimer();

private:
    void startUp();
    void buildControls(QWidget* central);
    QPushButton* makeButton(QWidget* parent, const char* name, QRect geometry);
    void connectCommands();
    // Runs a command and shows its outcome.
    template <typename Command>
    void command(Command&& run);
    void scheduleRefresh();
    void retranslate();
    void showBars();
    void showCommands();
    void refreshViews();
    void syncGameTimer();
    void scheduleFirstSystemBets();
    void showPlaceholder(const QString& entry);
    void playSuperShortBatch();

    void Start1Click();
    void Optionen1Click();
    void Ladefile1Click();
    void LadeADateiClick();
    void DateiaddierenClick();
    void SpielEnde1Click();
    void PauseClick();
    void Replay1Click();
    void SuperkurzspielClick();
    void StatRcksetzung1Click();
    void Systemspiel1Click();
    void Turnierspielstarten1Click();
    void Turnierspielstoppen1Click();
    void HilfeInhalt1Click();
    void Oeffnen1Click();
    void Neu1Click();
    void Ladedatei1Click();
    void Jahr1Click();
    void Konvertierung1Click();
    void AboutClick();
    void Drucker1Click();
    void StatistikTabClick(HowOftenView view);
    void Statistik1Click(int graphKind);
    void Verlauf1Click();
    // The statistics windows beside the table and graph windows; the tag picks their source.
    void openStatisticsWindow(StatisticsMenuAction window, int tag);
    void Systemtest1Click();
    // Shows a statistics window modally; the game pauses meanwhile.
    template <typename Window, typename... Arguments>
    void showStatistics(Arguments&&... arguments);

    SettingsStore& store_;
    QtHost host_;
    Game game_;
    MainMenu* menu_ = nullptr;
    std::unique_ptr<AnalysisEntries> analysisEntries_;
    BoardView* board_ = nullptr;
    WheelView* wheel_ = nullptr;
    PermanenceStrip* strip_ = nullptr;
    TBalken* spielablauf_ = nullptr;
    PlayerPanelWidget* playerPanel_ = nullptr;
    InfoPanelWidget* infoPanel_ = nullptr;
    QPushButton* clearChips_ = nullptr;
    QPushButton* lastBet_ = nullptr;
    QPushButton* replay_ = nullptr;
    QPushButton* superShort_ = nullptr;
    std::array<QPushButton*, 8> extendedBets_{};
    QLabel* replayActive_ = nullptr;
    QLabel* superShortActive_ = nullptr;
    QLabel* selNumDisp_ = nullptr;
    QLabel* matrixStatus_ = nullptr;
    QTimer* spieltimer_;
    // The printer chosen under "Drucker ...", used by every window that prints.
    std::unique_ptr<QPrinter> printer_;
    bool firstBetsScheduled_ = false;
    std::optional<Language> shownLanguage_;
    bool startUpScheduled_ = false;
    bool started_ = false;
    bool startScreenAllowed_ = true;
    bool ticking_ = false;
    bool refreshScheduled_ = false;
};

} // namespace quendra::app
