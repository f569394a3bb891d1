#include "common/QtHost.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
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
    message.exec();
}

bool QtHost::askQuestion(const MessageBoxData& box) {
    const bool okCancel = box.buttons == MessageButtons::OkCancel;
    const QMessageBox::StandardButton yes = okCancel ? QMessageBox::Ok : QMessageBox::Yes;
    const QMessageBox::StandardButton no = okCancel ? QMessageBox::Cancel : QMessageBox::No;
    QMessageBox message(qtIcon(box.icon), boxText(box.title), boxText(box.text), yes | no,
                        dialogParent_);
    message.setDefaultButton(box.defaultNo ? no : yes);
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
