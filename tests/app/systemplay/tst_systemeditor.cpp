// The system editor window: the error display and the error line, saving, the question about
// unsaved changes, load errors, browse-only mode, and the host opening it modally.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "common/QtHost.h"
#include "systemplay/TSystemEDForm.h"
#endif

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <memory>

using quendra::SystemEditorRequest;
using quendra::app::TSystemEDForm;

namespace {

// Records the questions' texts and answers them from a queue (No when it is empty).
class AnsweringHost : public quendra::apptest::TestHost {
public:
    bool askQuestion(const quendra::MessageBoxData& box) override {
        TestHost::askQuestion(box);
        questions.push_back(box.text);
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> questions;
    std::deque<bool> answers;
};

QByteArray readAll(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace

class TestSystemEditor : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<AnsweringHost> host;
    std::unique_ptr<quendra::Game> game;
    QString file;

    SystemEditorRequest request(int lineNumber = 0) const {
        SystemEditorRequest r;
        r.file = file.toStdString();
        r.LineNumber = lineNumber;
        return r;
    }

private slots:
    void init() {
        host = std::make_unique<AnsweringHost>();
        game = std::make_unique<quendra::Game>(*host);
        file = folder.filePath("EVEN.SYF");
        QFile system(file);
        QVERIFY(system.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray text = "(* even chances *)\r\nST:\r\n";
        for (int line = 3; line <= 39; ++line) {
            text += "SZ EI1(1), EC03;\r\n";
        }
        text += "AL:\r\nIF EI1 > 3 THEN SZ EI1(2), XX03;\r\n";
        system.write(text);
    }

    void theErrorIsShownAboveTheErrorLine() {
        SystemEditorRequest at = request(41);
        at.MessageText = "Systemspielfile 1:41\rUngültige Chance!";
        at.LastLine = "IF EI1 > 3 THEN SZ EI1(2), XX03;";
        at.ErrorText = "XX03;";
        at.ErrorLength = 4;
        TSystemEDForm editor(*game, at);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));

        QVERIFY(editor.errorField()->isVisible());
        const quendra::SystemEditorErrorDisplay& shown = editor.errorField()->display();
        QCOMPARE(QString::fromStdString(shown.messageLabel), QString("Fehlertext:"));
        QCOMPARE(QString::fromUtf8(shown.message.c_str()), QString("Ungültige Chance!"));
        QCOMPARE(QString::fromStdString(shown.token), QString("XX03"));
        QCOMPARE(editor.editor()->textCursor().blockNumber(), 40);
        QCOMPARE(editor.editor()->textCursor().block().text(), QString(at.LastLine.c_str()));
        QVERIFY(editor.editor()->viewport()->rect().contains(editor.editor()->cursorRect()));
        QCOMPARE(editor.windowTitle(), file);
        QVERIFY(!editor.findChild<QAction*>("EDneu")->isEnabled());
        QVERIFY(!editor.isModified());
        editor.grab().save("/work/notes/shots/syseditor_error.png");

        TSystemEDForm plain(*game, request());
        QVERIFY(plain.errorField()->isHidden());
    }

    void savingWritesTheFileAndClosingAsksOnlyAfterChanges() {
        {
            TSystemEDForm editor(*game, request());
            editor.show();
            editor.close();
            QVERIFY2(host->questions.empty(), "no changes: no question");
        }
        TSystemEDForm editor(*game, request());
        editor.show();
        editor.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor.editor(), "SZ EC05;");
        QVERIFY(editor.isModified());
        editor.EDSpeichernClick();
        QVERIFY(!editor.isModified());
        QVERIFY(readAll(file).endsWith("XX03;\r\nSZ EC05;"));

        QTest::keyClicks(editor.editor(), "X");
        host->answers = {true};
        editor.close();
        QCOMPARE(host->questions, std::vector<std::string>{"Änderungen speichern?"});
        QVERIFY(readAll(file).endsWith("SZ EC05;X"));
        QVERIFY(!editor.isVisible());
    }

    void aChangeAnsweredNoIsNotSaved() {
        TSystemEDForm editor(*game, request());
        editor.show();
        const QByteArray before = readAll(file);
        QTest::keyClicks(editor.editor(), "junk");
        editor.EDBeendenClick();
        QCOMPARE(host->questions.size(), std::size_t{1});
        QCOMPARE(readAll(file), before);
    }

    void browseOnlyIsReadOnlyAndAsksNothing() {
        SystemEditorRequest browse = request();
        browse.browseOnly = true;
        TSystemEDForm editor(*game, browse);
        editor.show();
        QVERIFY(editor.editor()->isReadOnly());
        QCOMPARE(editor.windowTitle(), file + " - Browse only");
        QVERIFY(editor.findChild<QAction*>("BRBeenden"));
        QVERIFY(!editor.findChild<QAction*>("EDSpeichern"));
        QTest::keyClicks(editor.editor(), "junk");
        editor.close();
        QVERIFY(host->questions.empty());
    }

    void aFileThatCannotBeReadGivesError15() {
        file = folder.filePath("MISSING.SYF");
        TSystemEDForm editor(*game, request());
        QCOMPARE(host->messages, std::vector<int>{15});
        QCOMPARE(editor.windowTitle(), QString("System-Editor"));
    }

    void theHostOpensTheEditorModally() {
        quendra::app::QtHost qtHost;
        quendra::Game hosted(qtHost);
        qtHost.setGame(&hosted);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<TSystemEDForm*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            seen = true;
            editor->editor()->moveCursor(QTextCursor::End);
            QTest::keyClicks(editor->editor(), "(* more *)");
            editor->EDSpeichernClick();
            editor->close();
        });
        qtHost.openSystemEditor(request());
        QVERIFY(seen);
        QVERIFY(readAll(file).endsWith("(* more *)"));
    }

    void withoutShowSyntaxTheEditorShowsThePlainView() {
        {
            TSystemEDForm editor(*game, request());
            QVERIFY(editor.highlighting());
        }
        game->state().settings.ShowSyntax = false;
        TSystemEDForm editor(*game, request());
        QVERIFY(!editor.highlighting());
        QVERIFY(!editor.editor()->isReadOnly());
    }

    void aTextThatIsNoFileIsShownPlainAndReadOnly() {
        SystemEditorRequest browse;
        browse.browseOnly = true;
        TSystemEDForm viewer(*game, browse);
        viewer.showText("STAT2026.TXT - Browse only", "1 2 3\r\n -- 4\r\n");
        QCOMPARE(viewer.windowTitle(), QString("STAT2026.TXT - Browse only"));
        QCOMPARE(viewer.editor()->toPlainText(), QString("1 2 3\n -- 4\n"));
        QVERIFY(viewer.editor()->isReadOnly());
        QVERIFY(!viewer.highlighting());
        QVERIFY(viewer.findChild<QAction*>("BRBeenden"));
        QVERIFY(!viewer.findChild<QAction*>("EDSpeichern"));
    }
};

QTEST_MAIN(TestSystemEditor)
#include "tst_systemeditor.moc"
