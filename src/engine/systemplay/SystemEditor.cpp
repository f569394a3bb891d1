// The system editor's rules.
#include "systemplay/SystemEditor.h"

#include "game/PauseProtocol.h"
#include "systemplay/ProtocolFiles.h"
#include "systemplay/SystemEditing.h"
#include "systemplay/SystemFile.h"
#include "text/FileLine.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <system_error>

namespace quendra {
namespace {

constexpr BilingualText MessageLabel{"Fehlertext:", "Error Message:"};
constexpr BilingualText PositionLabel{"Fehlerposition:", "Error Position:"};
constexpr BilingualText SaveChanges{"Änderungen speichern?", "Save changes?"};
constexpr std::string_view NoFileCaption = "System-Editor";
constexpr std::string_view BrowseOnlySuffix = " - Browse only";

MessageBoxData yesNoQuestion(std::string title, std::string text) {
    MessageBoxData box;
    box.kind = MessageKind::Question;
    box.icon = MessageIcon::Question;
    box.buttons = MessageButtons::YesNo;
    box.title = std::move(title);
    box.text = std::move(text);
    return box;
}

// Where the token starts in the line: `ErrorText` is the rest of the line from the token on.
std::optional<std::size_t> tokenStart(const std::string& line, const std::string& rest) {
    if (rest.size() <= line.size() &&
        line.compare(line.size() - rest.size(), rest.size(), rest) == 0) {
        return line.size() - rest.size();
    }
    const std::size_t found = line.find(rest);
    if (rest.empty() || found == std::string::npos) {
        return std::nullopt;
    }
    return found;
}

bool isWordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || u >= 0x80;
}

bool isKeyword(std::string_view word) {
    std::string upper(word);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return std::find(SystemEditorKeywords.begin(), SystemEditorKeywords.end(), upper) !=
           SystemEditorKeywords.end();
}

// The end of a comment opened at `start` ("(*" or "/*"), or the end of the line.
std::size_t commentEnd(std::string_view line, std::size_t start) {
    const std::string_view close = line[start] == '(' ? "*)" : "*/";
    const std::size_t found = line.find(close, start + 2);
    return found == std::string_view::npos ? line.size() : found + 2;
}

} // namespace

std::vector<SystemTextSpan> systemTextSpans(std::string_view line) {
    std::vector<SystemTextSpan> spans;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        const std::string_view two = line.substr(i, 2);
        std::size_t end = i + 1;
        if (two == "(*" || two == "/*") {
            end = commentEnd(line, i);
            spans.push_back({i, end - i, SystemTextStyle::Comment});
        } else if (isWordChar(c)) {
            while (end < line.size() && isWordChar(line[end])) {
                ++end;
            }
            if (isKeyword(line.substr(i, end - i))) {
                spans.push_back({i, end - i, SystemTextStyle::Keyword});
            }
        } else if (c == '"') {
            const std::size_t close = line.find('"', i + 1);
            end = close == std::string_view::npos ? line.size() : close + 1;
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            spans.push_back({i, 1, SystemTextStyle::Symbol});
        }
        i = end;
    }
    return spans;
}

SystemEditorErrorDisplay systemEditorErrorDisplay(const SystemEditorRequest& request,
                                                  Language language) {
    SystemEditorErrorDisplay display;
    display.messageLabel = MessageLabel[language];
    display.positionLabel = PositionLabel[language];
    const std::size_t lineBreak = request.MessageText.find_first_of("\r\n");
    display.message = lineBreak == std::string::npos ? request.MessageText
                                                     : request.MessageText.substr(lineBreak + 1);
    const std::string& line = request.LastLine;
    const std::optional<std::size_t> start = tokenStart(line, request.ErrorText);
    if (request.ErrorLength <= 0 || !start) {
        display.token = line;
        return display;
    }
    const std::size_t length =
        std::min(static_cast<std::size_t>(request.ErrorLength), line.size() - *start);
    display.before = line.substr(0, *start);
    display.token = line.substr(*start, length);
    display.after = line.substr(*start + length);
    return display;
}

std::string systemEditorCaption(const std::filesystem::path& file, bool browseOnly) {
    std::string caption = file.empty() ? std::string(NoFileCaption) : file.string();
    if (browseOnly) {
        caption += BrowseOnlySuffix;
    }
    return caption;
}

MessageBoxData missingEditorFileQuestion(const std::string& name, Language language) {
    if (language == Language::German) {
        return yesNoQuestion("Systemanfrage", "Die Datei " + name +
                                                  " ist nicht vorhanden! Soll die Datei neu "
                                                  "angelegt werden?");
    }
    return yesNoQuestion("Systemquestion",
                         "The file " + name + " not exists! Should it the file new created?");
}

MessageBoxData saveEditorChangesQuestion(Language language) {
    return yesNoQuestion("System-Editor", std::string(SaveChanges[language]));
}

void ShowEditorFileError(Game& game, int number, const std::filesystem::path& file) {
    game.endSuperShortGame();
    FileLineNames names;
    names.editorFile = file.string();
    MessageBoxData box =
        errorBox(number, game.state().language(), 0, fileLine(FileSelector::EditorFile, names));
    box.number = number;
    game.host().showMessage(box);
}

void OpenFileInSystemEditor(
    Game& game, const std::function<std::optional<std::filesystem::path>()>& chooseFile) {
    DialogPause pause(game);
    const std::optional<std::filesystem::path> chosen = chooseFile();
    if (!chosen || chosen->empty()) {
        return;
    }
    const std::filesystem::path& file = *chosen;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        if (!game.askQuestion(missingEditorFileQuestion(file.string(), game.state().language()))) {
            return;
        }
        std::ofstream created(file, std::ios::binary);
        created << ' ';
        if (!created.flush()) {
            ShowEditorFileError(game, 16, file);
            return;
        }
    }
    SystemEditorRequest request;
    request.file = file;
    EditFileAndRestartIfChanged(game, request);
}

void EditFileAndRestartIfChanged(Game& game, const SystemEditorRequest& request) {
    const std::optional<double> before = systemFileTime(request.file);
    game.host().openSystemEditor(request);
    game.state().systemPlay.files.nextRound();
    if (systemFileTime(request.file) != before) {
        RestartPlayersOfChangedFile(game, request.file.string());
    }
}

void BrowsePlayerProtocolFile(Game& game, int player) {
    if (player < 1 || player > PlayerSlots) {
        return; // no player selected
    }
    SysSpieler& sys = game.state().player(player).sys;
    if (sys.ProtocolFile.empty()) {
        return;
    }
    DialogPause pause(game);
    const bool wasOn = sys.ProtocolActive;
    const bool wasOpen = ProtocolFileOpen(game, player);
    sys.ProtocolActive = false;
    CloseProtocolFile(game, player);
    SystemEditorRequest request;
    request.file = sys.ProtocolFile;
    request.browseOnly = true;
    game.host().openSystemEditor(request);
    sys.ProtocolActive = wasOn;
    if (wasOpen) {
        OpenProtocolFile(game, player);
    }
}

void BrowseMainLoadFile(Game& game) {
    const std::string& file = game.state().settings.MainLoadFile;
    if (file.empty()) {
        game.showWarning(6);
        return;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        game.showError(8, FileSelector::MainLoadFile);
        return;
    }
    DialogPause pause(game);
    SystemEditorRequest request;
    request.file = file;
    request.browseOnly = true;
    game.host().openSystemEditor(request);
}

} // namespace quendra
