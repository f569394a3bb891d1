// The system-play menu: four player groups over the engine's menu model.
#include "systemplay/TSystemspielmenu.h"

#include "common/AppText.h"
#include "common/FileDialogs.h"
#include "systemplay/SystemPlayMenuTexts.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace quendra::app {
namespace {

constexpr int EditMinimumWidth = 260;
constexpr const char* PlayerProperty = "player";
constexpr const char* ProtocolProperty = "protocol";

// The protocol edits of players 2 and 4 are spelled with a small "f".
QString protocolEditName(int player) {
    return player % 2 == 0 ? QString("Sp%1Outfile").arg(player)
                           : QString("Sp%1OutFile").arg(player);
}

QString rowName(int player, bool protocol, const char* part) {
    return QString("Sp%1%2%3").arg(player).arg(protocol ? "Out" : "Sys").arg(part);
}

// A key that changes the text of an edit.
bool editingKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete ||
        key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut)) {
        return true;
    }
    return !key.text().isEmpty() && key.text().at(0).isPrint();
}

void showText(QLineEdit* edit, const std::string& text) {
    // Only a changed text is set: setting it moves the cursor and ends a selection.
    if (edit->text() != qText(text)) {
        edit->setText(qText(text));
    }
}

} // namespace

TSystemspielmenu::TSystemspielmenu(Game& game, QWidget* parent)
    : QDialog(parent), game_(game), menu_(OpenSystemPlayMenu(game)) {
    setObjectName("TSystemspielmenu");
    auto* layout = new QVBoxLayout(this);
    for (int p = 1; p <= static_cast<int>(groups_.size()); ++p) {
        buildGroup(p);
        layout->addWidget(groups_[static_cast<std::size_t>(p - 1)].box);
    }
    auto* buttons = new QHBoxLayout;
    fullReset_ = new QPushButton(this);
    fullReset_->setObjectName("SystemfileFullReset");
    fullReset_->setAutoDefault(false);
    ok_ = new QPushButton(this);
    ok_->setObjectName("SystemfilemenuOK");
    ok_->setAutoDefault(false);
    buttons->addWidget(fullReset_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    layout->addLayout(buttons);
    connect(fullReset_, &QPushButton::clicked, this, &TSystemspielmenu::SystemfileFullResetClick);
    connect(ok_, &QPushButton::clicked, this, &TSystemspielmenu::SystemfilemenuOKClick);
    FormShow();
    showMenu();
}

TSystemspielmenu::~TSystemspielmenu() {
    CloseSystemPlayMenu(game_, menu_);
}

void TSystemspielmenu::buildGroup(int player) {
    GroupControls& group = groups_[static_cast<std::size_t>(player - 1)];
    group.box = new QGroupBox(this);
    group.box->setObjectName(QString("Spieler%1").arg(player));
    auto* grid = new QGridLayout(group.box);
    grid->setColumnStretch(1, 1);
    group.system = buildRow(group.box, 0, player, false);
    group.protocol = buildRow(group.box, 1, player, true);
    connectRow(group.system, player, false);
    connectRow(group.protocol, player, true);
}

TSystemspielmenu::FileRow TSystemspielmenu::buildRow(QGroupBox* box, int row, int player,
                                                     bool protocol) {
    auto* grid = static_cast<QGridLayout*>(box->layout());
    FileRow controls;
    controls.label = new QLabel(box);
    controls.label->setObjectName(rowName(player, protocol, "Label"));
    controls.edit = new QLineEdit(box);
    controls.edit->setObjectName(protocol ? protocolEditName(player)
                                          : rowName(player, false, "File"));
    controls.edit->setMinimumWidth(EditMinimumWidth);
    controls.edit->setContextMenuPolicy(Qt::NoContextMenu);
    controls.edit->setProperty(PlayerProperty, player);
    controls.edit->setProperty(ProtocolProperty, protocol);
    controls.edit->installEventFilter(this);
    controls.label->setBuddy(controls.edit);
    controls.open = new QToolButton(box);
    controls.open->setObjectName(rowName(player, protocol, "Open"));
    controls.open->setText("...");
    controls.active = new QCheckBox(box);
    controls.active->setObjectName(rowName(player, protocol, "Aktiv"));
    controls.reset = new QPushButton(box);
    controls.reset->setObjectName(rowName(player, protocol, "Reset"));
    controls.reset->setAutoDefault(false);
    grid->addWidget(controls.label, row, 0);
    grid->addWidget(controls.edit, row, 1);
    grid->addWidget(controls.open, row, 2);
    grid->addWidget(controls.active, row, 3);
    grid->addWidget(controls.reset, row, 4);
    return controls;
}

void TSystemspielmenu::connectRow(const FileRow& row, int player, bool protocol) {
    connect(row.open, &QToolButton::clicked, this,
            [this, player, protocol] { FileEingabeDblClick(player, protocol); });
    // The edit's text is the user's own until Enter hands it over.
    connect(row.edit, &QLineEdit::textEdited, this, [this, player, protocol](const QString& text) {
        SystemMenuGroup& group = menu_.group(player);
        (protocol ? group.protocolEdit : group.systemEdit) = text.toStdString();
    });
    if (protocol) {
        connect(row.active, &QCheckBox::clicked, this, [this, player](bool ticked) {
            handle([this, player, ticked] { ProtocolBoxClicked(menu_, player, ticked); });
        });
        connect(row.reset, &QPushButton::clicked, this, [this, player] {
            handle([this, player] { SpOutResetClick(game_, menu_, player); });
        });
    } else {
        connect(row.active, &QCheckBox::clicked, this, [this, player](bool ticked) {
            handle([this, player, ticked] { SystemBoxClicked(game_, menu_, player, ticked); });
        });
        connect(row.reset, &QPushButton::clicked, this, [this, player] {
            handle([this, player] { SpSysResetClick(game_, menu_, player); });
        });
    }
}

template <typename Operation>
void TSystemspielmenu::handle(Operation&& operation) {
    operation();
    showMenu();
}

void TSystemspielmenu::showEvent(QShowEvent* event) {
    FormShow();
    showMenu();
    QDialog::showEvent(event);
}

void TSystemspielmenu::FormShow() {
    const Language language = game_.state().language();
    setWindowTitle(qText(SystemPlayMenuCaption[language]));
    for (int p = 1; p <= static_cast<int>(groups_.size()); ++p) {
        GroupControls& group = groups_[static_cast<std::size_t>(p - 1)];
        group.box->setTitle(qText(SystemPlayMenuPlayerCaption[language]) + QString::number(p));
        group.system.label->setText(qText(SystemFileLabel[language]));
        group.protocol.label->setText(qText(ProtocolFileLabel[language]));
        for (FileRow* row : {&group.system, &group.protocol}) {
            row->active->setText(qText(ActiveBoxCaption[language]));
            row->reset->setText(qText(ResetButtonCaption[language]));
        }
    }
    ok_->setText(qText(SystemPlayMenuOkCaption[language]));
    fullReset_->setText(qText(FullResetCaption[language]));
}

void TSystemspielmenu::showMenu() {
    for (int p = 1; p <= static_cast<int>(groups_.size()); ++p) {
        const SystemMenuGroup& shown = menu_.group(p);
        GroupControls& group = groups_[static_cast<std::size_t>(p - 1)];
        group.box->setEnabled(shown.enabled);
        showText(group.system.edit, shown.systemEdit);
        group.system.active->setChecked(shown.systemBox);
        showText(group.protocol.edit, shown.protocolEdit);
        group.protocol.active->setChecked(shown.protocolBox);
    }
}

bool TSystemspielmenu::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || !edit->property(PlayerProperty).isValid()) {
        return QDialog::eventFilter(watched, event);
    }
    const int player = edit->property(PlayerProperty).toInt();
    const bool protocol = edit->property(ProtocolProperty).toBool();
    if (event->type() == QEvent::MouseButtonDblClick) {
        FileEingabeDblClick(player, protocol);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        return SpSysOutKeyPress(player, protocol, static_cast<const QKeyEvent&>(*event));
    }
    return QDialog::eventFilter(watched, event);
}

void TSystemspielmenu::FileEingabeDblClick(int player, bool protocol) {
    if (protocol && !ProtocolChoiceAllowed(game_, player)) {
        return;
    }
    const GameState& state = game_.state();
    QFileDialog dialog(this);
    dialog.setObjectName("OpenSysfile");
    const QStringList filters = fileDialogFilters(SystemPlayFileFilters);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(
        filters.at(static_cast<qsizetype>(protocol ? ProtocolFileFilter : SystemFileFilter)));
    const std::filesystem::path folder =
        protocol ? protocolFileFolder(state) : systemFileFolder(state);
    dialog.setDirectory(QString::fromStdString(folder.string()));
    // A protocol file that does not exist yet is created.
    dialog.setFileMode(protocol ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const std::string file = dialog.selectedFiles().constFirst().toStdString();
    handle([this, player, protocol, &file] {
        if (protocol) {
            ProtocolFileChosen(game_, menu_, player, file);
        } else {
            SystemFileChosen(game_, menu_, player, file);
        }
    });
}

bool TSystemspielmenu::SpSysOutKeyPress(int player, bool protocol, const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        const SystemMenuGroup& group = menu_.group(player);
        const std::string typed = protocol ? group.protocolEdit : group.systemEdit;
        handle([this, player, protocol, &typed] {
            if (protocol) {
                ProtocolFileEntered(game_, menu_, player, typed);
            } else {
                SystemFileEntered(game_, menu_, player, typed);
            }
        });
        return true;
    }
    if (!editingKey(key)) {
        return false;
    }
    bool taken = true;
    handle([this, player, protocol, &taken] {
        if (protocol) {
            taken = ProtocolEditKey(game_, menu_, player);
        } else {
            SystemEditKey(game_, menu_, player);
        }
    });
    return !taken;
}

void TSystemspielmenu::SystemfilemenuOKClick() {
    handle([this] { quendra::SystemfilemenuOKClick(game_, menu_); });
    accept();
}

void TSystemspielmenu::SystemfileFullResetClick() {
    handle([this] { quendra::SystemfileFullResetClick(game_, menu_); });
}

void TSystemspielmenu::reject() {
    CloseSystemPlayMenu(game_, menu_);
    QDialog::reject();
}

} // namespace quendra::app
