#include "help/HelpWindow.h"

#include "common/AppText.h"

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "game/PauseProtocol.h"
#include "text/ManualAnchor.h"
#include "text/ManualContents.h"
#endif

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

// The manual's resources sit in a static library; naming them keeps the linker from dropping
// them.
static void initManualResources() {
    Q_INIT_RESOURCE(manual);
}

namespace quendra::app {
namespace {

constexpr int TargetRole = Qt::UserRole;
constexpr int ContentsWidth = 300;

QPointer<HelpWindow>& theWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

QString folder(Language language) {
    return language == Language::German ? QStringLiteral("de") : QStringLiteral("en");
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

HelpWindow* HelpWindow::showHelp(Language language, const QString& target) {
    HelpWindow* window = theWindow();
    if (!window) {
        window = new HelpWindow(language);
        window->setAttribute(Qt::WA_DeleteOnClose);
        theWindow() = window;
    }
    window->setLanguage(language);
    window->open(target);
    // A modal window blocks every other window but those it is the transient parent of.
    QWidget* modal = QApplication::activeModalWidget();
    window->winId();
    window->windowHandle()->setTransientParent(modal && modal != window ? modal->windowHandle()
                                                                        : nullptr);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* HelpWindow::openFromGame(Game& game, const QString& target) {
    const QString place = target.isEmpty() ? qText(ManualContentsPage) : target;
    DialogPause pause(game);
    return showHelp(game.state().language(), place);
}

HelpWindow* HelpWindow::instance() {
    return theWindow();
}

void HelpWindow::followLanguage(Language language) {
    if (HelpWindow* window = theWindow()) {
        window->setLanguage(language);
    }
}

HelpWindow::HelpWindow(Language language, QWidget* parent)
    : QWidget(parent, Qt::Window), language_(language), back_(new QToolButton),
      forward_(new QToolButton), search_(new QLineEdit), hits_(new QListWidget),
      contents_(new QTreeWidget), browser_(new QTextBrowser) {
    initManualResources();
    setObjectName("HelpWindow");
    back_->setObjectName("HelpBack");
    forward_->setObjectName("HelpForward");
    search_->setObjectName("HelpSearch");
    hits_->setObjectName("HelpHits");
    contents_->setObjectName("HelpContents");
    browser_->setObjectName("HelpBrowser");
    resize(980, 680);

    back_->setArrowType(Qt::LeftArrow);
    forward_->setArrowType(Qt::RightArrow);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    search_->setClearButtonEnabled(true);
    hits_->hide();
    contents_->setHeaderHidden(true);
    hits_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(search_, 1);
    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addLayout(buttons);
    sideLayout->addWidget(hits_);
    sideLayout->addWidget(contents_);
    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ContentsWidth, width() - ContentsWidth});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    const auto openItem = [this](const QString& target) {
        if (!target.isEmpty()) {
            open(target);
        }
    };
    connect(contents_, &QTreeWidget::itemActivated, this,
            [openItem](QTreeWidgetItem* item) { openItem(item->data(0, TargetRole).toString()); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [openItem](QTreeWidgetItem* item) { openItem(item->data(0, TargetRole).toString()); });
    connect(hits_, &QListWidget::itemActivated, this,
            [openItem](QListWidgetItem* item) { openItem(item->data(TargetRole).toString()); });
    connect(hits_, &QListWidget::itemClicked, this,
            [openItem](QListWidgetItem* item) { openItem(item->data(TargetRole).toString()); });
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showInContents);
    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::openFirstHit);

    retranslate();
    loadChapters();
    open(qText(ManualContentsPage));
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::setLanguage(Language language) {
    if (language == language_) {
        return;
    }
    const QString place = anchor().isEmpty() ? page() : page() + '#' + anchor();
    language_ = language;
    retranslate();
    loadChapters();
    open(place);
    // Going back would return to the other language.
    browser_->clearHistory();
    search(search_->text());
}

void HelpWindow::retranslate() {
    setWindowTitle(qText(HelpWindowCaption[language_]));
    search_->setPlaceholderText(qText(HelpSearchPrompt[language_]));
    back_->setToolTip(qText(HelpBackCaption[language_]));
    forward_->setToolTip(qText(HelpForwardCaption[language_]));
}

QString HelpWindow::pageText(const QString& page) const {
    QFile file(":/manual/" + folder(language_) + '/' + page);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

void HelpWindow::loadChapters() {
    contents_->clear();
    entries_.clear();
    anchors_.clear();
    const std::string index = utf8(pageText(qText(ManualContentsPage)));
    for (const std::string& chapter : manualChapters(index, ManualContentsPage)) {
        const QString page = fromUtf8(chapter);
        const QString html = pageText(page);
        // A chapter the contents page names but this build lacks is left out.
        if (!html.isEmpty()) {
            addChapter(page, html);
        }
    }
}

void HelpWindow::addChapter(const QString& page, const QString& html) {
    const std::string text = utf8(html);
    QSet<QString>& anchors = anchors_[page];
    for (const std::string& id : manualAnchors(text)) {
        anchors.insert(fromUtf8(id));
    }
    QTreeWidgetItem* chapter = nullptr;
    QTreeWidgetItem* section = nullptr;
    QString chapterTitle = page;
    for (const ManualSection& heading : manualSections(text)) {
        const QString title = fromUtf8(heading.title);
        const QString target = heading.id.empty() ? page : page + '#' + fromUtf8(heading.id);
        QTreeWidgetItem* item = nullptr;
        if (heading.level == 1 || !chapter) {
            item = new QTreeWidgetItem(contents_, {title});
            chapter = item;
            section = nullptr;
            chapterTitle = title;
        } else if (heading.level == 2 || !section) {
            item = new QTreeWidgetItem(chapter, {title});
            section = item;
        } else {
            item = new QTreeWidgetItem(section, {title});
        }
        item->setData(0, TargetRole, target);
        entries_.push_back({target, title, chapterTitle, fromUtf8(heading.text)});
    }
}

void HelpWindow::showInContents(const QUrl& source) {
    // The browser tells the new place before source() returns it.
    const QString page = QFileInfo(source.path()).fileName();
    const QString place = source.fragment().isEmpty() ? page : page + '#' + source.fragment();
    QTreeWidgetItemIterator it(contents_);
    for (; *it; ++it) {
        if ((*it)->data(0, TargetRole).toString() == place) {
            contents_->setCurrentItem(*it);
            contents_->scrollToItem(*it);
            return;
        }
    }
}

void HelpWindow::search(const QString& text) {
    const QString wanted = text.trimmed();
    hits_->clear();
    hits_->setVisible(!wanted.isEmpty());
    contents_->setVisible(wanted.isEmpty());
    if (wanted.isEmpty()) {
        return;
    }
    // Entries named by the word come first, then those that only mention it.
    const auto addHits = [this, &wanted](bool inTitle) {
        for (const Entry& entry : entries_) {
            if (entry.title.contains(wanted, Qt::CaseInsensitive) == inTitle &&
                (inTitle || entry.text.contains(wanted, Qt::CaseInsensitive))) {
                auto* item = new QListWidgetItem(entry.title, hits_);
                item->setToolTip(entry.chapter);
                item->setData(TargetRole, entry.target);
            }
        }
    };
    addHits(true);
    addHits(false);
}

void HelpWindow::openFirstHit() {
    if (hits_->count() > 0) {
        hits_->setCurrentRow(0);
        open(hits_->item(0)->data(TargetRole).toString());
    }
}

bool HelpWindow::hasAnchor(const QString& page, const QString& anchor) {
    if (!anchors_.contains(page)) {
        QSet<QString>& anchors = anchors_[page];
        for (const std::string& id : manualAnchors(utf8(pageText(page)))) {
            anchors.insert(fromUtf8(id));
        }
    }
    return anchors_.value(page).contains(anchor);
}

void HelpWindow::open(const QString& target) {
    requested_ = target;
    const qsizetype hash = target.indexOf('#');
    QString page = hash < 0 ? target : target.left(hash);
    QString anchor = hash < 0 ? QString() : target.mid(hash + 1);
    if (page.isEmpty()) {
        page = this->page();
    }
    if (pageText(page).isEmpty()) {
        page = qText(ManualContentsPage);
        anchor.clear();
    }
    QUrl url("qrc:/manual/" + folder(language_) + '/' + page);
    // An anchor the page lacks opens the page at its top.
    if (!anchor.isEmpty() && hasAnchor(page, anchor)) {
        url.setFragment(anchor);
    }
    browser_->setSource(url);
}

QString HelpWindow::page() const {
    return QFileInfo(browser_->source().path()).fileName();
}

QString HelpWindow::anchor() const {
    return browser_->source().fragment();
}

} // namespace quendra::app
