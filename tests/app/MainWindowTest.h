// The main window in a test: a program folder with the wheel data files, a fresh settings store
// per window, and the window started and active for its keys.
#pragma once

#include "common/QtSettingsStore.h"
#include "main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace quendra::apptest {

inline bool copyWheelFiles(const QTemporaryDir& home) {
    for (const char* name : {"EIGENPR.VER", "EIGENPRA.VER"}) {
        QFile::remove(home.filePath(name));
        if (!QFile::copy(QString(QUENDRA_BIN_DIR) + "/" + name, home.filePath(name))) {
            return false;
        }
    }
    return true;
}

// A fresh settings store with the colour question answered and no start screen.
inline std::unique_ptr<app::QtSettingsStore> freshStore(const QTemporaryDir& home, int& count) {
    auto store = std::make_unique<app::QtSettingsStore>(
        home.filePath(QString("settings-%1.ini").arg(++count)));
    store->write("Daten", "DisplayCol", "1");
    store->write("Einstellungen", "StartOFFVar", "1");
    return store;
}

// Shows the window and waits for its start-up; true once it is the active window.
inline bool startAndActivate(app::MainWindow& window) {
    window.setStartScreenAllowed(false);
    window.show();
    if (!QTest::qWaitFor([&window] { return window.started(); })) {
        return false;
    }
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

inline QAction* action(app::MainWindow& window, const char* name) {
    return window.findChild<QAction*>(name);
}

} // namespace quendra::apptest
