// The analysis menu's loading entries over the engine's analysis loader.
#include "permanence/AnalysisEntries.h"

#include "permanence/AnalysisMenu.h"

#include <QCursor>
#include <QGuiApplication>
#include <optional>

namespace quendra::app {
namespace {

QString runFileDialog(QWidget* parent, const FileDialogRequest& request) {
    return chooseExistingFile(parent, "MCheckFile", request);
}

// The hourglass from the moment a file is chosen until the loading ends.
class Hourglass {
public:
    Hourglass() = default;
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
    ~Hourglass() {
        if (shown_) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    void show() {
        if (!shown_) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            shown_ = true;
        }
    }

private:
    bool shown_ = false;
};

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
    Hourglass hourglass;
    AnalysisFileChoice choice;
    choice.chooseFile = [this, &request]() -> std::optional<std::filesystem::path> {
        const QString file = chooseFile_(parent_, request);
        if (file.isEmpty()) {
            return std::nullopt;
        }
        return std::filesystem::path(file.toStdString());
    };
    choice.loading = [&hourglass] { hourglass.show(); };
    if (append) {
        quendra::DateiaddierenClick(game_, choice);
    } else {
        quendra::LadeADateiClick(game_, choice);
    }
}

} // namespace quendra::app
