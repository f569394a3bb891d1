// The system editor `TSystemEDForm`.
#include "systemplay/TSystemEDForm.h"

#include "common/AppText.h"
#include "help/HelpWindow.h"

#ifndef Q_MOC_RUN
#include "game/GameCommands.h"
#include "text/ManualAnchor.h"
#endif

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QVBoxLayout>

namespace quendra::app {
namespace {

constexpr int ErrorFieldHeight = 40;
constexpr int ErrorFontSize = 10;
const QString FileFilter = QStringLiteral(
    "Systemspielfile (*.SYF *.syf);;Protokoll (*.OUT *.out);;Ladefile (*.INP *.inp);;"
    "Sammelladefile (*.SNP *.snp);;Textfile (*.TXT *.txt);;ALL (*)");

// The files are 8-bit text; Latin-1 keeps every byte as it is.
QString fileText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

class SystemHighlighter : public QSyntaxHighlighter {
public:
    explicit SystemHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
        keyword_.setFontWeight(QFont::Bold);
        symbol_.setFontWeight(QFont::Bold);
        symbol_.setForeground(Qt::blue);
        comment_.setFontItalic(true);
    }

protected:
    void highlightBlock(const QString& text) override {
        const QByteArray line = text.toLatin1();
        for (const SystemTextSpan& span :
             systemTextSpans(std::string_view(line.constData(), line.size()))) {
            setFormat(static_cast<int>(span.start), static_cast<int>(span.length),
                      format(span.style));
        }
    }

private:
    const QTextCharFormat& format(SystemTextStyle style) const {
        switch (style) {
        case SystemTextStyle::Keyword:
            return keyword_;
        case SystemTextStyle::Symbol:
            return symbol_;
        case SystemTextStyle::Comment:
            break;
        }
        return comment_;
    }

    QTextCharFormat keyword_;
    QTextCharFormat symbol_;
    QTextCharFormat comment_;
};

constexpr int GutterWidth = 30;

// The editor with a gutter of line numbers at its left.
class SystemTextEdit : public QPlainTextEdit {
public:
    explicit SystemTextEdit(QWidget* parent) : QPlainTextEdit(parent), gutter_(new QWidget(this)) {
        setViewportMargins(GutterWidth, 0, 0, 0);
        gutter_->installEventFilter(this);
        connect(this, &QPlainTextEdit::updateRequest, gutter_, [this](const QRect& rect, int dy) {
            if (dy != 0) {
                gutter_->scroll(0, dy);
            } else {
                gutter_->update(0, rect.y(), GutterWidth, rect.height());
            }
        });
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QPlainTextEdit::resizeEvent(event);
        const QRect area = contentsRect();
        gutter_->setGeometry(area.left(), area.top(), GutterWidth, area.height());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == gutter_ && event->type() == QEvent::Paint) {
            paintGutter();
            return true;
        }
        return QPlainTextEdit::eventFilter(watched, event);
    }

private:
    void paintGutter() {
        QPainter painter(gutter_);
        painter.fillRect(gutter_->rect(), palette().color(QPalette::Window));
        painter.setPen(Qt::darkGray);
        QTextBlock block = firstVisibleBlock();
        int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
        while (block.isValid() && top <= gutter_->height()) {
            const int height = qRound(blockBoundingRect(block).height());
            painter.drawText(0, top, GutterWidth - 3, height, Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(block.blockNumber() + 1));
            block = block.next();
            top += height;
        }
    }

    QWidget* gutter_;
};

template <typename Receiver, typename Slot>
QAction* addEntry(QMenu* menu, const char* name, const QString& text, Receiver* context,
                  Slot slot) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, context, slot);
    return action;
}

} // namespace

ErrorField::ErrorField(QWidget* parent) : QWidget(parent) {
    setObjectName("Errorfield");
    setFixedHeight(ErrorFieldHeight);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
}

void ErrorField::setDisplay(const SystemEditorErrorDisplay& display) {
    display_ = display;
    update();
}

void ErrorField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString messageLine = qText(display_.messageLabel) + ' ' + qText(display_.message);
    QFont font("Times New Roman", ErrorFontSize);
    while (font.pointSize() > 1 && QFontMetrics(font).horizontalAdvance(messageLine) > width()) {
        font.setPointSize(font.pointSize() - 1);
    }
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int lineHeight = height() / 2;
    const int base1 = (lineHeight + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(2, base1, messageLine);

    const int base2 = lineHeight + base1;
    QString label = qText(display_.positionLabel) + ' ';
    int x = 2;
    painter.drawText(x, base2, label);
    x += metrics.horizontalAdvance(label);
    QString before = fileText(display_.before);
    const QString token = fileText(display_.token);
    // A beginning too wide for the field loses its start.
    const int room = width() - x - metrics.horizontalAdvance(token);
    if (metrics.horizontalAdvance(before) > room) {
        while (!before.isEmpty() && metrics.horizontalAdvance("..." + before) > room) {
            before.remove(0, 1);
        }
        before.prepend("...");
    }
    painter.drawText(x, base2, before);
    x += metrics.horizontalAdvance(before);
    painter.setPen(Qt::red);
    painter.drawText(x, base2, token);
    x += metrics.horizontalAdvance(token);
    painter.setPen(Qt::black);
    painter.drawText(x, base2, fileText(display_.after));
}

TSystemEDForm::TSystemEDForm(Game& game, const SystemEditorRequest& request, QWidget* parent)
    : QDialog(parent), game_(game), browseOnly_(request.browseOnly), menuBar_(new QMenuBar(this)),
      Errorfield_(new ErrorField(this)), EDmemo1m_(new SystemTextEdit(this)) {
    setObjectName("SystemEDForm");
    setModal(true);
    resize(760, 560);
    setWindowTitle(qText(systemEditorCaption({}, false)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(Errorfield_);
    layout->addWidget(EDmemo1m_);

    EDmemo1m_->setObjectName("EDmemo1m");
    QFont courier("Courier New", 10);
    courier.setStyleHint(QFont::Monospace);
    EDmemo1m_->setFont(courier);
    EDmemo1m_->setLineWrapMode(QPlainTextEdit::NoWrap);
    EDmemo1m_->document()->setUndoRedoEnabled(true);
    // Without `ShowSyntax` the editor shows the plain view.
    if (game.state().settings.ShowSyntax) {
        highlighter_ = new SystemHighlighter(EDmemo1m_->document());
    }

    buildMenus(browseOnly_);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName("KeywordHelp");
    connect(f1, &QShortcut::activated, this, &TSystemEDForm::keywordHelp);
    Errorfield_->setVisible(request.LineNumber != 0);
    if (request.LineNumber != 0) {
        Errorfield_->setDisplay(systemEditorErrorDisplay(request, language()));
    }
    if (!request.file.empty()) {
        showFile(QString::fromStdString(request.file.string()));
        scrollToLine(request.LineNumber);
    }
    EDmemo1m_->setReadOnly(browseOnly_);
    if (EDneu_) {
        EDneu_->setEnabled(false);
    }
}

void TSystemEDForm::buildMenus(bool browseOnly) {
    QMenu* datei = menuBar_->addMenu("&Datei");
    if (browseOnly) {
        datei->setObjectName("BRDatei");
        addEntry(datei, "BRBeenden", "Beenden", this, &TSystemEDForm::EDBeendenClick);
    } else {
        datei->setObjectName("EDDatei");
        EDneu_ = addEntry(datei, "EDneu", "Neu", this, &TSystemEDForm::EDneuClick);
        addEntry(datei, "EDoeffnen", "Öffnen", this, &TSystemEDForm::EDoeffnenClick);
        addEntry(datei, "EDSpeichern", "Speichern", this, &TSystemEDForm::EDSpeichernClick);
        addEntry(datei, "EDSpeichernunter", "Speichern unter", this,
                 &TSystemEDForm::EDSpeichernunterClick);
        datei->addSeparator();
        addEntry(datei, "EDBeenden", "Beenden", this, &TSystemEDForm::EDBeendenClick);
    }
    QMenu* hilfe = menuBar_->addMenu("&Hilfe");
    hilfe->setObjectName("SYHilfe");
    addEntry(hilfe, "SYE_Help", "Hilfe Inhalt", this, [this] { HelpWindow::openFromGame(game_); });
    addEntry(hilfe, "SYE_P_Help", "Help Programmierung", this,
             [this] { HelpWindow::openFromGame(game_, qText(ManualLanguagePage)); });
}

void TSystemEDForm::keywordHelp() {
    const QTextCursor caret = EDmemo1m_->textCursor();
    const QByteArray line = caret.block().text().toLatin1();
    const auto anchor = keywordAnchor(std::string_view(line.constData(), line.size()),
                                      static_cast<std::size_t>(caret.positionInBlock()));
    HelpWindow::openFromGame(game_,
                             QString::fromStdString(manualTarget(ManualLanguagePage, anchor)));
}

void TSystemEDForm::showText(const QString& caption, const QString& text) {
    if (highlighter_) {
        highlighter_->setDocument(nullptr);
    }
    QString shown = text;
    shown.replace("\r\n", "\n");
    EDmemo1m_->setPlainText(shown);
    EDmemo1m_->document()->setModified(false);
    EDmemo1m_->setReadOnly(true);
    fileName_.clear();
    setWindowTitle(caption);
}

bool TSystemEDForm::highlighting() const {
    return highlighter_ && highlighter_->document() == EDmemo1m_->document();
}

bool TSystemEDForm::isModified() const {
    return EDmemo1m_->document()->isModified() && !EDmemo1m_->isReadOnly();
}

void TSystemEDForm::showFile(const QString& file) {
    if (Fileload(file)) {
        fileName_ = file;
        setWindowTitle(qText(systemEditorCaption(file.toStdString(), browseOnly_)));
    }
}

bool TSystemEDForm::Fileload(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        ShowEditorFileError(game_, 15, file.toStdString());
        return false;
    }
    QString text = QString::fromLatin1(in.readAll());
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    EDmemo1m_->setPlainText(text);
    EDmemo1m_->document()->setModified(false);
    return true;
}

bool TSystemEDForm::Filesave(const QString& file) {
    QString text = EDmemo1m_->toPlainText();
    text.replace('\n', "\r\n");
    QFile out(file);
    const QByteArray bytes = text.toLatin1();
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() ||
        !out.flush()) {
        ShowEditorFileError(game_, 16, file.toStdString());
        return false;
    }
    EDmemo1m_->document()->setModified(false);
    return true;
}

void TSystemEDForm::scrollToLine(int line) {
    topLine_ = std::max(line, 1);
    const QTextBlock block = EDmemo1m_->document()->findBlockByNumber(topLine_ - 1);
    if (block.isValid()) {
        EDmemo1m_->setTextCursor(QTextCursor(block));
    }
    showTopLine();
}

void TSystemEDForm::showTopLine() {
    // The scroll bar of the plain-text editor counts lines: its value is the top line.
    EDmemo1m_->verticalScrollBar()->setValue(topLine_ - 1);
    EDmemo1m_->ensureCursorVisible();
}

void TSystemEDForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showTopLine(); // the lines fitting the window are known now
}

void TSystemEDForm::EDneuClick() {
    fileName_.clear();
    setWindowTitle("Unbekannt");
}

void TSystemEDForm::EDoeffnenClick() {
    const QString file =
        QFileDialog::getOpenFileName(this, QString(), QFileInfo(fileName_).path(), FileFilter);
    if (!file.isEmpty()) {
        showFile(file);
    }
}

void TSystemEDForm::EDSpeichernClick() {
    save();
}

void TSystemEDForm::EDSpeichernunterClick() {
    saveAs();
}

bool TSystemEDForm::save() {
    return fileName_.isEmpty() ? saveAs() : Filesave(fileName_);
}

bool TSystemEDForm::saveAs() {
    const QFileInfo current(fileName_);
    QFileDialog dialog(this, QString(), current.path(), FileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(current.suffix());
    dialog.selectFile(current.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    const QString file = dialog.selectedFiles().constFirst();
    if (!Filesave(file)) {
        return false;
    }
    fileName_ = file;
    setWindowTitle(file);
    return true;
}

void TSystemEDForm::EDBeendenClick() {
    close();
}

bool TSystemEDForm::mayClose() {
    if (isModified() && game_.askQuestion(saveEditorChangesQuestion(language())) && !save()) {
        return false; // the changes are not lost when they could not be saved
    }
    EDmemo1m_->document()->setModified(false);
    return true;
}

void TSystemEDForm::closeEvent(QCloseEvent* event) {
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TSystemEDForm::reject() {
    // Escape closes the window the same way, with the question about unsaved changes.
    if (mayClose()) {
        QDialog::reject();
    }
}

} // namespace quendra::app
