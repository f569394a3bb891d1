// The messages of a system run as the player sees them.
#include "systemplay/SystemMessageBox.h"

#include "game/PauseProtocol.h"
#include "systemplay/ProtocolFiles.h"
#include "systemplay/SystemEditor.h"
#include "systemplay/SystemMessages.h"

namespace quendra {
namespace {

constexpr BilingualText ErrorPrefix{"Systemspielfile ", "Systemgamefile "};
constexpr BilingualText AbortPrefix{"Abbruch bei Spieler", "Abort by player"};
constexpr BilingualText ResetPrefix{"Rücksetzung bei Spieler", "Reset by player"};
constexpr BilingualText ErrorQuestion{"Soll das Systemspielfile geöffnet werden?",
                                      "Open the system file?"};
constexpr BilingualText AbortCaption{"Systemspiel - Info - Abbruch", "Systemgame - Info - Abort"};
constexpr BilingualText ResetCaption{"Systemspiel - Info - Rücksetzung",
                                     "Systemgame - Info - Reset"};
constexpr std::string_view ErrorCaption = "Systemerror - Quendra";
constexpr std::string_view InternalErrorCaption = "Internal Error!";

MessageBoxData systemBox(std::string_view title, std::string text) {
    MessageBoxData box;
    box.kind = MessageKind::System;
    box.title = title;
    box.icon = MessageIcon::Error;
    box.buttons = MessageButtons::Ok;
    box.text = std::move(text);
    return box;
}

// The error dialog: Yes opens the system editor on the player's file at the error.
void showErrorDialog(Game& game, int player, int number, const std::string& text,
                     const SystemMessagePlace& place) {
    DialogPause pause(game);
    MessageBoxData box =
        systemBox(ErrorCaption, text + "\r" + std::string(ErrorQuestion[game.state().language()]));
    box.buttons = MessageButtons::YesNo;
    box.number = number;
    if (!game.host().askQuestion(box)) {
        return;
    }
    SystemEditorRequest editor;
    editor.file = game.state().player(player).sys.SystemFile;
    editor.LineNumber = place.LineNumber;
    editor.MessageText = text;
    editor.LastLine = place.LastLine;
    editor.ErrorText = place.ErrorText;
    editor.ErrorLength = place.ErrorLength;
    EditFileAndRestartIfChanged(game, editor);
}

} // namespace

SystemMessageClass systemMessageClass(int number) {
    if (number == SystemMessage::CompleteStmaxReset || number == SystemMessage::SingleStmaxReset) {
        return SystemMessageClass::Reset;
    }
    if (number >= SystemMessage::StmaxReached && number <= SystemMessage::StopByUser) {
        return SystemMessageClass::Abort;
    }
    return findSystemMessage(number) ? SystemMessageClass::Error : SystemMessageClass::Unknown;
}

std::string systemMessageText(int number, int player, int lineNumber, Language language) {
    const SystemMessageText* message = findSystemMessage(number);
    if (!message) {
        return {};
    }
    const std::string text(message->text[language]);
    const std::string who = std::to_string(player) + ":";
    switch (systemMessageClass(number)) {
    case SystemMessageClass::Abort:
        return std::string(AbortPrefix[language]) + who + "\r" + text;
    case SystemMessageClass::Reset:
        return std::string(ResetPrefix[language]) + who + "\r" + text;
    default:
        return std::string(ErrorPrefix[language]) + who + std::to_string(lineNumber) + text;
    }
}

void StopSystemPlayer(Game& game, int player) {
    game.state().player(player).sys.SystemActive = false;
    if (game.state().player(player).sys.ProtocolActive) {
        SwitchProtocolOff(game, player);
    }
    game.host().changed(Change::Bars);
}

bool ShowSystemMessage(Game& game, int player, int number, const SystemMessagePlace& place) {
    const SystemMessageClass kind = systemMessageClass(number);
    const bool stops = kind != SystemMessageClass::Reset;
    if (stops) {
        StopSystemPlayer(game, player);
        game.endSuperShortGame();
    }
    const Language language = game.state().language();
    const std::string text = systemMessageText(number, player, place.LineNumber, language);
    switch (kind) {
    case SystemMessageClass::Error:
        showErrorDialog(game, player, number, text, place);
        break;
    case SystemMessageClass::Abort: {
        MessageBoxData box = systemBox(AbortCaption[language], text);
        box.number = number;
        game.host().showMessage(box);
        break;
    }
    case SystemMessageClass::Reset: {
        MessageBoxData box = systemBox(ResetCaption[language], text);
        box.number = number;
        game.host().showMessage(box);
        break;
    }
    case SystemMessageClass::Unknown: {
        MessageBoxData box =
            systemBox(InternalErrorCaption, "Undefine message number: " + std::to_string(number) +
                                                " ! Please contact support!");
        box.number = number;
        game.host().showMessage(box);
        break;
    }
    }
    return stops;
}

void ShowDataDisplay(Game& game, int player, const DataDisplay& display) {
    DialogPause pause(game);
    const Language language = game.state().language();
    MessageBoxData box;
    box.kind = MessageKind::DataDisplay;
    box.title = dataDisplayCaption(language);
    box.icon = MessageIcon::Information;
    box.buttons = MessageButtons::Ok;
    box.text =
        dataDisplayText(display, player, game.state().player(player).sys.SystemFile, language);
    game.host().showMessage(box);
}

} // namespace quendra
