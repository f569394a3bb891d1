// The start screen: shown with the start picture, closed by its own timer.
#include "main/Tstart_bildschirm.h"

#include "main/Pictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace quendra::app {

Tstart_bildschirm::Tstart_bildschirm(QWidget* parent, int displayMilliseconds)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::SplashScreen), displayScreen_(new QLabel(this)),
      displayMilliseconds_(displayMilliseconds) {
    setObjectName("Tstart_bildschirm");
    displayScreen_->setObjectName("display_screen");
    const QPixmap picture = QPixmap::fromImage(loadPicture(u"SETUP"));
    displayScreen_->setPixmap(picture);
    displayScreen_->resize(picture.size());
    setFixedSize(picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void Tstart_bildschirm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Counted from the first showing; the event loop runs on meanwhile, so the screen paints.
    if (!timerStarted_) {
        timerStarted_ = true;
        QTimer::singleShot(displayMilliseconds_, this, &QDialog::accept);
    }
}

} // namespace quendra::app
