// The help window: opened from "Hilfe Inhalt" in the program's language and following it, its
// contents tree made of the chapters' headings, the search, back and forward, anchors and the
// fallback for a missing one, the "Hilfe" button of the numbered message boxes and F1 in the
// system editor.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "common/QtHost.h"
#include "common/QtSettingsStore.h"
#include "game/PauseProtocol.h"
#include "help/HelpWindow.h"
#include "main/MainWindow.h"
#include "systemplay/TSystemEDForm.h"
#include "text/ManualAnchor.h"
#include "text/MessageBox.h"
#endif

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

using quendra::Language;
using quendra::app::HelpWindow;

Q_DECLARE_METATYPE(quendra::Language)

namespace {

QString readPage(const QString& language, const QString& page) {
    QFile file(":/manual/" + language + '/' + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every item of the tree as "target|title", in order.
QStringList treeItems(QTreeWidget* tree) {
    QStringList items;
    std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
        items << item->data(0, Qt::UserRole).toString() + '|' + item->text(0);
        for (int i = 0; i < item->childCount(); ++i) {
            walk(item->child(i));
        }
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        walk(tree->topLevelItem(i));
    }
    return items;
}

// The h1 and h2 headings of a page as Qt renders it, as "target|title": read from the
// rendered document, so the ids must be anchors Qt knows.
QStringList renderedHeadings(const QString& page, const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QStringList headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level != 1 && level != 2) {
            continue;
        }
        QString id;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QStringList names = fragment.fragment().charFormat().anchorNames();
            if (!names.isEmpty()) {
                id = names.first();
                break;
            }
        }
        if (level == 1 || !id.isEmpty()) {
            headings << (id.isEmpty() || level == 1 ? page : page + '#' + id) + '|' +
                            block.text().simplified();
        }
    }
    return headings;
}

void closeHelp() {
    delete HelpWindow::instance();
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;

    // The box's help button, when it has one, opens `target` and leaves the box open.
    static void inspectHelpButton(QMessageBox* box, const QString& target, Language language) {
        auto* help = box->findChild<QPushButton*>("HelpButton");
        if (target.isEmpty()) {
            QVERIFY(!help);
            return;
        }
        QVERIFY(help);
        QCOMPARE(help->text(), language == Language::German ? QString("Hilfe") : QString("Help"));
        help->click();
        QVERIFY(box->isVisible());
        HelpWindow* window = HelpWindow::instance();
        QVERIFY(window);
        QCOMPARE(window->requested(), target);
        QCOMPARE(window->language(), language);
        // Opened from the modal box, it is not blocked by it.
        QCOMPARE(window->windowHandle()->transientParent(), box->windowHandle());
    }

private slots:
    void cleanup() { closeHelp(); }

    void hilfeInhaltOpensTheContentsInTheLanguageAndFollowsIt() {
        for (const char* name : {"EIGENPR.VER", "EIGENPRA.VER"}) {
            QFile::remove(home.filePath(name));
            QVERIFY(QFile::copy(QString(QUENDRA_BIN_DIR) + "/" + name, home.filePath(name)));
        }
        quendra::app::QtSettingsStore store(home.filePath("settings.ini"));
        store.write("Daten", "DisplayCol", "1");
        store.write("Einstellungen", "StartOFFVar", "1");
        quendra::app::MainWindow window(store, home.path().toStdString());
        window.setStartScreenAllowed(false);
        window.show();
        QTRY_VERIFY(window.started());

        QAction* hilfeInhalt = window.findChild<QAction*>("HilfeInhalt1");
        QVERIFY(hilfeInhalt);
        hilfeInhalt->trigger();
        HelpWindow* help = HelpWindow::instance();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->page(), QString("index.html"));
        QCOMPARE(help->windowTitle(), QString("Quendra Hilfe"));
        QVERIFY(help->browser()->toPlainText().contains("Erste Schritte"));

        // Opened again it is the same window; it follows a change of the language.
        help->open("language.html#kw-SZ");
        hilfeInhalt->trigger();
        QCOMPARE(HelpWindow::instance(), help);
        QCOMPARE(help->page(), QString("index.html"));
        window.game().state().settings.Language = 1;
        window.refresh();
        QCOMPARE(help->language(), Language::English);
        QCOMPARE(help->windowTitle(), QString("Quendra Help"));
        QCOMPARE(help->page(), QString("index.html"));
        QVERIFY(help->browser()->toPlainText().contains("Getting started"));
        QVERIFY(!help->browser()->toPlainText().contains("Erste Schritte"));
        QVERIFY(treeItems(help->contents()).contains("start.html|Getting started"));
        window.close();
    }

    void theContentsTreeHoldsTheHeadingsOfEveryChapterInTheOrderOfTheContents_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("de") << Language::German;
        QTest::newRow("en") << Language::English;
    }
    void theContentsTreeHoldsTheHeadingsOfEveryChapterInTheOrderOfTheContents() {
        QFETCH(Language, language);
        const QString folder = language == Language::German ? "de" : "en";
        HelpWindow help(language);
        const QStringList items = treeItems(help.contents());
        QStringList chapters;
        for (int i = 0; i < help.contents()->topLevelItemCount(); ++i) {
            chapters << help.contents()->topLevelItem(i)->data(0, Qt::UserRole).toString();
        }
        QCOMPARE(chapters.first(), QString("index.html"));
        for (const char* page : {"start.html", "language.html", "examples.html", "cli.html"}) {
            QVERIFY2(chapters.contains(page), qPrintable(page));
        }
        // The chapters follow the links of the contents page.
        const QString index = readPage(folder, "index.html");
        for (int i = 1; i + 1 < chapters.size(); ++i) {
            QVERIFY2(index.indexOf('"' + chapters[i] + '"') <
                         index.indexOf('"' + chapters[i + 1] + '"'),
                     qPrintable(chapters[i]));
        }
        for (const QString& page : chapters) {
            for (const QString& heading : renderedHeadings(page, readPage(folder, page))) {
                QVERIFY2(items.contains(heading), qPrintable(heading));
            }
        }
        // Qt knows the ids as anchors, and the entries below the sections are in the tree too.
        QVERIFY(renderedHeadings("language.html", readPage(folder, "language.html"))
                    .join('\n')
                    .contains("language.html#sections|"));
        QVERIFY(items.join('\n').contains("language.html#kw-SZ|"));
    }

    void theSearchListsTheSectionsHoldingAWordAndEnterOpensTheFirst() {
        HelpWindow help(Language::English);
        help.show();
        QLineEdit* search = help.searchField();
        QTest::keyClicks(search, "martingale");
        QVERIFY(help.hits()->isVisible());
        QVERIFY(!help.contents()->isVisible());
        QVERIFY(help.hits()->count() > 0);
        bool inExamples = false;
        for (int i = 0; i < help.hits()->count(); ++i) {
            inExamples |=
                help.hits()->item(i)->data(Qt::UserRole).toString().startsWith("examples.html#");
        }
        QVERIFY(inExamples);
        // The entry named by the word comes before those that only mention it.
        QVERIFY(help.hits()->item(0)->text().contains("martingale", Qt::CaseInsensitive));
        const QString first = help.hits()->item(0)->data(Qt::UserRole).toString();
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(help.page() + '#' + help.anchor(), first);

        // A word nowhere in the manual finds nothing, and Enter stays where it is.
        search->clear();
        QTest::keyClicks(search, "xyzzyq");
        QCOMPARE(help.hits()->count(), 0);
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(help.page() + '#' + help.anchor(), first);
        search->clear();
        QVERIFY(!help.hits()->isVisible());
        QVERIFY(help.contents()->isVisible());
    }

    void backAndForwardWalkThePagesSeen() {
        HelpWindow help(Language::German);
        auto* back = help.findChild<QToolButton*>("HelpBack");
        auto* forward = help.findChild<QToolButton*>("HelpForward");
        QVERIFY(!back->isEnabled());
        help.open("language.html#kw-SZ");
        help.open("examples.html");
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        back->click();
        QCOMPARE(help.page(), QString("language.html"));
        QCOMPARE(help.anchor(), QString("kw-SZ"));
        QCOMPARE(help.contents()->currentItem()->data(0, Qt::UserRole).toString(),
                 QString("language.html#kw-SZ"));
        back->click();
        QCOMPARE(help.page(), QString("index.html"));
        QVERIFY(!back->isEnabled());
        QVERIFY(forward->isEnabled());
        forward->click();
        QCOMPARE(help.page(), QString("language.html"));
    }

    void anAnchorOpensAtItsPlaceAndAMissingOneAtTheTopOfThePage() {
        HelpWindow help(Language::German);
        help.resize(900, 500);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QScrollBar* scroll = help.browser()->verticalScrollBar();
        help.open("language.html#kw-RZ");
        QCOMPARE(help.anchor(), QString("kw-RZ"));
        QTRY_VERIFY(scroll->value() > 0);
        help.open("language.html#kw-NOSUCH");
        QCOMPARE(help.page(), QString("language.html"));
        QCOMPARE(help.anchor(), QString());
        QCOMPARE(scroll->value(), 0);
        // A page this build lacks opens the contents.
        help.open("nosuch.html#x");
        QCOMPARE(help.page(), QString("index.html"));
    }

    void theHelpButtonOfANumberedBoxOpensItsMessageAndLeavesTheBoxOpen() {
        quendra::apptest::TestHost engineHost;
        quendra::Game game(engineHost);
        quendra::app::QtHost host;
        host.setGame(&game);
        struct Case {
            quendra::MessageBoxData box;
            Language language;
            bool question;
            QString target; // empty: no help button
        };
        quendra::MessageBoxData system;
        system.kind = quendra::MessageKind::System;
        system.number = 33;
        system.title = "Quendra";
        system.text = "Systemspielfile 1:3 Unmöglicher Überprüfungswert!";
        quendra::MessageBoxData programError;
        programError.kind = quendra::MessageKind::ProgramError;
        programError.number = 99;
        // As the game shows them: the box carries the number of its list.
        const auto numbered = [](quendra::MessageBoxData box, int number) {
            box.number = number;
            return box;
        };
        quendra::MessageBoxData unnumbered = quendra::questionBox(1, Language::German);
        unnumbered.number = 0;
        const std::vector<Case> cases{
            {numbered(quendra::errorBox(3, Language::German, 0), 3), Language::German, false,
             "messages.html#error-3"},
            {numbered(quendra::warningBox(10, Language::English, 5), 10), Language::English, false,
             "messages.html#warning-10"},
            {numbered(quendra::questionBox(3, Language::German), 3), Language::German, true,
             "messages.html#question-3"},
            {system, Language::English, true, "messages.html#system-33"},
            {programError, Language::German, false, QString()},
            {unnumbered, Language::German, true, QString()},
        };
        for (const Case& c : cases) {
            closeHelp();
            game.state().settings.Language = c.language == Language::German ? 0 : 1;
            bool checked = false;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box) {
                    checked = true;
                    inspectHelpButton(box, c.target, c.language);
                    box->button(c.question ? QMessageBox::No : QMessageBox::Ok)->click();
                }
            });
            if (c.question) {
                QVERIFY(!host.askQuestion(c.box));
            } else {
                host.showMessage(c.box);
            }
            QVERIFY2(checked, qPrintable(c.target));
        }
    }

    void f1InTheSystemEditorOpensTheKeywordAtTheCaret() {
        quendra::apptest::TestHost engineHost;
        quendra::Game game(engineHost);
        quendra::app::TSystemEDForm editor(game, {});
        editor.show();
        // The program opens the editor in a dialog pause of the running game; the help beside it
        // must not set the game going.
        game.state().phase = quendra::TextKind::gkMakeBet;
        quendra::DialogPause editorPause(game);
        QPlainTextEdit* text = editor.editor();
        text->setPlainText("ST:\nSZ EI1(1), EC03;\nIF XX17 > 25 THEN SZ PL17;\n");
        struct Case {
            int line;
            int column;
            QString target;
            QString anchor; // where it lands
        };
        const std::vector<Case> cases{
            {2, 0, "language.html#kw-SZ", "kw-SZ"},   {2, 5, "language.html#kw-EI", "kw-EI"},
            {2, 15, "language.html#kw-EC", "kw-EC"},  {1, 2, "language.html#sec-ST", "sec-ST"},
            {3, 4, "language.html#kw-XX", QString()}, // no such keyword: the top
            {3, 11, "language.html", QString()},      // a number
        };
        for (const Case& c : cases) {
            QTextCursor caret(text->document()->findBlockByNumber(c.line - 1));
            caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, c.column);
            text->setTextCursor(caret);
            // The help window took the focus last time; F1 belongs to the editor's window.
            QApplication::setActiveWindow(&editor);
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            QTest::keyClick(text, Qt::Key_F1);
            HelpWindow* help = HelpWindow::instance();
            QVERIFY(help);
            QCOMPARE(help->requested(), c.target);
            QCOMPARE(help->page(), QString("language.html"));
            QCOMPARE(help->anchor(), c.anchor);
        }
        QCOMPARE(game.state().phase, quendra::TextKind::gkPause);
        // The editor's help menu opens the contents.
        editor.findChild<QAction*>("SYE_Help")->trigger();
        QCOMPARE(HelpWindow::instance()->page(), QString("index.html"));
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
