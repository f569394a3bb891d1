// The host's number dialogs: the number request `TAnfrageZahl` and the number picker
// `TSelectNumber`, and the click sound.
#include "common/QtHost.h"
#include "main/TAnfrageZahl.h"
#include "main/TSelectNumber.h"

namespace quendra::app {

QtHost::~QtHost() {
    delete picker_;
}

std::optional<int> QtHost::requestNumber(const NumberRequest& request, Language language) {
    return TAnfrageZahl::ask(request, language, dialogParent_);
}

std::optional<int> QtHost::selectNumber(TableType table, std::optional<int> chosen) {
    if (picker_ && picker_->table() != table) {
        delete picker_;
    }
    if (!picker_) {
        picker_ = new TSelectNumber(table, dialogParent_);
    }
    return picker_->ask(chosen);
}

} // namespace quendra::app
