#include "common/QtHost.h"

#include "common/AppText.h"
#include "common/ScopedCursor.h"
#include "help/HelpWindow.h"

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "text/ManualAnchor.h"
#endif

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
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
void showArrowWhileBusy(ScopedCursor& cursor) {
    if (QGuiApplication::overrideCursor() != nullptr) {
        cursor.set(Qt::ArrowCursor);
    }
}

// A numbered box gets a button that opens the manual at the entry of its message; the box stays
// open.
void addHelpButton(QMessageBox& message, const MessageBoxData& box, Language language) {
    const std::optional<std::string> anchor = messageAnchor(box.kind, box.number);
    if (!anchor) {
        return;
    }
    QPushButton* help =
        message.addButton(qText(HelpButtonCaption[language]), QMessageBox::HelpRole);
    help->setObjectName("HelpButton");
    // The box would close on any of its buttons; this one only opens the manual.
    QObject::disconnect(help, &QPushButton::clicked, nullptr, nullptr);
    const QString target = QString::fromStdString(manualTarget(ManualMessagesPage, anchor));
    QObject::connect(help, &QPushButton::clicked, &message,
                     [language, target] { HelpWindow::showHelp(language, target); });
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
    ScopedCursor arrow;
    showArrowWhileBusy(arrow);
    message.setEscapeButton(QMessageBox::Ok);
    addHelpButton(message, box, game_ ? game_->state().language() : Language::German);
    message.exec();
}

bool QtHost::askQuestion(const MessageBoxData& box) {
    const bool okCancel = box.buttons == MessageButtons::OkCancel;
    const QMessageBox::StandardButton yes = okCancel ? QMessageBox::Ok : QMessageBox::Yes;
    const QMessageBox::StandardButton no = okCancel ? QMessageBox::Cancel : QMessageBox::No;
    QMessageBox message(qtIcon(box.icon), boxText(box.title), boxText(box.text), yes | no,
                        dialogParent_);
    message.setDefaultButton(box.defaultNo ? no : yes);
    ScopedCursor arrow;
    showArrowWhileBusy(arrow);
    message.setEscapeButton(no);
    addHelpButton(message, box, game_ ? game_->state().language() : Language::German);
    message.exec();
    return message.standardButton(message.clickedButton()) == yes;
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
