// The system editor's rules: the error display, its questions, opening a file from the main
// window and the restart after a file changed in the editor.
#include "support/SystemPlayGame.h"
#include "systemplay/PlayerFileMenu.h"
#include "systemplay/ProtocolFiles.h"
#include "systemplay/SystemEditor.h"
#include "systemplay/SystemMessageBox.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace quendra;
using namespace quendra::testing;

namespace {

const std::string Doubling = "st:\r\n\tsz ei1(1), ec03;\r\nal:\r\n\tsz ei1(1), ec03;\r\n";

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void changeFile(const std::filesystem::path& file) {
    std::ofstream(file, std::ios::binary | std::ios::app) << "\r\n";
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                               std::chrono::seconds(2));
}

// The file dialog answering with the file.
std::function<std::optional<std::filesystem::path>()> chosen(const std::filesystem::path& file) {
    return [file] { return std::optional(file); };
}

SystemEditorRequest errorAt(std::string line, std::string rest, int length) {
    SystemEditorRequest request;
    request.LineNumber = 3;
    request.MessageText = "Systemspielfile 1:3\rUngültige Sektion!";
    request.LastLine = std::move(line);
    request.ErrorText = std::move(rest);
    request.ErrorLength = length;
    return request;
}

} // namespace

TEST(SystemEditor, TheErrorDisplaySplitsTheLineAroundTheToken) {
    struct Case {
        SystemEditorRequest request;
        SystemEditorErrorDisplay expected;
    };
    const Case cases[] = {
        {errorAt("SZ EI1(1), XX03;", "XX03;", 4),
         {"Fehlertext:", "Ungültige Sektion!", "Fehlerposition:", "SZ EI1(1), ", "XX03", ";"}},
        // No single token to blame: the whole line is red.
        {errorAt("IF (EI1 THEN", "THEN", 0),
         {"Fehlertext:", "Ungültige Sektion!", "Fehlerposition:", "", "IF (EI1 THEN", ""}},
        // A token longer than the rest of the line ends with the line.
        {errorAt("SZ EI1", "EI1", 9),
         {"Fehlertext:", "Ungültige Sektion!", "Fehlerposition:", "SZ ", "EI1", ""}},
        // A rest that is not in the line marks the whole line.
        {errorAt("SZ EI1", "QQ", 2),
         {"Fehlertext:", "Ungültige Sektion!", "Fehlerposition:", "", "SZ EI1", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(systemEditorErrorDisplay(c.request, Language::German), c.expected)
            << c.request.LastLine;
    }
    SystemEditorRequest oneLine = errorAt("A", "A", 1);
    oneLine.MessageText = "no line break";
    const SystemEditorErrorDisplay english = systemEditorErrorDisplay(oneLine, Language::English);
    EXPECT_EQ(english.messageLabel, "Error Message:");
    EXPECT_EQ(english.positionLabel, "Error Position:");
    EXPECT_EQ(english.message, "no line break");
}

TEST(SystemEditor, CaptionsAndQuestions) {
    EXPECT_EQ(systemEditorCaption({}, false), "System-Editor");
    EXPECT_EQ(systemEditorCaption("C:/A/B.SYF", true), "C:/A/B.SYF - Browse only");
    EXPECT_EQ(missingEditorFileQuestion("X.SYF", Language::German).text,
              "Die Datei X.SYF ist nicht vorhanden! Soll die Datei neu angelegt werden?");
    EXPECT_EQ(missingEditorFileQuestion("X.SYF", Language::English).text,
              "The file X.SYF not exists! Should it the file new created?");
    EXPECT_EQ(saveEditorChangesQuestion(Language::German).text, "Änderungen speichern?");
    EXPECT_EQ(saveEditorChangesQuestion(Language::English).buttons, MessageButtons::YesNo);
}

TEST(SystemEditor, AMissingFileIsCreatedWithOneBlankOnlyWhenTheUserAgrees) {
    SystemPlayGame g;
    OpenFileInSystemEditor(g.game, [] { return std::optional<std::filesystem::path>(); });
    EXPECT_TRUE(g.host.messages.empty()) << "a cancelled file dialog opens nothing";
    const std::filesystem::path file = g.folder / "NEW.SYF";
    OpenFileInSystemEditor(g.game, chosen(file));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(g.host.editorRequests.empty());

    g.host.answers = {true};
    OpenFileInSystemEditor(g.game, chosen(file));
    EXPECT_EQ(contents(file), " ");
    ASSERT_EQ(g.host.editorRequests.size(), 1u);
    EXPECT_EQ(g.host.editorRequests[0].file, file);
    EXPECT_EQ(g.host.editorRequests[0].LineNumber, 0);
}

TEST(SystemEditor, AFileChangedInTheEditorRestartsItsActivePlayers) {
    SystemPlayGame g(2);
    const std::string file = g.writeSystem("A.SYF", Doubling);
    g.activate(1, file);
    g.activate(2, g.writeSystem("B.SYF", Doubling));

    OpenFileInSystemEditor(g.game, chosen(file));
    EXPECT_TRUE(g.boxes(MessageKind::Warning).empty()) << "unchanged";
    EXPECT_TRUE(g.player(1).StartDone);

    g.host.whileEditing = [](const SystemEditorRequest& request) { changeFile(request.file); };
    OpenFileInSystemEditor(g.game, chosen(file));
    EXPECT_EQ(g.boxes(MessageKind::Warning), std::vector<int>{16});
    EXPECT_FALSE(g.player(1).StartDone);
    EXPECT_TRUE(g.player(2).StartDone);
}

TEST(SystemEditor, LoadAndSaveErrorsNameTheFile) {
    SystemPlayGame g;
    ShowEditorFileError(g.game, 16, "C:/SYS/A.SYF");
    ASSERT_EQ(g.host.messages.size(), 1u);
    EXPECT_EQ(g.host.messages[0].number, 16);
    EXPECT_EQ(g.host.messages[0].text, "C:/SYS/A.SYF\rkonnte nicht geschrieben werden!");
}

TEST(SystemEditor, HighlightingFindsKeywordsSymbolsAndComments) {
    using S = SystemTextStyle;
    EXPECT_EQ(systemTextSpans("if EI1 then sz (* bet *) \"on:\";"),
              (std::vector<SystemTextSpan>{{0, 2, S::Keyword},
                                           {7, 4, S::Keyword},
                                           {12, 2, S::Keyword},
                                           {15, 9, S::Comment},
                                           {30, 1, S::Symbol}}));
    EXPECT_EQ(systemTextSpans("ONE /* open"), (std::vector<SystemTextSpan>{{4, 7, S::Comment}}))
        << "a keyword inside a word is none; an open comment runs to the line's end";
}

TEST(SystemEditor, AFileChangedAfterTheErrorDialogRestartsTheOtherPlayersUsingIt) {
    SystemPlayGame g(2);
    const std::string file = g.writeSystem("A.SYF", Doubling);
    g.activate(1, file);
    g.activate(2, file);
    g.host.answers = {true};
    g.host.whileEditing = [](const SystemEditorRequest& request) { changeFile(request.file); };
    SystemMessagePlace place;
    place.LineNumber = 2;
    EXPECT_TRUE(ShowSystemMessage(g.game, 2, 4, place));
    ASSERT_EQ(g.host.editorRequests.size(), 1u);
    EXPECT_EQ(g.boxes(MessageKind::Warning), std::vector<int>{16}) << "player 2 stopped";
    EXPECT_FALSE(g.player(1).StartDone);
    EXPECT_FALSE(g.player(2).sys.SystemActive);
}

TEST(SystemEditor, AProtocolIsBrowsedClosedAndReopenedAfterwards) {
    SystemPlayGame g;
    SysSpieler& sys = g.player(1).sys;
    sys.ProtocolFile = g.protocolName("P1.OUT");
    sys.ProtocolActive = true;
    ASSERT_TRUE(OpenProtocolFile(g.game, 1));
    g.host.whileEditing = [&](const SystemEditorRequest& request) {
        EXPECT_TRUE(request.browseOnly);
        EXPECT_EQ(request.file, sys.ProtocolFile);
        EXPECT_FALSE(sys.ProtocolActive);
        EXPECT_FALSE(ProtocolFileOpen(g.game, 1));
    };
    BrowsePlayerProtocolFile(g.game, 0);
    EXPECT_TRUE(g.host.editorRequests.empty()) << "no player selected";
    BrowsePlayerProtocolFile(g.game, 1);
    EXPECT_EQ(g.host.editorRequests.size(), 1u);
    EXPECT_TRUE(sys.ProtocolActive);
    EXPECT_TRUE(ProtocolFileOpen(g.game, 1));
}

TEST(SystemEditor, TheMainLoadFileIsBrowsedWhileTheGamePauses) {
    SystemPlayGame g;
    BrowseMainLoadFile(g.game);
    EXPECT_EQ(g.boxes(MessageKind::Warning), std::vector<int>{6}) << "no main load file";

    g.state().settings.MainLoadFile = (g.folder.path() / "SYSIN" / "GONE.INP").string();
    BrowseMainLoadFile(g.game);
    EXPECT_EQ(g.boxes(MessageKind::Error), std::vector<int>{8});
    EXPECT_TRUE(g.host.editorRequests.empty());

    g.loadPermanence("T1.INP", "Montag\r\n1 2 3\r\n");
    TextKind phaseWhileShown = TextKind::gkMakeBet;
    g.host.whileEditing = [&](const SystemEditorRequest&) { phaseWhileShown = g.state().phase; };
    BrowseMainLoadFile(g.game);
    ASSERT_EQ(g.host.editorRequests.size(), 1u);
    EXPECT_TRUE(g.host.editorRequests[0].browseOnly);
    EXPECT_EQ(g.host.editorRequests[0].file, g.state().settings.MainLoadFile);
    EXPECT_EQ(phaseWhileShown, TextKind::gkPause);
    EXPECT_NE(g.state().phase, TextKind::gkPause);
    EXPECT_EQ(g.coup(), 1) << "the coup reader keeps its place";
}

TEST(SystemEditor, EveryPlayersFilesHaveTheirEntriesInTheFilesMenu) {
    SystemPlayGame g(2);
    g.player(2).sys.SystemFile = (g.folder.path() / "SYSTEM" / "DOUBLING.SYF").string();
    g.player(2).sys.ProtocolFile = g.protocolName("P2.OUT");
    g.player(3).sys.SystemFile = g.player(2).sys.SystemFile; // a player who sits out
    const struct {
        std::string_view name;
        bool enabled;
        const char* caption;
    } expected[] = {
        {"EditSP1", false, "Spieler 1"},
        {"EditSP2", true, "Spieler 2: DOUBLING.SYF"},
        {"EditSP3", false, "Spieler 3: DOUBLING.SYF"},
        {"EditSP4", false, "Spieler 4"},
        {"AusgabeSP1", false, "Spieler 1"},
        {"AusgabeSP2", true, "Spieler 2: P2.OUT"},
        {"AusgabeSP3", false, "Spieler 3"},
        {"AusgabeSP4", false, "Spieler 4"},
    };
    ASSERT_EQ(std::size(expected), PlayerFileMenuEntries.size());
    for (std::size_t i = 0; i < PlayerFileMenuEntries.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const PlayerFileMenuEntry& entry = PlayerFileMenuEntries[i];
        EXPECT_EQ(entry.objectName, expected[i].name);
        EXPECT_EQ(playerFileEntryEnabled(g.state(), entry), expected[i].enabled);
        EXPECT_EQ(playerFileCaption(g.state(), entry), expected[i].caption);
    }
    g.state().settings.Language = 1;
    EXPECT_EQ(playerFileCaption(g.state(), PlayerFileMenuEntries[0]), "Player 1");
}
