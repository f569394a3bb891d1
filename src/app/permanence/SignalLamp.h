// A signal lamp of the load menu: green steady, yellow blinking or red steady, as the engine
// judges the start value it stands for.
#pragma once

#ifndef Q_MOC_RUN
#include "permanence/PermanenceState.h"
#endif

#include <QTimer>
#include <QWidget>

namespace quendra::app {

class SignalLamp : public QWidget {
    Q_OBJECT
public:
    static constexpr int Diameter = 16;
    static constexpr int BlinkMilliseconds = 400;

    explicit SignalLamp(QWidget* parent = nullptr);

    void setLamp(Lamp lamp);
    Lamp lamp() const { return lamp_; }
    // A blinking lamp is dark every other interval.
    bool isLit() const { return lit_; }
    bool isBlinking() const { return blink_.isActive(); }

    QSize sizeHint() const override { return {Diameter + 4, Diameter + 4}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Lamp lamp_ = Lamp::Red;
    bool lit_ = true;
    QTimer blink_;
};

} // namespace quendra::app
