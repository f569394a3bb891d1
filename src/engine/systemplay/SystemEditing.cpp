// The system editor opened on a player's system file.
#include "systemplay/SystemEditing.h"

#include "game/PauseProtocol.h"
#include "systemplay/SystemFile.h"
#include "systemplay/SystemRun.h"

#include <array>
#include <optional>

namespace quendra {

MessageBoxData suspendForEditingQuestion(int player, Language language) {
    const std::string n = std::to_string(player);
    MessageBoxData box;
    box.kind = MessageKind::Question;
    box.icon = MessageIcon::Question;
    box.buttons = MessageButtons::YesNo;
    if (language == Language::German) {
        box.title = "Systemanfrage";
        box.text = "Um die Systemspieldatei " + n + " zu editieren muß es deaktiviert werden!\r" +
                   "Soll die Systemspieldatei " + n + " jetzt deaktiviert werden ?";
    } else {
        box.title = "Systemquestion";
        box.text = "For edit of the systemfile " + n +
                   " it is necessary to deactivate it befor!\r" + "Should the systemfile " + n +
                   " now deactivated?";
    }
    return box;
}

void EditPlayerSystemFile(Game& game, int player) {
    GameState& state = game.state();
    const std::string file = state.player(player).sys.SystemFile;
    if (file.empty()) {
        return;
    }
    DialogPause pause(game);
    SystemEditorRequest editor;
    editor.file = file;
    std::array<bool, PlayerSlots> suspended{};
    for (int p = 1; p <= PlayerSlots; ++p) {
        SysSpieler& sys = state.player(p).sys;
        if (!sys.SystemActive || sys.SystemFile != file) {
            continue;
        }
        if (game.askQuestion(suspendForEditingQuestion(p, state.language()))) {
            sys.SystemActive = false;
            suspended[static_cast<std::size_t>(p - 1)] = true;
        } else {
            editor.browseOnly = true;
        }
    }
    const std::optional<double> before = systemFileTime(file);
    game.host().openSystemEditor(editor);
    for (int p = 1; p <= PlayerSlots; ++p) {
        if (suspended[static_cast<std::size_t>(p - 1)]) {
            state.player(p).sys.SystemActive = true;
        }
    }
    state.systemPlay.files.nextRound();
    if (systemFileTime(file) != before) {
        RestartPlayersOfChangedFile(game, file);
    }
    game.host().changed(Change::Bars);
}

void RestartPlayersOfChangedFile(Game& game, const std::string& file) {
    for (int p = 1; p <= PlayerSlots; ++p) {
        Player& player = game.state().player(p);
        if (player.sys.SystemActive && player.sys.SystemFile == file) {
            game.showWarning(16, p);
            PrepareSystemStart(player);
        }
    }
}

} // namespace quendra
