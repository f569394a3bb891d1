// The start screen `Tstart_bildschirm`: the start picture, borderless and centred, for a few
// seconds; it closes itself.
#pragma once

#include <QDialog>

class QLabel;

namespace quendra::app {

class Tstart_bildschirm : public QDialog {
    Q_OBJECT
public:
    static constexpr int DisplayMilliseconds = 5000;

    explicit Tstart_bildschirm(QWidget* parent = nullptr,
                               int displayMilliseconds = DisplayMilliseconds);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* displayScreen_;
    int displayMilliseconds_;
    bool timerStarted_ = false;
};

} // namespace quendra::app
