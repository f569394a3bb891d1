// The analysis menu's loading entries over the engine's analysis loader.
#include "permanence/AnalysisEntries.h"

#include "common/ScopedCursor.h"
#include "permanence/AnalysisMenu.h"

#include <optional>

namespace quendra::app {
namespace {

QString runFileDialog(QWidget* parent, const FileDialogRequest& request) {
    return chooseExistingFile(parent, "MCheckFile", request);
}

} // namespace

AnalysisEntries::AnalysisEntries(Game& game, QWidget* parent)
    : game_(game), parent_(parent), chooseFile_(runFileDialog) {}

void AnalysisEntries::LadeADateiClick() {
    load(false);
}

void AnalysisEntries::DateiaddierenClick() {
    load(true);
}

void AnalysisEntries::load(bool append) {
    FileDialogRequest request;
    request.folder = QString::fromStdString(analysisFileFolder(game_.state()).string());
    request.filters = fileDialogFilters(AnalysisFileFilters);
    request.selectedFilter = static_cast<int>(AnalysisFileFilter);
    ScopedCursor hourglass; // from the moment a file is chosen until the loading ends
    AnalysisFileChoice choice;
    choice.chooseFile = [this, &request]() -> std::optional<std::filesystem::path> {
        const QString file = chooseFile_(parent_, request);
        if (file.isEmpty()) {
            return std::nullopt;
        }
        return std::filesystem::path(file.toStdString());
    };
    choice.loading = [&hourglass] { hourglass.set(Qt::WaitCursor); };
    if (append) {
        quendra::DateiaddierenClick(game_, choice);
    } else {
        quendra::LadeADateiClick(game_, choice);
    }
}

} // namespace quendra::app
