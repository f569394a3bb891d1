// The open-file dialogs of the menus: a request that says where the dialog opens and with which
// filters, and the dialog that answers it. Windows keep the dialog replaceable, so that tests
// choose a file without a modal dialog.
#pragma once

#ifndef Q_MOC_RUN
#include "text/FileDialogFilter.h"
#endif

#include <QString>
#include <QStringList>
#include <functional>
#include <span>

class QWidget;

namespace quendra::app {

struct FileDialogRequest {
    QString folder;
    QStringList filters;
    int selectedFilter = 0;
};

// Runs a file dialog and returns the file chosen, empty when none is.
using FileChooser = std::function<QString(QWidget* parent, const FileDialogRequest& request)>;

// The engine's filters as the dialog writes them: "Ladefile (*.INP)".
QStringList fileDialogFilters(std::span<const FileDialogFilter> filters);

// The modal dialog named `objectName` for an existing file.
QString chooseExistingFile(QWidget* parent, const QString& objectName,
                           const FileDialogRequest& request);

} // namespace quendra::app
