// The help window: the manual of the program's language in a browser, with its contents as a
// tree of the chapters' headings, a search over the text of every section, and back and
// forward. There is one; opening it again brings it to the front at the place asked for.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "text/Language.h"
#endif

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace quendra {
class Game;
}

namespace quendra::app {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the help window at `target` ("language.html#kw-SZ"), made if there is none. Opened
    // from a modal window it stays usable beside it.
    static HelpWindow* showHelp(Language language, const QString& target);
    // The same from a command of the game: the game pauses while the window opens, as around
    // every window, and goes on beside it. `target` is the contents page unless given.
    static HelpWindow* openFromGame(Game& game, const QString& target = {});
    // The help window, or nullptr while there is none.
    static HelpWindow* instance();
    // The program's language changed: an open help window shows its page in the new one.
    static void followLanguage(Language language);

    explicit HelpWindow(Language language, QWidget* parent = nullptr);
    ~HelpWindow() override;

    Language language() const { return language_; }
    void setLanguage(Language language);
    // Shows a page of the manual, at the anchor when the page has it, else at its top.
    void open(const QString& target);
    // The page shown ("index.html") and the anchor it was opened at ("" for the top).
    QString page() const;
    QString anchor() const;
    // The place last asked for, before a missing page or anchor was left out.
    const QString& requested() const { return requested_; }

    QTextBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }
    QLineEdit* searchField() const { return search_; }
    QListWidget* hits() const { return hits_; }

private:
    struct Entry {
        QString target;
        QString title;
        QString chapter;
        QString text;
    };

    void retranslate();
    void loadChapters();
    void addChapter(const QString& page, const QString& html);
    // Marks the place shown in the contents tree, its chapter opened.
    void showInContents(const QUrl& source);
    void search(const QString& text);
    void openFirstHit();
    QString pageText(const QString& page) const;
    bool hasAnchor(const QString& page, const QString& anchor);

    Language language_;
    QToolButton* back_;
    QToolButton* forward_;
    QLineEdit* search_;
    QListWidget* hits_;
    QTreeWidget* contents_;
    QTextBrowser* browser_;
    std::vector<Entry> entries_;
    QHash<QString, QSet<QString>> anchors_;
    QString requested_;
};

} // namespace quendra::app
