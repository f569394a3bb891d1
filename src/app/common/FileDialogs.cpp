// The open-file dialogs over QFileDialog.
#include "common/FileDialogs.h"

#include "common/AppText.h"

#include <QFileDialog>

namespace quendra::app {

QStringList fileDialogFilters(std::span<const FileDialogFilter> filters) {
    QStringList texts;
    for (const FileDialogFilter& filter : filters) {
        texts << QString("%1 (%2)").arg(qText(filter.name), qText(filter.pattern));
    }
    return texts;
}

QString chooseExistingFile(QWidget* parent, const QString& objectName,
                           const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    dialog.setObjectName(objectName);
    dialog.setNameFilters(request.filters);
    dialog.selectNameFilter(request.filters.value(request.selectedFilter));
    dialog.setDirectory(request.folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace quendra::app
