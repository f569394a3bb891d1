// The engine's host in the program: Qt message boxes, a responsive wait, change notices as a
// signal, and the system clock.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "game/Host.h"

#include <chrono>
#include <functional>
#include <utility>
#endif

#include <QObject>
#include <QPointer>

class QWidget;

namespace quendra {
class Game;
}

namespace quendra::app {

class TSelectNumber;

class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    explicit QtHost(QWidget* dialogParent = nullptr);
    ~QtHost() override;

    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }
    // The game the system editor reports to; without one the editor does not open.
    void setGame(Game* game) { game_ = game; }
    // The local date and time the host reports (tests set their own).
    void setClock(std::function<std::chrono::system_clock::time_point()> clock) {
        clock_ = std::move(clock);
    }

    void showMessage(const MessageBoxData& box) override;
    bool askQuestion(const MessageBoxData& box) override;
    void wait(int milliseconds) override;
    void changed(Change what) override;
    bool openWithSystem(const std::filesystem::path& file) override;
    void beep() override;
    std::chrono::system_clock::time_point now() const override;
    std::optional<int> requestNumber(const NumberRequest& request, Language language) override;
    std::optional<int> selectNumber(TableType table, std::optional<int> chosen) override;
    void openSystemEditor(const SystemEditorRequest& request) override;
    bool confirmTournamentStart() override;
    void showTournamentLost() override;
    void showTournamentResult(const TournamentResult& result) override;

signals:
    void stateChanged(quendra::Change what);

private:
    QWidget* dialogParent_;
    Game* game_ = nullptr;
    std::function<std::chrono::system_clock::time_point()> clock_;
    // Kept while the engine asks again after a withdrawn pick, so the picker stays on screen.
    QPointer<TSelectNumber> picker_;
};

// The engine's texts are 8-bit with "\r" for a line break; Qt wants Unicode and "\n".
QString boxText(const std::string& text);

} // namespace quendra::app
