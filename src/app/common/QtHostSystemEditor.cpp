// The host's system editor: `TSystemEDForm`, modal.
#include "common/QtHost.h"
#include "systemplay/TSystemEDForm.h"

namespace quendra::app {

void QtHost::openSystemEditor(const SystemEditorRequest& request) {
    if (!game_) {
        return;
    }
    TSystemEDForm editor(*game_, request, dialogParent_);
    editor.exec();
}

} // namespace quendra::app
