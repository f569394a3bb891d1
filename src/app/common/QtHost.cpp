#include "common/QtHost.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

namespace quendra::app {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A box waits for the user: it shows the arrow even while the program is busy behind it.
class ArrowOverBox {
public:
    ArrowOverBox() : busy_(QGuiApplication::overrideCursor() != nullptr) {
        if (busy_) {
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~ArrowOverBox() {
        if (busy_) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    ArrowOverBox(const ArrowOverBox&) = delete;
    ArrowOverBox& operator=(const ArrowOverBox&) = delete;

private:
    bool busy_;
};

} // namespace

QString boxText(const std::string& text) {
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QtHost::QtHost(QWidget* dialogParent) : dialogParent_(dialogParent) {}

void QtHost::showMessage(const MessageBoxData& box) {
    QMessageBox message(qtIcon(box.icon), boxText(box.title), boxText(box.text), QMessageBox::Ok,
                        dialogParent_);
    const ArrowOverBox arrow;
    message.exec();
}

bool QtHost::askQuestion(const MessageBoxData& box) {
    const bool okCancel = box.buttons == MessageButtons::OkCancel;
    const QMessageBox::StandardButton yes = okCancel ? QMessageBox::Ok : QMessageBox::Yes;
    const QMessageBox::StandardButton no = okCancel ? QMessageBox::Cancel : QMessageBox::No;
    QMessageBox message(qtIcon(box.icon), boxText(box.title), boxText(box.text), yes | no,
                        dialogParent_);
    message.setDefaultButton(box.defaultNo ? no : yes);
    const ArrowOverBox arrow;
    return message.exec() == yes;
}

void QtHost::wait(int milliseconds) {
    // A nested event loop keeps the windows painting while the ball runs or the payout counts.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtHost::changed(Change what) {
    emit stateChanged(what);
}

bool QtHost::openWithSystem(const std::filesystem::path& file) {
    const QFileInfo info(QString::fromStdString(file.string()));
    return info.isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

void QtHost::beep() {
    QApplication::beep();
}

std::chrono::system_clock::time_point QtHost::now() const {
    if (clock_) {
        return clock_();
    }
    const QDateTime local = QDateTime::currentDateTime();
    // The wall-clock reading, shifted so that its UTC calendar fields are the local ones.
    const auto msecs = local.toMSecsSinceEpoch() + qint64{local.offsetFromUtc()} * 1000;
    return std::chrono::system_clock::time_point{std::chrono::milliseconds{msecs}};
}

} // namespace quendra::app
